// The button group wizard: a buttongroup element with its closing tag, at the caret.
#include "button_group_wizard_text.h"
#include "resource.h"
#include "wizard_dialog.h"
#include "wizards.h"

namespace {

const wchar_t kQuestion[] = L"入力した情報を使用してボタングループ タグを挿入します。\nよろしいですか？";
const wchar_t kNoMappingImage[] = L"マッピング イメージが指定されていません。\nマッピング イメージは必須です。";

ButtonGroupFields ReadFields(HWND dialog)
{
    ButtonGroupFields fields;
    fields.id = FieldText(dialog, IDC_GROUP_ID);
    fields.left = FieldText(dialog, IDC_GROUP_LEFT);
    fields.top = FieldText(dialog, IDC_GROUP_TOP);
    fields.width = FieldText(dialog, IDC_GROUP_WIDTH);
    fields.height = FieldText(dialog, IDC_GROUP_HEIGHT);
    fields.image = FieldText(dialog, IDC_GROUP_IMAGE);
    fields.mappingImage = FieldText(dialog, IDC_GROUP_MAPPING);
    fields.hoverImage = FieldText(dialog, IDC_GROUP_HOVER);
    fields.downImage = FieldText(dialog, IDC_GROUP_DOWN);
    fields.hoverDownImage = FieldText(dialog, IDC_GROUP_HOVER_DOWN);
    fields.disabledImage = FieldText(dialog, IDC_GROUP_DISABLED);
    fields.transparencyColor = FieldText(dialog, IDC_GROUP_TRANSPARENCY);
    fields.radio = IsChecked(dialog, IDC_GROUP_RADIO);
    fields.showBackground = IsChecked(dialog, IDC_GROUP_SHOW_BACKGROUND);
    return fields;
}

void Initialize(HWND dialog)
{
    SetDlgItemTextW(dialog, IDC_WIZARD_TABS, L"2");
}

void OnOk(HWND dialog)
{
    if (!ConfirmInsertion(dialog, kQuestion)) return;
    ButtonGroupFields fields = ReadFields(dialog);
    if (fields.mappingImage.empty()) {
        RefuseInsertion(dialog, kNoMappingImage);
        return;
    }
    if (!ReadTabCount(dialog, &fields.tabCount)) return;
    InsertWizardText(dialog, BuildButtonGroupText(fields));
}

const WizardDialog kButtonGroupWizard = {
    IDD_BUTTON_GROUP,
    IDI_BUTTON_GROUP,
    {{IDC_GROUP_ID, 64}, {IDC_GROUP_LEFT, 3}, {IDC_GROUP_TOP, 3}, {IDC_GROUP_WIDTH, 3},
     {IDC_GROUP_HEIGHT, 3}, {IDC_GROUP_IMAGE, 256}, {IDC_GROUP_MAPPING, 256}, {IDC_GROUP_HOVER, 256},
     {IDC_GROUP_DOWN, 256}, {IDC_GROUP_HOVER_DOWN, 256}, {IDC_GROUP_DISABLED, 256},
     {IDC_GROUP_TRANSPARENCY, 64}, {IDC_WIZARD_TABS, 3}},
    {{IDC_GROUP_IMAGE_PICK, IDC_GROUP_IMAGE, PickerImage},
     {IDC_GROUP_MAPPING_PICK, IDC_GROUP_MAPPING, PickerImage},
     {IDC_GROUP_HOVER_PICK, IDC_GROUP_HOVER, PickerImage},
     {IDC_GROUP_DOWN_PICK, IDC_GROUP_DOWN, PickerImage},
     {IDC_GROUP_HOVER_DOWN_PICK, IDC_GROUP_HOVER_DOWN, PickerImage},
     {IDC_GROUP_DISABLED_PICK, IDC_GROUP_DISABLED, PickerImage},
     {IDC_GROUP_TRANSPARENCY_PICK, IDC_GROUP_TRANSPARENCY, PickerColor}},
    Initialize,
    nullptr,
    OnOk,
    ButtonGroupHelpText,
};

}  // namespace

INT_PTR ShowButtonGroupWizard(const EditorWindow& window) { return OpenWizard(window, kButtonGroupWizard); }
