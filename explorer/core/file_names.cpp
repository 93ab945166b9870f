// Checks on the names typed for a skin package.
#include "file_names.h"

#include <cwchar>
#include <cwctype>
#include <string>

namespace {

bool IsForbiddenCharacter(wchar_t c)
{
    return c < 0x20 || std::wcschr(L"\\/:*?\"<>|", c) != nullptr;
}

// CON, NUL, COM1 and the like open a device whatever extension follows them.
bool IsDeviceName(const wchar_t* name)
{
    std::wstring stem(name, std::wcscspn(name, L"."));
    while (!stem.empty() && stem.back() == L' ') stem.pop_back();
    for (wchar_t& c : stem) c = static_cast<wchar_t>(std::towupper(c));
    if (stem == L"CON" || stem == L"PRN" || stem == L"AUX" || stem == L"NUL") return true;
    return stem.size() == 4 && (stem.compare(0, 3, L"COM") == 0 || stem.compare(0, 3, L"LPT") == 0) &&
           stem[3] >= L'1' && stem[3] <= L'9';
}

}  // namespace

bool IsPlainFileName(const wchar_t* name)
{
    bool onlyDotsAndBlanks = true;
    for (const wchar_t* c = name; *c; ++c) {
        if (IsForbiddenCharacter(*c)) return false;
        if (*c != L'.' && *c != L' ') onlyDotsAndBlanks = false;
    }
    return !onlyDotsAndBlanks && !IsDeviceName(name);
}

bool FitsRenameBudget(const wchar_t* baseName)
{
    return std::wcslen(baseName) <= kRenameNameLimit;
}
