// Reading a skin package in memory, never extracting it: its entries listed from the central
// directory, each file's bytes inflated and checked, hostile packages refused with a reason.
#pragma once
#include "zip_deflate.h"
#include "zip_format.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// What one entry may hold once inflated, and all of them together by their headers.
const uint32_t kPackageEntryLimit = 64u << 20;
const uint64_t kPackageTotalLimit = 256u << 20;

// Why a package or an entry cannot be read. The first group refuses a whole package, the
// second one entry; ZipReadErrorText gives the message the user sees.
enum ZipReadError {
    ZipReadOk,
    ZipReadUnreadable,      // the file cannot be opened or read
    ZipReadNotZip,          // no end record, and no ZIP at its start either
    ZipReadTruncated,       // a ZIP's start, but no end record
    ZipReadZip64,
    ZipReadSpanned,         // split over several files
    ZipReadBadDirectory,
    ZipReadTooManyEntries,  // over kZipMaxEntries
    ZipReadTooLarge,        // over kPackageTotalLimit in all
    ZipReadOutOfMemory,
    ZipReadChanged,         // the file is not the one that was opened any more
    ZipReadBadName,         // empty, or not valid in its encoding
    ZipReadParentName,      // a ".." folder
    ZipReadDriveName,       // "C:"
    ZipReadRootName,        // a leading slash or backslash
    ZipReadUnsupportedMethod,
    ZipReadEncrypted,
    ZipReadEntryTooLarge,   // over kPackageEntryLimit
    ZipReadSizeMismatch,    // the data inflates to another size than the header says
    ZipReadHeaderMismatch,  // the local header is missing or disagrees with the central one
    ZipReadPastEnd,
    ZipReadOverlap,         // with another entry's data or with the central directory
    ZipReadBadData,
    ZipReadBadCrc,
    ZipReadFolder,          // a folder entry has no bytes to read
    ZipReadErrorCount
};

// The message for an error, in Japanese or in English.
const wchar_t* ZipReadErrorText(ZipReadError error, bool japanese);

struct PackageEntry {
    std::wstring name;       // UTF-16, folders separated by slashes whichever the package used
    bool folder;             // the name ends in a separator: no file
    ZipEntry header;         // the central directory's fields; header.name as stored
    uint16_t flags;
    uint64_t dataOffset;     // where the data starts, past the local header
    ZipReadError error;      // ZipReadOk when the entry can be read
};

struct Package {
    std::wstring path;
    uint64_t fileSize;
    FILETIME lastWrite;
    std::vector<PackageEntry> entries;  // in central directory order; empty when refused
    // The file entries' indexes by name, case ignored, for FindPackageEntry; made by OpenPackage.
    std::vector<uint32_t> byName;
};

// Reads the package's central directory and checks every entry's local header. A refused
// package has no entries; otherwise bad entries are listed with their reason beside good ones.
ZipReadError OpenPackage(const std::wstring& path, Package* package);

// The file entry whose name matches, case ignored and either slash separating folders
// ("images\Back.BMP" finds "images/back.bmp"); the first one when several match. Null
// when none does. Looked up in the package's index, however many entries it holds.
const PackageEntry* FindPackageEntry(const Package& package, const std::wstring& name);

// Reads one entry's bytes from the package file, inflated and checked against its CRC.
// On failure data is empty.
ZipReadError ReadPackageEntry(const Package& package, const PackageEntry& entry, ByteBuffer* data);

// Reads entries of an opened package as ReadPackageEntry does, through one open file, opened
// and found unchanged at the first read: a render that reads a thousand entries opens it once.
class PackageReader {
public:
    explicit PackageReader(const Package& package) : package_(package) {}
    ~PackageReader();
    PackageReader(const PackageReader&) = delete;
    PackageReader& operator=(const PackageReader&) = delete;
    ZipReadError Read(const PackageEntry& entry, ByteBuffer* data);

private:
    const Package& package_;
    HANDLE file_ = INVALID_HANDLE_VALUE;
    ZipReadError opened_ = ZipReadOk;
    bool tried_ = false;
};
