// Tests of Zipwright's plain rules: entry names, DOS times, deflate or stored, paths.
#include "zip_deflate.h"
#include "zip_format.h"
#include "zip_paths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

TEST(PackagerTest, EntryNamesUseSlashesAndFlagUtf8WhenNotAscii)
{
    struct Case { const wchar_t* relative; const char* name; bool utf8; };
    for (const Case& c : std::vector<Case>{
             {L"Blue.wms", "Blue.wms", false},
             {L"images\\back bar.bmp", "images/back bar.bmp", false},
             {L"画像\\ボタン.png", "\xE7\x94\xBB\xE5\x83\x8F/\xE3\x83\x9C\xE3\x82\xBF\xE3\x83\xB3.png", true},
             {L"caf\u00E9.js", "caf\xC3\xA9.js", true}}) {
        std::string name;
        bool utf8 = false;
        ASSERT_TRUE(EntryNameFromRelativePath(c.relative, &name, &utf8)) << c.name;
        EXPECT_EQ(c.name, name);
        EXPECT_EQ(c.utf8, utf8) << c.name;
    }
    std::string name;
    bool utf8 = false;
    EXPECT_FALSE(EntryNameFromRelativePath(std::wstring(L"bad\xD800.bmp"), &name, &utf8));
}

TEST(PackagerTest, DosTimesHalveSecondsAndClampTo1980Through2107)
{
    struct Case { WORD year, month, day, hour, minute, second; uint16_t time, date; };
    for (const Case& c : std::vector<Case>{
             {2009, 2, 8, 12, 34, 57, (12 << 11) | (34 << 5) | 28, (29 << 9) | (2 << 5) | 8},
             {1980, 1, 1, 0, 0, 1, 0, (1 << 5) | 1},
             {1979, 12, 31, 23, 59, 59, 0, (1 << 5) | 1},
             {1601, 1, 1, 0, 0, 0, 0, (1 << 5) | 1},
             {2107, 12, 31, 23, 59, 59, (23 << 11) | (59 << 5) | 29, (127 << 9) | (12 << 5) | 31},
             {2200, 6, 1, 8, 0, 0, (23 << 11) | (59 << 5) | 29, (127 << 9) | (12 << 5) | 31}}) {
        SYSTEMTIME local = {};
        local.wYear = c.year, local.wMonth = c.month, local.wDay = c.day;
        local.wHour = c.hour, local.wMinute = c.minute, local.wSecond = c.second;
        DosDateTime dos = DosDateTimeFromLocalTime(local);
        EXPECT_EQ(c.time, dos.time) << c.year;
        EXPECT_EQ(c.date, dos.date) << c.year;
    }
}

TEST(PackagerTest, DeflateIsKeptOnlyWhenItMakesTheFileSmaller)
{
    std::string text;
    for (int i = 0; i < 2000; ++i) text += "<button id=\"b" + std::to_string(i % 7) + "\"/>\r\n";
    std::vector<unsigned char> noise(100000);
    std::mt19937 random(7);
    for (unsigned char& value : noise) value = static_cast<unsigned char>(random());
    struct Case { std::vector<unsigned char> data; bool deflated; };
    for (const Case& c : std::vector<Case>{{{text.begin(), text.end()}, true}, {noise, false}, {{}, false},
                                           {{'x'}, false}}) {
        std::vector<unsigned char> out(c.data.size() + 1);
        size_t compressed = 0;
        ASSERT_EQ(c.deflated, DeflateIfSmaller(c.data.data(), c.data.size(), out.data(), &compressed));
        if (!c.deflated) continue;
        ASSERT_LT(compressed, c.data.size());
        // Raw inflate gives the bytes back.
        std::vector<unsigned char> back(c.data.size());
        z_stream stream = {};
        ASSERT_EQ(Z_OK, inflateInit2(&stream, -MAX_WBITS));
        stream.next_in = out.data(), stream.avail_in = static_cast<uInt>(compressed);
        stream.next_out = back.data(), stream.avail_out = static_cast<uInt>(back.size());
        EXPECT_EQ(Z_STREAM_END, inflate(&stream, Z_FINISH));
        inflateEnd(&stream);
        EXPECT_EQ(c.data, back);
    }
}

TEST(PackagerTest, ArgumentsFollowTheWindowsBackslashAndQuoteRules)
{
    struct Case { const wchar_t* line; std::vector<std::wstring> arguments; };
    for (const Case& c : std::vector<Case>{
             {L"C:\\Q\\Zipwright.exe \"C:\\skins\\blue\\\\\" \"C:\\out.wmz\"", {L"C:\\skins\\blue\\", L"C:\\out.wmz"}},
             {L"Zipwright.exe \"C:\\a\\\" b\" C:\\x\\\\y\\", {L"C:\\a\" b", L"C:\\x\\\\y\\"}},
             {L"Zipwright.exe a\\\\\\\"b \"c\"\"d\"", {L"a\\\"b", L"c\"d"}},
             {L"\"C:\\Program Files\\Q\\Zipwright.exe\" \"C:\\my skins\\a\" C:\\b.wmz", {L"C:\\my skins\\a", L"C:\\b.wmz"}},
             {L"Zipwright.exe  \"\"  x", {L"", L"x"}},
             {L"Zipwright.exe", {}}})
        EXPECT_EQ(c.arguments, SplitArguments(c.line)) << c.line;
}

TEST(PackagerTest, PathRules)
{
    EXPECT_EQ(L"\\\\?\\C:\\skins", ExtendedLengthPath(L"C:\\skins"));
    EXPECT_EQ(L"\\\\?\\UNC\\server\\share\\x", ExtendedLengthPath(L"\\\\server\\share\\x"));
    EXPECT_EQ(L"\\\\?\\C:\\x", ExtendedLengthPath(L"\\\\?\\C:\\x"));

    const std::wstring output = L"\\\\?\\C:\\skins\\Blue.wmz";
    EXPECT_TRUE(IsOwnOutput(L"\\\\?\\C:\\SKINS\\blue.WMZ", output));
    EXPECT_TRUE(IsOwnOutput(L"\\\\?\\C:\\skins\\Blue.wmz.~zw12_0.tmp", output));
    EXPECT_FALSE(IsOwnOutput(L"\\\\?\\C:\\skins\\Blue.wmz.bak", output));
    EXPECT_FALSE(IsOwnOutput(L"\\\\?\\C:\\skins\\sub\\Blue.wmz", output));

    for (const char* name : {"blue.wms", "BLUE.WMS", ".wms"}) EXPECT_TRUE(IsSkinDefinitionName(name)) << name;
    for (const char* name : {"sub/blue.wms", "blue.wmsx", "blue.wm", "wms"})
        EXPECT_FALSE(IsSkinDefinitionName(name)) << name;

    std::vector<std::wstring> names = {L"b.bmp", L"a.bmp", L"A.bmp", L"_x.js", L"B.wms"};
    std::sort(names.begin(), names.end(), PackageOrderLess);
    EXPECT_EQ((std::vector<std::wstring>{L"A.bmp", L"a.bmp", L"b.bmp", L"B.wms", L"_x.js"}), names);
}
