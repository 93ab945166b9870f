// The playlist wizard: a playlist or one of the predefined playlists, at the caret.
#include "playlist_wizard_text.h"
#include "resource.h"
#include "wizard_dialog.h"
#include "wizards.h"

namespace {

const wchar_t kQuestion[] = L"入力した情報を使用してプレイリスト タグを挿入します。\nよろしいですか？";

PlaylistFields ReadFields(HWND dialog)
{
    PlaylistFields fields;
    fields.kind = IsChecked(dialog, IDC_PLAYLIST_PREDEFINED) ? PlaylistKindPredefined : PlaylistKindStandard;
    fields.predefined = ListSelection(dialog, IDC_PLAYLIST_KIND);
    fields.id = FieldText(dialog, IDC_PLAYLIST_ID);
    fields.left = FieldText(dialog, IDC_PLAYLIST_LEFT);
    fields.top = FieldText(dialog, IDC_PLAYLIST_TOP);
    fields.width = FieldText(dialog, IDC_PLAYLIST_WIDTH);
    fields.height = FieldText(dialog, IDC_PLAYLIST_HEIGHT);
    fields.columns = FieldText(dialog, IDC_PLAYLIST_COLUMNS);
    fields.backgroundColor = FieldText(dialog, IDC_PLAYLIST_BACKGROUND);
    fields.foregroundColor = FieldText(dialog, IDC_PLAYLIST_FOREGROUND);
    fields.disabledItemColor = FieldText(dialog, IDC_PLAYLIST_DISABLED);
    fields.itemPlayingBackgroundColor = FieldText(dialog, IDC_PLAYLIST_PLAYING_BACKGROUND);
    fields.itemPlayingColor = FieldText(dialog, IDC_PLAYLIST_PLAYING);
    fields.hideDropDown = IsChecked(dialog, IDC_PLAYLIST_NO_DROPDOWN);
    fields.hideItems = IsChecked(dialog, IDC_PLAYLIST_NO_ITEMS);
    fields.hideColumns = IsChecked(dialog, IDC_PLAYLIST_NO_COLUMNS);
    fields.noSorting = IsChecked(dialog, IDC_PLAYLIST_NO_SORTING);
    fields.noEditing = IsChecked(dialog, IDC_PLAYLIST_NO_EDITING);
    return fields;
}

void ApplyKindRule(HWND dialog, bool predefined)
{
    EnableControls(dialog, {IDC_PLAYLIST_KIND}, predefined);
    EnableControls(dialog, {IDC_PLAYLIST_COLUMNS}, !predefined);
}

void Initialize(HWND dialog)
{
    FillPredefinedList(dialog, IDC_PLAYLIST_KIND, kPredefinedPlaylists, kPredefinedPlaylistCount);
    CheckDlgButton(dialog, IDC_PLAYLIST_STANDARD, BST_CHECKED);
    SetDlgItemTextW(dialog, IDC_WIZARD_TABS, L"2");
    ApplyKindRule(dialog, false);
}

void OnCommand(HWND dialog, int id)
{
    switch (id) {
    case IDC_PLAYLIST_STANDARD:   ApplyKindRule(dialog, false); break;
    case IDC_PLAYLIST_PREDEFINED: ApplyKindRule(dialog, true); break;
    }
}

void OnOk(HWND dialog)
{
    if (!ConfirmInsertion(dialog, kQuestion)) return;
    PlaylistFields fields = ReadFields(dialog);
    if (!CheckLeftAndTop(dialog, fields.left, fields.top)) return;
    if (!ReadTabCount(dialog, &fields.tabCount)) return;
    InsertWizardText(dialog, BuildPlaylistText(fields));
}

const WizardDialog kPlaylistWizard = {
    IDD_PLAYLIST,
    IDI_PLAYLIST,
    {{IDC_PLAYLIST_ID, 64}, {IDC_PLAYLIST_LEFT, 3}, {IDC_PLAYLIST_TOP, 3}, {IDC_PLAYLIST_WIDTH, 3},
     {IDC_PLAYLIST_HEIGHT, 3}, {IDC_PLAYLIST_COLUMNS, 256}, {IDC_PLAYLIST_BACKGROUND, 8},
     {IDC_PLAYLIST_FOREGROUND, 8}, {IDC_PLAYLIST_DISABLED, 8}, {IDC_PLAYLIST_PLAYING_BACKGROUND, 8},
     {IDC_PLAYLIST_PLAYING, 8}, {IDC_WIZARD_TABS, 3}},
    {{IDC_PLAYLIST_BACKGROUND_PICK, IDC_PLAYLIST_BACKGROUND, PickerColor},
     {IDC_PLAYLIST_FOREGROUND_PICK, IDC_PLAYLIST_FOREGROUND, PickerColor},
     {IDC_PLAYLIST_DISABLED_PICK, IDC_PLAYLIST_DISABLED, PickerColor},
     {IDC_PLAYLIST_PLAYING_BACKGROUND_PICK, IDC_PLAYLIST_PLAYING_BACKGROUND, PickerColor},
     {IDC_PLAYLIST_PLAYING_PICK, IDC_PLAYLIST_PLAYING, PickerColor}},
    Initialize,
    OnCommand,
    OnOk,
    PlaylistHelpText,
};

}  // namespace

INT_PTR ShowPlaylistWizard(const EditorWindow& window) { return OpenWizard(window, kPlaylistWizard); }
