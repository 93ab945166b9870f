// Reads the markup of a skin definition as the player does: tags, attributes, decoded values, places.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

enum MarkupTokenKind {
    MarkupStartTag,
    MarkupEndTag,
    MarkupFault,   // something that is neither a tag nor skipped quietly
};

enum MarkupFaultKind {
    MarkupUnclosedComment,
    MarkupUnclosedDeclaration,   // <?…, <!…, <![CDATA[… without its end
    MarkupNoElementName,         // a '<' followed by no name
};

enum MarkupTagEnd {
    MarkupTagOpens,
    MarkupTagClosesItself,
    MarkupTagCut,          // no '>' before the next '<' or the end of the text
    MarkupTagCutInValue,   // a quote that never closes ends the tag
};

enum MarkupAttributeFault {
    MarkupAttributeRead,
    MarkupStrayCharacter,   // nameOffset: where a character no name starts with stands
    MarkupNoEquals,
    MarkupNoValue,          // "=" and then nothing
    MarkupUnquotedValue,    // valueOffset: the value's first character
    MarkupUnclosedValue,    // valueOffset: the opening quote
};

struct MarkupAttribute {
    MarkupAttributeFault fault = MarkupAttributeRead;
    size_t nameOffset = 0;
    std::wstring name;        // as written
    std::wstring lowerName;   // ASCII letters lowered
    size_t valueOffset = 0;   // the character after the opening quote
    std::wstring value;       // entities decoded; read attributes only

    // The text offset of value[index].
    size_t OffsetOf(size_t index) const { return hasEntities ? offsets[index] : valueOffset + index; }

    bool hasEntities = false;
    std::vector<size_t> offsets;
};

struct MarkupToken {
    MarkupTokenKind kind = MarkupFault;
    size_t offset = 0;   // the '<'
    size_t end = 0;      // where reading goes on: past the '>' of a whole tag
    std::wstring name;   // tags, as written
    std::wstring lowerName;
    MarkupTagEnd tagEnd = MarkupTagOpens;         // start tags
    bool endTagClosed = true;                     // end tags: ended by '>'
    MarkupFaultKind fault = MarkupNoElementName;  // faults
    // Start tags: the first attributeCount entries; those behind are kept to be reused. At most
    // kSkinMostTagAttributes; attributesLeftOut counts those read past.
    std::vector<MarkupAttribute> attributes;
    size_t attributeCount = 0;
    size_t attributesLeftOut = 0;
};

// Tokens in text order. Comments, declarations and text between tags are passed over.
class MarkupReader {
public:
    explicit MarkupReader(const std::wstring& text) : text_(text) {}
    // False at the end of the text. The token is reused from call to call.
    bool Next(MarkupToken* token);

private:
    bool StartsHere(const wchar_t* prefix) const;
    bool Fault(MarkupToken* token, MarkupFaultKind kind, size_t end);
    bool SkipPast(const wchar_t* closing, size_t from);
    bool SkipDoctype();
    void ReadStartTag(MarkupToken* token);
    MarkupTagEnd ReadAttributes(MarkupToken* token);
    bool ReadAttribute(MarkupAttribute* attribute);
    bool FindValueEnd(size_t quote, size_t* end);
    void SkipSpaces();
    void SkipToken();
    void DecodeValue(MarkupAttribute* attribute, size_t start, size_t end);
    void ReadEndTag(MarkupToken* token);

    const std::wstring& text_;
    size_t pos_ = 0;
    MarkupAttribute spare_;   // where attributes past the limit are read
};

struct MarkupPosition {
    int line;     // 1-based
    int column;   // 1-based, in UTF-16 code units; a tab counts one
};

// Line and column of offsets, fastest when asked for in increasing order.
class MarkupLines {
public:
    explicit MarkupLines(const std::wstring& text) : text_(text) {}
    MarkupPosition At(size_t offset);

private:
    const std::wstring& text_;
    size_t offset_ = 0;
    size_t lineStart_ = 0;
    int line_ = 1;
};

inline wchar_t LowerAscii(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }
void LowerAsciiInPlace(std::wstring* text);
// Whether text[at…] starts with the prefix, which is in lower case, ASCII letters compared without case.
bool StartsWithNoCase(const std::wstring& text, size_t at, const wchar_t* lowerPrefix);
bool IsMarkupNameStart(wchar_t c);
