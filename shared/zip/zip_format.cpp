// The ZIP records Zipwright writes, and the plain rules for names, times and methods.
#include "zip_format.h"

namespace {

// Host 11 (NTFS): readers take the external attributes as DOS attributes, and Info-ZIP's
// unzip leaves the names alone; for host 0 (FAT) it reads them as code page 437 even
// when the UTF-8 flag is set.
const uint16_t kVersionMadeBy = (11 << 8) | 20;

void Put16(std::vector<unsigned char>* out, uint32_t value)
{
    out->push_back(static_cast<unsigned char>(value & 0xFF));
    out->push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
}

void Put32(std::vector<unsigned char>* out, uint32_t value)
{
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

uint16_t VersionNeeded(const ZipEntry& entry) { return entry.method == ZipDeflated ? 20 : 10; }

uint16_t Flags(const ZipEntry& entry)
{
    uint16_t flags = entry.utf8Name ? kZipFlagUtf8Name : 0;
    if (entry.method == ZipDeflated) flags |= kZipFlagMaximumDeflate;
    return flags;
}

// The part both headers share, from "version needed" to the name length.
void PutCommonFields(const ZipEntry& entry, std::vector<unsigned char>* out)
{
    Put16(out, VersionNeeded(entry));
    Put16(out, Flags(entry));
    Put16(out, entry.method);
    Put16(out, entry.modified.time);
    Put16(out, entry.modified.date);
    Put32(out, entry.crc);
    Put32(out, entry.compressedSize);
    Put32(out, entry.size);
    Put16(out, static_cast<uint32_t>(entry.name.size()));
    Put16(out, 0);  // extra field length
}

uint16_t Get16(const unsigned char** in)
{
    const unsigned char* p = *in;
    *in += 2;
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t Get32(const unsigned char** in)
{
    uint32_t low = Get16(in);
    return low | (static_cast<uint32_t>(Get16(in)) << 16);
}

// The reverse of PutCommonFields; gives the name and extra field lengths.
void GetCommonFields(const unsigned char** in, ZipHeaderFields* header, size_t* nameLength, size_t* extraLength)
{
    Get16(in);  // version needed: the method and flags say more
    header->flags = Get16(in);
    ZipEntry& entry = header->entry;
    entry.utf8Name = (header->flags & kZipFlagUtf8Name) != 0;
    entry.method = Get16(in);
    entry.modified.time = Get16(in);
    entry.modified.date = Get16(in);
    entry.crc = Get32(in);
    entry.compressedSize = Get32(in);
    entry.size = Get32(in);
    *nameLength = Get16(in);
    *extraLength = Get16(in);
}

}  // namespace

bool EntryNameFromRelativePath(const std::wstring& relative, std::string* name, bool* utf8)
{
    name->clear();
    *utf8 = false;
    if (relative.empty()) return false;
    std::wstring slashed = relative;
    for (wchar_t& c : slashed) {
        if (c == L'\\') c = L'/';
        if (c > 0x7F) *utf8 = true;
    }
    int length = static_cast<int>(slashed.size());
    int bytes = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, slashed.data(), length, nullptr, 0,
                                    nullptr, nullptr);
    if (bytes <= 0) return false;
    name->resize(static_cast<size_t>(bytes));
    return WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, slashed.data(), length, &(*name)[0], bytes,
                               nullptr, nullptr) == bytes;
}

bool IsSkinDefinitionName(const std::string& entryName)
{
    const char extension[] = ".wms";
    const size_t length = sizeof(extension) - 1;
    if (entryName.size() < length || entryName.find('/') != std::string::npos) return false;
    for (size_t i = 0; i < length; ++i) {
        char c = entryName[entryName.size() - length + i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != extension[i]) return false;
    }
    return true;
}

DosDateTime DosDateTimeFromLocalTime(const SYSTEMTIME& local)
{
    if (local.wYear < 1980) return {0, (1 << 5) | 1};
    if (local.wYear > 2107) return {(23 << 11) | (59 << 5) | 29, (127 << 9) | (12 << 5) | 31};
    DosDateTime result;
    result.time = static_cast<uint16_t>((local.wHour << 11) | (local.wMinute << 5) | (local.wSecond / 2));
    result.date = static_cast<uint16_t>(((local.wYear - 1980) << 9) | (local.wMonth << 5) | local.wDay);
    return result;
}

DosDateTime DosDateTimeFromFileTime(const FILETIME& utc)
{
    // Through the time zone rules of that date, as Explorer shows the time, not today's bias.
    SYSTEMTIME universal = {};
    SYSTEMTIME local = {};
    if (!FileTimeToSystemTime(&utc, &universal) ||
        !SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local))
        local.wYear = 0;
    return DosDateTimeFromLocalTime(local);
}

size_t LocalHeaderSize(const ZipEntry& entry) { return kZipLocalHeaderSize + entry.name.size(); }

void AppendLocalHeader(const ZipEntry& entry, std::vector<unsigned char>* out)
{
    Put32(out, kZipLocalSignature);
    PutCommonFields(entry, out);
    out->insert(out->end(), entry.name.begin(), entry.name.end());
}

void AppendCentralRecord(const ZipEntry& entry, std::vector<unsigned char>* out)
{
    Put32(out, kZipCentralSignature);
    Put16(out, kVersionMadeBy);
    PutCommonFields(entry, out);
    Put16(out, 0);  // comment length
    Put16(out, 0);  // disk number
    Put16(out, 0);  // internal attributes
    Put32(out, entry.attributes);
    Put32(out, entry.localHeaderOffset);
    out->insert(out->end(), entry.name.begin(), entry.name.end());
}

void AppendEndRecord(size_t count, uint32_t centralSize, uint32_t centralOffset,
                     std::vector<unsigned char>* out)
{
    Put32(out, kZipEndSignature);
    Put16(out, 0);  // this disk
    Put16(out, 0);  // disk of the central directory
    Put16(out, static_cast<uint32_t>(count));
    Put16(out, static_cast<uint32_t>(count));
    Put32(out, centralSize);
    Put32(out, centralOffset);
    Put16(out, 0);  // comment length
}

bool HasZipSignature(const unsigned char* data, size_t available, uint32_t signature)
{
    const unsigned char* p = data;
    return available >= 4 && Get32(&p) == signature;
}

bool ParseLocalHeader(const unsigned char* data, size_t available, ZipHeaderFields* header)
{
    if (available < kZipLocalHeaderSize || !HasZipSignature(data, available, kZipLocalSignature)) return false;
    const unsigned char* p = data + 4;
    size_t nameLength = 0, extraLength = 0;
    GetCommonFields(&p, header, &nameLength, &extraLength);
    if (available - kZipLocalHeaderSize < nameLength) return false;
    header->entry.name.assign(reinterpret_cast<const char*>(p), nameLength);
    header->entry.attributes = 0;
    header->entry.localHeaderOffset = 0;
    header->size = kZipLocalHeaderSize + nameLength + extraLength;
    return true;
}

bool ParseCentralRecord(const unsigned char* data, size_t available, ZipHeaderFields* header)
{
    if (available < kZipCentralRecordSize || !HasZipSignature(data, available, kZipCentralSignature)) return false;
    const unsigned char* p = data + 6;  // past the signature and "version made by"
    size_t nameLength = 0, extraLength = 0;
    GetCommonFields(&p, header, &nameLength, &extraLength);
    size_t commentLength = Get16(&p);
    Get16(&p);  // disk number: the end record tells whether the package spans disks
    Get16(&p);  // internal attributes
    header->entry.attributes = Get32(&p);
    header->entry.localHeaderOffset = Get32(&p);
    if (available - kZipCentralRecordSize < nameLength) return false;
    header->entry.name.assign(reinterpret_cast<const char*>(p), nameLength);
    header->size = kZipCentralRecordSize + nameLength + extraLength + commentLength;
    return true;
}

bool ParseEndRecord(const unsigned char* data, size_t available, ZipEndRecord* end)
{
    if (available < kZipEndRecordSize || !HasZipSignature(data, available, kZipEndSignature)) return false;
    const unsigned char* p = data + 4;
    end->disk = Get16(&p);
    end->directoryDisk = Get16(&p);
    end->diskEntries = Get16(&p);
    end->entries = Get16(&p);
    end->directorySize = Get32(&p);
    end->directoryOffset = Get32(&p);
    end->commentLength = Get16(&p);
    return true;
}
