// The text wizard: a text element or one of the predefined text elements, at the caret.
#include "resource.h"
#include "text_wizard_text.h"
#include "wizard_dialog.h"
#include "wizards.h"

namespace {

const wchar_t kQuestion[] = L"入力した情報を使用してテキスト タグを挿入します。\nよろしいですか？";
const wchar_t kNoValue[] = L"テキストの値を入力してください。";

int Justification(HWND dialog)
{
    if (IsChecked(dialog, IDC_TEXT_CENTER_ALIGN)) return JustificationCenter;
    if (IsChecked(dialog, IDC_TEXT_RIGHT_ALIGN)) return JustificationRight;
    return JustificationLeft;
}

TextElementFields ReadFields(HWND dialog)
{
    TextElementFields fields;
    fields.kind = IsChecked(dialog, IDC_TEXT_PREDEFINED) ? TextKindPredefined : TextKindStandard;
    fields.predefined = ListSelection(dialog, IDC_TEXT_KIND);
    fields.id = FieldText(dialog, IDC_TEXT_ID);
    fields.left = FieldText(dialog, IDC_TEXT_LEFT);
    fields.top = FieldText(dialog, IDC_TEXT_TOP);
    fields.width = FieldText(dialog, IDC_TEXT_WIDTH);
    fields.height = FieldText(dialog, IDC_TEXT_HEIGHT);
    fields.fontFace = FieldText(dialog, IDC_TEXT_FONT_FACE);
    fields.fontSize = ListSelection(dialog, IDC_TEXT_FONT_SIZE);
    fields.fontSmoothing = IsChecked(dialog, IDC_TEXT_SMOOTHING);
    fields.wordWrap = IsChecked(dialog, IDC_TEXT_WORD_WRAP);
    fields.foregroundColor = FieldText(dialog, IDC_TEXT_COLOR);
    fields.hoverForegroundColor = FieldText(dialog, IDC_TEXT_HOVER_COLOR);
    fields.disabledForegroundColor = FieldText(dialog, IDC_TEXT_DISABLED_COLOR);
    fields.justification = Justification(dialog);
    fields.value = FieldText(dialog, IDC_TEXT_VALUE);
    fields.toolTip = FieldText(dialog, IDC_TEXT_TOOLTIP);
    fields.onClick = FieldText(dialog, IDC_TEXT_ON_CLICK);
    return fields;
}

// What a predefined text element leaves out; font, size, colour and options stay.
void EnableStandardOnly(HWND dialog, bool enabled)
{
    EnableControls(dialog,
                   {IDC_TEXT_HOVER_COLOR_LABEL, IDC_TEXT_HOVER_COLOR, IDC_TEXT_HOVER_COLOR_PICK,
                    IDC_TEXT_DISABLED_COLOR_LABEL, IDC_TEXT_DISABLED_COLOR, IDC_TEXT_DISABLED_COLOR_PICK,
                    IDC_TEXT_LEFT_ALIGN, IDC_TEXT_CENTER_ALIGN, IDC_TEXT_RIGHT_ALIGN,
                    IDC_TEXT_VALUE_LABEL, IDC_TEXT_VALUE, IDC_TEXT_TOOLTIP_LABEL, IDC_TEXT_TOOLTIP,
                    IDC_TEXT_ON_CLICK_LABEL, IDC_TEXT_ON_CLICK},
                   enabled);
}

void ApplyStandardRule(HWND dialog)
{
    EnableControls(dialog, {IDC_TEXT_KIND}, false);
    EnableStandardOnly(dialog, true);
}

void ApplyPredefinedRule(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_TEXT_KIND);
    EnableWindow(list, TRUE);
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(list), TRUE);
    EnableStandardOnly(dialog, false);
}

void Initialize(HWND dialog)
{
    FillPredefinedList(dialog, IDC_TEXT_KIND, kPredefinedTexts, kPredefinedTextCount);
    for (const wchar_t* size : kFontSizes)
        SendDlgItemMessageW(dialog, IDC_TEXT_FONT_SIZE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(size));
    SendDlgItemMessageW(dialog, IDC_TEXT_FONT_SIZE, CB_SETCURSEL, kDefaultFontSize, 0);
    SetDlgItemTextW(dialog, IDC_TEXT_FONT_FACE, kDefaultFontFace);
    CheckDlgButton(dialog, IDC_TEXT_STANDARD, BST_CHECKED);
    CheckDlgButton(dialog, IDC_TEXT_LEFT_ALIGN, BST_CHECKED);
    SetDlgItemTextW(dialog, IDC_WIZARD_TABS, L"2");
    ApplyStandardRule(dialog);
}

void OnCommand(HWND dialog, int id)
{
    switch (id) {
    case IDC_TEXT_STANDARD:   ApplyStandardRule(dialog); break;
    case IDC_TEXT_PREDEFINED: ApplyPredefinedRule(dialog); break;
    }
}

void OnOk(HWND dialog)
{
    if (!ConfirmInsertion(dialog, kQuestion)) return;
    TextElementFields fields = ReadFields(dialog);
    if (!CheckLeftAndTop(dialog, fields.left, fields.top)) return;
    if (fields.kind == TextKindStandard && fields.value.empty()) {
        RefuseInsertion(dialog, kNoValue);
        return;
    }
    if (!ReadTabCount(dialog, &fields.tabCount)) return;
    InsertWizardText(dialog, BuildTextElementText(fields));
}

const WizardDialog kTextWizard = {
    IDD_TEXT,
    IDI_TEXT,
    {{IDC_TEXT_ID, 64}, {IDC_TEXT_LEFT, 3}, {IDC_TEXT_TOP, 3}, {IDC_TEXT_WIDTH, 3}, {IDC_TEXT_HEIGHT, 3},
     {IDC_TEXT_FONT_FACE, static_cast<int>(kFontFaceLength)}, {IDC_TEXT_COLOR, 16},
     {IDC_TEXT_HOVER_COLOR, 16}, {IDC_TEXT_DISABLED_COLOR, 16}, {IDC_TEXT_VALUE, 2048},
     {IDC_TEXT_TOOLTIP, 1024}, {IDC_TEXT_ON_CLICK, 1024}, {IDC_WIZARD_TABS, 3}},
    {{IDC_TEXT_COLOR_PICK, IDC_TEXT_COLOR, PickerColor},
     {IDC_TEXT_HOVER_COLOR_PICK, IDC_TEXT_HOVER_COLOR, PickerColor},
     {IDC_TEXT_DISABLED_COLOR_PICK, IDC_TEXT_DISABLED_COLOR, PickerColor}},
    Initialize,
    OnCommand,
    OnOk,
    TextElementHelpText,
};

}  // namespace

INT_PTR ShowTextWizard(const EditorWindow& window) { return OpenWizard(window, kTextWizard); }
