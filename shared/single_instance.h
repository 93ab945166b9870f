// The named-mutex guard that keeps a second copy of a program from running.
#pragma once
#include <windows.h>

// Creates the program's mutex. Returns its handle, or NULL when another copy already
// holds it (alreadyRunning is then true). A mutex that cannot be created at all gives
// NULL with alreadyRunning false: the program runs as if it were alone.
HANDLE ClaimSingleInstance(const wchar_t* mutexName, bool* alreadyRunning);

// Releases and closes the handle of ClaimSingleInstance (NULL is allowed).
void ReleaseSingleInstance(HANDLE mutex);

// The warning a program shows when another copy is running, in both languages.
struct SecondInstanceWarning {
    const wchar_t* textJapanese;
    const wchar_t* captionJapanese;
    const wchar_t* textEnglish;
    const wchar_t* captionEnglish;
};

// Claims the mutex into *mutex. When another copy holds it, shows the warning (no owner,
// MB_ICONWARNING) in the language of the system and returns true: the caller ends.
bool RefuseSecondInstance(const wchar_t* mutexName, const SecondInstanceWarning& warning, HANDLE* mutex);

// Ends a guarded program's main dialog through Exit (result 2), releasing its guard first.
void EndGuardedDialog(HWND dialog, HANDLE* mutex);
