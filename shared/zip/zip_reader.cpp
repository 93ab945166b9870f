// Reading a skin package in memory, never extracting it: its entries listed from the central
// directory, each file's bytes inflated and checked, hostile packages refused with a reason.
#include "zip_reader.h"

#include "zip_paths.h"

#include <algorithm>
#include <climits>
#include <new>

namespace {

// A central directory of the most entries, with long names, fits well within this.
const uint32_t kDirectoryLimit = 32u << 20;
const size_t kReadChunk = 1 << 20;
const size_t kHeaderWindow = 64 << 10;

struct Message {
    const wchar_t* japanese;
    const wchar_t* english;
};

const Message kMessages[] = {
    {L"問題ありません。", L"No problem."},
    {L"パッケージ ファイルを開けないか、読み取れません。", L"The package file cannot be opened or read."},
    {L"ZIP 形式のスキン パッケージではありません。", L"The file is not a ZIP skin package."},
    {L"パッケージ ファイルが途中で切れています。", L"The package file is truncated."},
    {L"ZIP64 形式のパッケージには対応していません。", L"ZIP64 packages are not supported."},
    {L"複数のファイルに分割されたパッケージには対応していません。",
     L"Packages split over several files are not supported."},
    {L"パッケージの中央ディレクトリが壊れています。", L"The package's central directory is damaged."},
    {L"パッケージのエントリが 65,535 個を超えています。", L"The package holds more than 65,535 entries."},
    {L"パッケージの展開後のサイズが合計 256 MB を超えています。",
     L"The package would unpack to more than 256 MB in all."},
    {L"メモリが足りません。", L"There is not enough memory."},
    {L"パッケージ ファイルが開いた後で変更されました。", L"The package file changed after it was opened."},
    {L"ファイル名が正しくありません。", L"The entry's name is not valid."},
    {L"ファイル名に親フォルダ (..) が含まれています。", L"The entry's name climbs to a parent folder (..)."},
    {L"ファイル名にドライブが含まれています。", L"The entry's name holds a drive."},
    {L"ファイル名がルート (/ または \\) から始まっています。", L"The entry's name starts at a root (/ or \\)."},
    {L"対応していない圧縮方式です。", L"The entry uses a compression method that is not supported."},
    {L"暗号化されています。", L"The entry is encrypted."},
    {L"展開後のサイズが 64 MB を超えています。", L"The entry would unpack to more than 64 MB."},
    {L"展開後のサイズがヘッダーの記載と異なります。", L"The entry's unpacked size differs from its header."},
    {L"ローカル ヘッダーが中央ディレクトリと一致しません。",
     L"The entry's local header does not match the central directory."},
    {L"データがファイルの終わりを越えています。", L"The entry's data lies past the end of the file."},
    {L"データがほかのエントリまたは中央ディレクトリと重なっています。",
     L"The entry's data overlaps another entry or the central directory."},
    {L"圧縮データが壊れています。", L"The entry's compressed data is damaged."},
    {L"CRC が一致しません (データが壊れています)。", L"The entry's CRC does not match: its data is damaged."},
    {L"フォルダであり、ファイルではありません。", L"The entry is a folder, not a file."},
};
static_assert(sizeof(kMessages) / sizeof(kMessages[0]) == ZipReadErrorCount, "one message per error");

// An open package file and what tells it from a later one at the same path.
struct PackageFile {
    HANDLE handle;
    uint64_t size;
    FILETIME lastWrite;
};

// Writers are kept out while the file is open, so what was checked holds until it is read.
bool OpenPackageFile(const std::wstring& path, PackageFile* file)
{
    std::wstring resolved;
    file->handle = INVALID_HANDLE_VALUE;
    if (path.empty() || !ResolvePath(path.c_str(), &resolved)) return false;
    file->handle = CreateFileW(resolved.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file->handle == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION information;
    if (GetFileInformationByHandle(file->handle, &information)) {
        file->size = (static_cast<uint64_t>(information.nFileSizeHigh) << 32) | information.nFileSizeLow;
        file->lastWrite = information.ftLastWriteTime;
        return true;
    }
    CloseHandle(file->handle);
    file->handle = INVALID_HANDLE_VALUE;
    return false;
}

bool ReadAt(HANDLE file, uint64_t offset, unsigned char* buffer, size_t size)
{
    while (size > 0) {
        DWORD piece = static_cast<DWORD>(std::min(size, kReadChunk * 64));
        OVERLAPPED at = {};
        at.Offset = static_cast<DWORD>(offset);
        at.OffsetHigh = static_cast<DWORD>(offset >> 32);
        DWORD read = 0;
        if (!ReadFile(file, buffer, piece, &read, &at) || read != piece) return false;
        buffer += piece;
        offset += piece;
        size -= piece;
    }
    return true;
}

// Without an end record a file that starts as a ZIP does has lost its end.
ZipReadError MissingEndRecord(HANDLE file)
{
    unsigned char start[4];
    bool zipStart = ReadAt(file, 0, start, sizeof(start)) && HasZipSignature(start, sizeof(start), kZipLocalSignature);
    return zipStart ? ZipReadTruncated : ZipReadNotZip;
}

ZipReadError CheckEndRecord(const ZipEndRecord& end, bool zip64Locator)
{
    if (zip64Locator || end.directoryOffset == UINT32_MAX || end.directorySize == UINT32_MAX) return ZipReadZip64;
    if (end.disk != 0 || end.directoryDisk != 0 || end.diskEntries != end.entries) return ZipReadSpanned;
    return ZipReadOk;
}

// The end record closes the file but for its comment of up to 65,535 bytes. Scanning back,
// one that ends the file and follows its directory wins over a record quoted in a comment.
ZipReadError FindEndRecord(const PackageFile& file, uint64_t* endOffset, ZipEndRecord* end)
{
    const size_t most = kZip64LocatorSize + kZipEndRecordSize + 0xFFFF;
    size_t tailSize = static_cast<size_t>(std::min<uint64_t>(file.size, most));
    uint64_t tailStart = file.size - tailSize;
    std::vector<unsigned char> tail(tailSize);
    if (!ReadAt(file.handle, tailStart, tail.data(), tailSize)) return ZipReadUnreadable;
    size_t found = SIZE_MAX;
    for (size_t i = tailSize < kZipEndRecordSize ? 0 : tailSize - kZipEndRecordSize + 1; i-- > 0;) {
        ZipEndRecord candidate;
        if (!ParseEndRecord(&tail[i], tailSize - i, &candidate)) continue;
        size_t after = tailSize - i - kZipEndRecordSize;
        if (candidate.commentLength > after) continue;
        bool closes = candidate.commentLength == after &&
                      static_cast<uint64_t>(candidate.directoryOffset) + candidate.directorySize == tailStart + i;
        if (found == SIZE_MAX || closes) {
            found = i;
            *end = candidate;
        }
        if (closes) break;
    }
    if (found == SIZE_MAX) return MissingEndRecord(file.handle);
    *endOffset = tailStart + found;
    bool zip64 = found >= kZip64LocatorSize &&
                 HasZipSignature(&tail[found - kZip64LocatorSize], kZip64LocatorSize, kZip64LocatorSignature);
    return CheckEndRecord(*end, zip64);
}

ZipReadError ReadDirectory(const PackageFile& file, uint64_t endOffset, const ZipEndRecord& end,
                           ByteBuffer* directory)
{
    if (static_cast<uint64_t>(end.directoryOffset) + end.directorySize > endOffset) return ZipReadBadDirectory;
    if (end.directorySize > kDirectoryLimit) return ZipReadBadDirectory;
    if (!AllocateBuffer(end.directorySize, directory)) return ZipReadOutOfMemory;
    if (!ReadAt(file.handle, end.directoryOffset, directory->data.get(), directory->size)) return ZipReadUnreadable;
    return ZipReadOk;
}

// Walks the records by the directory's size, not by the end record's count, which holds
// only 16 bits: a package of more entries than that is found out here.
ZipReadError ListDirectory(const ByteBuffer& directory, const ZipEndRecord& end,
                           std::vector<PackageEntry>* entries)
{
    for (size_t at = 0; at < directory.size;) {
        if (entries->size() == kZipMaxEntries) return ZipReadTooManyEntries;
        ZipHeaderFields fields;
        if (!ParseCentralRecord(directory.data.get() + at, directory.size - at, &fields) ||
            fields.size > directory.size - at)
            return ZipReadBadDirectory;
        PackageEntry entry = {};
        entry.header = fields.entry;
        entry.flags = fields.flags;
        entries->push_back(entry);
        at += fields.size;
    }
    if (entries->size() != end.entries) return ZipReadBadDirectory;
    uint64_t total = 0;
    for (const PackageEntry& entry : *entries) total += entry.header.size;
    return total > kPackageTotalLimit ? ZipReadTooLarge : ZipReadOk;
}

bool DecodeName(const std::string& stored, UINT codePage, DWORD flags, std::wstring* name)
{
    if (stored.empty() || stored.size() > INT_MAX) return false;
    int storedLength = static_cast<int>(stored.size());
    int length = MultiByteToWideChar(codePage, flags, stored.data(), storedLength, nullptr, 0);
    if (length <= 0) return false;
    name->assign(static_cast<size_t>(length), L'\0');
    return MultiByteToWideChar(codePage, flags, stored.data(), storedLength, &(*name)[0], length) == length;
}

// Windows drops trailing dots and blanks from a name, so ".. " climbs as ".." does.
bool ClimbsUp(const std::wstring& name, size_t start, size_t end)
{
    if (end - start < 2 || name.compare(start, 2, L"..") != 0) return false;
    for (size_t i = start; i < end; ++i)
        if (name[i] != L'.' && name[i] != L' ') return false;
    return true;
}

ZipReadError PathError(const std::wstring& name)
{
    if (name[0] == L'/') return ZipReadRootName;
    if (name.size() >= 2 && name[1] == L':') return ZipReadDriveName;
    for (size_t start = 0; start < name.size();) {
        size_t end = std::min(name.find(L'/', start), name.size());
        if (ClimbsUp(name, start, end)) return ZipReadParentName;
        start = end + 1;
    }
    return ZipReadOk;
}

// The name as the user sees it; an undecodable one is shown as best it can be.
ZipReadError NameError(PackageEntry* entry)
{
    UINT codePage = entry->header.utf8Name ? CP_UTF8 : CP_ACP;
    bool valid = DecodeName(entry->header.name, codePage, MB_ERR_INVALID_CHARS, &entry->name) &&
                 entry->name.find(L'\0') == std::wstring::npos;
    if (!valid && !DecodeName(entry->header.name, codePage, 0, &entry->name)) entry->name.clear();
    std::replace(entry->name.begin(), entry->name.end(), L'\\', L'/');
    entry->folder = !entry->name.empty() && entry->name.back() == L'/';
    return valid ? PathError(entry->name) : ZipReadBadName;
}

ZipReadError HeaderError(const PackageEntry& entry)
{
    const ZipEntry& header = entry.header;
    if (entry.flags & (kZipFlagEncrypted | kZipFlagStrongEncryption)) return ZipReadEncrypted;
    if (header.method != ZipStored && header.method != ZipDeflated) return ZipReadUnsupportedMethod;
    if (header.size == UINT32_MAX || header.compressedSize == UINT32_MAX || header.localHeaderOffset == UINT32_MAX)
        return ZipReadZip64;
    if (header.size > kPackageEntryLimit) return ZipReadEntryTooLarge;
    if (header.method == ZipStored && header.compressedSize != header.size) return ZipReadSizeMismatch;
    return ZipReadOk;
}

bool SameHeader(const ZipEntry& central, const ZipHeaderFields& local)
{
    const ZipEntry& entry = local.entry;
    if (entry.name != central.name || entry.method != central.method) return false;
    // With a data descriptor the local header may leave the CRC and sizes zero.
    bool deferred = (local.flags & kZipFlagDataDescriptor) && entry.crc == 0 && entry.compressedSize == 0 &&
                    entry.size == 0;
    return deferred || (entry.crc == central.crc && entry.compressedSize == central.compressedSize &&
                        entry.size == central.size);
}

// Local headers are read, in the order they lie in, through one window of the file: in a
// package of many small files one read brings in many of them.
struct HeaderWindow {
    const PackageFile* file;
    std::vector<unsigned char> bytes;
    uint64_t start;
};

// The size bytes at offset, which lie within the file.
const unsigned char* ReadThroughWindow(HeaderWindow* window, uint64_t offset, size_t size)
{
    if (offset < window->start || offset + size > window->start + window->bytes.size()) {
        uint64_t left = window->file->size - offset;
        window->bytes.resize(static_cast<size_t>(std::min<uint64_t>(std::max(size, kHeaderWindow), left)));
        window->start = offset;
        if (!ReadAt(window->file->handle, offset, window->bytes.data(), window->bytes.size())) {
            window->bytes.clear();
            return nullptr;
        }
    }
    return window->bytes.data() + (offset - window->start);
}

ZipReadError CheckLocalHeader(HeaderWindow* window, uint64_t directoryOffset, PackageEntry* entry)
{
    const ZipEntry& central = entry->header;
    uint64_t offset = central.localHeaderOffset, fileSize = window->file->size;
    size_t size = LocalHeaderSize(central);
    if (offset + size > fileSize) return ZipReadPastEnd;
    const unsigned char* bytes = ReadThroughWindow(window, offset, size);
    if (!bytes) return ZipReadUnreadable;
    ZipHeaderFields local;
    if (!ParseLocalHeader(bytes, size, &local) || !SameHeader(central, local)) return ZipReadHeaderMismatch;
    entry->dataOffset = offset + local.size;
    uint64_t dataEnd = entry->dataOffset + central.compressedSize;
    if (dataEnd > fileSize) return ZipReadPastEnd;
    return dataEnd > directoryOffset ? ZipReadOverlap : ZipReadOk;
}

// Entries whose header and data ranges chain into one another form a cluster, in which each
// overlaps another: a crafted package reuses one stream for many names that way.
void FlagOverlaps(std::vector<PackageEntry>* entries)
{
    struct Range {
        uint64_t start, end;
        size_t index;
        bool operator<(const Range& other) const { return start < other.start; }
    };
    std::vector<Range> ranges;
    for (size_t i = 0; i < entries->size(); ++i) {
        const PackageEntry& entry = (*entries)[i];
        if (entry.error == ZipReadOk)
            ranges.push_back({entry.header.localHeaderOffset, entry.dataOffset + entry.header.compressedSize, i});
    }
    std::sort(ranges.begin(), ranges.end());
    size_t first = 0;
    uint64_t reach = 0;
    for (size_t i = 0; i <= ranges.size(); ++i) {
        if (i < ranges.size() && i > first && ranges[i].start < reach) {
            reach = std::max(reach, ranges[i].end);
            continue;
        }
        for (size_t j = first; i - first > 1 && j < i; ++j) (*entries)[ranges[j].index].error = ZipReadOverlap;
        if (i < ranges.size()) {
            first = i;
            reach = ranges[i].end;
        }
    }
}

ZipReadError ReadStructure(const PackageFile& file, std::vector<PackageEntry>* entries)
{
    uint64_t endOffset = 0;
    ZipEndRecord end = {};
    ByteBuffer directory;
    ZipReadError error = FindEndRecord(file, &endOffset, &end);
    if (error == ZipReadOk) error = ReadDirectory(file, endOffset, end, &directory);
    if (error == ZipReadOk) error = ListDirectory(directory, end, entries);
    if (error != ZipReadOk) return error;
    std::vector<PackageEntry*> byOffset;
    for (PackageEntry& entry : *entries) byOffset.push_back(&entry);
    std::sort(byOffset.begin(), byOffset.end(), [](const PackageEntry* a, const PackageEntry* b) {
        return a->header.localHeaderOffset < b->header.localHeaderOffset;
    });
    HeaderWindow window = {&file, {}, 0};
    for (PackageEntry* entry : byOffset) {
        entry->error = NameError(entry);
        if (entry->error == ZipReadOk) entry->error = HeaderError(*entry);
        if (entry->error == ZipReadOk) entry->error = CheckLocalHeader(&window, end.directoryOffset, entry);
    }
    FlagOverlaps(entries);
    return ZipReadOk;
}

// Reads the next piece of compressed data once the stream has used up the last one.
bool FeedInflate(HANDLE file, ByteBuffer* input, uint64_t* offset, uint32_t* left, z_stream* stream)
{
    if (stream->avail_in > 0 || *left == 0) return true;
    size_t piece = std::min<size_t>(*left, input->size);
    if (!ReadAt(file, *offset, input->data.get(), piece)) return false;
    stream->next_in = input->data.get();
    stream->avail_in = static_cast<uInt>(piece);
    *offset += piece;
    *left -= static_cast<uint32_t>(piece);
    return true;
}

// Inflates straight into out, which holds the size the header gives. Past that, one spare
// byte shows the header understated the size: a deflate bomb stops there.
ZipReadError InflateEntry(HANDLE file, const PackageEntry& entry, unsigned char* out)
{
    uint32_t left = entry.header.compressedSize;
    uint64_t offset = entry.dataOffset;
    ByteBuffer input;
    z_stream stream = z_stream();
    if (!AllocateBuffer(std::min<size_t>(left, kReadChunk), &input) || inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return ZipReadOutOfMemory;
    stream.next_out = out;
    stream.avail_out = entry.header.size;
    unsigned char spare = 0;
    ZipReadError error = ZipReadOk;
    for (int status = Z_OK; error == ZipReadOk && status != Z_STREAM_END;) {
        if (stream.avail_out == 0) {
            stream.next_out = &spare;
            stream.avail_out = 1;
        }
        if (!FeedInflate(file, &input, &offset, &left, &stream)) error = ZipReadUnreadable;
        if (error != ZipReadOk) break;
        status = inflate(&stream, Z_NO_FLUSH);
        if (stream.total_out > entry.header.size)
            error = ZipReadSizeMismatch;
        else if (status == Z_MEM_ERROR)
            error = ZipReadOutOfMemory;
        else if (status == Z_DATA_ERROR || status == Z_NEED_DICT || (status == Z_BUF_ERROR && left == 0))
            error = ZipReadBadData;
    }
    if (error == ZipReadOk && stream.total_out != entry.header.size) error = ZipReadSizeMismatch;
    inflateEnd(&stream);
    return error;
}

ZipReadError ReadEntryData(HANDLE file, const PackageEntry& entry, ByteBuffer* data)
{
    if (!AllocateBuffer(entry.header.size, data)) return ZipReadOutOfMemory;
    ZipReadError error = ZipReadOk;
    if (entry.header.method == ZipDeflated)
        error = InflateEntry(file, entry, data->data.get());
    else if (!ReadAt(file, entry.dataOffset, data->data.get(), data->size))
        error = ZipReadUnreadable;
    if (error == ZipReadOk && UpdateCrc32(0, data->data.get(), data->size) != entry.header.crc)
        error = ZipReadBadCrc;
    return error;
}

// Names by length, then as CompareStringOrdinal orders them with case ignored; equal names in
// package order.
int CompareNames(const std::wstring& a, const std::wstring& b)
{
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    const int length = static_cast<int>(std::min<size_t>(a.size(), INT_MAX));
    return CompareStringOrdinal(a.data(), length, b.data(), length, TRUE) - CSTR_EQUAL;
}

void IndexNames(Package* package)
{
    package->byName.clear();
    for (uint32_t index = 0; index < package->entries.size(); ++index)
        if (!package->entries[index].folder) package->byName.push_back(index);
    const std::vector<PackageEntry>& entries = package->entries;
    std::stable_sort(package->byName.begin(), package->byName.end(), [&](uint32_t a, uint32_t b) {
        return CompareNames(entries[a].name, entries[b].name) < 0;
    });
}

}  // namespace

const wchar_t* ZipReadErrorText(ZipReadError error, bool japanese)
{
    const Message& message = kMessages[error >= 0 && error < ZipReadErrorCount ? error : ZipReadUnreadable];
    return japanese ? message.japanese : message.english;
}

ZipReadError OpenPackage(const std::wstring& path, Package* package)
{
    package->path = path;
    package->fileSize = 0;
    package->lastWrite = FILETIME();
    std::vector<PackageEntry>().swap(package->entries);
    std::vector<uint32_t>().swap(package->byName);
    PackageFile file;
    if (!OpenPackageFile(path, &file)) return ZipReadUnreadable;
    package->fileSize = file.size;
    package->lastWrite = file.lastWrite;
    ZipReadError error = ZipReadOk;
    try {
        error = ReadStructure(file, &package->entries);
        if (error == ZipReadOk) IndexNames(package);
    } catch (const std::bad_alloc&) {
        error = ZipReadOutOfMemory;
    }
    CloseHandle(file.handle);
    if (error != ZipReadOk) {
        std::vector<PackageEntry>().swap(package->entries);
        std::vector<uint32_t>().swap(package->byName);
    }
    return error;
}

const PackageEntry* FindPackageEntry(const Package& package, const std::wstring& name)
{
    std::wstring wanted = name;
    std::replace(wanted.begin(), wanted.end(), L'\\', L'/');
    const std::vector<PackageEntry>& entries = package.entries;
    auto found = std::lower_bound(package.byName.begin(), package.byName.end(), wanted,
                                  [&](uint32_t index, const std::wstring& sought) {
                                      return CompareNames(entries[index].name, sought) < 0;
                                  });
    if (found == package.byName.end() || CompareNames(entries[*found].name, wanted) != 0) return nullptr;
    return &entries[*found];
}

ZipReadError ReadPackageEntry(const Package& package, const PackageEntry& entry, ByteBuffer* data)
{
    return PackageReader(package).Read(entry, data);
}

PackageReader::~PackageReader()
{
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
}

ZipReadError PackageReader::Read(const PackageEntry& entry, ByteBuffer* data)
{
    data->data.reset();
    data->size = 0;
    if (entry.error != ZipReadOk) return entry.error;
    if (entry.folder) return ZipReadFolder;
    if (!tried_) {
        tried_ = true;
        PackageFile file;
        opened_ = ZipReadUnreadable;
        if (OpenPackageFile(package_.path, &file)) {
            file_ = file.handle;
            const bool same = file.size == package_.fileSize && CompareFileTime(&file.lastWrite, &package_.lastWrite) == 0;
            opened_ = same ? ZipReadOk : ZipReadChanged;
        }
    }
    const ZipReadError error = opened_ != ZipReadOk ? opened_ : ReadEntryData(file_, entry, data);
    if (error != ZipReadOk) {
        data->data.reset();
        data->size = 0;
    }
    return error;
}
