// Writing a file so that a failure never costs the file it replaces.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

enum ReplaceStage {
    ReplaceDone,
    ReplaceCannotWrite,     // the target or the temporary file could not be opened for writing
    ReplaceWriteFailed,     // a write or the close failed (disk full, for one)
    ReplaceCannotSwap,      // the finished file could not take the target's place
};

struct ReplaceOutcome {
    ReplaceStage stage;
    DWORD error;            // GetLastError of the failed step
};

// Makes a new, empty temporary file beside the target ("~qlXXXX.tmp", a name no file had)
// and gives its path; otherwise the error, ERROR_FILENAME_EXCED_RANGE when the target's
// folder leaves no room for such a name.
DWORD MakeTemporaryBeside(const std::wstring& target, std::wstring* temporary);

// Writes the bytes to the temporary file, checks every write and the close, then moves it
// over the target in one step. On any failure the target is as it was and the
// temporary file is gone.
ReplaceOutcome WriteFileReplacing(const wchar_t* target, const std::string& bytes);

// The same for a file that write makes at the temporary path it is given (where an empty
// file stands): write returns ReplaceDone, or the stage that failed with GetLastError
// telling why.
ReplaceOutcome ReplaceFileBy(const wchar_t* target,
                             const std::function<ReplaceStage(const std::wstring& temporary)>& write);
