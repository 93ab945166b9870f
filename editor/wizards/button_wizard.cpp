// The button wizard: a standalone button or one of the predefined buttons, at the caret.
#include "button_wizard_text.h"
#include "resource.h"
#include "wizard_dialog.h"
#include "wizards.h"

namespace {

const wchar_t kQuestion[] = L"入力した情報を使用してボタン タグを挿入します。\nよろしいですか？";
const wchar_t kIncompleteBounds[] =
    L"座標 (X/Y) およびサイズ (Width/Height) に入力不備があります。\n座標項目とサイズ項目はすべて入力してください。";
const wchar_t kNoImage[] = L"基本イメージを指定してください。";
const wchar_t kNoOnClick[] = L"OnClick イベント ハンドラが設定されていません。";

ButtonFields ReadFields(HWND dialog)
{
    ButtonFields fields;
    fields.kind = IsChecked(dialog, IDC_BUTTON_PREDEFINED) ? ButtonKindPredefined : ButtonKindStandard;
    fields.predefined = ListSelection(dialog, IDC_BUTTON_KIND);
    fields.id = FieldText(dialog, IDC_BUTTON_ID);
    fields.left = FieldText(dialog, IDC_BUTTON_LEFT);
    fields.top = FieldText(dialog, IDC_BUTTON_TOP);
    fields.width = FieldText(dialog, IDC_BUTTON_WIDTH);
    fields.height = FieldText(dialog, IDC_BUTTON_HEIGHT);
    fields.image = FieldText(dialog, IDC_BUTTON_IMAGE);
    fields.hoverImage = FieldText(dialog, IDC_BUTTON_HOVER);
    fields.downImage = FieldText(dialog, IDC_BUTTON_DOWN_IMAGE);
    fields.hoverDownImage = FieldText(dialog, IDC_BUTTON_HOVER_DOWN);
    fields.disabledImage = FieldText(dialog, IDC_BUTTON_DISABLED_IMAGE);
    fields.color = FieldText(dialog, IDC_BUTTON_TRANSPARENCY);
    fields.colorAsClipping = IsChecked(dialog, IDC_BUTTON_CLIPPING);
    fields.onClick = FieldText(dialog, IDC_BUTTON_ON_CLICK);
    fields.upToolTip = FieldText(dialog, IDC_BUTTON_UP_TOOLTIP);
    fields.disabled = IsChecked(dialog, IDC_BUTTON_DISABLED);
    fields.tiled = IsChecked(dialog, IDC_BUTTON_TILED);
    fields.sticky = IsChecked(dialog, IDC_BUTTON_STICKY);
    fields.downToolTip = FieldText(dialog, IDC_BUTTON_DOWN_TOOLTIP);
    fields.down = IsChecked(dialog, IDC_BUTTON_DOWN);
    return fields;
}

void ApplyStickyRule(HWND dialog)
{
    EnableControls(dialog, {IDC_BUTTON_DOWN_TOOLTIP_LABEL, IDC_BUTTON_DOWN_TOOLTIP, IDC_BUTTON_DOWN},
                   IsChecked(dialog, IDC_BUTTON_STICKY));
}

void ApplyStandardRule(HWND dialog)
{
    EnableControls(dialog, {IDC_BUTTON_KIND}, false);
    EnableControls(dialog,
                   {IDC_BUTTON_ON_CLICK, IDC_BUTTON_UP_TOOLTIP_LABEL, IDC_BUTTON_UP_TOOLTIP,
                    IDC_BUTTON_DISABLED, IDC_BUTTON_STICKY},
                   true);
    ApplyStickyRule(dialog);
}

// A predefined button has its own action; tiled and the colour kind still apply.
void ApplyPredefinedRule(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_BUTTON_KIND);
    EnableWindow(list, TRUE);
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(list), TRUE);
    EnableControls(dialog,
                   {IDC_BUTTON_ON_CLICK, IDC_BUTTON_UP_TOOLTIP_LABEL, IDC_BUTTON_UP_TOOLTIP,
                    IDC_BUTTON_DISABLED, IDC_BUTTON_STICKY, IDC_BUTTON_DOWN_TOOLTIP_LABEL,
                    IDC_BUTTON_DOWN_TOOLTIP, IDC_BUTTON_DOWN},
                   false);
}

void Initialize(HWND dialog)
{
    FillPredefinedList(dialog, IDC_BUTTON_KIND, kPredefinedButtons, kPredefinedButtonCount);
    CheckDlgButton(dialog, IDC_BUTTON_STANDARD, BST_CHECKED);
    SetDlgItemTextW(dialog, IDC_WIZARD_TABS, L"2");
    ApplyStandardRule(dialog);
}

void OnCommand(HWND dialog, int id)
{
    switch (id) {
    case IDC_BUTTON_STANDARD:   ApplyStandardRule(dialog); break;
    case IDC_BUTTON_PREDEFINED: ApplyPredefinedRule(dialog); break;
    case IDC_BUTTON_STICKY:     ApplyStickyRule(dialog); break;
    }
}

bool BoundsComplete(const ButtonFields& fields)
{
    return !fields.left.empty() && !fields.top.empty() && !fields.width.empty() && !fields.height.empty();
}

void OnOk(HWND dialog)
{
    if (!ConfirmInsertion(dialog, kQuestion)) return;
    ButtonFields fields = ReadFields(dialog);
    if (!BoundsComplete(fields)) {
        RefuseInsertion(dialog, kIncompleteBounds);
        return;
    }
    if (fields.image.empty()) {
        RefuseInsertion(dialog, kNoImage);
        return;
    }
    if (fields.kind == ButtonKindStandard && fields.onClick.empty()) {
        RefuseInsertion(dialog, kNoOnClick);
        return;
    }
    if (!ReadTabCount(dialog, &fields.tabCount)) return;
    InsertWizardText(dialog, BuildButtonText(fields));
}

const WizardDialog kButtonWizard = {
    IDD_BUTTON,
    IDI_BUTTON,
    {{IDC_BUTTON_ID, 64}, {IDC_BUTTON_LEFT, 3}, {IDC_BUTTON_TOP, 3}, {IDC_BUTTON_WIDTH, 3},
     {IDC_BUTTON_HEIGHT, 3}, {IDC_BUTTON_IMAGE, 256}, {IDC_BUTTON_HOVER, 256},
     {IDC_BUTTON_DOWN_IMAGE, 256}, {IDC_BUTTON_HOVER_DOWN, 256}, {IDC_BUTTON_DISABLED_IMAGE, 256},
     {IDC_BUTTON_ON_CLICK, 1024}, {IDC_BUTTON_TRANSPARENCY, 64}, {IDC_BUTTON_UP_TOOLTIP, 1024},
     {IDC_BUTTON_DOWN_TOOLTIP, 1024}, {IDC_WIZARD_TABS, 3}},
    {{IDC_BUTTON_IMAGE_PICK, IDC_BUTTON_IMAGE, PickerImage},
     {IDC_BUTTON_HOVER_PICK, IDC_BUTTON_HOVER, PickerImage},
     {IDC_BUTTON_DOWN_IMAGE_PICK, IDC_BUTTON_DOWN_IMAGE, PickerImage},
     {IDC_BUTTON_HOVER_DOWN_PICK, IDC_BUTTON_HOVER_DOWN, PickerImage},
     {IDC_BUTTON_DISABLED_IMAGE_PICK, IDC_BUTTON_DISABLED_IMAGE, PickerImage},
     {IDC_BUTTON_TRANSPARENCY_PICK, IDC_BUTTON_TRANSPARENCY, PickerColor}},
    Initialize,
    OnCommand,
    OnOk,
    ButtonHelpText,
};

}  // namespace

INT_PTR ShowButtonWizard(const EditorWindow& window) { return OpenWizard(window, kButtonWizard); }
