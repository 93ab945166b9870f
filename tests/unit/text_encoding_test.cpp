// Marks, reading plans, the 9x limits and the conversions between file bytes and window text.
#include "file_info.h"
#include "text_encoding.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

const UINT kJapanese = 932;
const std::string kMarkLE("\xFF\xFE", 2);
const std::string kMarkUtf8("\xEF\xBB\xBF", 3);
// "日本語" in code page 932 and as UTF-16LE bytes.
const std::string kNihongoSjis("\x93\xFA\x96\x7B\x8C\xEA", 6);
const std::string kNihongoLE("\xE5\x65\x2C\x67\x9E\x8A", 6);

WindowText Wide(const std::wstring& text)
{
    WindowText window;
    window.wide = text;
    return window;
}

WindowText Ansi(const std::string& text)
{
    WindowText window;
    window.ansi = text;
    return window;
}

std::wstring ScratchFile(const wchar_t* name, const std::string& bytes)
{
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    std::wstring path = std::wstring(folder) + name;
    FILE* file = _wfopen(path.c_str(), L"wb");
    fwrite(bytes.data(), 1, bytes.size(), file);
    fclose(file);
    return path;
}

}  // namespace

TEST(EncodingMark, EveryMarkCase)
{
    EXPECT_EQ(EncodingUtf16LE, EncodingOfFirstBytes(std::string("\xFF\xFE", 2)));
    EXPECT_EQ(EncodingUtf16LE, EncodingOfFirstBytes(std::string("\xFF\xFE\x41", 3)));
    EXPECT_EQ(EncodingUtf16BE, EncodingOfFirstBytes(std::string("\xFE\xFF", 2)));
    EXPECT_EQ(EncodingUtf8, EncodingOfFirstBytes(kMarkUtf8));
    EXPECT_EQ(EncodingAnsi, EncodingOfFirstBytes(std::string("\xEF\xBB\x41", 3)));
    EXPECT_EQ(EncodingAnsi, EncodingOfFirstBytes(std::string("\xEF\xBB", 2)));
    EXPECT_EQ(EncodingAnsi, EncodingOfFirstBytes(std::string("\xFF", 1)));
    EXPECT_EQ(EncodingAnsi, EncodingOfFirstBytes(std::string("\xFE", 1)));
    EXPECT_EQ(EncodingAnsi, EncodingOfFirstBytes(std::string()));
    EXPECT_EQ(EncodingAnsi, EncodingOfFirstBytes("<theme>"));
}

TEST(EncodingMark, ProbesFilesAndReportsUnreadableOnes)
{
    EXPECT_EQ(EncodingUtf8, DetectEncodingMark(ScratchFile(L"mark-u8.txt", kMarkUtf8 + "x").c_str()));
    EXPECT_EQ(EncodingUtf16BE, DetectEncodingMark(ScratchFile(L"mark-be.txt", "\xFE\xFF").c_str()));
    EXPECT_EQ(EncodingAnsi, DetectEncodingMark(ScratchFile(L"mark-empty.txt", "").c_str()));
    EXPECT_EQ(EncodingUnreadable, DetectEncodingMark(L"C:\\no such folder\\file.wms"));
}

TEST(ReadPlan, MarksSkippedByChoice)
{
    EXPECT_EQ(0u, PlanRead(EncodingAnsi, ReadByMark).markLength);
    EXPECT_EQ(EncodingUtf16BE, PlanRead(EncodingUtf16BE, ReadByMark).encoding);
    EXPECT_EQ(2u, PlanRead(EncodingUtf16BE, ReadByMark).markLength);
    EXPECT_EQ(3u, PlanRead(EncodingUtf8, ReadByMark).markLength);

    // An explicit UTF-16 choice reads a file without a UTF-16 mark whole, a UTF-8 mark included.
    ReadPlan utf16OfUtf8 = PlanRead(EncodingUtf8, ReadAsUtf16);
    EXPECT_EQ(EncodingUtf16LE, utf16OfUtf8.encoding);
    EXPECT_EQ(0u, utf16OfUtf8.markLength);
    EXPECT_EQ(EncodingUtf16BE, PlanRead(EncodingUtf16BE, ReadAsUtf16).encoding);
    EXPECT_EQ(2u, PlanRead(EncodingUtf16LE, ReadAsUtf16).markLength);

    ReadPlan utf8OfAnsi = PlanRead(EncodingAnsi, ReadAsUtf8);
    EXPECT_EQ(EncodingUtf8, utf8OfAnsi.encoding);
    EXPECT_EQ(0u, utf8OfAnsi.markLength);
    EXPECT_EQ(0u, PlanRead(EncodingUtf16LE, ReadAsUtf8).markLength);
    EXPECT_EQ(3u, PlanRead(EncodingUtf8, ReadAsUtf8).markLength);
}

// One read of a whole file: the mark read from the file itself, the hook asked before decoding.
TEST(ReadTextFile, ReadsByMarkOrChoiceAndStopsWhereAsked)
{
    const struct {
        const wchar_t* name;
        std::string bytes;
        ReadChoice choice;
        TextEncoding encoding;
        std::wstring text;
    } cases[] = {
        {L"read-u8.txt", kMarkUtf8 + "\xE6\x97\xA5", ReadByMark, EncodingUtf8, L"\u65E5"},
        {L"read-be.txt", std::string("\xFE\xFF\x65\xE5", 4), ReadByMark, EncodingUtf16BE, L"\u65E5"},
        {L"read-le.txt", kMarkLE + kNihongoLE, ReadByMark, EncodingUtf16LE, L"\u65E5\u672C\u8A9E"},
        {L"read-as8.txt", "\xE6\x97\xA5", ReadAsUtf8, EncodingUtf8, L"\u65E5"},
        {L"read-nul.txt", std::string("a\0b", 3), ReadByMark, EncodingAnsi, L"a b"},
    };
    for (const auto& c : cases) {
        TextReadOptions options;
        options.choice = c.choice;
        TextFile file = ReadTextFile(ScratchFile(c.name, c.bytes), options);
        EXPECT_EQ(TextReadDone, file.status) << c.name;
        EXPECT_EQ(c.encoding, file.plan.encoding) << c.name;
        EXPECT_EQ(c.text, file.text.wide) << c.name;
    }
    TextReadOptions asked;
    std::string seen;
    asked.beforeDecode = [&](const ReadPlan&, const std::string& bytes, UINT* codePage) {
        seen = bytes;
        *codePage = kJapanese;
        return true;
    };
    EXPECT_EQ(L"\u65E5\u672C\u8A9E", ReadTextFile(ScratchFile(L"read-sjis.txt", kNihongoSjis), asked).text.wide);
    EXPECT_EQ(kNihongoSjis, seen);
    asked.beforeDecode = [](const ReadPlan&, const std::string&, UINT*) { return false; };
    EXPECT_EQ(TextReadStopped, ReadTextFile(ScratchFile(L"read-stop.txt", "x"), asked).status);
    EXPECT_EQ(TextReadUnreadable, ReadTextFile(L"C:\\no such folder\\file.wms").status);
}

// A file the document cannot hold, or a conversion that fails, is refused with its reason:
// never read half, never decoded to an empty or partial text.
TEST(ReadTextFile, RefusesWhatItCannotHoldAndSaysWhy)
{
    // Sparse, so past 4 GiB (where an int length wraps) without using the disk; refused
    // before anything is allocated.
    std::wstring huge = ScratchFile(L"read-huge.txt", "");
    HANDLE file = CreateFileW(huge.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    LARGE_INTEGER end{};
    end.QuadPart = (4LL << 30) + 5;
    ASSERT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file));
    CloseHandle(file);
    const struct {
        std::wstring path;
        unsigned long long limit;
        UINT codePage;
        TextReadStatus status;
        DWORD error;
    } cases[] = {
        {huge, kLargestDocumentFile, kJapanese, TextReadTooLarge, ERROR_FILE_TOO_LARGE},
        {ScratchFile(L"read-ten.txt", "0123456789"), 10, kJapanese, TextReadDone, 0},
        {ScratchFile(L"read-ten.txt", "0123456789"), 9, kJapanese, TextReadTooLarge, ERROR_FILE_TOO_LARGE},
        {L"C:\\no such folder\\file.wms", 10, kJapanese, TextReadUnreadable, ERROR_PATH_NOT_FOUND},
        // A code page the system does not have.
        {ScratchFile(L"read-page.txt", "abc"), 10, 12345, TextReadUnreadable, ERROR_INVALID_PARAMETER},
    };
    for (const auto& c : cases) {
        TextReadOptions options;
        options.byteLimit = c.limit;
        options.codePage = c.codePage;
        TextFile read = ReadTextFile(c.path, options);
        EXPECT_EQ(c.status, read.status) << c.path;
        EXPECT_EQ(c.error, read.error) << c.path;
        if (c.status != TextReadDone) {
            EXPECT_TRUE(read.text.wide.empty());
        }
    }
    DeleteFileW(huge.c_str());
    EXPECT_EQ(16ull << 20, kLargestDocumentFile) << "the limit the editor's message states";

    EncodedText encoded = EncodeDocumentText(Wide(L"abc"), EncodingAnsi, WindowTextUnicode, 12345);
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), encoded.error) << "nothing to write over the file";
}

TEST(Win9xLimits, FileSizesAtTheirBoundaries)
{
    EXPECT_EQ(SizeAccepted, CheckWin9xReadSize(EncodingAnsi, 65536));
    EXPECT_EQ(SizeRefused, CheckWin9xReadSize(EncodingAnsi, 65537));
    EXPECT_EQ(SizeAccepted, CheckWin9xReadSize(EncodingUtf16LE, 131074));
    EXPECT_EQ(SizeNeedsQuestion, CheckWin9xReadSize(EncodingUtf16LE, 131075));
    EXPECT_EQ(SizeNeedsQuestion, CheckWin9xReadSize(EncodingUtf16BE, 131075));
    EXPECT_EQ(SizeAccepted, CheckWin9xReadSize(EncodingUtf8, 196611));
    EXPECT_EQ(SizeNeedsQuestion, CheckWin9xReadSize(EncodingUtf8, 196612));
}

TEST(Win9xLimits, AnsiWindowConversionResultOf64KBAcceptedOneMoreRefused)
{
    std::string exact = kMarkLE.substr(0, 0) + Utf16LEFromWide(std::wstring(65536, L'a'));
    DecodedText accepted = DecodeDocumentBytes(exact, EncodingUtf16LE, WindowTextAnsi, kJapanese, true);
    EXPECT_FALSE(accepted.tooLong);
    EXPECT_EQ(65536u, accepted.text.ansi.size());

    // 32,768 double-byte characters plus one: 65,537 bytes once in code page 932.
    std::wstring wide(32768, L'日');
    wide += L'a';
    DecodedText refused = DecodeDocumentBytes(Utf16LEFromWide(wide), EncodingUtf16LE, WindowTextAnsi, kJapanese, true);
    EXPECT_TRUE(refused.tooLong);
    EXPECT_TRUE(refused.text.ansi.empty());

    EXPECT_FALSE(DecodeDocumentBytes(Utf16LEFromWide(wide), EncodingUtf16LE, WindowTextAnsi, kJapanese, false).tooLong)
        << "the NT family has no such limit";
    EXPECT_FALSE(DecodeDocumentBytes(Utf16LEFromWide(wide), EncodingUtf16LE, WindowTextUnicode, kJapanese, true).tooLong)
        << "a Unicode window converts nothing to ANSI";
}

TEST(Decode, AnsiBytesInBothWindowModes)
{
    EXPECT_EQ(kNihongoSjis, DecodeDocumentBytes(kNihongoSjis, EncodingAnsi, WindowTextAnsi, kJapanese, true).text.ansi);
    EXPECT_EQ(L"日本語", DecodeDocumentBytes(kNihongoSjis, EncodingAnsi, WindowTextUnicode, kJapanese, false).text.wide);
    // The chosen code page decides: the same bytes in Korean are other characters.
    EXPECT_NE(L"日本語", DecodeDocumentBytes(kNihongoSjis, EncodingAnsi, WindowTextUnicode, 949, false).text.wide);
    EXPECT_EQ(L"", DecodeDocumentBytes("", EncodingAnsi, WindowTextUnicode, kJapanese, false).text.wide);
}

TEST(Decode, Utf16BothByteOrdersAndAnOddLastByte)
{
    EXPECT_EQ(L"日本語", DecodeDocumentBytes(kNihongoLE, EncodingUtf16LE, WindowTextUnicode, kJapanese, false).text.wide);
    std::string bigEndian("\x65\xE5\x67\x2C\x8A\x9E", 6);
    EXPECT_EQ(L"日本語", DecodeDocumentBytes(bigEndian, EncodingUtf16BE, WindowTextUnicode, kJapanese, false).text.wide);
    EXPECT_EQ(kNihongoSjis, DecodeDocumentBytes(bigEndian, EncodingUtf16BE, WindowTextAnsi, kJapanese, true).text.ansi);

    EXPECT_EQ(L"AB", DecodeDocumentBytes(std::string("A\0B\0C", 5), EncodingUtf16LE, WindowTextUnicode, kJapanese,
                                         false).text.wide);
    EXPECT_EQ(L"AB", DecodeDocumentBytes(std::string("\0A\0B\0", 5), EncodingUtf16BE, WindowTextUnicode, kJapanese,
                                         false).text.wide);
}

TEST(Decode, Utf8InBothWindowModes)
{
    std::string utf8 = "\xC2\xA9 \xE6\x97\xA5 \xF0\x9F\x98\x80";   // © 日 and an emoji
    EXPECT_EQ(L"\u00A9 \u65E5 \U0001F600", DecodeDocumentBytes(utf8, EncodingUtf8, WindowTextUnicode, kJapanese,
                                                              false).text.wide);
    EXPECT_EQ("\x93\xFA", DecodeDocumentBytes("\xE6\x97\xA5", EncodingUtf8, WindowTextAnsi, kJapanese, true).text.ansi);
}

TEST(Decode, NulsBecomeSpacesInEveryEncodingAndMode)
{
    std::string ansi("a\0b\0", 4);
    EXPECT_EQ("a b ", DecodeDocumentBytes(ansi, EncodingAnsi, WindowTextAnsi, kJapanese, false).text.ansi);
    EXPECT_EQ(L"a b ", DecodeDocumentBytes(ansi, EncodingAnsi, WindowTextUnicode, kJapanese, false).text.wide);
    std::string utf16("a\0\0\0b\0", 6);
    EXPECT_EQ(L"a b", DecodeDocumentBytes(utf16, EncodingUtf16LE, WindowTextUnicode, kJapanese, false).text.wide);
    EXPECT_EQ("a b", DecodeDocumentBytes(utf16, EncodingUtf16LE, WindowTextAnsi, kJapanese, false).text.ansi);
    EXPECT_EQ(L"a b", DecodeDocumentBytes(std::string("a\0b", 3), EncodingUtf8, WindowTextUnicode, kJapanese,
                                          false).text.wide);
}

TEST(Encode, EveryTargetInBothWindowModes)
{
    EXPECT_EQ(kNihongoSjis, EncodeDocumentText(Ansi(kNihongoSjis), EncodingAnsi, WindowTextAnsi, kJapanese).bytes);
    EXPECT_EQ(kNihongoSjis, EncodeDocumentText(Wide(L"日本語"), EncodingAnsi, WindowTextUnicode, kJapanese).bytes);

    EXPECT_EQ(kMarkLE + kNihongoLE, EncodeDocumentText(Wide(L"日本語"), EncodingUtf16LE, WindowTextUnicode, kJapanese).bytes);
    EXPECT_EQ(kMarkLE + kNihongoLE, EncodeDocumentText(Ansi(kNihongoSjis), EncodingUtf16LE, WindowTextAnsi, kJapanese).bytes);
    EXPECT_EQ(kMarkLE + kNihongoLE, EncodeDocumentText(Wide(L"日本語"), EncodingUtf16BE, WindowTextUnicode, kJapanese).bytes)
        << "big-endian is written back little-endian";

    std::string nihongoUtf8 = "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E";
    EXPECT_EQ(kMarkUtf8 + nihongoUtf8, EncodeDocumentText(Wide(L"日本語"), EncodingUtf8, WindowTextUnicode, kJapanese).bytes);
    EXPECT_EQ(kMarkUtf8 + nihongoUtf8, EncodeDocumentText(Ansi(kNihongoSjis), EncodingUtf8, WindowTextAnsi, kJapanese).bytes);
}

TEST(Encode, EmptyDocumentsGiveTheMarkOnly)
{
    for (WindowTextMode mode : {WindowTextAnsi, WindowTextUnicode}) {
        EXPECT_EQ(kMarkLE, EncodeDocumentText(WindowText(), EncodingUtf16LE, mode, kJapanese).bytes);
        EXPECT_EQ(kMarkUtf8, EncodeDocumentText(WindowText(), EncodingUtf8, mode, kJapanese).bytes);
        EncodedText ansi = EncodeDocumentText(WindowText(), EncodingAnsi, mode, kJapanese);
        EXPECT_EQ("", ansi.bytes);
        EXPECT_FALSE(ansi.replacedCharacters);
    }
}

TEST(Encode, CharactersOutsideTheCodePageAreReportedForAnsiOnly)
{
    EXPECT_FALSE(EncodeDocumentText(Wide(L"日本語 abc"), EncodingAnsi, WindowTextUnicode, kJapanese).replacedCharacters);
    EXPECT_TRUE(EncodeDocumentText(Wide(L"\u00A9"), EncodingAnsi, WindowTextUnicode, kJapanese).replacedCharacters)
        << "no best-fit letter counts as the character";
    EXPECT_TRUE(EncodeDocumentText(Wide(L"a\U0001F600"), EncodingAnsi, WindowTextUnicode, kJapanese).replacedCharacters);
    EXPECT_TRUE(EncodeDocumentText(Wide(L"日本語"), EncodingAnsi, WindowTextUnicode, 1252).replacedCharacters);
    EXPECT_FALSE(EncodeDocumentText(Wide(L"\u00A9"), EncodingUtf8, WindowTextUnicode, kJapanese).replacedCharacters);
    EXPECT_FALSE(EncodeDocumentText(Wide(L"\u00A9"), EncodingUtf16LE, WindowTextUnicode, kJapanese).replacedCharacters);
}

TEST(Encode, AnsiBytesThatASaveWouldChangeAreFound)
{
    EXPECT_TRUE(AnsiBytesSurviveSave(kNihongoSjis + "abc\r\n", kJapanese));
    EXPECT_TRUE(AnsiBytesSurviveSave("", kJapanese));
    EXPECT_FALSE(AnsiBytesSurviveSave("\x82", kJapanese)) << "a lead byte without its trail byte";
    EXPECT_FALSE(AnsiBytesSurviveSave("\xFF\xFF", kJapanese));
    EXPECT_FALSE(AnsiBytesSurviveSave("\x87\x90", kJapanese)) << "an NEC twin is written as its JIS original";
}

TEST(Encode, MalformedUtf8IsFound)
{
    EXPECT_TRUE(Utf8BytesSurviveSave("\xE6\x97\xA5 \xF0\x9F\x98\x80"));
    EXPECT_TRUE(Utf8BytesSurviveSave(""));
    EXPECT_FALSE(Utf8BytesSurviveSave("\xE6\x97"));
    EXPECT_FALSE(Utf8BytesSurviveSave(kNihongoSjis)) << "Shift_JIS read as UTF-8";
}

TEST(Encode, RoundTripsAreByteExact)
{
    std::string sjis = kNihongoSjis + " <theme id=\"x\"/>\r\n\x83\x65\x83\x4C\x83\x58\x83\x67";
    WindowText read = DecodeDocumentBytes(sjis, EncodingAnsi, WindowTextUnicode, kJapanese, false).text;
    EXPECT_EQ(sjis, EncodeDocumentText(read, EncodingAnsi, WindowTextUnicode, kJapanese).bytes);

    std::string utf8 = kMarkUtf8 + "\xC2\xA9 \xF0\x9F\x98\x80\r\n";
    WindowText fromUtf8 = DecodeDocumentBytes(utf8.substr(3), EncodingUtf8, WindowTextUnicode, kJapanese, false).text;
    EXPECT_EQ(utf8, EncodeDocumentText(fromUtf8, EncodingUtf8, WindowTextUnicode, kJapanese).bytes);
}
