// Reading string values of a program's version resource.
#pragma once
#include <string>

// Reads "\StringFileInfo\<table>\<valueName>" of the module at modulePath (the running
// module when null); table null means "041104b0". Returns false, leaving text empty,
// when the value cannot be read.
bool QueryVersionString(const wchar_t* table, const wchar_t* valueName, std::wstring* text,
                        const wchar_t* modulePath);
