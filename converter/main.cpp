// Migrato's entry point: the single-instance guard, the language test, the dialog.
#include "control_classes.h"
#include "converter_dialog.h"
#include "language.h"
#include "message_box.h"
#include "migrato.h"
#include "single_instance.h"

HINSTANCE g_hInstance = nullptr;

namespace {

const wchar_t kMutexName[] = L"Migrato";
const SecondInstanceWarning kSecondInstance = {
    L"設定コンバータは 2 つ以上同時に起動することはできません。", L"Quillmere 設定コンバータ",
    L"Setting Converter are two or More, You cannot Run Concurrently.", L"Quillmere Setting Converter",
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    g_hInstance = instance;
    RegisterControlClasses(ICC_STANDARD_CLASSES);
    HANDLE instanceMutex = nullptr;
    if (RefuseSecondInstance(kMutexName, kSecondInstance, &instanceMutex)) return 0;
    if (!IsJapaneseUi()) {
        ShowMessage(nullptr, L"Non-Japanese version of Windows environment cannot start.",
                    L"Quillmere Setting Converter", MB_ICONERROR);
        return 0;
    }
    ShowConverterDialog(instance, &instanceMutex);
    return 0;
}
