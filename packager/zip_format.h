// The ZIP records Zipwright writes, and the plain rules for names, times and methods.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// Without ZIP64 every offset and size is a 32-bit field, and all ones means "see ZIP64".
const uint64_t kZipMaxBytes = 0xFFFFFFFEull;
const size_t kZipMaxEntries = 0xFFFF;

enum ZipMethod : uint16_t { ZipStored = 0, ZipDeflated = 8 };

struct DosDateTime {
    uint16_t time;
    uint16_t date;
};

// What the headers say about one packed file.
struct ZipEntry {
    std::string name;  // UTF-8, forward slashes
    bool utf8Name;
    uint16_t method;
    uint32_t crc;
    uint32_t compressedSize;
    uint32_t size;
    DosDateTime modified;
    uint32_t attributes;  // DOS attributes
    uint32_t localHeaderOffset;
};

// The entry name of a path relative to the skin folder: backslashes become slashes, and
// utf8 tells whether the name needs the UTF-8 flag. False when the path is not valid UTF-16.
bool EntryNameFromRelativePath(const std::wstring& relative, std::string* name, bool* utf8);

// A skin definition at the top of the skin folder: "*.wms" in any letter case.
bool IsSkinDefinitionName(const std::string& entryName);

// Local time as the two DOS fields: seconds halved, clamped to 1980-2107.
DosDateTime DosDateTimeFromLocalTime(const SYSTEMTIME& local);
DosDateTime DosDateTimeFromFileTime(const FILETIME& utc);

// Deflate is kept only when it made the file smaller.
inline bool KeepDeflated(uint64_t size, uint64_t compressedSize) { return compressedSize < size; }

size_t LocalHeaderSize(const ZipEntry& entry);
void AppendLocalHeader(const ZipEntry& entry, std::vector<unsigned char>* out);
void AppendCentralRecord(const ZipEntry& entry, std::vector<unsigned char>* out);
void AppendEndRecord(size_t count, uint32_t centralSize, uint32_t centralOffset,
                     std::vector<unsigned char>* out);
