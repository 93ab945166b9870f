// Line ends: the style a text came with, and the conversions to and from CR LF.
#include "line_ends.h"

namespace {

template <typename Text>
Text ToCrLfOf(const Text& text, LineEndCount* count)
{
    using Char = typename Text::value_type;
    LineEndCount seen;
    Text result;
    result.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        Char c = text[i];
        if (c == Char('\r') && i + 1 < text.size() && text[i + 1] == Char('\n')) {
            ++seen.crLf;
            result += c;
            result += text[++i];
        } else if (c == Char('\r') || c == Char('\n')) {
            ++(c == Char('\r') ? seen.cr : seen.lf);
            result += Char('\r');
            result += Char('\n');
        } else {
            result += c;
        }
    }
    if (count) *count = seen;
    return result;
}

template <typename Text>
Text FromCrLfOf(const Text& text, LineEndStyle style)
{
    using Char = typename Text::value_type;
    if (style == LineEndCrLf) return text;
    Char kept = style == LineEndLf ? Char('\n') : Char('\r');
    Text result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == Char('\r') && i + 1 < text.size() && text[i + 1] == Char('\n')) {
            result += kept;
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

}  // namespace

LineEndStyle LineEndCount::Dominant() const
{
    if (lf > crLf && lf >= cr) return LineEndLf;
    if (cr > crLf && cr > lf) return LineEndCr;
    return LineEndCrLf;
}

bool LineEndCount::Mixed() const
{
    return (crLf != 0) + (lf != 0) + (cr != 0) > 1;
}

std::wstring ToCrLf(const std::wstring& text, LineEndCount* count) { return ToCrLfOf(text, count); }
std::string ToCrLf(const std::string& text, LineEndCount* count) { return ToCrLfOf(text, count); }
std::wstring FromCrLf(const std::wstring& text, LineEndStyle style) { return FromCrLfOf(text, style); }
std::string FromCrLf(const std::string& text, LineEndStyle style) { return FromCrLfOf(text, style); }
