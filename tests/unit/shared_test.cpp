// Tests of the shared pieces: bounded registry reads, version strings, the language.
#include "language.h"
#include "registry_value.h"
#include "version_info.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cwchar>
#include <string>
#include <vector>

namespace {

const wchar_t kScratchKey[] = L"Software\\QuillmereTests\\SharedRegistry";

class RegistryValueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, kScratchKey);
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, kScratchKey, 0, nullptr, 0,
                                                 KEY_ALL_ACCESS, nullptr, &key_, nullptr));
    }
    void TearDown() override
    {
        if (key_) RegCloseKey(key_);
        RegDeleteTreeW(HKEY_CURRENT_USER, kScratchKey);
    }
    void SetRaw(const wchar_t* name, DWORD type, const void* data, DWORD bytes)
    {
        ASSERT_EQ(ERROR_SUCCESS,
                  RegSetValueExW(key_, name, 0, type, static_cast<const BYTE*>(data), bytes));
    }
    HKEY key_ = nullptr;
};

// A buffer with a guard pattern behind it, to see writes past its end.
struct GuardedBuffer {
    static constexpr size_t kGuard = 16;
    static constexpr wchar_t kPattern = 0xBEEF;
    explicit GuardedBuffer(size_t size) : capacity(size), storage(size + kGuard, L'#')
    {
        for (size_t i = capacity; i < storage.size(); ++i) storage[i] = kPattern;
    }
    wchar_t* data() { return storage.data(); }
    bool GuardIntact() const
    {
        for (size_t i = capacity; i < storage.size(); ++i)
            if (storage[i] != kPattern) return false;
        return true;
    }
    size_t capacity;
    std::vector<wchar_t> storage;
};

// Cut to the buffer, a path would name another file: it is refused as a wrong type is.
TEST_F(RegistryValueTest, LongStringIsRefusedNotCut)
{
    std::wstring longText(300, L'x');
    for (size_t i = 0; i < longText.size(); ++i) longText[i] = static_cast<wchar_t>(L'a' + i % 26);
    ASSERT_TRUE(WriteRegistryString(key_, L"Long", longText.c_str()));

    GuardedBuffer buffer(260);
    EXPECT_EQ(RegistryStringTooLong, QueryRegistryString(key_, L"Long", buffer.data(), buffer.capacity));
    EXPECT_FALSE(ReadRegistryString(key_, L"Long", buffer.data(), buffer.capacity));
    EXPECT_EQ(L'#', buffer.data()[0]) << "the buffer is untouched";
    EXPECT_TRUE(buffer.GuardIntact());
    wchar_t fallback[8];
    ReadRegistryStringOr(key_, L"Long", fallback, _countof(fallback), L"default");
    EXPECT_STREQ(L"default", fallback);
    EXPECT_EQ(RegistryStringMissing, QueryRegistryString(key_, L"Missing", fallback, _countof(fallback)));
}

TEST_F(RegistryValueTest, StringThatFitsIsReadWhole)
{
    ASSERT_TRUE(WriteRegistryString(key_, L"Name", L"QLMテンプレート"));
    wchar_t buffer[64];
    ASSERT_TRUE(ReadRegistryString(key_, L"Name", buffer, _countof(buffer)));
    EXPECT_STREQ(L"QLMテンプレート", buffer);

    // Exactly capacity - 1 characters: nothing lost.
    std::wstring exact(63, L'q');
    ASSERT_TRUE(WriteRegistryString(key_, L"Exact", exact.c_str()));
    GuardedBuffer guarded(64);
    ASSERT_TRUE(ReadRegistryString(key_, L"Exact", guarded.data(), guarded.capacity));
    EXPECT_EQ(exact, std::wstring(guarded.data()));
    EXPECT_TRUE(guarded.GuardIntact());
}

TEST_F(RegistryValueTest, ValueWithoutTerminatorOrWithOddSizeIsTerminated)
{
    const wchar_t unterminated[] = {L'a', L'b', L'c'};
    SetRaw(L"NoNul", REG_SZ, unterminated, sizeof(unterminated));
    GuardedBuffer buffer(8);
    ASSERT_TRUE(ReadRegistryString(key_, L"NoNul", buffer.data(), buffer.capacity));
    EXPECT_STREQ(L"abc", buffer.data());
    EXPECT_TRUE(buffer.GuardIntact());

    // Seven bytes: three whole characters and half of a fourth, which is dropped.
    const wchar_t odd[] = {L'x', L'y', L'z', L'w'};
    SetRaw(L"Odd", REG_SZ, odd, 7);
    GuardedBuffer oddBuffer(8);
    ASSERT_TRUE(ReadRegistryString(key_, L"Odd", oddBuffer.data(), oddBuffer.capacity));
    EXPECT_STREQ(L"xyz", oddBuffer.data());
    EXPECT_TRUE(oddBuffer.GuardIntact());

    // Unterminated and longer than the buffer at once: refused; exactly filling it: read.
    const wchar_t full[] = {L'1', L'2', L'3', L'4', L'5', L'6'};
    SetRaw(L"Full", REG_SZ, full, sizeof(full));
    GuardedBuffer small(4);
    EXPECT_FALSE(ReadRegistryString(key_, L"Full", small.data(), small.capacity));
    EXPECT_TRUE(small.GuardIntact());
    SetRaw(L"Fits", REG_SZ, full, 3 * sizeof(wchar_t));
    ASSERT_TRUE(ReadRegistryString(key_, L"Fits", small.data(), small.capacity));
    EXPECT_STREQ(L"123", small.data());
    EXPECT_TRUE(small.GuardIntact());
}

TEST_F(RegistryValueTest, WrongTypesAreUnreadable)
{
    ASSERT_TRUE(WriteRegistryDword(key_, L"Number", 0x00410041));
    wchar_t buffer[16] = L"untouched";
    EXPECT_FALSE(ReadRegistryString(key_, L"Number", buffer, _countof(buffer)));
    EXPECT_STREQ(L"untouched", buffer);

    const BYTE blob[] = {'h', 0, 'i', 0, 0, 0};
    SetRaw(L"Blob", REG_BINARY, blob, sizeof(blob));
    EXPECT_FALSE(ReadRegistryString(key_, L"Blob", buffer, _countof(buffer)));
    EXPECT_STREQ(L"untouched", buffer);

    ASSERT_TRUE(WriteRegistryString(key_, L"Text", L"1"));
    DWORD value = 77;
    EXPECT_FALSE(ReadRegistryDword(key_, L"Text", &value));
    EXPECT_EQ(77u, value);

    // A REG_DWORD of the wrong size is no DWORD either.
    const BYTE twoBytes[] = {1, 0};
    SetRaw(L"Short", REG_DWORD, twoBytes, sizeof(twoBytes));
    EXPECT_FALSE(ReadRegistryDword(key_, L"Short", &value));
    EXPECT_EQ(77u, value);
}

TEST_F(RegistryValueTest, MissingValuesLeaveTheOutputsUntouched)
{
    wchar_t buffer[16] = L"untouched";
    EXPECT_FALSE(ReadRegistryString(key_, L"Missing", buffer, _countof(buffer)));
    EXPECT_STREQ(L"untouched", buffer);
    DWORD value = 5;
    EXPECT_FALSE(ReadRegistryDword(key_, L"Missing", &value));
    EXPECT_EQ(5u, value);
}

TEST_F(RegistryValueTest, DwordRoundTrip)
{
    ASSERT_TRUE(WriteRegistryDword(key_, L"Flag", 0xFFFFFFFFu));
    DWORD value = 0;
    ASSERT_TRUE(ReadRegistryDword(key_, L"Flag", &value));
    EXPECT_EQ(0xFFFFFFFFu, value);
}

// The programs of the build lie beside unit_tests.exe.
std::wstring ProgramBesideTests(const wchar_t* exeName)
{
    wchar_t own[MAX_PATH] = L"";
    DWORD length = GetModuleFileNameW(nullptr, own, _countof(own));
    std::wstring path(own, length < _countof(own) ? length : 0);
    size_t slash = path.find_last_of(L"\\/");
    return path.substr(0, slash == std::wstring::npos ? 0 : slash + 1) + exeName;
}

struct VersionCase {
    const wchar_t* table;
    const wchar_t* name;
    const wchar_t* expected;
};

void ExpectVersionStrings(const wchar_t* exeName, const std::vector<VersionCase>& cases)
{
    std::wstring path = ProgramBesideTests(exeName);
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(path.c_str())) << "not built: " << exeName;
    for (const VersionCase& c : cases) {
        std::wstring text = L"stale";
        EXPECT_TRUE(QueryVersionString(c.table, c.name, &text, path.c_str())) << c.table << L" " << c.name;
        EXPECT_EQ(std::wstring(c.expected), text) << c.table << L" " << c.name;
    }
}

TEST(QueryVersionStringTest, MigratoTablesHoldTheirValues)
{
    ExpectVersionStrings(L"Migrato.exe", {
        {L"041104e4", L"FileDescription", L"Quillmere 設定コンバータ"},
        {L"040904e4", L"FileDescription", L"Quillmere Setting Converter"},
        {L"041104e4", L"FileVersion", L"1.14b"},
        {L"040904e4", L"FileVersion", L"1.14b"},
        {L"041104e4", L"ProductVersion", L"1.14.2009.208"},
        {L"040904e4", L"ProductVersion", L"1.14.2009.208"},
        {L"041104e4", L"ProductName", L"Quillmere"},
        {L"040904e4", L"ProductName", L"Quillmere"},
    });
}

TEST(QueryVersionStringTest, FennickTablesHoldTheirValues)
{
    ExpectVersionStrings(L"Fennick.exe", {
        {L"041104e4", L"FileDescription", L"Ferncastle"},
        {L"040904e4", L"FileDescription", L"Ferncastle"},
        {L"041104e4", L"FileVersion", L"1.3c"},
        {L"040904e4", L"FileVersion", L"1.3c"},
        {L"041104e4", L"ProductVersion", L"1.30.2009.208"},
        {L"040904e4", L"ProductVersion", L"1.30.2009.208"},
    });
}

TEST(QueryVersionStringTest, LegalNoticesDifferByLanguage)
{
    std::wstring path = ProgramBesideTests(L"Migrato.exe");
    std::wstring japanese, english;
    ASSERT_TRUE(QueryVersionString(L"041104e4", L"LegalCopyright", &japanese, path.c_str()));
    ASSERT_TRUE(QueryVersionString(L"040904e4", L"LegalCopyright", &english, path.c_str()));
    EXPECT_NE(std::wstring::npos, japanese.find(L"Halvenor's Software"));
    EXPECT_NE(std::wstring::npos, english.find(L"Halvenor's Software"));
    EXPECT_NE(japanese, english);
}

TEST(QueryVersionStringTest, FixedVersionsOfTheBuiltPrograms)
{
    struct Fixed { const wchar_t* exe; DWORD fileMs, fileLs; };
    for (const Fixed& f : {Fixed{L"Migrato.exe", MAKELONG(14, 1), MAKELONG(208, 2009)},
                           Fixed{L"Fennick.exe", MAKELONG(30, 1), MAKELONG(208, 2009)}}) {
        std::wstring path = ProgramBesideTests(f.exe);
        DWORD ignored = 0;
        DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
        ASSERT_NE(0u, size) << f.exe;
        std::vector<BYTE> block(size);
        ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, block.data()));
        VS_FIXEDFILEINFO* info = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &length));
        EXPECT_EQ(f.fileMs, info->dwFileVersionMS) << f.exe;
        EXPECT_EQ(f.fileLs, info->dwFileVersionLS) << f.exe;
        EXPECT_EQ(static_cast<DWORD>(MAKELONG(20, 3)), info->dwProductVersionMS) << f.exe;
        EXPECT_EQ(static_cast<DWORD>(MAKELONG(208, 2009)), info->dwProductVersionLS) << f.exe;
    }
}

TEST(QueryVersionStringTest, MissingValueTableOrFileGivesFalseAndEmptyText)
{
    std::wstring path = ProgramBesideTests(L"Migrato.exe");
    std::wstring text = L"stale";
    EXPECT_FALSE(QueryVersionString(L"041104e4", L"NoSuchValue", &text, path.c_str()));
    EXPECT_TRUE(text.empty());

    // Migrato has no "041104b0" table, which a null table stands for.
    text = L"stale";
    EXPECT_FALSE(QueryVersionString(nullptr, L"FileVersion", &text, path.c_str()));
    EXPECT_TRUE(text.empty());

    text = L"stale";
    std::wstring missing = ProgramBesideTests(L"NoSuchProgram.exe");
    EXPECT_FALSE(QueryVersionString(L"041104e4", L"FileVersion", &text, missing.c_str()));
    EXPECT_TRUE(text.empty());
}

TEST(LanguageTest, JapaneseExactlyWhenTheAnsiCodePageIs932)
{
    EXPECT_EQ(GetACP() == 932, IsJapaneseUi());
}

}  // namespace
