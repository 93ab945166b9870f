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

const uint32_t kZipLocalSignature = 0x04034b50;
const uint32_t kZipCentralSignature = 0x02014b50;
const uint32_t kZipEndSignature = 0x06054b50;
const uint32_t kZip64LocatorSignature = 0x07064b50;

// General-purpose flags.
const uint16_t kZipFlagEncrypted = 0x0001;
const uint16_t kZipFlagMaximumDeflate = 0x0002;
const uint16_t kZipFlagDataDescriptor = 0x0008;  // sizes and CRC follow the data
const uint16_t kZipFlagStrongEncryption = 0x0040;
const uint16_t kZipFlagUtf8Name = 0x0800;

const size_t kZipLocalHeaderSize = 30;  // without name and extra field
const size_t kZipCentralRecordSize = 46;
const size_t kZipEndRecordSize = 22;    // without comment
const size_t kZip64LocatorSize = 20;

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

size_t LocalHeaderSize(const ZipEntry& entry);
void AppendLocalHeader(const ZipEntry& entry, std::vector<unsigned char>* out);
void AppendCentralRecord(const ZipEntry& entry, std::vector<unsigned char>* out);
void AppendEndRecord(size_t count, uint32_t centralSize, uint32_t centralOffset,
                     std::vector<unsigned char>* out);

// One header as a reader finds it: the fields the writer sets (the name as stored, bytes
// not yet converted), and those it leaves empty.
struct ZipHeaderFields {
    ZipEntry entry;
    uint16_t flags;
    size_t size;  // the whole record: fixed part, name, extra field and comment
};

// Whether the four bytes at data, of which available can be read, are that signature.
bool HasZipSignature(const unsigned char* data, size_t available, uint32_t signature);

// Parse a record at data, of which available bytes can be read: false when its signature
// is wrong or its fixed part and name do not fit. The extra field and comment are only
// counted into size; the caller checks that they fit where it needs them.
bool ParseLocalHeader(const unsigned char* data, size_t available, ZipHeaderFields* header);
bool ParseCentralRecord(const unsigned char* data, size_t available, ZipHeaderFields* header);

struct ZipEndRecord {
    uint16_t disk;
    uint16_t directoryDisk;
    uint16_t diskEntries;
    uint16_t entries;
    uint32_t directorySize;
    uint32_t directoryOffset;
    uint16_t commentLength;
};
bool ParseEndRecord(const unsigned char* data, size_t available, ZipEndRecord* end);
