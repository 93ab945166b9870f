// Reads the markup of a skin definition as the player does: tags, attributes, decoded values, places.
#include "skin_markup.h"

#include "skin_limits.h"

#include <algorithm>
#include <cwchar>

namespace {

bool IsSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }
bool IsQuote(wchar_t c) { return c == L'"' || c == L'\''; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool IsHexDigit(wchar_t c) { return IsDigit(c) || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F'); }
bool IsNameChar(wchar_t c) { return IsMarkupNameStart(c) || IsDigit(c) || c == L'.'; }
bool IsElementNameChar(wchar_t c) { return IsNameChar(c) || c == L'-' || c == L':'; }

// The length of the entity at text[at] (0 when there is none there) and the character it stands for.
size_t EntityAt(const std::wstring& text, size_t at, size_t end, unsigned long* code)
{
    static const struct { const wchar_t* name; wchar_t code; } kNamed[] = {
        {L"amp", L'&'}, {L"lt", L'<'}, {L"gt", L'>'}, {L"quot", L'"'}, {L"apos", L'\''}};
    size_t limit = std::min(end, at + 12), semicolon = at + 1;
    while (semicolon < limit && text[semicolon] != L';') ++semicolon;
    if (semicolon >= limit) return 0;
    const std::wstring entity = text.substr(at + 1, semicolon - at - 1);
    for (const auto& named : kNamed) {
        if (entity != named.name) continue;
        *code = named.code;
        return semicolon - at + 1;
    }
    if (entity.size() < 2 || entity[0] != L'#') return 0;
    bool hex = entity[1] == L'x' || entity[1] == L'X';
    const std::wstring digits = entity.substr(hex ? 2 : 1);
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), hex ? IsHexDigit : IsDigit)) return 0;
    unsigned long number = wcstoul(digits.c_str(), nullptr, hex ? 16 : 10);
    if (number == 0 || number > 0x10FFFF || (number >= 0xD800 && number <= 0xDFFF)) return 0;
    *code = number;
    return semicolon - at + 1;
}

void AssignLower(const std::wstring& from, std::wstring* to)
{
    *to = from;
    LowerAsciiInPlace(to);
}

}  // namespace

void LowerAsciiInPlace(std::wstring* text)
{
    for (wchar_t& c : *text) c = LowerAscii(c);
}

bool StartsWithNoCase(const std::wstring& text, size_t at, const wchar_t* lowerPrefix)
{
    for (; *lowerPrefix; ++lowerPrefix, ++at)
        if (at >= text.size() || LowerAscii(text[at]) != *lowerPrefix) return false;
    return true;
}

bool IsMarkupNameStart(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c == L'_'; }

bool MarkupReader::Next(MarkupToken* token)
{
    while (pos_ < text_.size()) {
        pos_ = text_.find(L'<', pos_);
        if (pos_ == std::wstring::npos) break;
        if (StartsHere(L"<!--")) {
            size_t end = text_.find(L"-->", pos_ + 4);
            if (end == std::wstring::npos) return Fault(token, MarkupUnclosedComment, text_.size());
            pos_ = end + 3;
        } else if (StartsHere(L"<?")) {
            if (!SkipPast(L"?>", pos_ + 2)) return Fault(token, MarkupUnclosedDeclaration, text_.size());
        } else if (StartsHere(L"<![CDATA[")) {
            if (!SkipPast(L"]]>", pos_ + 9)) return Fault(token, MarkupUnclosedDeclaration, text_.size());
        } else if (StartsHere(L"<!")) {
            if (!SkipDoctype()) return Fault(token, MarkupUnclosedDeclaration, text_.size());
        } else if (StartsHere(L"</")) {
            ReadEndTag(token);
            return true;
        } else if (pos_ + 1 < text_.size() && IsMarkupNameStart(text_[pos_ + 1])) {
            ReadStartTag(token);
            return true;
        } else {
            return Fault(token, MarkupNoElementName, pos_ + 1);
        }
    }
    pos_ = text_.size();
    return false;
}

bool MarkupReader::StartsHere(const wchar_t* prefix) const
{
    return text_.compare(pos_, wcslen(prefix), prefix) == 0;
}

bool MarkupReader::Fault(MarkupToken* token, MarkupFaultKind kind, size_t end)
{
    token->kind = MarkupFault;
    token->fault = kind;
    token->offset = pos_;
    token->end = end;
    pos_ = end;
    return true;
}

bool MarkupReader::SkipPast(const wchar_t* closing, size_t from)
{
    size_t end = text_.find(closing, from);
    if (end == std::wstring::npos) return false;
    pos_ = end + wcslen(closing);
    return true;
}

// <!DOCTYPE …> may carry an internal subset in brackets, with '>' inside it.
bool MarkupReader::SkipDoctype()
{
    int depth = 0;
    for (size_t i = pos_ + 2; i < text_.size(); ++i) {
        if (text_[i] == L'[') ++depth;
        else if (text_[i] == L']') --depth;
        else if (text_[i] == L'>' && depth <= 0) {
            pos_ = i + 1;
            return true;
        }
    }
    return false;
}

void MarkupReader::ReadStartTag(MarkupToken* token)
{
    size_t nameEnd = pos_ + 1;
    while (nameEnd < text_.size() && IsElementNameChar(text_[nameEnd])) ++nameEnd;
    token->kind = MarkupStartTag;
    token->offset = pos_;
    token->name.assign(text_, pos_ + 1, nameEnd - pos_ - 1);
    AssignLower(token->name, &token->lowerName);
    pos_ = nameEnd;
    token->tagEnd = ReadAttributes(token);
    token->end = pos_;
}

MarkupTagEnd MarkupReader::ReadAttributes(MarkupToken* token)
{
    token->attributeCount = token->attributesLeftOut = 0;
    for (;;) {
        SkipSpaces();
        if (pos_ >= text_.size() || text_[pos_] == L'<') return MarkupTagCut;
        if (text_[pos_] == L'>') {
            ++pos_;
            return MarkupTagOpens;
        }
        if (StartsHere(L"/>")) {
            pos_ += 2;
            return MarkupTagClosesItself;
        }
        MarkupAttribute* attribute = &spare_;
        if (token->attributeCount < kSkinMostTagAttributes) {
            if (token->attributes.size() <= token->attributeCount) token->attributes.emplace_back();
            attribute = &token->attributes[token->attributeCount++];
        } else {
            ++token->attributesLeftOut;
        }
        attribute->name.clear();
        attribute->lowerName.clear();
        attribute->value.clear();
        attribute->hasEntities = false;
        if (!IsMarkupNameStart(text_[pos_])) {
            attribute->fault = MarkupStrayCharacter;
            attribute->nameOffset = pos_++;
            SkipToken();
            continue;
        }
        if (!ReadAttribute(attribute)) return MarkupTagCutInValue;
    }
}

// False when the value's quote is never closed: the tag ends there.
bool MarkupReader::ReadAttribute(MarkupAttribute* attribute)
{
    attribute->nameOffset = pos_;
    while (pos_ < text_.size() && IsNameChar(text_[pos_])) ++pos_;
    attribute->name.assign(text_, attribute->nameOffset, pos_ - attribute->nameOffset);
    AssignLower(attribute->name, &attribute->lowerName);
    attribute->fault = MarkupAttributeRead;
    SkipSpaces();
    if (pos_ >= text_.size() || text_[pos_] != L'=') {
        attribute->fault = MarkupNoEquals;
        size_t end;
        if (pos_ < text_.size() && IsQuote(text_[pos_])) {
            if (!FindValueEnd(pos_, &end)) return false;
            pos_ = end + 1;
        }
        return true;
    }
    ++pos_;
    SkipSpaces();
    attribute->valueOffset = pos_;
    if (pos_ >= text_.size() || text_[pos_] == L'>' || text_[pos_] == L'<' || StartsHere(L"/>")) {
        attribute->fault = MarkupNoValue;
        return true;
    }
    if (!IsQuote(text_[pos_])) {
        attribute->fault = MarkupUnquotedValue;
        SkipToken();
        return true;
    }
    size_t quote = pos_, end;
    if (!FindValueEnd(quote, &end)) {
        attribute->fault = MarkupUnclosedValue;
        return false;
    }
    pos_ = end + 1;
    DecodeValue(attribute, quote + 1, end);
    return true;
}

// The closing quote; when there is none, pos_ is where reading goes on. A value may span
// lines, but one that runs into a line opening with a tag has lost its closing quote.
bool MarkupReader::FindValueEnd(size_t quote, size_t* end)
{
    const wchar_t stops[] = {text_[quote], L'\n', L'\0'};
    for (size_t from = quote + 1;;) {
        size_t stop = text_.find_first_of(stops, from, 2);
        if (stop == std::wstring::npos) break;
        if (text_[stop] != L'\n') {
            *end = stop;
            return true;
        }
        size_t next = stop + 1;
        while (next < text_.size() && (text_[next] == L' ' || text_[next] == L'\t')) ++next;
        if (next + 1 < text_.size() && text_[next] == L'<' &&
            (IsMarkupNameStart(text_[next + 1]) || text_[next + 1] == L'/' || text_[next + 1] == L'!')) {
            pos_ = next;
            return false;
        }
        from = stop + 1;
    }
    pos_ = text_.size();
    return false;
}

void MarkupReader::SkipSpaces()
{
    while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
}

// Past a run of characters that cannot be read as an attribute.
void MarkupReader::SkipToken()
{
    while (pos_ < text_.size() && !IsSpace(text_[pos_]) && text_[pos_] != L'>' && text_[pos_] != L'<' &&
           !StartsHere(L"/>"))
        ++pos_;
}

void MarkupReader::DecodeValue(MarkupAttribute* attribute, size_t start, size_t end)
{
    attribute->valueOffset = start;
    attribute->hasEntities = std::find(text_.begin() + start, text_.begin() + end, L'&') != text_.begin() + end;
    std::wstring& value = attribute->value;
    if (!attribute->hasEntities) {
        value.assign(text_, start, end - start);
        return;
    }
    value.clear();
    attribute->offsets.clear();
    for (size_t i = start; i < end;) {
        unsigned long code = text_[i];
        size_t length = text_[i] == L'&' ? EntityAt(text_, i, end, &code) : 0;
        if (code > 0xFFFF) {
            value += static_cast<wchar_t>(0xD800 + ((code - 0x10000) >> 10));
            attribute->offsets.push_back(i);
            code = 0xDC00 + ((code - 0x10000) & 0x3FF);
        }
        value += static_cast<wchar_t>(code);
        attribute->offsets.push_back(i);
        i += std::max<size_t>(length, 1);
    }
}

void MarkupReader::ReadEndTag(MarkupToken* token)
{
    size_t nameStart = pos_ + 2, nameEnd = nameStart;
    while (nameEnd < text_.size() && IsElementNameChar(text_[nameEnd])) ++nameEnd;
    token->kind = MarkupEndTag;
    token->offset = pos_;
    token->name.assign(text_, nameStart, nameEnd - nameStart);
    AssignLower(token->name, &token->lowerName);
    pos_ = nameEnd;
    SkipSpaces();
    token->endTagClosed = pos_ < text_.size() && text_[pos_] == L'>';
    if (token->endTagClosed) {
        ++pos_;
    } else {
        size_t stop = text_.find_first_of(L"<>", pos_);
        pos_ = stop == std::wstring::npos ? text_.size() : stop + (text_[stop] == L'>' ? 1 : 0);
    }
    token->end = pos_;
}

MarkupPosition MarkupLines::At(size_t offset)
{
    if (offset < offset_) offset_ = lineStart_ = 0, line_ = 1;
    for (auto end = text_.begin() + offset;;) {
        auto newline = std::find(text_.begin() + offset_, end, L'\n');
        if (newline == end) break;
        ++line_;
        offset_ = lineStart_ = static_cast<size_t>(newline - text_.begin()) + 1;
    }
    offset_ = offset;
    return {line_, static_cast<int>(offset - lineStart_ + 1)};
}
