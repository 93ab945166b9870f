// Byte-order marks and the conversions between file bytes and the editor window's text.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

enum TextEncoding {
    EncodingUnreadable = -1,
    EncodingAnsi = 0,
    EncodingUtf16LE = 1,
    EncodingUtf16BE = 2,
    EncodingUtf8 = 3,
};

// An ANSI window holds bytes of the process's code page, a Unicode window UTF-16.
enum WindowTextMode { WindowTextAnsi, WindowTextUnicode };

// The window's text; only the member of the mode in use is filled.
struct WindowText {
    std::string ansi;
    std::wstring wide;
};

// The Windows 9x edit control's limit, and what counts as 64 KB everywhere.
const size_t kWin9xTextLimit = 65536;

TextEncoding DetectEncodingMark(const wchar_t* path);
// The mark rule on the first bytes of a file (fewer than three are fine).
TextEncoding EncodingOfFirstBytes(const std::string& firstBytes);

// How the Open dialog asks for a file to be read: by its mark, or as UTF-16 or UTF-8
// whatever its mark says.
enum ReadChoice { ReadByMark, ReadAsUtf16, ReadAsUtf8 };

struct ReadPlan {
    TextEncoding encoding;   // how the bytes after the mark are decoded
    size_t markLength;       // bytes skipped at the start
};
ReadPlan PlanRead(TextEncoding probed, ReadChoice choice);

// What Windows 9x does before a file of this size and encoding is read.
enum SizeVerdict { SizeAccepted, SizeRefused, SizeNeedsQuestion };
SizeVerdict CheckWin9xReadSize(TextEncoding encoding, unsigned long long fileSize);

struct DecodedText {
    bool tooLong = false;   // ANSI window on 9x: the converted text exceeds 64 KB
    DWORD error = 0;        // a conversion failed (a code page not installed, a text past int)
    WindowText text;
};

// Decodes the bytes after the mark for a window of the given mode. codePage is the code
// page of ANSI text (the process's own in an ANSI window, the chosen one in a Unicode
// window). NULs become spaces so the window shows the whole file.
DecodedText DecodeDocumentBytes(const std::string& bytes, TextEncoding encoding, WindowTextMode mode,
                                UINT codePage, bool win9xLimits);

// True when ANSI bytes are valid in the code page and come back unchanged from a save.
bool AnsiBytesSurviveSave(const std::string& bytes, UINT codePage);
// True when the bytes are well-formed UTF-8, which a save writes back unchanged.
bool Utf8BytesSurviveSave(const std::string& bytes);

struct EncodedText {
    std::string bytes;              // the whole file, mark included
    bool replacedCharacters = false;  // ANSI target: some characters have no code in the page
    DWORD error = 0;                // a conversion failed: bytes must not be written
};

// The file contents for the window text; UTF-16BE is written as UTF-16LE.
EncodedText EncodeDocumentText(const WindowText& text, TextEncoding encoding, WindowTextMode mode, UINT codePage);

// The code units of UTF-16LE bytes (an odd last byte is dropped) and back.
std::wstring WideFromUtf16LE(const std::string& bytes);
std::string Utf16LEFromWide(const std::wstring& text);
// Code-page conversions; "" for a non-empty text means they failed, GetLastError says why.
std::wstring WideFromCodePage(const std::string& bytes, UINT codePage);
std::string CodePageFromWide(const std::wstring& text, UINT codePage);

// A text file read whole and decoded: read, planned by the choice and its mark, decoded.
// TextReadTooLarge: the file is past the byte limit; TextReadTooLong: the 9x 64 KB rule.
enum TextReadStatus { TextReadDone, TextReadUnreadable, TextReadStopped, TextReadTooLong, TextReadTooLarge };

struct TextReadOptions {
    ReadChoice choice = ReadByMark;
    WindowTextMode mode = WindowTextUnicode;
    UINT codePage = CP_ACP;      // of ANSI bytes
    bool win9xLimits = false;
    unsigned long long byteLimit = ~0ull;   // larger files are refused before they are read
    // Asked before decoding with the plan and the bytes after the mark; it may choose the
    // code page of ANSI bytes, and stops the read by returning false.
    std::function<bool(const ReadPlan& plan, const std::string& bytes, UINT* codePage)> beforeDecode;
};

struct TextFile {
    TextReadStatus status = TextReadUnreadable;
    DWORD error = 0;   // why the file is unreadable: the system's error code
    ReadPlan plan = {EncodingAnsi, 0};
    WindowText text;   // the member of the mode read into
};

TextFile ReadTextFile(const std::wstring& path, const TextReadOptions& options = TextReadOptions());
