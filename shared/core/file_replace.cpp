// Writing a file so that a failure never costs the file it replaces.
#include "file_replace.h"

#include "file_paths.h"


namespace {

// GetTempFileName's own bound: the folder leaves room for "\\~qlXXXX.tmp".
const size_t kLongestTemporaryFolder = MAX_PATH - 14;

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

DWORD MakeTemporaryBeside(const std::wstring& target, std::wstring* temporary)
{
    size_t slash = target.find_last_of(L"\\/");
    std::wstring folder = slash == std::wstring::npos ? std::wstring(L".") : target.substr(0, slash + 1);
    if (folder.size() > kLongestTemporaryFolder) return ERROR_FILENAME_EXCED_RANGE;
    wchar_t path[MAX_PATH] = L"";
    // Made as a new file, so no file of the user's is ever taken for the temporary one.
    if (!GetTempFileNameW(folder.c_str(), L"~ql", 0, path)) {
        DWORD error = GetLastError();
        return error ? error : ERROR_CANNOT_MAKE;
    }
    *temporary = path;
    return ERROR_SUCCESS;
}

ReplaceOutcome ReplaceFileBy(const wchar_t* target,
                             const std::function<ReplaceStage(const std::wstring& temporary)>& write)
{
    DWORD error = 0;
    if (!TargetAcceptsWrite(target, &error)) return Failed(ReplaceCannotWrite, error);
    std::wstring temporary;
    error = MakeTemporaryBeside(target, &temporary);
    if (error) return Failed(ReplaceCannotWrite, error);

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
