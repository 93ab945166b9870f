// The package being written: a temporary file beside the output, renamed over it only
// once it is complete and closed.
#include "zip_archive.h"

#include "file_paths.h"
#include "zip_paths.h"

#include <utility>

namespace {

bool SeekTo(HANDLE file, uint64_t offset)
{
    LARGE_INTEGER position;
    position.QuadPart = static_cast<LONGLONG>(offset);
    return SetFilePointerEx(file, position, nullptr, FILE_BEGIN) != 0;
}

}  // namespace

PackResult OpenArchive(const std::wstring& outputPath, Archive* archive)
{
    archive->handle = INVALID_HANDLE_VALUE;
    archive->outputPath = outputPath;
    archive->end = 0;
    archive->entries.clear();
    if (IsFolder(outputPath)) return PackUnwritableOutput;
    std::wstring stem = outputPath + ZIP_TEMP_MARKER + std::to_wstring(GetCurrentProcessId()) + L"_";
    // A name of a crashed run may still be there: try the next one.
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        archive->tempPath = stem + std::to_wstring(attempt) + L".tmp";
        archive->handle = CreateFileW(archive->tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
        if (archive->handle != INVALID_HANDLE_VALUE) return PackWritten;
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
    archive->tempPath.clear();
    return PackUnwritableOutput;
}

PackResult AppendToArchive(Archive* archive, const void* data, size_t size)
{
    if (size > kZipMaxBytes - archive->end) return PackTooLarge;
    if (!WriteAll(archive->handle, data, size)) return PackUnwritableOutput;
    archive->end += size;
    return PackWritten;
}

PackResult RewriteInArchive(Archive* archive, uint64_t offset, const void* data, size_t size)
{
    bool written = SeekTo(archive->handle, offset) &&
                   WriteAll(archive->handle, data, size) &&
                   SeekTo(archive->handle, archive->end);
    return written ? PackWritten : PackUnwritableOutput;
}

PackResult CutArchive(Archive* archive, uint64_t end)
{
    if (!SeekTo(archive->handle, end) || !SetEndOfFile(archive->handle)) return PackUnwritableOutput;
    archive->end = end;
    return PackWritten;
}

PackResult AppendLocalHeaderOf(Archive* archive, ZipEntry* entry)
{
    entry->localHeaderOffset = static_cast<uint32_t>(archive->end);
    std::vector<unsigned char> header;
    AppendLocalHeader(*entry, &header);
    return AppendToArchive(archive, header.data(), header.size());
}

PackResult AppendEntry(Archive* archive, ZipEntry entry, const unsigned char* payload)
{
    PackResult result = AppendLocalHeaderOf(archive, &entry);
    if (result == PackWritten) result = AppendToArchive(archive, payload, entry.compressedSize);
    if (result == PackWritten) archive->entries.push_back(std::move(entry));
    return result;
}

PackResult FinishArchive(Archive* archive)
{
    std::vector<unsigned char> directory;
    for (const ZipEntry& entry : archive->entries) AppendCentralRecord(entry, &directory);
    uint64_t directoryOffset = archive->end;
    AppendEndRecord(archive->entries.size(), static_cast<uint32_t>(directory.size()),
                    static_cast<uint32_t>(directoryOffset), &directory);
    PackResult result = AppendToArchive(archive, directory.data(), directory.size());
    if (result != PackWritten) return result;
    HANDLE handle = std::exchange(archive->handle, INVALID_HANDLE_VALUE);
    // The close is checked too: a delayed write error surfaces there.
    if (!CloseHandle(handle) ||
        !MoveFileExW(archive->tempPath.c_str(), archive->outputPath.c_str(), MOVEFILE_REPLACE_EXISTING))
        return PackUnwritableOutput;
    archive->tempPath.clear();
    return PackWritten;
}

void AbandonArchive(Archive* archive)
{
    if (archive->handle != INVALID_HANDLE_VALUE) CloseHandle(archive->handle);
    archive->handle = INVALID_HANDLE_VALUE;
    if (!archive->tempPath.empty()) DeleteFileW(archive->tempPath.c_str());
    archive->tempPath.clear();
}
