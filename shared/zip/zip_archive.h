// The package being written: a temporary file beside the output, renamed over it only
// once it is complete and closed.
#pragma once
#include "pack_result.h"
#include "zip_format.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct Archive {
    HANDLE handle;
    std::wstring outputPath;
    std::wstring tempPath;
    uint64_t end;                   // bytes written so far
    std::vector<ZipEntry> entries;  // for the central directory
};

// Creates the temporary file; an output that is a folder is refused here.
PackResult OpenArchive(const std::wstring& outputPath, Archive* archive);

// Adds bytes at the end; PackTooLarge when the package would pass the 32-bit limit.
PackResult AppendToArchive(Archive* archive, const void* data, size_t size);

// Overwrites bytes already written, then goes back to the end.
PackResult RewriteInArchive(Archive* archive, uint64_t offset, const void* data, size_t size);

// Drops everything from end on.
PackResult CutArchive(Archive* archive, uint64_t end);

// Writes entry's local header at the end, recording its offset.
PackResult AppendLocalHeaderOf(Archive* archive, ZipEntry* entry);

// Writes a whole entry whose payload (compressedSize bytes) is in memory.
PackResult AppendEntry(Archive* archive, ZipEntry entry, const unsigned char* payload);

// Writes the central directory, closes the file and renames it over the output.
PackResult FinishArchive(Archive* archive);

// Closes and deletes the temporary file; the output is left as it was.
void AbandonArchive(Archive* archive);
