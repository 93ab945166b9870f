// The named-mutex guard that keeps a second copy of a program from running.
#pragma once
#include <windows.h>

// Creates the program's mutex. Returns its handle, or NULL when another copy already
// holds it (alreadyRunning is then true). A mutex that cannot be created at all gives
// NULL with alreadyRunning false: the program runs as if it were alone.
HANDLE ClaimSingleInstance(const wchar_t* mutexName, bool* alreadyRunning);

// Releases and closes the handle of ClaimSingleInstance (NULL is allowed).
void ReleaseSingleInstance(HANDLE mutex);
