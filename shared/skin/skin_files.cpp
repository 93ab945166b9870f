// The files a skin definition names, read through one small interface: a folder now, a package later.
#include "skin_files.h"

#include "file_paths.h"

#include <windows.h>

#include <algorithm>

bool NormaliseSkinFileName(const std::wstring& name, std::wstring* normal)
{
    normal->clear();
    if (name.empty() || name[0] == L'\\' || name[0] == L'/' || name.find(L':') != std::wstring::npos) return false;
    size_t from = 0;
    while (from <= name.size()) {
        size_t to = name.find_first_of(L"\\/", from);
        if (to == std::wstring::npos) to = name.size();
        const std::wstring part = name.substr(from, to - from);
        if (part == L"..") return false;
        if (!part.empty() && part != L".") {
            if (!normal->empty()) *normal += L'\\';
            *normal += part;
        }
        from = to + 1;
    }
    return !normal->empty();
}

bool SkinFileKey(const std::wstring& name, std::wstring* key)
{
    if (!NormaliseSkinFileName(name, key)) return false;
    LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, key->c_str(), static_cast<int>(key->size()), &(*key)[0],
                 static_cast<int>(key->size()));
    return true;
}

SkinFolderSource::SkinFolderSource(const std::wstring& folder) : folder_(folder)
{
    if (!folder_.empty() && folder_.back() != L'\\' && folder_.back() != L'/') folder_ += L'\\';
}

bool SkinFolderSource::Find(const std::wstring& name, SkinFileFacts* facts)
{
    if (folder_.empty()) return false;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW((folder_ + name).c_str(), GetFileExInfoStandard, &data)) return false;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
    facts->stamp =
        static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32 | data.ftLastWriteTime.dwLowDateTime;
    facts->size = static_cast<uint64_t>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
    return true;
}

bool SkinFolderSource::Read(const std::wstring& name, uint64_t most, std::string* bytes)
{
    return !folder_.empty() && ReadWholeFile(folder_ + name, bytes, most);
}
