// Finding and replacing in the document's text, without windows.
#include "text_search.h"

namespace {

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

bool SplitsPair(const std::wstring& text, std::size_t at)
{
    return at > 0 && IsLowSurrogate(text[at]) && IsHighSurrogate(text[at - 1]);
}

}  // namespace

std::size_t FindInText(const std::wstring& text, const std::wstring& what, std::size_t start)
{
    if (what.empty() || start > text.size()) return kNoMatch;
    for (std::size_t at = text.find(what, start); at != std::wstring::npos; at = text.find(what, at + 1)) {
        if (!SplitsPair(text, at)) return at;
    }
    return kNoMatch;
}

ReplaceAllResult ReplaceAllInText(const std::wstring& text, const std::wstring& what,
                                  const std::wstring& with, std::size_t start)
{
    ReplaceAllResult result;
    result.notFoundWarning = FindInText(text, what, start) == kNoMatch;
    result.text.reserve(text.size());
    std::size_t copied = 0;
    for (std::size_t at = FindInText(text, what, 0); at != kNoMatch; at = FindInText(text, what, copied)) {
        result.text.append(text, copied, at - copied).append(with);
        copied = at + what.size();
        ++result.count;
    }
    if (result.count == 0) {
        result.text = text;
        return result;
    }
    result.caret = result.searchStart = result.text.size();
    result.text.append(text, copied, std::wstring::npos);
    return result;
}
