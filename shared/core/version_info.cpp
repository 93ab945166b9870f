// Reading string values of a program's version resource.
#include "version_info.h"

#include <windows.h>
#include <cwchar>
#include <vector>

bool QueryVersionString(const wchar_t* table, const wchar_t* valueName, std::wstring* text,
                        const wchar_t* modulePath)
{
    text->clear();
    wchar_t ownPath[MAX_PATH] = L"";
    if (!modulePath) {
        DWORD length = GetModuleFileNameW(nullptr, ownPath, _countof(ownPath));
        if (length == 0 || length >= _countof(ownPath)) return false;
        modulePath = ownPath;
    }

    std::wstring subBlock = L"\\StringFileInfo\\";
    subBlock += table ? table : L"041104b0";
    subBlock += L"\\";
    subBlock += valueName;

    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(modulePath, &ignored);
    if (size == 0) return false;
    std::vector<BYTE> block(size + 2, 0);
    if (!GetFileVersionInfoW(modulePath, 0, size, block.data())) return false;

    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), subBlock.c_str(), &value, &length) || !value) return false;
    // The length counts characters and may include the terminator; never read past the block.
    const wchar_t* chars = static_cast<const wchar_t*>(value);
    size_t available = (block.data() + block.size() - static_cast<BYTE*>(value)) / sizeof(wchar_t);
    size_t count = wcsnlen(chars, length < available ? length : available);
    text->assign(chars, count);
    return true;
}
