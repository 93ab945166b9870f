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

enum RemoveResult {
    RemoveResultDone,
    RemoveResultRefused,   // the first parent key could not be opened: nothing was deleted
    RemoveResultPartial,   // a key could not be deleted; every other row was still tried
};
// Deletions that find nothing are no failure: removing twice, or before any association,
// completes.
RemoveResult RemoveAssociations();

// IsUserAnAdmin, looked up by its ordinal: older systems do not export it by name.
AdminAnswer AskIsUserAnAdmin();
