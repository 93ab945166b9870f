// Texts and rules of the main window that depend only on the document's path.
#include "command_rules.h"

#include "file_extension.h"

std::wstring FileTitleOf(const std::wstring& path)
{
    size_t slash = path.find_last_of(L"\\/:");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

bool IsRunnablePath(const std::wstring& path)
{
    return HasExtension(path, L".wms") || HasExtension(path, L".js");
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
