// Setwright's entry point: the single-instance guard, then the dialog.
#include "control_classes.h"
#include "setup_maker_dialog.h"
#include "setwright.h"
#include "single_instance.h"

HINSTANCE g_hInstance = nullptr;

namespace {

const wchar_t kMutexName[] = L"Setwright";
const SecondInstanceWarning kSecondInstance = {
    L"QLMC ファイル作成ツールは 2 つ以上同時に起動することはできません。", L"QLMC ファイル作成ツール",
    L"QLMC File Creation Tools are Two or More, You can not Run Concurrently.", L"QLMC File Creation Tools",
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    g_hInstance = instance;
    RegisterControlClasses(ICC_STANDARD_CLASSES);
    HANDLE instanceMutex = nullptr;
    if (RefuseSecondInstance(kMutexName, kSecondInstance, &instanceMutex)) return 0;
    ShowSetupMakerDialog(instance, &instanceMutex);
    return 0;
}
