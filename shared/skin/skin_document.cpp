// A skin definition read into a tree of elements with their attributes and places in the text.
#include "skin_document.h"

#include "skin_limits.h"
#include "skin_markup.h"

#include <algorithm>
#include <cwchar>
#include <unordered_map>

namespace {

// Repeats among a tag's attributes are looked for by a scan up to this many, by a hash beyond.
const size_t kScannedAttributes = 32;

struct OpenTag {
    std::wstring lower;
    int node;         // -1 when the element was left out
    bool uncertain;   // its start tag was cut short: it may have been meant to close itself
};

class DocumentReader {
public:
    explicit DocumentReader(const std::wstring& text) : text_(text), lines_(text) {}
    SkinDocument Read();

private:
    void StartTag(const MarkupToken& token);
    int AddNode(const MarkupToken& token);
    void AddAttributes(const MarkupToken& token, SkinNode* node);
    void EndTag(const MarkupToken& token);

    const std::wstring& text_;
    MarkupLines lines_;
    SkinDocument document_;
    std::vector<OpenTag> open_;
    std::unordered_map<std::wstring, int> openCounts_;
    std::unordered_map<std::wstring, size_t> names_;   // of the tag being read, past the scan
    size_t attributes_ = 0;
    int themes_ = 0;
};

SkinDocument DocumentReader::Read()
{
    MarkupReader reader(text_);
    MarkupToken token;
    bool sawElement = false;
    while (reader.Next(&token)) {
        if (token.kind == MarkupFault) {
            document_.hasErrors = true;
        } else if (token.kind == MarkupStartTag) {
            sawElement = true;
            StartTag(token);
        } else {
            EndTag(token);
        }
    }
    for (const OpenTag& tag : open_)
        if (!tag.uncertain) document_.hasErrors = true;
    if (!sawElement) document_.hasErrors = true;
    return std::move(document_);
}

void DocumentReader::StartTag(const MarkupToken& token)
{
    if (token.lowerName == L"theme" ? ++themes_ > 1 : open_.empty()) document_.hasErrors = true;
    if (token.tagEnd == MarkupTagCut) document_.hasErrors = true;
    for (size_t i = 0; i < token.attributeCount; ++i)
        if (token.attributes[i].fault != MarkupAttributeRead) document_.hasErrors = true;
    int node = AddNode(token);
    if (token.tagEnd == MarkupTagClosesItself) return;
    // Unclosed tags past the limit are not followed: their end tags then match nothing, or close
    // an element of the same name further out.
    if (open_.size() >= kSkinMostOpenTags) {
        document_.hasErrors = document_.nestedTooDeep = true;
        return;
    }
    bool uncertain = token.tagEnd == MarkupTagCut || token.tagEnd == MarkupTagCutInValue;
    open_.push_back({token.lowerName, node, uncertain});
    ++openCounts_[token.lowerName];
}

int DocumentReader::AddNode(const MarkupToken& token)
{
    int parent = open_.empty() ? -1 : open_.back().node;
    if (!open_.empty() && parent < 0) return -1;   // inside an element left out
    if (open_.size() >= kSkinDeepestNesting) {
        document_.nestedTooDeep = true;
        return -1;
    }
    if (document_.nodes.size() >= kSkinMostElements) {
        document_.tooManyElements = true;
        return -1;
    }
    int index = static_cast<int>(document_.nodes.size());
    document_.nodes.emplace_back();
    SkinNode& node = document_.nodes.back();
    node.info = FindSkinElement(token.lowerName);
    node.tag = token.name;
    MarkupPosition at = lines_.At(token.offset);
    node.place = {token.offset, token.end - token.offset, at.line, at.column};
    node.parent = parent;
    AddAttributes(token, &node);
    if (parent >= 0) document_.nodes[static_cast<size_t>(parent)].children.push_back(index);
    return index;
}

// The player sets attributes in order, so a repeated one ends with its last value.
void DocumentReader::AddAttributes(const MarkupToken& token, SkinNode* node)
{
    if (token.attributesLeftOut > 0) document_.tooManyAttributes = true;
    names_.clear();
    for (size_t i = 0; i < token.attributeCount; ++i) {
        const MarkupAttribute& attribute = token.attributes[i];
        if (attribute.fault != MarkupAttributeRead) continue;
        auto& kept = node->attributes;
        if (kept.size() < kScannedAttributes) {
            auto known = std::find_if(kept.begin(), kept.end(), [&](const std::pair<std::wstring, std::wstring>& a) {
                return a.first == attribute.lowerName;
            });
            if (known != kept.end()) {
                known->second = attribute.value;
                continue;
            }
        } else {
            if (names_.empty())
                for (size_t at = 0; at < kept.size(); ++at) names_.emplace(kept[at].first, at);
            auto known = names_.find(attribute.lowerName);
            if (known != names_.end()) {
                kept[known->second].second = attribute.value;
                continue;
            }
        }
        if (attributes_ >= kSkinMostAttributes) {
            document_.tooManyAttributes = true;
            continue;
        }
        ++attributes_;
        if (!names_.empty()) names_.emplace(attribute.lowerName, kept.size());
        kept.emplace_back(attribute.lowerName, attribute.value);
    }
}

// An end tag closes its element and every one opened inside it; one that matches nothing
// open is passed over.
void DocumentReader::EndTag(const MarkupToken& token)
{
    if (!token.endTagClosed) document_.hasErrors = true;
    if (token.name.empty()) return;
    auto count = openCounts_.find(token.lowerName);
    if (count == openCounts_.end() || count->second == 0) {
        document_.hasErrors = true;
        return;
    }
    for (;;) {
        OpenTag tag = std::move(open_.back());
        open_.pop_back();
        --openCounts_[tag.lower];
        if (tag.lower == token.lowerName) break;
        if (!tag.uncertain) document_.hasErrors = true;
    }
}

bool StartsWithNoCase(const std::wstring& text, const wchar_t* lowerPrefix)
{
    size_t at = 0;
    for (; *lowerPrefix; ++lowerPrefix, ++at)
        if (at >= text.size() || LowerAscii(text[at]) != *lowerPrefix) return false;
    return true;
}

}  // namespace

const std::wstring* SkinNode::Find(const wchar_t* lowerName) const
{
    for (const auto& attribute : attributes)
        if (attribute.first == lowerName) return &attribute.second;
    return nullptr;
}

SkinDocument ReadSkinDocument(const std::wstring& text) { return DocumentReader(text).Read(); }

std::vector<int> FindSkinViews(const SkinDocument& document)
{
    std::vector<int> views;
    for (size_t i = 0; i < document.nodes.size(); ++i) {
        if (!document.nodes[i].Is(SkinView)) continue;
        int parent = document.nodes[i].parent;
        while (parent >= 0 && !document.nodes[static_cast<size_t>(parent)].Is(SkinView))
            parent = document.nodes[static_cast<size_t>(parent)].parent;
        if (parent < 0) views.push_back(static_cast<int>(i));
    }
    return views;
}

bool IsBoundValue(const std::wstring& value)
{
    for (const wchar_t* prefix : {L"wmpprop:", L"wmpenabled:", L"wmpdisabled:", L"jscript:", L"res://"})
        if (StartsWithNoCase(value, prefix)) return true;
    return false;
}

bool ParseSkinInteger(const std::wstring& value, long* number)
{
    size_t at = !value.empty() && (value[0] == L'+' || value[0] == L'-') ? 1 : 0;
    if (at == value.size()) return false;
    long long magnitude = 0;
    for (; at < value.size(); ++at) {
        if (value[at] < L'0' || value[at] > L'9') return false;
        if (magnitude <= kSkinFarthest) magnitude = magnitude * 10 + (value[at] - L'0');
    }
    if (magnitude > kSkinFarthest) magnitude = kSkinFarthest;
    *number = static_cast<long>(value[0] == L'-' ? -magnitude : magnitude);
    return true;
}

bool ParseSkinBoolean(const std::wstring& value, bool* flag)
{
    if (_wcsicmp(value.c_str(), L"true") == 0) return *flag = true, true;
    if (_wcsicmp(value.c_str(), L"false") == 0) return *flag = false, true;
    return false;
}
