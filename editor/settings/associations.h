// Writing and removing the file associations under HKEY_CLASSES_ROOT.
#pragma once
#include "associations_table.h"

#include <string>

enum AssociateResult {
    AssociateResultDone,
    AssociateResultRefused,   // ".qlmc" could not be created: nothing was written
    AssociateResultPartial,   // a later value failed; every other one was still written
};
AssociateResult WriteAssociations(const std::wstring& editorPath);

// False when the first parent key cannot be opened (nothing deleted). Deletions that find
// nothing are no failure: removing twice, or before any association, completes.
bool RemoveAssociations();

// IsUserAnAdmin, looked up by its ordinal: older systems do not export it by name.
AdminAnswer AskIsUserAnAdmin();
