// The theme wizard: an empty theme element at the caret; every field may stay empty.
#include "resource.h"
#include "theme_wizard_text.h"
#include "wizard_dialog.h"
#include "wizards.h"

namespace {

const wchar_t kQuestion[] =
    L"入力した情報を使用してテーマ タグを挿入します。\nよろしいですか？\n\n"
    L"注意 : テーマ タグは WMP 側の仕様により 1 つのスキンに対して 1 つしか定義できません。";

ThemeFields ReadFields(HWND dialog)
{
    ThemeFields fields;
    fields.id = FieldText(dialog, IDC_THEME_ID);
    fields.title = FieldText(dialog, IDC_THEME_TITLE);
    fields.author = FieldText(dialog, IDC_THEME_AUTHOR);
    fields.copyright = FieldText(dialog, IDC_THEME_COPYRIGHT);
    fields.authorVersion = FieldText(dialog, IDC_THEME_AUTHOR_VERSION);
    fields.currentViewId = FieldText(dialog, IDC_THEME_CURRENT_VIEW);
    fields.version = FieldText(dialog, IDC_THEME_VERSION);
    return fields;
}

void OnOk(HWND dialog)
{
    if (!ConfirmInsertion(dialog, kQuestion)) return;
    InsertWizardText(dialog, BuildThemeText(ReadFields(dialog)));
}

const WizardDialog kThemeWizard = {
    IDD_THEME,
    IDI_THEME,
    {{IDC_THEME_ID, 64}, {IDC_THEME_TITLE, 64}, {IDC_THEME_AUTHOR, 256}, {IDC_THEME_COPYRIGHT, 256},
     {IDC_THEME_AUTHOR_VERSION, 16}, {IDC_THEME_CURRENT_VIEW, 256}, {IDC_THEME_VERSION, 16}},
    {},
    nullptr,
    nullptr,
    OnOk,
    ThemeHelpText,
};

}  // namespace

INT_PTR ShowThemeWizard(const EditorWindow& window) { return OpenWizard(window, kThemeWizard); }
