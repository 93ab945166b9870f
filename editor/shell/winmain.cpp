// Quillpad's entry point.
#include "main_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int showCommand)
{
    return RunEditor(instance, commandLine, showCommand);
}
