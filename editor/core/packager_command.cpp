// What the packaging dialog hands the packager, from paths alone.
#include "packager_command.h"

#include "file_extension.h"

namespace {

const wchar_t kPackagerName[] = L"Zipwright.exe";

// Backslashes before the closing quote are doubled, or "C:\skins\" would read as an
// escaped quote and swallow the next argument.
std::wstring Quoted(const std::wstring& text)
{
    size_t trailing = text.size() - (text.find_last_not_of(L'\\') + 1);
    return L"\"" + text + std::wstring(trailing, L'\\') + L"\"";
}

}  // namespace

bool IsSkinDefinitionPath(const std::wstring& path)
{
    return HasExtension(path, L".wms");
}

std::wstring SkinFolderOfDocument(const std::wstring& documentPath)
{
    size_t slash = documentPath.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return std::wstring();
    std::wstring folder = documentPath.substr(0, slash + 1);
    bool driveRoot = folder.size() == 3 && folder[1] == L':';
    if (!driveRoot) folder.pop_back();
    return folder;
}

std::wstring PackagerPath(const std::wstring& programFolder)
{
    return programFolder + kPackagerName;
}

std::wstring PackagerCommandLine(const std::wstring& programFolder, const std::wstring& skinFolder,
                                 const std::wstring& outputFile)
{
    return Quoted(PackagerPath(programFolder)) + L" " + Quoted(skinFolder) + L" " + Quoted(outputFile);
}
