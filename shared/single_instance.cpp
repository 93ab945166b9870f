// The named-mutex guard that keeps a second copy of a program from running.
#include "single_instance.h"

#include "language.h"
#include "message_box.h"

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

bool RefuseSecondInstance(const wchar_t* mutexName, const SecondInstanceWarning& warning, HANDLE* mutex)
{
    bool alreadyRunning = false;
    *mutex = ClaimSingleInstance(mutexName, &alreadyRunning);
    if (!alreadyRunning) return false;
    bool japanese = IsJapaneseUi();
    ShowMessage(nullptr, japanese ? warning.textJapanese : warning.textEnglish,
                japanese ? warning.captionJapanese : warning.captionEnglish, MB_ICONWARNING);
    return true;
}

void EndGuardedDialog(HWND dialog, HANDLE* mutex)
{
    ReleaseSingleInstance(*mutex);
    *mutex = nullptr;
    EndDialog(dialog, IDCANCEL);
}
