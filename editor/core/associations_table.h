// The file associations as data: what is written and deleted, in order, and who may do it.
#pragma once
#include <string>
#include <vector>

// One value under HKEY_CLASSES_ROOT; an empty name is the key's default value.
struct AssociationValue {
    std::wstring key;
    std::wstring name;
    std::wstring data;
};

// The values the associate action writes, in order, for the editor at this program path;
// the skin explorer is taken from the same folder.
std::vector<AssociationValue> AssociationValues(const std::wstring& editorPath);

// A parent key ("" for HKEY_CLASSES_ROOT itself) and the subkeys deleted from it; the rows
// run from the leaves up, since a key with subkeys cannot be deleted.
struct AssociationRemoval {
    const wchar_t* parent;
    const wchar_t* subkeys[2];   // the second may be null
};
extern const AssociationRemoval kAssociationRemovals[16];

// What IsUserAnAdmin said, when the system has it.
enum AdminAnswer { AdminAnswerMissing, AdminAnswerNo, AdminAnswerYes };

enum AssociationsWindow { AssociationsWindowDialog, AssociationsWindowNotice };
// Vista and later run administrators without elevation, who get the notice instead.
AssociationsWindow ChooseAssociationsWindow(unsigned long platformId, unsigned long majorVersion,
                                            AdminAnswer isUserAnAdmin);

// The associate and remove buttons: disabled only on the NT family for a known non-administrator.
bool AssociationButtonsEnabled(unsigned long platformId, AdminAnswer isUserAnAdmin);
