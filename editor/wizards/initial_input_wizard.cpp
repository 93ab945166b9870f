// The initial input wizard: a starting skin definition or script replaces the whole document.
#include "initial_input_wizard_text.h"
#include "message_box.h"
#include "resource.h"
#include "wizard_dialog.h"
#include "wizards.h"

namespace {

const wchar_t kConfirmCaption[] = L"確認";
const wchar_t kConfirmText[] =
    L"初期入力を行います。よろしいですか？\n"
    L"(注意 : 現在の編集内容が消えてしまいますので、あらかじめ新規作成を行ってから実行することをお勧めします。)";
const wchar_t kRefusalCaption[] = L"Quillmere";
const wchar_t kNoBackground[] = L"最低でも背景画像 (ファイル名) は指定してください。";
const wchar_t kNoClipping[] = L"タイトル バーを表示させない場合はクリッピング カラーを指定してください。";

void Initialize(HWND dialog)
{
    CheckRadioButton(dialog, IDC_INITIAL_SKIN, IDC_INITIAL_SCRIPT, IDC_INITIAL_SKIN);
}

void OnCommand(HWND dialog, int id)
{
    if (id != IDC_INITIAL_SKIN && id != IDC_INITIAL_SCRIPT) return;
    EnableControls(dialog,
                   {IDC_INITIAL_TITLE_LABEL, IDC_INITIAL_AUTHOR_LABEL, IDC_INITIAL_COPYRIGHT_LABEL,
                    IDC_INITIAL_BACKGROUND_LABEL, IDC_INITIAL_CLIPPING_LABEL, IDC_INITIAL_TITLE,
                    IDC_INITIAL_AUTHOR, IDC_INITIAL_COPYRIGHT, IDC_INITIAL_BACKGROUND,
                    IDC_INITIAL_BACKGROUND_PICK, IDC_INITIAL_CLIPPING, IDC_INITIAL_CLIPPING_PICK,
                    IDC_INITIAL_TITLE_BAR},
                   id == IDC_INITIAL_SKIN);
}

// Not the usual "挿入失敗" box: this wizard warns under the product's name.
void Refuse(HWND dialog, const wchar_t* reason)
{
    ShowMessage(dialog, reason, kRefusalCaption, MB_OK | MB_ICONEXCLAMATION);
}

InitialSkinFields ReadSkinFields(HWND dialog)
{
    InitialSkinFields fields;
    fields.title = FieldText(dialog, IDC_INITIAL_TITLE);
    fields.author = FieldText(dialog, IDC_INITIAL_AUTHOR);
    fields.copyright = FieldText(dialog, IDC_INITIAL_COPYRIGHT);
    fields.backgroundImage = FieldText(dialog, IDC_INITIAL_BACKGROUND);
    fields.clippingColor = FieldText(dialog, IDC_INITIAL_CLIPPING);
    fields.showTitleBar = IsChecked(dialog, IDC_INITIAL_TITLE_BAR);
    return fields;
}

// False, after its message, when a required skin field is missing.
bool BuildStartingText(HWND dialog, std::wstring* text)
{
    if (!IsChecked(dialog, IDC_INITIAL_SKIN)) {
        *text = BuildInitialScriptText();
        return true;
    }
    const InitialSkinFields fields = ReadSkinFields(dialog);
    if (fields.backgroundImage.empty()) {
        Refuse(dialog, kNoBackground);
        return false;
    }
    if (fields.clippingColor.empty() && !fields.showTitleBar) {
        Refuse(dialog, kNoClipping);
        return false;
    }
    *text = BuildInitialSkinText(fields);
    return true;
}

void OnOk(HWND dialog)
{
    if (ShowMessage(dialog, kConfirmText, kConfirmCaption, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    std::wstring text;
    if (!BuildStartingText(dialog, &text)) return;
    // The whole document is replaced, so neither the 64 KB guard nor the caret applies.
    // Setting the text clears the modified flag, but the new text is in no file yet.
    HWND edit = WizardEditorWindow(dialog).edit;
    SetWindowTextW(edit, text.c_str());
    SendMessageW(edit, EM_SETMODIFY, TRUE, 0);
    EndDialog(dialog, 1);
}

const WizardDialog kInitialInputWizard = {
    IDD_INITIAL_INPUT,
    IDI_INITIAL_INPUT,
    {{IDC_INITIAL_TITLE, 64}, {IDC_INITIAL_AUTHOR, 256}, {IDC_INITIAL_COPYRIGHT, 256},
     {IDC_INITIAL_BACKGROUND, 64}, {IDC_INITIAL_CLIPPING, 32}},
    {{IDC_INITIAL_BACKGROUND_PICK, IDC_INITIAL_BACKGROUND, PickerImage},
     {IDC_INITIAL_CLIPPING_PICK, IDC_INITIAL_CLIPPING, PickerColor}},
    Initialize,
    OnCommand,
    OnOk,
    InitialInputHelpText,
};

}  // namespace

INT_PTR ShowInitialInputWizard(const EditorWindow& window) { return OpenWizard(window, kInitialInputWizard); }
