// Byte-order marks and the conversions between file bytes and the editor window's text.
#include "text_encoding.h"

#include "file_paths.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <new>
#include <utility>

namespace {

const char kUtf16LEMark[] = "\xFF\xFE";
const char kUtf8Mark[] = "\xEF\xBB\xBF";

const unsigned long long kWin9xAnsiFileLimit = 65536;
const unsigned long long kWin9xUtf16FileLimit = 131074;   // 128 KB and the mark
const unsigned long long kWin9xUtf8FileLimit = 196611;    // 192 KB and the mark

template <typename Text>
void NulsToSpaces(Text* text)
{
    std::replace(text->begin(), text->end(), typename Text::value_type(0), typename Text::value_type(' '));
}

std::string SwapBytePairs(const std::string& bytes)
{
    std::string swapped = bytes.substr(0, bytes.size() & ~size_t(1));
    for (size_t i = 0; i + 1 < swapped.size(); i += 2) std::swap(swapped[i], swapped[i + 1]);
    return swapped;
}

// The text as UTF-16, whatever the window's mode.
std::wstring WideOf(const WindowText& text, WindowTextMode mode, UINT codePage)
{
    return mode == WindowTextUnicode ? text.wide : WideFromCodePage(text.ansi, codePage);
}

// A code-page conversion gives nothing for something only when it failed; the reason is
// kept, or the conversion's own when it set none.
template <typename From, typename To>
DWORD ConversionError(const From& from, const To& to)
{
    if (from.empty() || !to.empty()) return ERROR_SUCCESS;
    DWORD error = GetLastError();
    return error ? error : ERROR_NO_UNICODE_TRANSLATION;
}

// The conversion calls count in int: a longer text is refused, not wrapped to a few characters.
bool FitsOneConversion(size_t units)
{
    if (units <= static_cast<size_t>(INT_MAX)) return true;
    SetLastError(ERROR_ARITHMETIC_OVERFLOW);
    return false;
}

}  // namespace

std::wstring WideFromUtf16LE(const std::string& bytes)
{
    std::wstring text(bytes.size() / 2, L'\0');
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    return text;
}

std::string Utf16LEFromWide(const std::wstring& text)
{
    std::string bytes(text.size() * 2, '\0');
    for (size_t i = 0; i < text.size(); ++i) {
        bytes[2 * i] = static_cast<char>(text[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<char>((text[i] >> 8) & 0xFF);
    }
    return bytes;
}

std::wstring WideFromCodePage(const std::string& bytes, UINT codePage)
{
    if (bytes.empty() || !FitsOneConversion(bytes.size())) return std::wstring();
    int length = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring text(static_cast<size_t>(length), L'\0');
    if (MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), &text[0], length) != length)
        return std::wstring();
    return text;
}

std::string CodePageFromWide(const std::wstring& text, UINT codePage)
{
    if (text.empty() || !FitsOneConversion(text.size())) return std::string();
    int length = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                     nullptr, nullptr);
    if (length <= 0) return std::string();
    std::string bytes(static_cast<size_t>(length), '\0');
    if (WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), &bytes[0], length, nullptr,
                            nullptr) != length)
        return std::string();
    return bytes;
}

TextEncoding EncodingOfFirstBytes(const std::string& firstBytes)
{
    if (firstBytes.compare(0, 2, kUtf16LEMark) == 0) return EncodingUtf16LE;
    if (firstBytes.compare(0, 2, "\xFE\xFF") == 0) return EncodingUtf16BE;
    if (firstBytes.compare(0, 3, kUtf8Mark) == 0) return EncodingUtf8;
    return EncodingAnsi;
}

TextEncoding DetectEncodingMark(const wchar_t* path)
{
    FILE* file = _wfopen(path, L"rb");
    if (!file) return EncodingUnreadable;
    char first[3];
    size_t read = fread(first, 1, sizeof(first), file);
    fclose(file);
    return EncodingOfFirstBytes(std::string(first, read));
}

ReadPlan PlanRead(TextEncoding probed, ReadChoice choice)
{
    switch (choice) {
    case ReadAsUtf16:
        if (probed == EncodingUtf16LE || probed == EncodingUtf16BE) return {probed, 2};
        return {EncodingUtf16LE, 0};
    case ReadAsUtf8:
        return {EncodingUtf8, probed == EncodingUtf8 ? size_t(3) : size_t(0)};
    case ReadByMark:
        break;
    }
    switch (probed) {
    case EncodingUtf16LE:
    case EncodingUtf16BE: return {probed, 2};
    case EncodingUtf8:    return {probed, 3};
    default:              return {EncodingAnsi, 0};
    }
}

SizeVerdict CheckWin9xReadSize(TextEncoding encoding, unsigned long long fileSize)
{
    switch (encoding) {
    case EncodingAnsi:    return fileSize > kWin9xAnsiFileLimit ? SizeRefused : SizeAccepted;
    case EncodingUtf16LE:
    case EncodingUtf16BE: return fileSize > kWin9xUtf16FileLimit ? SizeNeedsQuestion : SizeAccepted;
    case EncodingUtf8:    return fileSize > kWin9xUtf8FileLimit ? SizeNeedsQuestion : SizeAccepted;
    default:              return SizeAccepted;
    }
}

DecodedText DecodeDocumentBytes(const std::string& bytes, TextEncoding encoding, WindowTextMode mode,
                                UINT codePage, bool win9xLimits)
{
    DecodedText result;
    if (encoding == EncodingAnsi) {
        if (mode == WindowTextAnsi) {
            result.text.ansi = bytes;
            NulsToSpaces(&result.text.ansi);
        } else {
            result.text.wide = WideFromCodePage(bytes, codePage);
            result.error = ConversionError(bytes, result.text.wide);
            NulsToSpaces(&result.text.wide);
        }
        return result;
    }

    std::wstring wide;
    if (encoding == EncodingUtf8) {
        wide = WideFromCodePage(bytes, CP_UTF8);
        result.error = ConversionError(bytes, wide);
        if (result.error) return result;
    } else if (encoding == EncodingUtf16BE) {
        wide = WideFromUtf16LE(SwapBytePairs(bytes));
    } else {
        wide = WideFromUtf16LE(bytes);
    }

    if (mode == WindowTextUnicode) {
        result.text.wide = std::move(wide);
        NulsToSpaces(&result.text.wide);
        return result;
    }
    result.text.ansi = CodePageFromWide(wide, codePage);
    result.error = ConversionError(wide, result.text.ansi);
    if (result.error) return result;
    if (win9xLimits && result.text.ansi.size() > kWin9xTextLimit) {
        result.tooLong = true;
        result.text.ansi.clear();
        return result;
    }
    NulsToSpaces(&result.text.ansi);
    return result;
}

bool AnsiBytesSurviveSave(const std::string& bytes, UINT codePage)
{
    if (bytes.empty()) return true;
    if (!FitsOneConversion(bytes.size())) return false;
    if (MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), nullptr,
                            0) <= 0)
        return false;
    // Valid bytes can still have a twin that the save writes instead (the NEC and IBM
    // duplicates of code page 932, for one).
    return CodePageFromWide(WideFromCodePage(bytes, codePage), codePage) == bytes;
}

bool Utf8BytesSurviveSave(const std::string& bytes)
{
    if (!FitsOneConversion(bytes.size())) return false;
    return bytes.empty() || MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(),
                                                static_cast<int>(bytes.size()), nullptr, 0) > 0;
}

EncodedText EncodeDocumentText(const WindowText& text, TextEncoding encoding, WindowTextMode mode, UINT codePage)
{
    EncodedText result;
    if (encoding == EncodingUtf16LE || encoding == EncodingUtf16BE || encoding == EncodingUtf8) {
        std::wstring wide = WideOf(text, mode, codePage);
        result.error = ConversionError(text.ansi, wide);
        if (result.error) return result;
        if (encoding == EncodingUtf8) {
            std::string utf8 = CodePageFromWide(wide, CP_UTF8);
            result.error = ConversionError(wide, utf8);
            result.bytes = kUtf8Mark + utf8;
        } else {
            result.bytes = kUtf16LEMark + Utf16LEFromWide(wide);
        }
        return result;
    }
    if (mode == WindowTextAnsi) {
        result.bytes = text.ansi;
        return result;
    }
    result.bytes = CodePageFromWide(text.wide, codePage);
    result.error = ConversionError(text.wide, result.bytes);
    if (result.error) return result;
    if (!text.wide.empty()) {
        BOOL usedDefault = FALSE;
        WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.wide.data(), static_cast<int>(text.wide.size()),
                            nullptr, 0, nullptr, &usedDefault);
        // The round trip also catches best-fit substitutions where the flag is not honoured.
        result.replacedCharacters = usedDefault || WideFromCodePage(result.bytes, codePage) != text.wide;
    }
    return result;
}

namespace {

// The bytes decoded as planned; may throw bad_alloc while it copies them.
void DecodeTextFile(std::string* bytes, const TextReadOptions& options, TextFile* file)
{
    file->plan = PlanRead(EncodingOfFirstBytes(bytes->substr(0, 3)), options.choice);
    bytes->erase(0, file->plan.markLength);
    UINT codePage = options.codePage;
    if (options.beforeDecode && !options.beforeDecode(file->plan, *bytes, &codePage)) {
        file->status = TextReadStopped;
        return;
    }
    DecodedText decoded = DecodeDocumentBytes(*bytes, file->plan.encoding, options.mode, codePage, options.win9xLimits);
    std::string().swap(*bytes);
    file->error = decoded.error;
    if (decoded.error) return;
    file->status = decoded.tooLong ? TextReadTooLong : TextReadDone;
    if (!decoded.tooLong) file->text = std::move(decoded.text);
}

}  // namespace

TextFile ReadTextFile(const std::wstring& path, const TextReadOptions& options)
{
    TextFile file;
    std::string bytes;
    if (!ReadWholeFile(path, &bytes, options.byteLimit)) {
        file.error = GetLastError();
        if (file.error == ERROR_FILE_TOO_LARGE) file.status = TextReadTooLarge;
        return file;
    }
    // Below the limit the copies may still find no room in a 32-bit process: the file is
    // then unreadable, not the program's end.
    try {
        DecodeTextFile(&bytes, options, &file);
    } catch (const std::bad_alloc&) {
        file = TextFile();
        file.error = ERROR_NOT_ENOUGH_MEMORY;
    }
    return file;
}
