// Bounded reads of registry values into fixed buffers, and whole-number values of a user key.
#pragma once
#include "file_paths.h"

#include <windows.h>
#include <cstddef>
#include <initializer_list>
#include <utility>

enum RegistryStringRead {
    RegistryStringDone,
    RegistryStringMissing,   // no such value, or not a string
    RegistryStringTooLong,   // longer than the buffer holds
};

// Reads a string value into buffer (capacity in characters, at least 1), always
// NUL-terminated. A value that does not fit whole is refused rather than cut to another
// name; on any refusal buffer is untouched.
RegistryStringRead QueryRegistryString(HKEY key, const wchar_t* name, wchar_t* buffer, size_t capacity);
// The same; false when the value is missing, not a string or too long.
bool ReadRegistryString(HKEY key, const wchar_t* name, wchar_t* buffer, size_t capacity);

// The same, putting fallback into the buffer (cut to fit) when the value cannot be read
// or key is NULL.
void ReadRegistryStringOr(HKEY key, const wchar_t* name, wchar_t* buffer, size_t capacity,
                          const wchar_t* fallback);

// Reads a REG_DWORD value. Returns false, leaving *value untouched, when it is missing,
// of another type or of another size.
bool ReadRegistryDword(HKEY key, const wchar_t* name, DWORD* value);

// Writes a REG_SZ value with its terminating NUL. Returns true when written.
bool WriteRegistryString(HKEY key, const wchar_t* name, const wchar_t* text);
bool WriteRegistryDword(HKEY key, const wchar_t* name, DWORD value);

// REG_DWORD values of one key under HKEY_CURRENT_USER: those that cannot be read are left as
// they are; the key is made for writing, false when any value could not be written.
void ReadUserRegistryDwords(const wchar_t* subKey, std::initializer_list<std::pair<const wchar_t*, DWORD*>> values);
bool WriteUserRegistryDwords(const wchar_t* subKey, std::initializer_list<std::pair<const wchar_t*, DWORD>> values);
