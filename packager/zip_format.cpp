// The ZIP records Zipwright writes, and the plain rules for names, times and methods.
#include "zip_format.h"

namespace {

const uint32_t kLocalSignature = 0x04034b50;
const uint32_t kCentralSignature = 0x02014b50;
const uint32_t kEndSignature = 0x06054b50;
const uint16_t kFlagMaximumDeflate = 0x0002;
const uint16_t kFlagUtf8Name = 0x0800;
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
    uint16_t flags = entry.utf8Name ? kFlagUtf8Name : 0;
    if (entry.method == ZipDeflated) flags |= kFlagMaximumDeflate;
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

size_t LocalHeaderSize(const ZipEntry& entry) { return 30 + entry.name.size(); }

void AppendLocalHeader(const ZipEntry& entry, std::vector<unsigned char>* out)
{
    Put32(out, kLocalSignature);
    PutCommonFields(entry, out);
    out->insert(out->end(), entry.name.begin(), entry.name.end());
}

void AppendCentralRecord(const ZipEntry& entry, std::vector<unsigned char>* out)
{
    Put32(out, kCentralSignature);
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
    Put32(out, kEndSignature);
    Put16(out, 0);  // this disk
    Put16(out, 0);  // disk of the central directory
    Put16(out, static_cast<uint32_t>(count));
    Put16(out, static_cast<uint32_t>(count));
    Put32(out, centralSize);
    Put32(out, centralOffset);
    Put16(out, 0);  // comment length
}
