// Checks a skin definition (.wms) as the player reads it: structure, names, values, named files.
#include "skin_check.h"

#include "file_extension.h"
#include "file_paths.h"
#include "skin_document.h"
#include "skin_limits.h"
#include "skin_markup.h"
#include "skin_script_check.h"
#include "skin_vocabulary.h"
#include "text_encoding.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <unordered_map>
#include <unordered_set>

namespace {

const wchar_t* const kPositionNames[] = {L"left",     L"top",       L"width",    L"height",    L"right",
                                         L"bottom",   L"minwidth",  L"minheight", L"maxwidth", L"maxheight"};
// Values longer than a path are cut in messages.
const size_t kLongestQuoted = MAX_PATH;
// Attribute repeats are looked for by a scan up to this many names on one tag, by a hash beyond.
const size_t kScannedNames = 32;

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool IsHexDigit(wchar_t c) { return IsDigit(c) || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F'); }

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
    LowerAsciiInPlace(&lower);
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

struct OpenElement {
    std::wstring name;   // as written
    std::wstring lower;
    MarkupPosition at;
    bool uncertain;      // its start tag was cut short: it may have been meant to close itself
    bool view;
};

class SkinChecker {
public:
    SkinChecker(const std::wstring& text, const SkinCheckSetup& setup)
        : text_(text), folder_(setup.folder), cursor_(text), scripts_(setup.scripts, setup.definitionName, setup.english),
          idScopes_(1)
    {
    }

    std::vector<SkinFinding> Run();

private:
    // False once the findings have reached their limit.
    bool Add(const SkinFinding& finding)
    {
        if (stopped_) return false;
        findings_.push_back(finding);
        if (findings_.size() < kSkinMostFindings) return true;
        findings_.push_back({finding.line, finding.column, SkinNote,
                             L"見つかった問題が " + std::to_wstring(kSkinMostFindings) +
                                 L" 件に達したため、ここで確認をやめました。",
                             finding.file});
        stopped_ = true;
        return false;
    }
    void Add(MarkupPosition at, SkinFindingKind kind, const std::wstring& message)
    {
        Add(SkinFinding{at.line, at.column, kind, message, std::wstring()});
    }
    void Add(size_t offset, SkinFindingKind kind, const std::wstring& message)
    {
        Add(cursor_.At(offset), kind, message);
    }
    void AddFault(const MarkupToken& token);
    void ReadStartTag(const MarkupToken& token);
    void CheckPlace(const OpenElement& element);
    void CheckAttribute(const OpenElement& element, const SkinElementInfo* info, const MarkupAttribute& attribute);
    void CheckName(const OpenElement& element, const SkinElementInfo* info, const std::wstring& name,
                   size_t nameStart);
    bool SeenOnThisTag();
    std::wstring Suggestion(const SkinElementInfo* info, const std::wstring& lower);
    void CheckValue(const std::wstring& name, const OpenElement& element);
    void CheckId(bool viewOwnId);
    void CheckFile(size_t from, size_t to);
    void Push(OpenElement element);
    void Pop();
    void ReadEndTag(const MarkupToken& token);
    void Close(const std::wstring& name, const std::wstring& lower, MarkupPosition at);

    const std::wstring& text_;
    const std::wstring& folder_;
    MarkupLines cursor_;
    SkinScriptCheck scripts_;
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
    std::wstring lower_;                            // the attribute name being checked, in lower case
    const MarkupAttribute* attribute_ = nullptr;   // the attribute whose value is being checked
};

std::vector<SkinFinding> SkinChecker::Run()
{
    MarkupReader reader(text_);
    MarkupToken token;
    while (!stopped_ && reader.Next(&token)) {
        if (token.kind == MarkupFault) AddFault(token);
        else if (token.kind == MarkupStartTag) ReadStartTag(token);
        else ReadEndTag(token);
    }
    for (const OpenElement& element : open_)
        if (!element.uncertain) Add(element.at, SkinError, L"要素 <" + element.name + L"> が閉じられていません。");
    if (!sawElement_) Add(MarkupPosition{1, 1}, SkinError, L"要素 <THEME> がありません。");
    if (!stopped_)
        scripts_.CheckDefinition([this](size_t offset, SkinFindingKind kind, const std::wstring& message) {
            Add(offset, kind, message);
            return !stopped_;
        });
    std::stable_sort(findings_.begin(), findings_.end(), [](const SkinFinding& a, const SkinFinding& b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
    if (!stopped_) scripts_.CheckScripts([this](const SkinFinding& finding) { return Add(finding); });
    return findings_;
}

void SkinChecker::AddFault(const MarkupToken& token)
{
    const wchar_t* message = token.fault == MarkupUnclosedComment       ? L"コメントが閉じられていません。"
                             : token.fault == MarkupUnclosedDeclaration ? L"宣言が閉じられていません。"
                                                                        : L"< の後に要素名がありません。";
    Add(token.offset, SkinError, message);
}

void SkinChecker::ReadStartTag(const MarkupToken& token)
{
    OpenElement element{token.name, token.lowerName, cursor_.At(token.offset), false, token.lowerName == L"view"};
    sawElement_ = true;
    CheckPlace(element);
    if (element.view) scripts_.OpenView();

    const SkinElementInfo* info = FindSkinElement(element.lower);
    if (!info) {
        std::wstring guess = Suggestion(nullptr, element.lower);
        Add(element.at, SkinWarning,
            L"要素 <" + element.name + L"> はスキンの書式にありません。" +
                (guess.empty() ? L"" : L"もしかして " + guess + L" ですか?"));
    }
    tagNames_.clear();
    manyTagNames_.clear();
    for (size_t i = 0; i < token.attributeCount; ++i) CheckAttribute(element, info, token.attributes[i]);
    if (token.attributesLeftOut > 0)
        Add(element.at, SkinWarning,
            L"タグ <" + element.name + L"> の属性が多すぎるため、" + std::to_wstring(kSkinMostTagAttributes) +
                L" 個より後は確かめていません。");
    if (element.view && token.tagEnd == MarkupTagClosesItself) scripts_.CloseView();
    if (token.tagEnd == MarkupTagCut)
        Add(element.at, SkinError, L"開始タグ <" + element.name + L"> が > で終わっていません。");
    element.uncertain = token.tagEnd == MarkupTagCut || token.tagEnd == MarkupTagCutInValue;
    if (token.tagEnd != MarkupTagClosesItself) Push(std::move(element));
}

void SkinChecker::CheckPlace(const OpenElement& element)
{
    if (element.lower == L"theme") {
        if (++themes_ > 1) Add(element.at, SkinError, L"要素 <" + element.name + L"> が二つ以上あります。");
    } else if (open_.empty()) {
        Add(element.at, SkinError, L"要素 <" + element.name + L"> が THEME の外にあります。");
    }
}

void SkinChecker::CheckAttribute(const OpenElement& element, const SkinElementInfo* info,
                                 const MarkupAttribute& attribute)
{
    const std::wstring& name = attribute.name;
    if (attribute.fault == MarkupStrayCharacter) {
        Add(attribute.nameOffset, SkinError, L"タグ <" + element.name + L"> の中に属性として読めない文字があります。");
        return;
    }
    lower_ = attribute.lowerName;
    CheckName(element, info, name, attribute.nameOffset);
    switch (attribute.fault) {
    case MarkupNoEquals: Add(attribute.nameOffset, SkinError, L"属性 " + name + L" に = と値がありません。"); break;
    case MarkupNoValue: Add(attribute.nameOffset, SkinError, L"属性 " + name + L" の = の後に値がありません。"); break;
    case MarkupUnquotedValue:
        Add(attribute.valueOffset, SkinError, L"属性 " + name + L" の値が引用符で囲まれていません。");
        break;
    case MarkupUnclosedValue: Add(attribute.valueOffset, SkinError, L"属性 " + name + L" の値が閉じられていません。"); break;
    default:
        attribute_ = &attribute;
        scripts_.AddAttribute(info, attribute);
        CheckValue(name, element);
        break;
    }
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

void SkinChecker::CheckValue(const std::wstring& name, const OpenElement& element)
{
    if (IsBoundValue(attribute_->value)) return;
    size_t dot = lower_.rfind(L'.');
    const std::wstring last = dot == std::wstring::npos ? lower_ : lower_.substr(dot + 1);
    if (lower_ == L"id") {
        CheckId(element.view);
    } else if (FileNamingOfAttribute(lower_) != SkinNamesNoFile) {
        for (const auto& range : SkinFileNameRanges(lower_, attribute_->value)) {
            CheckFile(range.first, range.second);
            if (element.view && lower_ == L"scriptfile")
                scripts_.AddScriptFile(attribute_->value.substr(range.first, range.second - range.first),
                                       attribute_->OffsetOf(range.first));
        }
    } else if (EndsWith(last, L"color")) {
        if (!IsColour(attribute_->value))
            Add(attribute_->valueOffset, SkinWarning,
                L"属性 " + name + L" の値 " + Quoted(attribute_->value) + L" は #RRGGBB の形でも色の名前でもありません。");
    } else if (IsPositionName(last)) {
        if (!IsInteger(attribute_->value))
            Add(attribute_->valueOffset, SkinWarning, L"属性 " + name + L" の値 " + Quoted(attribute_->value) + L" は整数ではありません。");
    }
}

void SkinChecker::CheckId(bool viewOwnId)
{
    if (attribute_->value.empty()) return;
    scripts_.AddId(attribute_->value, viewOwnId);
    std::wstring key = attribute_->value;
    LowerAsciiInPlace(&key);
    MarkupPosition at = cursor_.At(attribute_->valueOffset);
    auto added = idScopes_.back().emplace(key, at.line);
    if (added.second) return;
    std::wstring where = idScopes_.size() > 1 ? L"同じ VIEW の " : L" ";
    Add(at, SkinWarning,
        L"id " + Quoted(attribute_->value) + L" は" + where + std::to_wstring(added.first->second) + L" 行目ですでに使われています。");
}

// Windows compares the names without regard to case, and so does GetFileAttributesW.
void SkinChecker::CheckFile(size_t from, size_t to)
{
    if (folder_.empty()) return;
    const std::wstring name = attribute_->value.substr(from, to - from);
    auto found = files_.find(name);
    if (found == files_.end()) {
        DWORD attributes = GetFileAttributesW(JoinPath(folder_, name).c_str());
        bool exists = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
        found = files_.emplace(name, exists).first;
    }
    if (!found->second)
        Add(attribute_->OffsetOf(from), SkinError, L"ファイル " + Quoted(name) + L" がスキンのフォルダにありません。");
}

void SkinChecker::Push(OpenElement element)
{
    if (element.view) idScopes_.emplace_back();
    ++openCounts_[element.lower];
    open_.push_back(std::move(element));
}

void SkinChecker::Pop()
{
    if (open_.back().view) {
        if (idScopes_.size() > 1) idScopes_.pop_back();
        scripts_.CloseView();
    }
    --openCounts_[open_.back().lower];
    open_.pop_back();
}

void SkinChecker::ReadEndTag(const MarkupToken& token)
{
    MarkupPosition at = cursor_.At(token.offset);
    const std::wstring& name = token.name;
    if (!token.endTagClosed)
        Add(at, SkinError, name.empty() ? std::wstring(L"終了タグ </ に要素名がありません。")
                                        : L"終了タグ </" + name + L"> が > で終わっていません。");
    if (!name.empty()) Close(name, token.lowerName, at);
}

// An end tag closes its element and every one opened inside it; one that matches nothing
// open is passed over. Elements whose start tag was cut short close without complaint.
void SkinChecker::Close(const std::wstring& name, const std::wstring& lower, MarkupPosition at)
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
    TextFile file = ReadTextFile(path);
    if (file.status != TextReadDone) return 1;
    std::vector<SkinFinding> findings = CheckSkinDefinition(file.text.wide, folder, TitleOfPath(path));
    return static_cast<int>(std::count_if(findings.begin(), findings.end(),
                                          [](const SkinFinding& finding) { return finding.kind == SkinError; }));
}

}  // namespace

std::vector<SkinFinding> CheckSkinDefinition(const std::wstring& text, const SkinCheckSetup& setup)
{
    return SkinChecker(text, setup).Run();
}

std::vector<SkinFinding> CheckSkinDefinition(const std::wstring& text, const std::wstring& folder,
                                             const std::wstring& definitionName)
{
    SkinFolderSource scripts(folder);
    SkinCheckSetup setup;
    setup.folder = folder;
    setup.scripts = folder.empty() ? nullptr : &scripts;
    setup.definitionName = definitionName;
    return CheckSkinDefinition(text, setup);
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
