// Checks on the names typed for a skin package: what a file name in the folder on screen may be.
#pragma once
#include <cstddef>

// The longest base name the rename dialog handles: with ".wmz" and the terminator it fills 128.
const size_t kRenameNameLimit = 123;

// True when the name can only name a file in the current directory: no separator, drive,
// wildcard or control character, not only dots and blanks, and no device name.
bool IsPlainFileName(const wchar_t* name);
// The name without its last extension fits the rename dialog's budget.
bool FitsRenameBudget(const wchar_t* baseName);
