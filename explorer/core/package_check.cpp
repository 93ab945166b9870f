// The check of a skin package: the skin check of each definition at its top, and what only
// a package can get wrong (files named but missing, files nothing names, names whose case differs).
#include "package_check.h"

#include "skin_files.h"
#include "skin_limits.h"
#include "skin_package.h"

#include <algorithm>
#include <cwchar>
#include <new>
#include <set>
#include <unordered_map>

namespace {

// Each name the definitions give is looked up once, by its key.
using LookedUp = std::unordered_map<std::wstring, const PackageEntry*>;

bool IsHiddenCharacter(wchar_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

std::wstring Quoted(const std::wstring& name) { return L"\"" + EscapedName(name) + L"\""; }

// A script as the package names its entry, which the list shows for every file.
std::wstring EntryName(const Package& package, const std::wstring& name)
{
    std::wstring normal;
    const PackageEntry* entry = NormaliseSkinFileName(name, &normal) ? FindPackageEntry(package, normal) : nullptr;
    return entry ? entry->name : name;
}

// The reference against the package's names: missing, or there in another letter case.
void CheckReference(const Package& package, const SkinFileReference& reference, bool japanese, const std::wstring& file,
                    std::set<const PackageEntry*>* named, std::vector<PackageFinding>* findings, LookedUp* looked)
{
    std::wstring normal, key;
    if (!NormaliseSkinFileName(reference.name, &normal)) return;   // the skin check has its own word for those
    SkinFileKey(normal, &key);
    auto found = looked->find(key);
    if (found == looked->end()) found = looked->emplace(key, FindPackageEntry(package, normal)).first;
    const PackageEntry* entry = found->second;
    if (!entry) {
        findings->push_back({file, reference.line, reference.column, SkinError,
                             japanese ? L"ファイル " + Quoted(reference.name) + L" がパッケージにありません。"
                                      : L"The file " + Quoted(reference.name) + L" is not in the package."});
        return;
    }
    named->insert(entry);
    std::wstring slashed = normal;
    std::replace(slashed.begin(), slashed.end(), L'\\', L'/');
    if (slashed == entry->name) return;
    findings->push_back({file, reference.line, reference.column, SkinWarning,
                         japanese ? L"ファイル " + Quoted(reference.name) + L" はパッケージでは " + Quoted(entry->name) +
                                        L" と、大文字と小文字が違います。"
                                  : L"The file " + Quoted(reference.name) + L" is " + Quoted(entry->name) +
                                        L" in the package: the letter case differs."});
}

// False when the definition named more files than were looked up.
bool CheckDefinition(const Package& package, const PackageEntry& definition, bool japanese,
                     std::set<const PackageEntry*>* named, std::vector<PackageFinding>* findings)
{
    named->insert(&definition);
    const std::wstring file = EscapedName(definition.name);
    if (definition.error == ZipReadOk && IsDefinitionTooLarge(definition)) {
        const std::wstring most = std::to_wstring(kSkinLongestDefinition >> 20) + L" MB";
        findings->push_back({file, 0, 0, SkinError,
                             japanese ? L"スキン定義が " + most + L" を超えているため、チェックしませんでした。"
                                      : L"The skin definition is larger than " + most + L": it was not checked."});
        return false;
    }
    std::wstring text;
    const ZipReadError error = ReadDefinitionText(package, definition, &text);
    if (error != ZipReadOk) {
        findings->push_back({file, 0, 0, SkinError, ZipReadErrorText(error, japanese)});
        return true;
    }
    std::vector<PackageFinding> found, inScripts;
    // No folder: the files are looked for in the package instead.
    SkinPackageSource scripts(package);
    SkinCheckSetup setup;
    setup.scripts = &scripts;
    setup.definitionName = definition.name;
    setup.english = !japanese;
    for (const SkinFinding& finding : CheckSkinDefinition(text, setup)) {
        if (finding.file.empty())
            found.push_back({file, finding.line, finding.column, finding.kind, finding.message});
        else
            inScripts.push_back({EscapedName(EntryName(package, finding.file)), finding.line, finding.column, finding.kind,
                                 finding.message});
    }
    bool cut = false;
    LookedUp looked;
    for (const SkinFileReference& reference : ListSkinFileReferences(text, &cut))
        CheckReference(package, reference, japanese, file, named, &found, &looked);
    if (cut)
        found.push_back({file, 0, 0, SkinNote,
                         japanese ? L"ファイル名が多すぎるため、最初の " + std::to_wstring(kSkinMostFileReferences) +
                                        L" 個だけを確かめました。"
                                  : L"Too many file names: only the first " + std::to_wstring(kSkinMostFileReferences) +
                                        L" were looked for."});
    std::stable_sort(found.begin(), found.end(), [](const PackageFinding& a, const PackageFinding& b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
    found.insert(found.end(), inScripts.begin(), inScripts.end());
    findings->insert(findings->end(), found.begin(), found.end());
    return !cut;
}

// The check of a package that opened: every definition, then the files nothing names, which
// cannot be told when the names were not all looked up.
void CheckEntries(const Package& package, bool japanese, std::vector<PackageFinding>* findings)
{
    std::set<const PackageEntry*> named;
    bool anyDefinition = false, allLookedUp = true;
    for (const PackageEntry& entry : package.entries)
        if (IsTopDefinition(entry)) {
            allLookedUp = CheckDefinition(package, entry, japanese, &named, findings) && allLookedUp;
            anyDefinition = true;
        }
    if (!anyDefinition)
        findings->push_back({std::wstring(), 0, 0, SkinError, NoDefinitionText(japanese)});
    for (const PackageEntry& entry : package.entries)
        if (allLookedUp && !entry.folder && !named.count(&entry))
            findings->push_back({EscapedName(entry.name), 0, 0, SkinNote,
                                 japanese ? L"ファイル " + Quoted(entry.name) + L" はどの定義にも名前がありません。"
                                          : L"No definition names the file " + Quoted(entry.name) + L"."});
}

void CapFindings(bool japanese, std::vector<PackageFinding>* findings)
{
    if (findings->size() <= kSkinMostFindings) return;
    findings->resize(kSkinMostFindings);
    const std::wstring most = std::to_wstring(kSkinMostFindings);
    findings->push_back({std::wstring(), 0, 0, SkinNote,
                         japanese ? L"見つかった問題が多すぎるため、最初の " + most + L" 件だけを示しています。"
                                  : L"Too many findings: only the first " + most + L" are listed."});
}

}  // namespace

std::wstring EscapedName(const std::wstring& name)
{
    std::wstring shown;
    for (wchar_t c : name) {
        if (!IsHiddenCharacter(c)) {
            shown += c;
            continue;
        }
        wchar_t code[16];
        swprintf(code, 16, L"<U+%04X>", static_cast<unsigned>(c));
        shown += code;
    }
    return shown;
}

ZipReadError CheckSkinPackage(const std::wstring& path, bool japanese, std::vector<PackageFinding>* findings)
{
    findings->clear();
    Package package;
    const ZipReadError error = OpenPackage(path, &package);
    if (error != ZipReadOk) return error;
    try {
        CheckEntries(package, japanese, findings);
    } catch (const std::bad_alloc&) {
        std::vector<PackageFinding>().swap(*findings);
        return ZipReadOutOfMemory;
    }
    CapFindings(japanese, findings);
    return ZipReadOk;
}
