// Texts and rules of the main window that depend only on the document's path.
#include "command_rules.h"

#include <cwctype>

namespace {

std::wstring LowerCase(std::wstring text)
{
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

std::wstring ExtensionOf(const std::wstring& path)
{
    std::wstring title = FileTitleOf(path);
    size_t dot = title.find_last_of(L'.');
    return dot == std::wstring::npos ? std::wstring() : title.substr(dot);
}

}  // namespace

std::wstring FileTitleOf(const std::wstring& path)
{
    size_t slash = path.find_last_of(L"\\/:");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

bool IsRunnablePath(const std::wstring& path)
{
    std::wstring extension = LowerCase(ExtensionOf(path));
    return extension == L".wms" || extension == L".js";
}

std::wstring SaveChangesQuestion(const std::wstring& path)
{
    std::wstring name = path.empty() ? L"新規ファイル" : FileTitleOf(path);
    return name + L" への変更を保存しますか？";
}

std::wstring DocumentWindowTitle(const std::wstring& fileTitle)
{
    return L"Quillmere - " + (fileTitle.empty() ? std::wstring(L"新規ファイル") : fileTitle);
}
