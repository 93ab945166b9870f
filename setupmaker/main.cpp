// Setwright's entry point: the single-instance guard, then the dialog.
#include "language.h"
#include "message_box.h"
#include "setup_maker_dialog.h"
#include "setwright.h"
#include "single_instance.h"

HINSTANCE g_hInstance = nullptr;
HANDLE g_instanceMutex = nullptr;

namespace {

bool RefuseSecondInstance()
{
    bool alreadyRunning = false;
    g_instanceMutex = ClaimSingleInstance(L"Setwright", &alreadyRunning);
    if (!alreadyRunning) return false;
    if (IsJapaneseUi())
        ShowMessage(nullptr, L"QLMC ファイル作成ツールは 2 つ以上同時に起動することはできません。",
                    L"QLMC ファイル作成ツール", MB_ICONWARNING);
    else
        ShowMessage(nullptr, L"QLMC File Creation Tools are Two or More, You can not Run Concurrently.",
                    L"QLMC File Creation Tools", MB_ICONWARNING);
    return true;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    g_hInstance = instance;
    if (RefuseSecondInstance()) return 0;
    ShowSetupMakerDialog(instance);
    return 0;
}
