// Telling a file's type by its extension, as Windows does: any letter case.
#pragma once
#include <string>

// True when the path ends in the extension (".wms"), compared ignoring case.
bool HasExtension(const std::wstring& path, const wchar_t* extension);
