// The comment wizard: an XML or JScript comment, single- or multi-line, at the caret.
#include "comment_wizard_text.h"
#include "resource.h"
#include "wizard_dialog.h"
#include "wizards.h"

namespace {

const wchar_t kQuestion[] = L"コメントを入力します。\nよろしいですか？";
const wchar_t kNoContent[] = L"コメント内容を入力してください。";

void ChooseForm(HWND dialog, bool multiLine)
{
    EnableControls(dialog, {IDC_COMMENT_SINGLE_LABEL, IDC_COMMENT_SINGLE_TEXT}, !multiLine);
    EnableControls(dialog, {IDC_COMMENT_MULTI_LABEL, IDC_COMMENT_MULTI_TEXT}, multiLine);
}

void Initialize(HWND dialog)
{
    CheckRadioButton(dialog, IDC_COMMENT_SKIN, IDC_COMMENT_SCRIPT, IDC_COMMENT_SKIN);
    CheckRadioButton(dialog, IDC_COMMENT_SINGLE, IDC_COMMENT_MULTI, IDC_COMMENT_SINGLE);
    ChooseForm(dialog, false);
}

void OnCommand(HWND dialog, int id)
{
    if (id != IDC_COMMENT_SINGLE && id != IDC_COMMENT_MULTI) return;
    const bool multiLine = id == IDC_COMMENT_MULTI;
    ChooseForm(dialog, multiLine);
    HWND field = GetDlgItem(dialog, multiLine ? IDC_COMMENT_MULTI_TEXT : IDC_COMMENT_SINGLE_TEXT);
    // WM_NEXTDLGCTL rather than SetFocus keeps the dialog's default button right.
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field), TRUE);
}

CommentFields ReadFields(HWND dialog)
{
    CommentFields fields;
    fields.data = IsChecked(dialog, IDC_COMMENT_SCRIPT) ? CommentDataScript : CommentDataSkin;
    fields.form = IsChecked(dialog, IDC_COMMENT_MULTI) ? CommentMultiLine : CommentSingleLine;
    fields.singleLine = FieldText(dialog, IDC_COMMENT_SINGLE_TEXT);
    fields.multiLine = FieldText(dialog, IDC_COMMENT_MULTI_TEXT);
    return fields;
}

void OnOk(HWND dialog)
{
    if (!ConfirmInsertion(dialog, kQuestion)) return;
    const CommentFields fields = ReadFields(dialog);
    // Covers both fields empty too, which gets the same words.
    if (CommentContent(fields).empty()) {
        RefuseInsertion(dialog, kNoContent);
        return;
    }
    InsertWizardText(dialog, BuildCommentText(fields));
}

const WizardDialog kCommentWizard = {
    IDD_COMMENT,
    IDI_COMMENT,
    {{IDC_COMMENT_SINGLE_TEXT, 64}, {IDC_COMMENT_MULTI_TEXT, 256}},
    {},
    Initialize,
    OnCommand,
    OnOk,
    CommentHelpText,
};

}  // namespace

INT_PTR ShowCommentWizard(const EditorWindow& window) { return OpenWizard(window, kCommentWizard); }
