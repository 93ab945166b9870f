// The check of a skin package: the skin check of each definition at its top, and what only
// a package can get wrong (files named but missing, files nothing names, names whose case differs).
#include "package_check.h"

#include "skin_files.h"
#include "skin_package.h"

#include <algorithm>
#include <set>

namespace {

std::wstring Quoted(const std::wstring& name) { return L"\"" + name + L"\""; }

// A script as the package names its entry, which the list shows for every file.
std::wstring EntryName(const Package& package, const std::wstring& name)
{
    std::wstring normal;
    const PackageEntry* entry = NormaliseSkinFileName(name, &normal) ? FindPackageEntry(package, normal) : nullptr;
    return entry ? entry->name : name;
}

// The reference against the package's names: missing, or there in another letter case.
void CheckReference(const Package& package, const SkinFileReference& reference, bool japanese, const std::wstring& file,
                    std::set<const PackageEntry*>* named, std::vector<PackageFinding>* findings)
{
    std::wstring normal;
    if (!NormaliseSkinFileName(reference.name, &normal)) return;   // the skin check has its own word for those
    const PackageEntry* entry = FindPackageEntry(package, normal);
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

void CheckDefinition(const Package& package, const PackageEntry& definition, bool japanese,
                     std::set<const PackageEntry*>* named, std::vector<PackageFinding>* findings)
{
    named->insert(&definition);
    std::wstring text;
    const ZipReadError error = ReadDefinitionText(package, definition, &text);
    if (error != ZipReadOk) {
        findings->push_back({definition.name, 0, 0, SkinError, ZipReadErrorText(error, japanese)});
        return;
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
            found.push_back({definition.name, finding.line, finding.column, finding.kind, finding.message});
        else
            inScripts.push_back({EntryName(package, finding.file), finding.line, finding.column, finding.kind, finding.message});
    }
    for (const SkinFileReference& reference : ListSkinFileReferences(text))
        CheckReference(package, reference, japanese, definition.name, named, &found);
    std::stable_sort(found.begin(), found.end(), [](const PackageFinding& a, const PackageFinding& b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
    found.insert(found.end(), inScripts.begin(), inScripts.end());
    findings->insert(findings->end(), found.begin(), found.end());
}

}  // namespace

ZipReadError CheckSkinPackage(const std::wstring& path, bool japanese, std::vector<PackageFinding>* findings)
{
    findings->clear();
    Package package;
    const ZipReadError error = OpenPackage(path, &package);
    if (error != ZipReadOk) return error;
    std::set<const PackageEntry*> named;
    bool anyDefinition = false;
    for (const PackageEntry& entry : package.entries)
        if (IsTopDefinition(entry)) {
            CheckDefinition(package, entry, japanese, &named, findings);
            anyDefinition = true;
        }
    if (!anyDefinition)
        findings->push_back({std::wstring(), 0, 0, SkinError, NoDefinitionText(japanese)});
    for (const PackageEntry& entry : package.entries)
        if (!entry.folder && !named.count(&entry))
            findings->push_back({entry.name, 0, 0, SkinNote,
                                 japanese ? L"ファイル " + Quoted(entry.name) + L" はどの定義にも名前がありません。"
                                          : L"No definition names the file " + Quoted(entry.name) + L"."});
    return ZipReadOk;
}
