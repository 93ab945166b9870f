// The files a skin definition names, read through one small interface: a folder now, a package later.
#include "skin_files.h"

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

// Shared for writing and deleting too: the author's paint program may hold the file open.
bool SkinFolderSource::Read(const std::wstring& name, uint64_t most, std::string* bytes)
{
    if (folder_.empty()) return false;
    HANDLE file =
        CreateFileW((folder_ + name).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size;
    // A device name such as CON opens a device, whose reads may wait for ever.
    bool read = GetFileType(file) == FILE_TYPE_DISK && GetFileSizeEx(file, &size) && size.QuadPart >= 0 && static_cast<uint64_t>(size.QuadPart) <= most;
    if (read) {
        bytes->resize(static_cast<size_t>(size.QuadPart));
        for (size_t done = 0; read && done < bytes->size();) {
            DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes->size() - done, 1 << 24)), got = 0;
            read = ReadFile(file, &(*bytes)[done], chunk, &got, nullptr) && got == chunk;
            done += got;
        }
    }
    CloseHandle(file);
    return read;
}
