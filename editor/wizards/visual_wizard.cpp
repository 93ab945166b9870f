// The effects and video wizards, one dialog code for their shared layout: a visualisation or
// a video element at the caret.
#include "resource.h"
#include "visual_wizard_text.h"
#include "wizard_dialog.h"
#include "wizards.h"

namespace {


// What tells the two wizards apart once their dialog is open.
struct VisualWizard {
    const wchar_t* question;
    std::wstring (*build)(const VisualFields& fields);
};

const VisualWizard kEffects = {
    L"入力した情報を使用してエフェクト タグを挿入します。\nよろしいですか？", BuildEffectsText,
};
const VisualWizard kVideo = {
    L"入力した情報を使用してビデオ タグを挿入します。\nよろしいですか？", BuildVideoText,
};

// The checked button of the row that starts at firstId, as its index.
int Alignment(HWND dialog, int firstId)
{
    for (int i = 0; i < kAlignmentCount; ++i)
        if (IsChecked(dialog, firstId + i)) return i;
    return kAlignmentNone;
}

VisualFields ReadFields(HWND dialog)
{
    VisualFields fields;
    fields.kind = IsChecked(dialog, IDC_VISUAL_PLAIN) ? VisualKindPlain : VisualKindWmp;
    fields.id = FieldText(dialog, IDC_VISUAL_ID);
    fields.left = FieldText(dialog, IDC_VISUAL_LEFT);
    fields.top = FieldText(dialog, IDC_VISUAL_TOP);
    fields.width = FieldText(dialog, IDC_VISUAL_WIDTH);
    fields.height = FieldText(dialog, IDC_VISUAL_HEIGHT);
    // The video dialog has no such field: it reads as empty.
    fields.onClick = FieldText(dialog, IDC_VISUAL_ON_CLICK);
    fields.horizontal = Alignment(dialog, IDC_VISUAL_H_LEFT);
    fields.vertical = Alignment(dialog, IDC_VISUAL_V_TOP);
    fields.option = IsChecked(dialog, IDC_VISUAL_OPTION);
    return fields;
}

void Initialize(HWND dialog)
{
    CheckDlgButton(dialog, IDC_VISUAL_WMP, BST_CHECKED);
    SetDlgItemTextW(dialog, IDC_WIZARD_TABS, L"2");
}

void RunOk(HWND dialog, const VisualWizard& wizard)
{
    if (!ConfirmInsertion(dialog, wizard.question)) return;
    VisualFields fields = ReadFields(dialog);
    if (!CheckLeftAndTop(dialog, fields.left, fields.top)) return;
    if (!ReadTabCount(dialog, &fields.tabCount)) return;
    InsertWizardText(dialog, wizard.build(fields));
}

void OnEffectsOk(HWND dialog) { RunOk(dialog, kEffects); }
void OnVideoOk(HWND dialog) { RunOk(dialog, kVideo); }

const WizardDialog kEffectsWizard = {
    IDD_EFFECTS,
    IDI_EFFECTS,
    {{IDC_VISUAL_ID, 64}, {IDC_VISUAL_LEFT, 3}, {IDC_VISUAL_TOP, 3}, {IDC_VISUAL_WIDTH, 3},
     {IDC_VISUAL_HEIGHT, 3}, {IDC_VISUAL_ON_CLICK, 1024}, {IDC_WIZARD_TABS, 3}},
    {},
    Initialize,
    nullptr,
    OnEffectsOk,
    EffectsHelpText,
};

const WizardDialog kVideoWizard = {
    IDD_VIDEO,
    IDI_VIDEO,
    {{IDC_VISUAL_ID, 64}, {IDC_VISUAL_LEFT, 3}, {IDC_VISUAL_TOP, 3}, {IDC_VISUAL_WIDTH, 3},
     {IDC_VISUAL_HEIGHT, 3}, {IDC_WIZARD_TABS, 3}},
    {},
    Initialize,
    nullptr,
    OnVideoOk,
    VideoHelpText,
};

}  // namespace

INT_PTR ShowEffectsWizard(const EditorWindow& window) { return OpenWizard(window, kEffectsWizard); }
INT_PTR ShowVideoWizard(const EditorWindow& window) { return OpenWizard(window, kVideoWizard); }
