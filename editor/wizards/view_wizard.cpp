// The view wizard: an empty view element, one TAB deep, at the caret.
#include "resource.h"
#include "view_wizard_text.h"
#include "wizard_dialog.h"
#include "wizards.h"

namespace {

const wchar_t kQuestion[] = L"入力した情報を使用してビュー タグを挿入します。\nよろしいですか？";
const wchar_t kNoBackground[] = L"背景画像を指定してください。";
const wchar_t kNoClipping[] =
    L"タイトル バーを表示しないように定義する場合は背景画像だけでなくクリッピング カラーも指定してください。";

ViewFields ReadFields(HWND dialog)
{
    ViewFields fields;
    fields.id = FieldText(dialog, IDC_VIEW_ID);
    fields.title = FieldText(dialog, IDC_VIEW_TITLE);
    fields.backgroundImage = FieldText(dialog, IDC_VIEW_BACKGROUND);
    fields.clippingColor = FieldText(dialog, IDC_VIEW_CLIPPING);
    fields.scriptFile = FieldText(dialog, IDC_VIEW_SCRIPT_FILE);
    fields.showTitleBar = IsChecked(dialog, IDC_VIEW_TITLE_BAR);
    fields.tileBackground = IsChecked(dialog, IDC_VIEW_TILED);
    return fields;
}

void OnOk(HWND dialog)
{
    if (!ConfirmInsertion(dialog, kQuestion)) return;
    const ViewFields fields = ReadFields(dialog);
    if (fields.backgroundImage.empty()) {
        RefuseInsertion(dialog, kNoBackground);
        return;
    }
    if (!fields.showTitleBar && fields.clippingColor.empty()) {
        RefuseInsertion(dialog, kNoClipping);
        return;
    }
    InsertWizardText(dialog, BuildViewText(fields));
}

const WizardDialog kViewWizard = {
    IDD_VIEW,
    IDI_VIEW,
    {{IDC_VIEW_ID, 64}, {IDC_VIEW_TITLE, 64}, {IDC_VIEW_BACKGROUND, 64}, {IDC_VIEW_CLIPPING, 64},
     {IDC_VIEW_SCRIPT_FILE, 512}},
    {{IDC_VIEW_BACKGROUND_PICK, IDC_VIEW_BACKGROUND, PickerImage},
     {IDC_VIEW_CLIPPING_PICK, IDC_VIEW_CLIPPING, PickerColor}},
    nullptr,
    nullptr,
    OnOk,
    ViewHelpText,
};

}  // namespace

INT_PTR ShowViewWizard(const EditorWindow& window) { return OpenWizard(window, kViewWizard); }
