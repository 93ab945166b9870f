// Paths, names and whole files as every program handles them, and where the vendor keeps its data.
#include "file_paths.h"

#include <shfolder.h>

#include <algorithm>
#include <cwchar>
#include <exception>

namespace {

// SHGFP_TYPE_CURRENT, which shfolder.h leaves out: shlobj.h would bring in the shell's dialogs.
const DWORD kFolderAsItIsNow = 0;

bool MakeFolder(const std::wstring& path)
{
    return CreateDirectoryW(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

// The reason of a failed step, or the given one when the step set none.
DWORD FailedBecause(DWORD reason)
{
    DWORD error = GetLastError();
    return error ? error : reason;
}

// The size of an open disk file, when it is at most limit bytes and fits in memory here.
DWORD MeasureForReading(HANDLE file, unsigned long long limit, size_t* size)
{
    // A device name such as CON opens a device, whose reads may wait for ever.
    if (GetFileType(file) != FILE_TYPE_DISK) return ERROR_NOT_SUPPORTED;
    LARGE_INTEGER measured = {};
    if (!GetFileSizeEx(file, &measured)) return FailedBecause(ERROR_READ_FAULT);
    unsigned long long bytes = static_cast<unsigned long long>(measured.QuadPart);
    // Refused before anything is allocated, however large the file claims to be.
    if (bytes > limit) return ERROR_FILE_TOO_LARGE;
    if (bytes > static_cast<size_t>(-1)) return ERROR_NOT_ENOUGH_MEMORY;
    *size = static_cast<size_t>(bytes);
    return ERROR_SUCCESS;
}

}  // namespace

const wchar_t kVendorRegistryKey[] = L"Software\\Halvenor's Software\\Quillmere";

bool IsPathSeparator(wchar_t c)
{
    return c == L'\\' || c == L'/';
}

std::wstring WithoutTrailingSeparators(std::wstring path)
{
    while (path.size() > 1 && IsPathSeparator(path.back())) path.pop_back();
    return path;
}

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name)
{
    return folder.empty() || IsPathSeparator(folder.back()) ? folder + name : folder + L"\\" + name;
}

std::wstring ParentFolder(const std::wstring& path)
{
    size_t slash = path.find_last_of(L'\\');
    if (slash == std::wstring::npos) return std::wstring();
    bool root = slash == 2 && path[1] == L':';
    return path.substr(0, root ? slash + 1 : slash);
}

std::wstring TitleOfPath(const std::wstring& path)
{
    size_t slash = path.find_last_of(L"\\/:");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

bool IsFolder(const std::wstring& path)
{
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring FullPath(const std::wstring& path)
{
    DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return std::wstring();
    std::wstring full(needed, L'\0');
    DWORD length = GetFullPathNameW(path.c_str(), needed, &full[0], nullptr);
    if (length == 0 || length >= needed) return std::wstring();
    full.resize(length);
    return full;
}

std::wstring FullFolderPath(const std::wstring& path)
{
    std::wstring full = FullPath(path);
    while (full.size() > 3 && IsPathSeparator(full.back())) full.pop_back();
    return full;
}

std::wstring FullPathIn(const std::wstring& folder, const std::wstring& path)
{
    bool rooted = !path.empty() && IsPathSeparator(path[0]);
    bool drive = path.size() >= 2 && path[1] == L':';
    if ((rooted && path.size() >= 2 && IsPathSeparator(path[1])) || (drive && path.size() >= 3 && IsPathSeparator(path[2])))
        return FullPath(path);
    // "\x" is on the folder's drive, "C:x" in the folder when it is on drive C.
    if (rooted && folder.size() >= 2 && folder[1] == L':') return FullPath(folder.substr(0, 2) + path);
    if (drive && folder.size() >= 2 && SameName(folder.substr(0, 2), path.substr(0, 2)))
        return FullPath(JoinPath(folder, path.substr(2)));
    return drive || rooted ? FullPath(path) : FullPath(JoinPath(folder, path));
}

bool SameName(const std::wstring& a, const std::wstring& b)
{
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

bool EndsWith(const std::wstring& text, const std::wstring& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

bool ReadWholeFile(const std::wstring& path, std::string* bytes, unsigned long long limit)
{
    // Shared for writing and deleting too: another program (a paint program) may hold the file open.
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    size_t size = 0;
    DWORD error = MeasureForReading(file, limit, &size);
    // A file larger than the memory left is a file that cannot be read, not the program's end.
    try {
        if (!error) bytes->assign(size, '\0');
    } catch (const std::exception&) {   // bad_alloc, or length_error past max_size
        error = ERROR_NOT_ENOUGH_MEMORY;
    }
    for (size_t done = 0; !error && done < bytes->size();) {
        DWORD piece = static_cast<DWORD>(std::min<size_t>(bytes->size() - done, 1 << 24)), read = 0;
        SetLastError(0);
        if (!ReadFile(file, &(*bytes)[done], piece, &read, nullptr) || read != piece)
            error = FailedBecause(ERROR_HANDLE_EOF);
        done += read;
    }
    CloseHandle(file);
    if (!error) return true;
    std::string().swap(*bytes);
    SetLastError(error);
    return false;
}

bool WriteAll(HANDLE file, const void* data, size_t size)
{
    const char* at = static_cast<const char*>(data);
    while (size > 0) {
        DWORD piece = static_cast<DWORD>(size < (1u << 24) ? size : (1u << 24)), written = 0;
        if (!WriteFile(file, at, piece, &written, nullptr) || written != piece) return false;
        at += piece;
        size -= piece;
    }
    return true;
}

void CopyToBuffer(wchar_t* buffer, size_t capacity, const wchar_t* text)
{
    if (capacity == 0) return;
    size_t length = wcsnlen(text, capacity - 1);
    wmemcpy(buffer, text, length);
    buffer[length] = L'\0';
}

bool KnownFolder(int csidl, std::wstring* folder)
{
    wchar_t path[MAX_PATH] = L"";
    if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, kFolderAsItIsNow, path)) || !path[0]) return false;
    *folder = path;
    return true;
}

bool VendorAppDataFolder(bool create, std::wstring* folder)
{
    std::wstring appData;
    if (!KnownFolder(CSIDL_APPDATA | (create ? CSIDL_FLAG_CREATE : 0), &appData)) return false;
    std::wstring vendor = JoinPath(appData, L"Halvenor's Software");
    std::wstring product = JoinPath(vendor, L"Quillmere");
    if (create && !(MakeFolder(vendor) && MakeFolder(product))) return false;
    *folder = product;
    return true;
}
