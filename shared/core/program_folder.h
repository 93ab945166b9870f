// A program's own path and folder, where the programs and help files shipped with it lie.
#pragma once
#include <string>

// The folder of a program path, with its trailing backslash ("" without one).
std::wstring FolderOfProgram(const std::wstring& programPath);

// Taken from the module, not the command line: a relative start path would resolve
// against whatever folder the program has made current since.
std::wstring OwnProgramPath();
std::wstring OwnProgramFolder();
