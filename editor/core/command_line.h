// The file named on the editor's command line.
#pragma once
#include <string>

// Takes the first argument of a raw command line (without the program name), quotes
// removed. Returns false when there is none: an empty line or one of blanks only.
bool FirstCommandLineArgument(const wchar_t* rawCommandLine, std::wstring* argument);
