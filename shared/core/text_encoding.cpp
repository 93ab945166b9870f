// Byte-order marks and the conversions between file bytes and the editor window's text.
#include "text_encoding.h"

#include "file_paths.h"

#include <algorithm>
#include <cstdio>
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
    if (bytes.empty()) return std::wstring();
    int length = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring text(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), &text[0], length);
    return text;
}

std::string CodePageFromWide(const std::wstring& text, UINT codePage)
{
    if (text.empty()) return std::string();
    int length = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                     nullptr, nullptr);
    if (length <= 0) return std::string();
    std::string bytes(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), &bytes[0], length, nullptr,
                        nullptr);
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
            NulsToSpaces(&result.text.wide);
        }
        return result;
    }

    std::wstring wide;
    if (encoding == EncodingUtf8) wide = WideFromCodePage(bytes, CP_UTF8);
    else if (encoding == EncodingUtf16BE) wide = WideFromUtf16LE(SwapBytePairs(bytes));
    else wide = WideFromUtf16LE(bytes);

    if (mode == WindowTextUnicode) {
        result.text.wide = wide;
        NulsToSpaces(&result.text.wide);
        return result;
    }
    result.text.ansi = CodePageFromWide(wide, codePage);
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
    if (MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), nullptr,
                            0) <= 0)
        return false;
    // Valid bytes can still have a twin that the save writes instead (the NEC and IBM
    // duplicates of code page 932, for one).
    return CodePageFromWide(WideFromCodePage(bytes, codePage), codePage) == bytes;
}

bool Utf8BytesSurviveSave(const std::string& bytes)
{
    return bytes.empty() || MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(),
                                                static_cast<int>(bytes.size()), nullptr, 0) > 0;
}

EncodedText EncodeDocumentText(const WindowText& text, TextEncoding encoding, WindowTextMode mode, UINT codePage)
{
    EncodedText result;
    switch (encoding) {
    case EncodingUtf16LE:
    case EncodingUtf16BE:
        result.bytes = kUtf16LEMark + Utf16LEFromWide(WideOf(text, mode, codePage));
        return result;
    case EncodingUtf8:
        result.bytes = kUtf8Mark + CodePageFromWide(WideOf(text, mode, codePage), CP_UTF8);
        return result;
    default:
        break;
    }
    if (mode == WindowTextAnsi) {
        result.bytes = text.ansi;
        return result;
    }
    result.bytes = CodePageFromWide(text.wide, codePage);
    if (!text.wide.empty()) {
        BOOL usedDefault = FALSE;
        WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.wide.data(), static_cast<int>(text.wide.size()),
                            nullptr, 0, nullptr, &usedDefault);
        // The round trip also catches best-fit substitutions where the flag is not honoured.
        result.replacedCharacters = usedDefault || WideFromCodePage(result.bytes, codePage) != text.wide;
    }
    return result;
}

TextFile ReadTextFile(const std::wstring& path, const TextReadOptions& options)
{
    TextFile file;
    std::string bytes;
    if (!ReadWholeFile(path, &bytes)) return file;
    file.plan = PlanRead(EncodingOfFirstBytes(bytes.substr(0, 3)), options.choice);
    bytes.erase(0, file.plan.markLength);
    UINT codePage = options.codePage;
    if (options.beforeDecode && !options.beforeDecode(file.plan, bytes, &codePage)) {
        file.status = TextReadStopped;
        return file;
    }
    DecodedText decoded = DecodeDocumentBytes(bytes, file.plan.encoding, options.mode, codePage, options.win9xLimits);
    file.status = decoded.tooLong ? TextReadTooLong : TextReadDone;
    if (!decoded.tooLong) file.text = std::move(decoded.text);
    return file;
}
