// Writing a file so that a failure never costs the file it replaces.
#include "file_replace.h"

#include "file_paths.h"


namespace {

const wchar_t kTemporaryPrefix[] = L"~qlm-";

ReplaceOutcome Failed(ReplaceStage stage, DWORD error)
{
    return {stage, error ? error : ERROR_GEN_FAILURE};
}

// The target must be writable as it stands: read-only or locked files are refused
// before anything is written, as opening them for writing would be.
bool TargetAcceptsWrite(const wchar_t* target, DWORD* error)
{
    DWORD attributes = GetFileAttributesW(target);
    if (attributes == INVALID_FILE_ATTRIBUTES) return true;   // a new file
    if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) {
        *error = ERROR_ACCESS_DENIED;
        return false;
    }
    HANDLE file = CreateFileW(target, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        *error = GetLastError();
        return false;
    }
    CloseHandle(file);
    return true;
}

}  // namespace

std::wstring TemporaryPathFor(const std::wstring& target)
{
    size_t slash = target.find_last_of(L"\\/");
    std::wstring folder = slash == std::wstring::npos ? std::wstring() : target.substr(0, slash + 1);
    std::wstring name = kTemporaryPrefix + (slash == std::wstring::npos ? target : target.substr(slash + 1));
    size_t room = MAX_PATH - 1 > folder.size() ? MAX_PATH - 1 - folder.size() : 0;
    return folder + name.substr(0, room);
}

ReplaceOutcome ReplaceFileBy(const wchar_t* target,
                             const std::function<ReplaceStage(const std::wstring& temporary)>& write)
{
    DWORD error = 0;
    if (!TargetAcceptsWrite(target, &error)) return Failed(ReplaceCannotWrite, error);
    std::wstring temporary = TemporaryPathFor(target);
    if (temporary.size() <= wcslen(kTemporaryPrefix)) return Failed(ReplaceCannotWrite, ERROR_FILENAME_EXCED_RANGE);

    SetLastError(0);
    ReplaceStage stage = write(temporary);
    if (stage != ReplaceDone) {
        error = GetLastError();
        DeleteFileW(temporary.c_str());
        return Failed(stage, error);
    }

    DWORD attributes = GetFileAttributesW(target);
    if (attributes != INVALID_FILE_ATTRIBUTES) SetFileAttributesW(temporary.c_str(), attributes);
    if (!MoveFileExW(temporary.c_str(), target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = GetLastError();
        DeleteFileW(temporary.c_str());
        return Failed(ReplaceCannotSwap, error);
    }
    return {ReplaceDone, 0};
}

ReplaceOutcome WriteFileReplacing(const wchar_t* target, const std::string& bytes)
{
    return ReplaceFileBy(target, [&](const std::wstring& temporary) {
        HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                  nullptr);
        if (file == INVALID_HANDLE_VALUE) return ReplaceCannotWrite;
        bool written = WriteAll(file, bytes.data(), bytes.size()) && FlushFileBuffers(file);
        DWORD error = GetLastError();
        if (!CloseHandle(file) || !written) {
            if (!written) SetLastError(error);
            return ReplaceWriteFailed;
        }
        return ReplaceDone;
    });
}
