// Bounded reads of registry values into fixed buffers, and whole-number values of a user key.
#include "registry_value.h"

#include <cwchar>
#include <vector>

RegistryStringRead QueryRegistryString(HKEY key, const wchar_t* name, wchar_t* buffer, size_t capacity)
{
    if (capacity == 0) return RegistryStringTooLong;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return RegistryStringMissing;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return RegistryStringMissing;

    // Room for the stored bytes plus a terminator, whatever the value held.
    std::vector<wchar_t> data(size / sizeof(wchar_t) + 2, L'\0');
    DWORD read = size;
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &read) != ERROR_SUCCESS)
        return RegistryStringMissing;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return RegistryStringMissing;

    size_t length = wcsnlen(data.data(), read / sizeof(wchar_t));
    if (length > capacity - 1) return RegistryStringTooLong;
    wmemcpy(buffer, data.data(), length);
    buffer[length] = L'\0';
    return RegistryStringDone;
}

bool ReadRegistryString(HKEY key, const wchar_t* name, wchar_t* buffer, size_t capacity)
{
    return QueryRegistryString(key, name, buffer, capacity) == RegistryStringDone;
}

void ReadRegistryStringOr(HKEY key, const wchar_t* name, wchar_t* buffer, size_t capacity,
                          const wchar_t* fallback)
{
    if (!key || !ReadRegistryString(key, name, buffer, capacity)) CopyToBuffer(buffer, capacity, fallback);
}

bool ReadRegistryDword(HKEY key, const wchar_t* name, DWORD* value)
{
    DWORD type = 0;
    DWORD data = 0;
    DWORD size = sizeof(data);
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) != ERROR_SUCCESS)
        return false;
    if (type != REG_DWORD || size != sizeof(data)) return false;
    *value = data;
    return true;
}

bool WriteRegistryString(HKEY key, const wchar_t* name, const wchar_t* text)
{
    DWORD bytes = static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t));
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), bytes) == ERROR_SUCCESS;
}

bool WriteRegistryDword(HKEY key, const wchar_t* name, DWORD value)
{
    return RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value)) == ERROR_SUCCESS;
}

void ReadUserRegistryDwords(const wchar_t* subKey, std::initializer_list<std::pair<const wchar_t*, DWORD*>> values)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, subKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    for (const auto& value : values) ReadRegistryDword(key, value.first, value.second);
    RegCloseKey(key);
}

bool WriteUserRegistryDwords(const wchar_t* subKey, std::initializer_list<std::pair<const wchar_t*, DWORD>> values)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, subKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    bool written = true;
    for (const auto& value : values) written = WriteRegistryDword(key, value.first, value.second) && written;
    RegCloseKey(key);
    return written;
}
