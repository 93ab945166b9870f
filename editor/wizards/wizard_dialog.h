// What the wizard dialogs share: one dialog procedure, the steps of OK, the pickers, help.
#pragma once
#include <windows.h>

#include "editor_context.h"
#include "window_text.h"
#include "wizard_text.h"

#include <initializer_list>
#include <string>
#include <vector>

enum PickerKind { PickerImage, PickerColor };
struct WizardPicker { int buttonId; int fieldId; PickerKind kind; };
struct WizardFieldLimit { int fieldId; int limit; };

// One wizard, as the shared dialog procedure runs it.
struct WizardDialog {
    int dialogId;
    int iconId;
    std::vector<WizardFieldLimit> limits;
    std::vector<WizardPicker> pickers;     // "..." buttons
    void (*initialize)(HWND dialog);       // defaults beyond the limits; may be null
    void (*onCommand)(HWND dialog, int id);  // enabling rules; may be null
    void (*onOk)(HWND dialog);
    std::wstring (*helpText)();
    void (*onCancel)(HWND dialog) = nullptr;   // null: the modal dialog ends with 2
};

// Modal over the main window; the dialog's result (1 inserted, 2 cancelled). The wizard
// inserts into window.edit.
INT_PTR OpenWizard(const EditorWindow& window, const WizardDialog& wizard);
// The same dialog procedure for a modeless wizard over owner, created hidden; iconId 0 sets
// no icon. Its onOk and onCancel decide how it ends.
HWND CreateWizardWindow(const EditorWindow& window, HWND owner, const WizardDialog& wizard);
// The editor's windows a wizard dialog was opened with.
const EditorWindow& WizardEditorWindow(HWND dialog);

// Steps of OK. Confirmation "挿入確認" Yes/No; true for Yes.
bool ConfirmInsertion(HWND dialog, const wchar_t* question);
// A failed check: "挿入失敗", MB_ICONERROR. The dialog stays open.
void RefuseInsertion(HWND dialog, const wchar_t* reason);
// The check of the wizards that need left and top but no size.
bool CheckLeftAndTop(HWND dialog, const std::wstring& left, const std::wstring& top);
// Field IDC_WIZARD_TABS; false (after the message) when deeper than 100.
bool ReadTabCount(HWND dialog, int* count);
// The 64 KB guard on Windows 9x, then the text at the caret and EndDialog 1.
// False, with the dialog left open, when the guard refused.
bool InsertWizardText(HWND dialog, const std::wstring& text);
// The guard and the insertion alone, for a modeless wizard that ends itself.
bool PutWizardText(HWND dialog, const std::wstring& text);

bool IsChecked(HWND dialog, int id);
int ListSelection(HWND dialog, int listId);   // CB_ERR (-1) when nothing is selected
void EnableControls(HWND dialog, std::initializer_list<int> ids, bool enabled);
// The list texts of entries in a drop-down list, the first one selected.
void FillPredefinedList(HWND dialog, int listId, const PredefinedElement* entries, int count);

// The pickers of the "..." buttons; TRUE when the field was set.
BOOL ChooseImageIntoField(HWND dialog, int fieldId);
BOOL ChooseColorIntoField(HWND dialog, int fieldId);
// The help window over owner, showing as much of text as its buffer of kWizardHelpTextSize holds.
void ShowWizardHelp(HINSTANCE instance, HWND owner, const std::wstring& text);
