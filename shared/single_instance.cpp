// The named-mutex guard that keeps a second copy of a program from running.
#include "single_instance.h"

HANDLE ClaimSingleInstance(const wchar_t* mutexName, bool* alreadyRunning)
{
    HANDLE mutex = CreateMutexW(nullptr, FALSE, mutexName);
    *alreadyRunning = mutex && GetLastError() == ERROR_ALREADY_EXISTS;
    if (*alreadyRunning) {
        CloseHandle(mutex);
        return nullptr;
    }
    return mutex;
}

void ReleaseSingleInstance(HANDLE mutex)
{
    if (!mutex) return;
    ReleaseMutex(mutex);
    CloseHandle(mutex);
}
