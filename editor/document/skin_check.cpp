// Checks a skin definition (.wms) as the player reads it: structure, names, values, named files.
#include "skin_check.h"

#include "file_extension.h"
#include "file_info.h"
#include "skin_vocabulary.h"
#include "text_encoding.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <unordered_map>
#include <unordered_set>

namespace {

const wchar_t* const kBoundPrefixes[] = {L"wmpprop:", L"wmpenabled:", L"wmpdisabled:", L"jscript:", L"res://"};
const wchar_t* const kPositionNames[] = {L"left",     L"top",       L"width",    L"height",    L"right",
                                         L"bottom",   L"minwidth",  L"minheight", L"maxwidth", L"maxheight"};
// Values longer than a path are cut in messages.
const size_t kLongestQuoted = MAX_PATH;
// Past this many findings the check stops: a list that long helps nobody, and garbage
// text would otherwise fill memory with one finding per character.
const size_t kMostFindings = 10000;
// Attribute repeats are looked for by a scan up to this many names on one tag, by a hash beyond.
const size_t kScannedNames = 32;

bool IsSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }
bool IsQuote(wchar_t c) { return c == L'"' || c == L'\''; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool IsHexDigit(wchar_t c) { return IsDigit(c) || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F'); }
bool IsNameStart(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c == L'_'; }
bool IsNameChar(wchar_t c) { return IsNameStart(c) || IsDigit(c) || c == L'.'; }
bool IsElementNameChar(wchar_t c) { return IsNameChar(c) || c == L'-' || c == L':'; }

wchar_t LowerAscii(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

void LowerInPlace(std::wstring* text)
{
    for (wchar_t& c : *text) c = LowerAscii(c);
}

// prefix is in lower case.
bool StartsWithNoCase(const std::wstring& text, size_t at, const wchar_t* prefix)
{
    for (; *prefix; ++prefix, ++at)
        if (at >= text.size() || LowerAscii(text[at]) != *prefix) return false;
    return true;
}

bool EndsWith(const std::wstring& text, const wchar_t* tail)
{
    size_t length = wcslen(tail);
    return text.size() >= length && text.compare(text.size() - length, length, tail) == 0;
}

bool IsBound(const std::wstring& value)
{
    for (const wchar_t* prefix : kBoundPrefixes)
        if (StartsWithNoCase(value, 0, prefix)) return true;
    return false;
}

bool IsInteger(const std::wstring& value)
{
    size_t digits = !value.empty() && (value[0] == L'+' || value[0] == L'-') ? 1 : 0;
    if (digits == value.size()) return false;
    return std::all_of(value.begin() + digits, value.end(), IsDigit);
}

bool IsColour(const std::wstring& value)
{
    if (value.size() == 7 && value[0] == L'#') return std::all_of(value.begin() + 1, value.end(), IsHexDigit);
    std::wstring lower = value;
    LowerInPlace(&lower);
    return IsSkinColourName(lower);
}

bool IsPositionName(const std::wstring& lowerName)
{
    for (const wchar_t* name : kPositionNames)
        if (lowerName == name) return true;
    return false;
}

// The text in double quotes, cut short (never inside a surrogate pair) when it is very long.
std::wstring Quoted(const std::wstring& text)
{
    if (text.size() <= kLongestQuoted) return L"\"" + text + L"\"";
    size_t cut = kLongestQuoted;
    if (text[cut - 1] >= 0xD800 && text[cut - 1] <= 0xDBFF) --cut;
    return L"\"" + text.substr(0, cut) + L"…\"";
}

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name)
{
    if (!folder.empty() && (folder.back() == L'\\' || folder.back() == L'/')) return folder + name;
    return folder + L"\\" + name;
}

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

struct Position {
    int line;
    int column;
};

// Line and column of offsets asked for in increasing order, found in one walk over the text.
class LineCursor {
public:
    explicit LineCursor(const std::wstring& text) : text_(text) {}

    Position At(size_t offset)
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

private:
    const std::wstring& text_;
    size_t offset_ = 0;
    size_t lineStart_ = 0;
    int line_ = 1;
};

struct OpenElement {
    std::wstring name;   // as written
    std::wstring lower;
    Position at;
    bool uncertain;      // its start tag was cut short: it may have been meant to close itself
    bool view;
};

enum TagEnd { TagOpens, TagClosesItself, TagCut, TagCutInValue };

class SkinChecker {
public:
    SkinChecker(const std::wstring& text, const std::wstring& folder)
        : text_(text), folder_(folder), cursor_(text), idScopes_(1)
    {
    }

    std::vector<SkinFinding> Run();

private:
    void Add(Position at, SkinFindingKind kind, const std::wstring& message)
    {
        if (stopped_) return;
        findings_.push_back({at.line, at.column, kind, message});
        if (findings_.size() < kMostFindings) return;
        findings_.push_back({at.line, at.column, SkinNote,
                             L"見つかった問題が " + std::to_wstring(kMostFindings) +
                                 L" 件に達したため、ここで確認をやめました。"});
        stopped_ = true;
    }
    void Add(size_t offset, SkinFindingKind kind, const std::wstring& message)
    {
        Add(cursor_.At(offset), kind, message);
    }
    bool StartsHere(const wchar_t* prefix) const { return text_.compare(pos_, wcslen(prefix), prefix) == 0; }
    void SkipSpaces();
    void SkipTo(const wchar_t* closing, size_t from);
    void SkipDoctype();
    void ReadStartTag();
    void CheckPlace(const OpenElement& element);
    TagEnd ReadAttributes(const OpenElement& element, const SkinElementInfo* info);
    bool ReadAttribute(const OpenElement& element, const SkinElementInfo* info);
    bool FindValueEnd(size_t quote, size_t* end);
    void SkipToken();
    void CheckName(const OpenElement& element, const SkinElementInfo* info, const std::wstring& name,
                   size_t nameStart);
    bool SeenOnThisTag();
    std::wstring Suggestion(const SkinElementInfo* info, const std::wstring& lower);
    void DecodeValue(size_t start, size_t end);
    size_t ValueOffset(size_t index) const { return valueHasEntities_ ? valueOffsets_[index] : valueStart_ + index; }
    void CheckValue(const std::wstring& name);
    void CheckId();
    void CheckScriptFiles();
    void CheckFile(size_t from, size_t to);
    void Push(OpenElement element);
    void Pop();
    void ReadEndTag();
    void Close(const std::wstring& name, const std::wstring& lower, Position at);

    const std::wstring& text_;
    const std::wstring& folder_;
    size_t pos_ = 0;
    LineCursor cursor_;
    std::vector<SkinFinding> findings_;
    std::vector<OpenElement> open_;
    std::unordered_map<std::wstring, int> openCounts_;
    // Ids are unique per VIEW; the first scope holds those outside every view.
    std::vector<std::unordered_map<std::wstring, int>> idScopes_;
    std::unordered_map<std::wstring, bool> files_;
    std::unordered_map<std::wstring, std::wstring> suggestions_;
    int themes_ = 0;
    bool sawElement_ = false;
    bool stopped_ = false;

    std::vector<std::wstring> tagNames_;
    std::unordered_set<std::wstring> manyTagNames_;
    std::wstring lower_;   // the attribute name being checked, in lower case
    std::wstring value_;   // its value with entities decoded
    size_t valueStart_ = 0;
    bool valueHasEntities_ = false;
    std::vector<size_t> valueOffsets_;
};

std::vector<SkinFinding> SkinChecker::Run()
{
    while (pos_ < text_.size() && !stopped_) {
        pos_ = text_.find(L'<', pos_);
        if (pos_ == std::wstring::npos) break;
        if (StartsHere(L"<!--")) {
            size_t end = text_.find(L"-->", pos_ + 4);
            if (end == std::wstring::npos) Add(pos_, SkinError, L"コメントが閉じられていません。");
            pos_ = end == std::wstring::npos ? text_.size() : end + 3;
        } else if (StartsHere(L"<?")) {
            SkipTo(L"?>", pos_ + 2);
        } else if (StartsHere(L"<![CDATA[")) {
            SkipTo(L"]]>", pos_ + 9);
        } else if (StartsHere(L"<!")) {
            SkipDoctype();
        } else if (StartsHere(L"</")) {
            ReadEndTag();
        } else if (pos_ + 1 < text_.size() && IsNameStart(text_[pos_ + 1])) {
            ReadStartTag();
        } else {
            Add(pos_++, SkinError, L"< の後に要素名がありません。");
        }
    }
    for (const OpenElement& element : open_)
        if (!element.uncertain) Add(element.at, SkinError, L"要素 <" + element.name + L"> が閉じられていません。");
    if (!sawElement_) Add(Position{1, 1}, SkinError, L"要素 <THEME> がありません。");
    std::stable_sort(findings_.begin(), findings_.end(), [](const SkinFinding& a, const SkinFinding& b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
    return findings_;
}

void SkinChecker::SkipSpaces()
{
    while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
}

void SkinChecker::SkipTo(const wchar_t* closing, size_t from)
{
    size_t end = text_.find(closing, from);
    if (end == std::wstring::npos) {
        Add(pos_, SkinError, L"宣言が閉じられていません。");
        pos_ = text_.size();
        return;
    }
    pos_ = end + wcslen(closing);
}

// <!DOCTYPE …> may carry an internal subset in brackets, with '>' inside it.
void SkinChecker::SkipDoctype()
{
    int depth = 0;
    for (size_t i = pos_ + 2; i < text_.size(); ++i) {
        if (text_[i] == L'[') ++depth;
        else if (text_[i] == L']') --depth;
        else if (text_[i] == L'>' && depth <= 0) {
            pos_ = i + 1;
            return;
        }
    }
    Add(pos_, SkinError, L"宣言が閉じられていません。");
    pos_ = text_.size();
}

void SkinChecker::ReadStartTag()
{
    size_t nameEnd = pos_ + 1;
    while (nameEnd < text_.size() && IsElementNameChar(text_[nameEnd])) ++nameEnd;
    OpenElement element{text_.substr(pos_ + 1, nameEnd - pos_ - 1), std::wstring(), cursor_.At(pos_), false, false};
    element.lower = element.name;
    LowerInPlace(&element.lower);
    element.view = element.lower == L"view";
    sawElement_ = true;
    CheckPlace(element);

    const SkinElementInfo* info = FindSkinElement(element.lower);
    if (!info) {
        std::wstring guess = Suggestion(nullptr, element.lower);
        Add(element.at, SkinWarning,
            L"要素 <" + element.name + L"> はスキンの書式にありません。" +
                (guess.empty() ? L"" : L"もしかして " + guess + L" ですか?"));
    }
    pos_ = nameEnd;
    TagEnd end = ReadAttributes(element, info);
    if (end == TagCut) Add(element.at, SkinError, L"開始タグ <" + element.name + L"> が > で終わっていません。");
    element.uncertain = end == TagCut || end == TagCutInValue;
    if (end != TagClosesItself) Push(std::move(element));
}

void SkinChecker::CheckPlace(const OpenElement& element)
{
    if (element.lower == L"theme") {
        if (++themes_ > 1) Add(element.at, SkinError, L"要素 <" + element.name + L"> が二つ以上あります。");
    } else if (open_.empty()) {
        Add(element.at, SkinError, L"要素 <" + element.name + L"> が THEME の外にあります。");
    }
}

TagEnd SkinChecker::ReadAttributes(const OpenElement& element, const SkinElementInfo* info)
{
    tagNames_.clear();
    manyTagNames_.clear();
    for (;;) {
        SkipSpaces();
        if (pos_ >= text_.size() || text_[pos_] == L'<') return TagCut;
        if (text_[pos_] == L'>') {
            ++pos_;
            return TagOpens;
        }
        if (StartsHere(L"/>")) {
            pos_ += 2;
            return TagClosesItself;
        }
        if (!IsNameStart(text_[pos_])) {
            Add(pos_, SkinError, L"タグ <" + element.name + L"> の中に属性として読めない文字があります。");
            ++pos_;
            SkipToken();
            continue;
        }
        if (!ReadAttribute(element, info)) return TagCutInValue;
    }
}

// False when the value's quote is never closed: the tag ends there.
bool SkinChecker::ReadAttribute(const OpenElement& element, const SkinElementInfo* info)
{
    size_t nameStart = pos_;
    while (pos_ < text_.size() && IsNameChar(text_[pos_])) ++pos_;
    const std::wstring name = text_.substr(nameStart, pos_ - nameStart);
    lower_ = name;
    LowerInPlace(&lower_);
    CheckName(element, info, name, nameStart);
    SkipSpaces();
    if (pos_ >= text_.size() || text_[pos_] != L'=') {
        Add(nameStart, SkinError, L"属性 " + name + L" に = と値がありません。");
        size_t end;
        if (pos_ < text_.size() && IsQuote(text_[pos_])) {
            if (!FindValueEnd(pos_, &end)) return false;
            pos_ = end + 1;
        }
        return true;
    }
    ++pos_;
    SkipSpaces();
    if (pos_ >= text_.size() || text_[pos_] == L'>' || text_[pos_] == L'<' || StartsHere(L"/>")) {
        Add(nameStart, SkinError, L"属性 " + name + L" の = の後に値がありません。");
        return true;
    }
    if (!IsQuote(text_[pos_])) {
        Add(pos_, SkinError, L"属性 " + name + L" の値が引用符で囲まれていません。");
        SkipToken();
        return true;
    }
    size_t quote = pos_, end;
    if (!FindValueEnd(quote, &end)) {
        Add(quote, SkinError, L"属性 " + name + L" の値が閉じられていません。");
        return false;
    }
    pos_ = end + 1;
    DecodeValue(quote + 1, end);
    CheckValue(name);
    return true;
}

// The closing quote; when there is none, pos_ is where reading goes on. A value may span
// lines, but one that runs into a line opening with a tag has lost its closing quote.
bool SkinChecker::FindValueEnd(size_t quote, size_t* end)
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
            (IsNameStart(text_[next + 1]) || text_[next + 1] == L'/' || text_[next + 1] == L'!')) {
            pos_ = next;
            return false;
        }
        from = stop + 1;
    }
    pos_ = text_.size();
    return false;
}

// Past a run of characters that cannot be read as an attribute.
void SkinChecker::SkipToken()
{
    while (pos_ < text_.size() && !IsSpace(text_[pos_]) && text_[pos_] != L'>' && text_[pos_] != L'<' &&
           !StartsHere(L"/>"))
        ++pos_;
}

void SkinChecker::CheckName(const OpenElement& element, const SkinElementInfo* info, const std::wstring& name,
                            size_t nameStart)
{
    if (SeenOnThisTag()) Add(nameStart, SkinWarning, L"属性 " + name + L" が <" + element.name + L"> で重複しています。");
    // A dotted name sets a property of a named child, whose kind the definition does not say.
    if (!info || lower_.find(L'.') != std::wstring::npos) return;
    SkinNameStatus status = LookUpSkinAttribute(info->kind, lower_);
    if (status == SkinNameNote) {
        Add(nameStart, SkinNote, L"属性 " + name + L" はリファレンスにありませんが、プレーヤーは受け付けます。");
    } else if (status == SkinNameUnknown) {
        std::wstring guess = Suggestion(info, lower_);
        Add(nameStart, SkinWarning,
            L"属性 " + name + L" は <" + element.name + L"> にありません。" +
                (guess.empty() ? L"" : L"もしかして " + guess + L" ですか?"));
    }
}

bool SkinChecker::SeenOnThisTag()
{
    if (tagNames_.size() < kScannedNames) {
        if (std::find(tagNames_.begin(), tagNames_.end(), lower_) != tagNames_.end()) return true;
        tagNames_.push_back(lower_);
        return false;
    }
    if (manyTagNames_.empty()) manyTagNames_.insert(tagNames_.begin(), tagNames_.end());
    return !manyTagNames_.insert(lower_).second;
}

// An element name when info is nullptr, else an attribute name of that element.
std::wstring SkinChecker::Suggestion(const SkinElementInfo* info, const std::wstring& lower)
{
    std::wstring key = (info ? static_cast<wchar_t>(L'a' + info->kind) : L'<') + lower;
    auto found = suggestions_.find(key);
    if (found != suggestions_.end()) return found->second;
    return suggestions_[key] = info ? SuggestSkinAttribute(info->kind, lower) : SuggestSkinElement(lower);
}

void SkinChecker::DecodeValue(size_t start, size_t end)
{
    valueStart_ = start;
    valueHasEntities_ = std::find(text_.begin() + start, text_.begin() + end, L'&') != text_.begin() + end;
    if (!valueHasEntities_) {
        value_.assign(text_, start, end - start);
        return;
    }
    value_.clear();
    valueOffsets_.clear();
    for (size_t i = start; i < end;) {
        unsigned long code = text_[i];
        size_t length = text_[i] == L'&' ? EntityAt(text_, i, end, &code) : 0;
        if (code > 0xFFFF) {
            value_ += static_cast<wchar_t>(0xD800 + ((code - 0x10000) >> 10));
            valueOffsets_.push_back(i);
            code = 0xDC00 + ((code - 0x10000) & 0x3FF);
        }
        value_ += static_cast<wchar_t>(code);
        valueOffsets_.push_back(i);
        i += std::max<size_t>(length, 1);
    }
}

void SkinChecker::CheckValue(const std::wstring& name)
{
    if (IsBound(value_)) return;
    size_t dot = lower_.rfind(L'.');
    const std::wstring last = dot == std::wstring::npos ? lower_ : lower_.substr(dot + 1);
    if (lower_ == L"id") {
        CheckId();
    } else if (last == L"scriptfile") {
        CheckScriptFiles();
    } else if (EndsWith(last, L"image") && last != L"resizebackgroundimage") {
        // resizeBackgroundImage ends like an image but holds true or false.
        CheckFile(0, value_.size());
    } else if (EndsWith(last, L"color")) {
        if (!IsColour(value_))
            Add(valueStart_, SkinWarning,
                L"属性 " + name + L" の値 " + Quoted(value_) + L" は #RRGGBB の形でも色の名前でもありません。");
    } else if (IsPositionName(last)) {
        if (!IsInteger(value_))
            Add(valueStart_, SkinWarning, L"属性 " + name + L" の値 " + Quoted(value_) + L" は整数ではありません。");
    }
}

void SkinChecker::CheckId()
{
    if (value_.empty()) return;
    std::wstring key = value_;
    LowerInPlace(&key);
    Position at = cursor_.At(valueStart_);
    auto added = idScopes_.back().emplace(key, at.line);
    if (added.second) return;
    std::wstring where = idScopes_.size() > 1 ? L"同じ VIEW の " : L" ";
    Add(at, SkinWarning,
        L"id " + Quoted(value_) + L" は" + where + std::to_wstring(added.first->second) + L" 行目ですでに使われています。");
}

void SkinChecker::CheckScriptFiles()
{
    for (size_t from = 0; from <= value_.size();) {
        size_t to = std::min(value_.find(L';', from), value_.size());
        size_t first = from, last = to;
        while (first < last && (value_[first] == L' ' || value_[first] == L'\t')) ++first;
        while (last > first && (value_[last - 1] == L' ' || value_[last - 1] == L'\t')) --last;
        if (!StartsWithNoCase(value_, first, L"res://")) CheckFile(first, last);
        from = to + 1;
    }
}

// Windows compares the names without regard to case, and so does GetFileAttributesW.
void SkinChecker::CheckFile(size_t from, size_t to)
{
    if (folder_.empty() || from >= to) return;
    const std::wstring name = value_.substr(from, to - from);
    auto found = files_.find(name);
    if (found == files_.end()) {
        DWORD attributes = GetFileAttributesW(JoinPath(folder_, name).c_str());
        bool exists = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
        found = files_.emplace(name, exists).first;
    }
    if (!found->second) Add(ValueOffset(from), SkinError, L"ファイル " + Quoted(name) + L" がスキンのフォルダにありません。");
}

void SkinChecker::Push(OpenElement element)
{
    if (element.view) idScopes_.emplace_back();
    ++openCounts_[element.lower];
    open_.push_back(std::move(element));
}

void SkinChecker::Pop()
{
    if (open_.back().view && idScopes_.size() > 1) idScopes_.pop_back();
    --openCounts_[open_.back().lower];
    open_.pop_back();
}

void SkinChecker::ReadEndTag()
{
    Position at = cursor_.At(pos_);
    size_t nameStart = pos_ + 2, nameEnd = nameStart;
    while (nameEnd < text_.size() && IsElementNameChar(text_[nameEnd])) ++nameEnd;
    const std::wstring name = text_.substr(nameStart, nameEnd - nameStart);
    pos_ = nameEnd;
    SkipSpaces();
    if (pos_ < text_.size() && text_[pos_] == L'>') {
        ++pos_;
    } else {
        Add(at, SkinError, name.empty() ? std::wstring(L"終了タグ </ に要素名がありません。")
                                        : L"終了タグ </" + name + L"> が > で終わっていません。");
        size_t stop = text_.find_first_of(L"<>", pos_);
        pos_ = stop == std::wstring::npos ? text_.size() : stop + (text_[stop] == L'>' ? 1 : 0);
    }
    if (name.empty()) return;
    std::wstring lower = name;
    LowerInPlace(&lower);
    Close(name, lower, at);
}

// An end tag closes its element and every one opened inside it; one that matches nothing
// open is passed over. Elements whose start tag was cut short close without complaint.
void SkinChecker::Close(const std::wstring& name, const std::wstring& lower, Position at)
{
    if (open_.empty()) {
        Add(at, SkinError, L"終了タグ </" + name + L"> に対応する開始タグがありません。");
        return;
    }
    if (openCounts_[lower] == 0) {
        Add(at, SkinError, L"終了タグ </" + name + L"> は開いている要素 <" + open_.back().name + L"> と対応しません。");
        return;
    }
    std::wstring innermost;
    while (open_.back().lower != lower) {
        if (innermost.empty() && !open_.back().uncertain) innermost = open_.back().name;
        Pop();
    }
    Pop();
    if (!innermost.empty())
        Add(at, SkinError, L"終了タグ </" + name + L"> は開いている要素 <" + innermost + L"> と対応しません。");
}

int CountErrorsInFile(const std::wstring& path, const std::wstring& folder)
{
    std::string bytes;
    if (!ReadWholeFile(path.c_str(), &bytes)) return 1;
    ReadPlan plan = PlanRead(EncodingOfFirstBytes(bytes.substr(0, 3)), ReadByMark);
    std::wstring text =
        DecodeDocumentBytes(bytes.substr(plan.markLength), plan.encoding, WindowTextUnicode, CP_ACP, false).text.wide;
    std::vector<SkinFinding> findings = CheckSkinDefinition(text, folder);
    return static_cast<int>(std::count_if(findings.begin(), findings.end(),
                                          [](const SkinFinding& finding) { return finding.kind == SkinError; }));
}

}  // namespace

std::vector<SkinFinding> CheckSkinDefinition(const std::wstring& text, const std::wstring& folder)
{
    return SkinChecker(text, folder).Run();
}

std::vector<SkinFileErrors> CountSkinErrorsInFolder(const std::wstring& folder)
{
    std::vector<SkinFileErrors> counts;
    if (folder.empty()) return counts;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(JoinPath(folder, L"*.wms").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return counts;
    do {
        const std::wstring name = found.cFileName;
        // "*.wms" also matches longer extensions through their short names.
        if (!HasExtension(name, L".wms") || (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
        int errors = CountErrorsInFile(JoinPath(folder, name), folder);
        if (errors > 0) counts.push_back({name, errors});
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(counts.begin(), counts.end(), [](const SkinFileErrors& a, const SkinFileErrors& b) {
        return _wcsicmp(a.fileName.c_str(), b.fileName.c_str()) < 0;
    });
    return counts;
}
