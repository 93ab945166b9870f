// The editor's own path and folder, where its companion programs and help files lie.
#pragma once
#include <string>

// The folder of a program path, with its trailing backslash ("" without one).
std::wstring FolderOfProgram(const std::wstring& programPath);

// Taken from the module, not the command line: a relative start path would resolve
// against the documents folder that start-up makes current.
std::wstring OwnProgramPath();
std::wstring OwnProgramFolder();
