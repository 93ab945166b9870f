// Tests of the package reader: packages of Zipwright, Info-ZIP and Python read back, hostile
// ones refused with their reasons while the good entries beside them still read.
#include "zip_archive.h"
#include "zip_paths.h"
#include "zip_pipeline.h"
#include "zip_reader.h"
#include "zip_scan.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

std::wstring ScratchPath(const wchar_t* name)
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + name;
}

void Write(const std::wstring& path, const std::string& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::string Utf8(const std::wstring& text)
{
    std::string bytes(text.size() * 3, '\0');
    bytes.resize(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &bytes[0],
                                     static_cast<int>(bytes.size()), nullptr, nullptr));
    return bytes;
}

// What the fixture generator puts in each file: its name and a line feed, count times.
std::string Body(const std::wstring& name, int count)
{
    std::string body;
    for (int i = 0; i < count; ++i) body += Utf8(name) + "\n";
    return body;
}

// Raw deflate of chunk repeated count times.
std::string Deflate(const std::string& chunk, int count)
{
    z_stream stream;
    EXPECT_TRUE(BeginDeflateStream(&stream));
    std::string packed, out(1 << 16, '\0');
    for (int i = 0; i < count; ++i) {
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(chunk.data()));
        stream.avail_in = static_cast<uInt>(chunk.size());
        do {
            stream.next_out = reinterpret_cast<Bytef*>(&out[0]);
            stream.avail_out = static_cast<uInt>(out.size());
            deflate(&stream, i + 1 == count ? Z_FINISH : Z_NO_FLUSH);
            packed.append(out, 0, out.size() - stream.avail_out);
        } while (stream.avail_out == 0);
    }
    EndDeflateStream(&stream);
    return packed;
}

// A package laid out as the writer lays it out, with whatever lies a case puts in.
struct Crafted {
    std::vector<unsigned char> bytes;
    std::vector<ZipEntry> central;

    // Appends the entry's local header and payload as they are.
    void Put(ZipEntry entry, const std::string& payload)
    {
        entry.localHeaderOffset = static_cast<uint32_t>(bytes.size());
        AppendLocalHeader(entry, &bytes);
        bytes.insert(bytes.end(), payload.begin(), payload.end());
        central.push_back(entry);
    }
    // A true entry holding data; lie changes both of its headers.
    void Add(const std::string& name, const std::string& data, bool deflated = false,
             const std::function<void(ZipEntry*)>& lie = nullptr)
    {
        ZipEntry entry = {};
        entry.name = name;
        entry.method = deflated ? ZipDeflated : ZipStored;
        entry.crc = UpdateCrc32(0, reinterpret_cast<const unsigned char*>(data.data()), data.size());
        entry.size = static_cast<uint32_t>(data.size());
        std::string payload = deflated ? Deflate(data, 1) : data;
        entry.compressedSize = static_cast<uint32_t>(payload.size());
        if (lie) lie(&entry);
        Put(entry, payload);
    }
    std::string Finish() const
    {
        std::vector<unsigned char> all = bytes, directory;
        for (const ZipEntry& entry : central) AppendCentralRecord(entry, &directory);
        all.insert(all.end(), directory.begin(), directory.end());
        AppendEndRecord(central.size(), static_cast<uint32_t>(directory.size()), static_cast<uint32_t>(bytes.size()),
                        &all);
        return std::string(all.begin(), all.end());
    }
};

struct Expected {
    std::wstring name;
    std::string bytes;
    ZipReadError error;  // from reading; the listing gives it too or finds nothing yet
};

void ExpectEntries(const Package& package, const std::vector<Expected>& expected)
{
    ASSERT_EQ(expected.size(), package.entries.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const PackageEntry& entry = package.entries[i];
        SCOPED_TRACE(Utf8(expected[i].name));
        EXPECT_EQ(expected[i].name, entry.name);
        EXPECT_TRUE(entry.error == ZipReadOk || entry.error == expected[i].error) << entry.error;
        ByteBuffer data;
        EXPECT_EQ(expected[i].error, ReadPackageEntry(package, entry, &data));
        std::string read(reinterpret_cast<char*>(data.data.get()), data.size);
        EXPECT_EQ(expected[i].error == ZipReadOk ? expected[i].bytes : "", read);
    }
}

std::string Good(const std::string& name) { return name + " body\n"; }

Expected GoodEntry(const wchar_t* name) { return {name, Good(Utf8(name)), ZipReadOk}; }

}  // namespace

TEST(ZipReader, ZipwrightPackagesReadBackByAnyCaseAndSlash)
{
    std::wstring folder = ScratchPath(L"qlm-reader-skin");
    struct File { const wchar_t* relative; const wchar_t* lookup; const wchar_t* name; std::string bytes; };
    const std::vector<File> files = {
        {L"Blue.wms", L"BLUE.WMS", L"Blue.wms", Body(L"<VIEW/>", 500)},
        {L"zero.txt", L"Zero.txt", L"zero.txt", ""},
        {L"images\\back.bmp", L"Images\\Back.BMP", L"images/back.bmp", Body(L"BM", 3000)},
        {L"ボタン\\押す.png", L"ボタン/押す.PNG", L"ボタン/押す.png", "x"}};  // stored: deflate gains nothing
    CreateDirectoryW(folder.c_str(), nullptr);
    CreateDirectoryW((folder + L"\\images").c_str(), nullptr);
    CreateDirectoryW((folder + L"\\ボタン").c_str(), nullptr);
    for (const File& file : files) Write(folder + L"\\" + file.relative, file.bytes);

    std::wstring root, output, failed;
    ASSERT_TRUE(ResolvePath(folder.c_str(), &root));
    ASSERT_TRUE(ResolveOutputPath((folder + L".wmz").c_str(), &output));
    std::vector<SourceFile> sources;
    Archive archive;
    ASSERT_EQ(PackWritten, ListSkinFolder(root, output, &sources, &failed));
    ASSERT_EQ(PackWritten, OpenArchive(output, &archive));
    ASSERT_EQ(PackWritten, PackFiles(&archive, sources, &failed));
    ASSERT_EQ(PackWritten, FinishArchive(&archive));

    Package package;
    ASSERT_EQ(ZipReadOk, OpenPackage(folder + L".wmz", &package));
    EXPECT_EQ(archive.end, package.fileSize);
    ASSERT_EQ(files.size(), package.entries.size());
    EXPECT_EQ(ZipStored, FindPackageEntry(package, L"ボタン\\押す.png")->header.method);
    for (const File& file : files) {
        const PackageEntry* entry = FindPackageEntry(package, file.lookup);
        ASSERT_TRUE(entry) << Utf8(file.lookup);
        EXPECT_EQ(file.name, entry->name);
        ByteBuffer data;
        ASSERT_EQ(ZipReadOk, ReadPackageEntry(package, *entry, &data));
        EXPECT_EQ(file.bytes, std::string(reinterpret_cast<char*>(data.data.get()), data.size));
    }
    EXPECT_EQ(sources[0].entry.modified.time, package.entries[0].header.modified.time);
    EXPECT_EQ(sources[0].entry.modified.date, package.entries[0].header.modified.date);
    EXPECT_FALSE(FindPackageEntry(package, L"images"));
    EXPECT_FALSE(FindPackageEntry(package, L"back.bmp"));

    // Another package at the same path is not read through the old listing.
    Write(folder + L".wmz", "PK");
    ByteBuffer data;
    EXPECT_EQ(ZipReadChanged, ReadPackageEntry(package, package.entries[0], &data));
}

TEST(ZipReader, PackagesOfInfoZipAndPythonReadBack)
{
    const std::wstring packages = std::wstring(_wgetenv(L"QLM_TEST_DATA")) + L"\\packages\\";
    struct Row { const wchar_t* name; int count; ZipReadError error; };
    struct Case { const wchar_t* file; std::vector<Row> rows; };
    for (const Case& c : std::vector<Case>{
             {L"infozip.zip",
              {{L"Blue.wms", 40, ZipReadOk}, {L"images/", 0, ZipReadFolder}, {L"images/Back.bmp", 3, ZipReadOk},
               {L"Café.js", 20, ZipReadOk}}},
             // The last name is in code page 932 without the UTF-8 flag.
             {L"python.zip",
              {{L"skin.wms", 50, ZipReadOk}, {L"stored.txt", 2, ZipReadOk}, {L"ボタン/画像.bmp", 30, ZipReadOk},
               {L"日本語.js", 10, ZipReadOk}}},
             {L"methods.zip",
              {{L"good.txt", 5, ZipReadOk}, {L"bzip2.txt", 40, ZipReadUnsupportedMethod},
               {L"secret.txt", 40, ZipReadEncrypted}}}}) {
        SCOPED_TRACE(Utf8(c.file));
        Package package;
        ASSERT_EQ(ZipReadOk, OpenPackage(packages + c.file, &package));
        std::vector<Expected> expected;
        for (const Row& row : c.rows) expected.push_back({row.name, Body(row.name, row.count), row.error});
        ExpectEntries(package, expected);
    }
    Package package;
    ASSERT_EQ(ZipReadOk, OpenPackage(packages + L"python.zip", &package));
    EXPECT_EQ((12 << 11) | (34 << 5) | 28, package.entries[0].header.modified.time);
    EXPECT_EQ((29 << 9) | (2 << 5) | 8, package.entries[0].header.modified.date);
    EXPECT_EQ(ZipStored, package.entries[1].header.method);
    EXPECT_EQ(ZipDeflated, package.entries[2].header.method);
}

TEST(ZipReader, HostilePackagesAreRefusedWithTheirReasons)
{
    const std::string text = Body(L"<BUTTON id=\"play\"/>", 200);
    const std::string bomb = Deflate(std::string(1 << 20, '\0'), 100);  // 100 MB of zeros
    auto bombEntry = [&](uint32_t size) {
        ZipEntry entry = {};
        entry.name = "bomb.bmp", entry.method = ZipDeflated, entry.size = size;
        entry.compressedSize = static_cast<uint32_t>(bomb.size());
        return entry;
    };
    auto withGood = [](std::function<void(Crafted*)> bad) {
        return [bad] {
            Crafted c;
            c.Add("good.txt", Good("good.txt"));
            bad(&c);
            c.Add("last.txt", Good("last.txt"), true);
            return c.Finish();
        };
    };
    auto good = [] {
        Crafted c;
        c.Add("good.txt", Good("good.txt"));
        return c;
    };
    const Expected first = GoodEntry(L"good.txt"), last = GoodEntry(L"last.txt");
    struct Case { const char* what; std::function<std::string()> make; ZipReadError open; std::vector<Expected> rows; };
    const std::vector<Case> cases = {
        {"unsafe names", withGood([](Crafted* c) {
             for (const char* name : {"../up.txt", "a/.. /up.txt", "C:/drive.txt", "c:drive.txt", "/root.txt",
                                      "\\root.txt", "images\\ok.bmp", "images/...x/ok.txt"})
                 c->Add(name, Good(name));
         }),
         ZipReadOk,
         {first, {L"../up.txt", "", ZipReadParentName}, {L"a/.. /up.txt", "", ZipReadParentName},
          {L"C:/drive.txt", "", ZipReadDriveName}, {L"c:drive.txt", "", ZipReadDriveName},
          {L"/root.txt", "", ZipReadRootName}, {L"/root.txt", "", ZipReadRootName},
          {L"images/ok.bmp", Good("images\\ok.bmp"), ZipReadOk},
          {L"images/...x/ok.txt", Good("images/...x/ok.txt"), ZipReadOk}, last}},
        {"one stream quoted inside another", withGood([](Crafted* c) {
             Crafted inner;
             inner.bytes.resize(c->bytes.size() + kZipLocalHeaderSize + 5);  // where a.txt's data starts
             inner.Add("b.txt", Good("b.txt"));
             c->Add("a.txt", std::string(inner.bytes.begin() + c->bytes.size() + kZipLocalHeaderSize + 5,
                                         inner.bytes.end()));
             c->central.push_back(inner.central[0]);
         }),
         ZipReadOk, {first, {L"a.txt", "", ZipReadOverlap}, {L"b.txt", "", ZipReadOverlap}, last}},
        {"one stream under two names", withGood([](Crafted* c) { c->central.push_back(c->central[0]); }),
         ZipReadOk, {{L"good.txt", "", ZipReadOverlap}, {L"good.txt", "", ZipReadOverlap}, last}},
        {"a size that runs into the central directory", [&] {
             Crafted c = good();
             c.Add("into-directory.txt", text, false, [](ZipEntry* e) { e->size += 30, e->compressedSize += 30; });
             return c.Finish();
         },
         ZipReadOk, {first, {L"into-directory.txt", "", ZipReadOverlap}}},
        {"sizes that lie", withGood([&](Crafted* c) {
             c->Add("stored-mismatch.txt", text, false, [](ZipEntry* e) { e->size += 1; });
             c->Add("short.txt", text, true, [](ZipEntry* e) { e->size -= 1; });
             c->Add("long.txt", text, true, [](ZipEntry* e) { e->size += 1; });
             c->Put(bombEntry(100u << 20), bomb);
             c->Put(bombEntry(4096), bomb);
         }),
         ZipReadOk,
         {first, {L"stored-mismatch.txt", "", ZipReadSizeMismatch},
          {L"short.txt", "", ZipReadSizeMismatch}, {L"long.txt", "", ZipReadSizeMismatch},
          {L"bomb.bmp", "", ZipReadEntryTooLarge}, {L"bomb.bmp", "", ZipReadSizeMismatch}, last}},
        {"central and local headers disagree", withGood([&](Crafted* c) {
             c->Add("local.txt", text);
             c->central.back().name = "central.txt";
             c->Add("size.txt", text, true);
             c->central.back().size += 1;
             c->Add("far.txt", text);
             c->central.back().localHeaderOffset = 0x7FFFFFF0;
             c->Add("cut.txt", text, false, [](ZipEntry* e) { e->size = e->compressedSize = 1 << 20; });
         }),
         ZipReadOk,
         {first, {L"central.txt", "", ZipReadHeaderMismatch}, {L"size.txt", "", ZipReadHeaderMismatch},
          {L"far.txt", "", ZipReadPastEnd}, {L"cut.txt", "", ZipReadPastEnd}, last}},
        {"damaged data", withGood([&](Crafted* c) {
             c->Add("crc.txt", text, false, [](ZipEntry* e) { e->crc ^= 1; });
             c->Add("crc-deflated.txt", text, true, [](ZipEntry* e) { e->crc ^= 1; });
             ZipEntry invalid = {};
             invalid.name = "invalid.txt", invalid.method = ZipDeflated, invalid.size = 10, invalid.compressedSize = 3;
             c->Put(invalid, "\xFF\xFF\xFF");
             invalid.name = "ends-early.txt", invalid.size = static_cast<uint32_t>(text.size());
             std::string half = Deflate(text, 1).substr(0, 8);
             invalid.compressedSize = static_cast<uint32_t>(half.size());
             c->Put(invalid, half);
         }),
         ZipReadOk,
         {first, {L"crc.txt", "", ZipReadBadCrc}, {L"crc-deflated.txt", "", ZipReadBadCrc},
          {L"invalid.txt", "", ZipReadBadData}, {L"ends-early.txt", "", ZipReadBadData}, last}},
        {"an end record quoted in the comment", [&] {
             std::string bytes = good().Finish(), quoted = bytes.substr(bytes.size() - kZipEndRecordSize);
             bytes[bytes.size() - 2] = static_cast<char>(kZipEndRecordSize);  // comment length
             return bytes + quoted.replace(16, 4, "\xFF\x00\x00\x00", 4);
         },
         ZipReadOk, {first}},
        {"not a ZIP", [] { return std::string("<THEME/>\r\n"); }, ZipReadNotZip, {}},
        {"empty file", [] { return std::string(); }, ZipReadNotZip, {}},
        {"truncated", [&] { return good().Finish().substr(0, 40); }, ZipReadTruncated, {}},
        {"ZIP64", [&] {
             std::string bytes = good().Finish();
             return bytes.insert(bytes.size() - kZipEndRecordSize, std::string("PK\x06\x07", 4) + std::string(16, '\0'));
         },
         ZipReadZip64, {}},
        {"split", [&] {
             std::string bytes = good().Finish();
             bytes[bytes.size() - kZipEndRecordSize + 4] = 1;  // this disk's number
             return bytes;
         },
         ZipReadSpanned, {}},
        {"directory offset wrong", [&] {
             std::string bytes = good().Finish();
             bytes[bytes.size() - kZipEndRecordSize + 16] += 1;
             return bytes;
         },
         ZipReadBadDirectory, {}},
        {"over 65,535 entries", [] {
             Crafted c;
             for (int i = 0; i <= 0xFFFF; ++i) c.Add(std::to_string(i), "");
             return c.Finish();
         },
         ZipReadTooManyEntries, {}},
        {"over 256 MB in all", [&] {
             Crafted c;
             for (int i = 0; i < 5; ++i) c.Put(bombEntry(60u << 20), bomb);
             return c.Finish();
         },
         ZipReadTooLarge, {}},
    };
    const std::wstring path = ScratchPath(L"qlm-reader-hostile.wmz");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Write(path, c.make());
        Package package;
        ASSERT_EQ(c.open, OpenPackage(path, &package));
        ExpectEntries(package, c.rows);
    }
    Package package;
    EXPECT_EQ(ZipReadUnreadable, OpenPackage(ScratchPath(L"qlm-reader-missing.wmz"), &package));
}

TEST(ZipReader, EveryReasonHasItsOwnTextInBothLanguages)
{
    std::set<std::wstring> texts;
    for (int error = ZipReadOk; error < ZipReadErrorCount; ++error)
        for (bool japanese : {true, false}) texts.insert(ZipReadErrorText(static_cast<ZipReadError>(error), japanese));
    EXPECT_EQ(2u * ZipReadErrorCount, texts.size());
}
