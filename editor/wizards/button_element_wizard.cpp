// The button element wizard: a buttonelement or a predefined transport element, at the caret.
#include "button_element_wizard_text.h"
#include "resource.h"
#include "wizard_dialog.h"
#include "wizards.h"

namespace {

const wchar_t kQuestion[] = L"入力した情報を使用してボタンエレメント タグを挿入します。\nよろしいですか？";
const wchar_t kNoMappingColor[] = L"マッピング カラーを指定してください。";
const wchar_t kNoOnClick[] = L"OnClick イベント ハンドラが設定されていません。";

int CheckedKind(HWND dialog)
{
    for (int kind = 0; kind < kButtonElementKindCount; ++kind)
        if (IsChecked(dialog, IDC_ELEMENT_STANDARD + kind)) return kind;
    return ButtonElementStandard;
}

ButtonElementFields ReadFields(HWND dialog)
{
    ButtonElementFields fields;
    fields.kind = CheckedKind(dialog);
    fields.mappingColor = FieldText(dialog, IDC_ELEMENT_MAPPING_COLOR);
    fields.upToolTip = FieldText(dialog, IDC_ELEMENT_UP_TOOLTIP);
    fields.onClick = FieldText(dialog, IDC_ELEMENT_ON_CLICK);
    fields.disabled = IsChecked(dialog, IDC_ELEMENT_DISABLED);
    fields.sticky = IsChecked(dialog, IDC_ELEMENT_STICKY);
    fields.downToolTip = FieldText(dialog, IDC_ELEMENT_DOWN_TOOLTIP);
    fields.down = IsChecked(dialog, IDC_ELEMENT_DOWN);
    return fields;
}

void ApplyStickyRule(HWND dialog)
{
    EnableControls(dialog, {IDC_ELEMENT_DOWN_TOOLTIP_LABEL, IDC_ELEMENT_DOWN_TOOLTIP, IDC_ELEMENT_DOWN},
                   IsChecked(dialog, IDC_ELEMENT_STICKY));
}

void ApplyStandardRule(HWND dialog)
{
    EnableControls(dialog,
                   {IDC_ELEMENT_UP_TOOLTIP_LABEL, IDC_ELEMENT_ON_CLICK_LABEL, IDC_ELEMENT_UP_TOOLTIP,
                    IDC_ELEMENT_ON_CLICK, IDC_ELEMENT_DISABLED, IDC_ELEMENT_STICKY},
                   true);
    ApplyStickyRule(dialog);
}

// The predefined elements take their action from the player; a tip typed before the switch
// is still written, as for every kind.
void ApplyPredefinedRule(HWND dialog)
{
    EnableControls(dialog,
                   {IDC_ELEMENT_UP_TOOLTIP_LABEL, IDC_ELEMENT_ON_CLICK_LABEL, IDC_ELEMENT_UP_TOOLTIP,
                    IDC_ELEMENT_ON_CLICK, IDC_ELEMENT_DISABLED, IDC_ELEMENT_STICKY,
                    IDC_ELEMENT_DOWN_TOOLTIP_LABEL, IDC_ELEMENT_DOWN_TOOLTIP, IDC_ELEMENT_DOWN},
                   false);
}

void Initialize(HWND dialog)
{
    CheckDlgButton(dialog, IDC_ELEMENT_STANDARD, BST_CHECKED);
    SetDlgItemTextW(dialog, IDC_WIZARD_TABS, L"3");
    ApplyStandardRule(dialog);
}

void OnCommand(HWND dialog, int id)
{
    if (id == IDC_ELEMENT_STANDARD) ApplyStandardRule(dialog);
    else if (id > IDC_ELEMENT_STANDARD && id <= IDC_ELEMENT_NEXT) ApplyPredefinedRule(dialog);
    else if (id == IDC_ELEMENT_STICKY) ApplyStickyRule(dialog);
}

void OnOk(HWND dialog)
{
    if (!ConfirmInsertion(dialog, kQuestion)) return;
    ButtonElementFields fields = ReadFields(dialog);
    if (fields.mappingColor.empty()) {
        RefuseInsertion(dialog, kNoMappingColor);
        return;
    }
    if (fields.kind == ButtonElementStandard && fields.onClick.empty()) {
        RefuseInsertion(dialog, kNoOnClick);
        return;
    }
    if (!ReadTabCount(dialog, &fields.tabCount)) return;
    InsertWizardText(dialog, BuildButtonElementText(fields));
}

const WizardDialog kButtonElementWizard = {
    IDD_BUTTON_ELEMENT,
    IDI_BUTTON_ELEMENT,
    {{IDC_ELEMENT_MAPPING_COLOR, 64}, {IDC_ELEMENT_UP_TOOLTIP, 1024}, {IDC_ELEMENT_ON_CLICK, 1024},
     {IDC_ELEMENT_DOWN_TOOLTIP, 1024}, {IDC_WIZARD_TABS, 3}},
    {{IDC_ELEMENT_MAPPING_PICK, IDC_ELEMENT_MAPPING_COLOR, PickerColor}},
    Initialize,
    OnCommand,
    OnOk,
    ButtonElementHelpText,
};

}  // namespace

INT_PTR ShowButtonElementWizard(const EditorWindow& window) { return OpenWizard(window, kButtonElementWizard); }
