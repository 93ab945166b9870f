// Texts and rules of the main window that depend only on the document's path.
#include "command_rules.h"

#include "file_extension.h"
#include "file_paths.h"

bool IsRunnablePath(const std::wstring& path)
{
    return HasExtension(path, L".wms") || HasExtension(path, L".js");
}

std::wstring SaveChangesQuestion(const std::wstring& path)
{
    std::wstring name = path.empty() ? L"新規ファイル" : TitleOfPath(path);
    return name + L" への変更を保存しますか？";
}

std::wstring DocumentWindowTitle(const std::wstring& fileTitle)
{
    return L"Quillmere - " + (fileTitle.empty() ? std::wstring(L"新規ファイル") : fileTitle);
}

std::wstring PathForMessage(const std::wstring& path)
{
    const size_t kLongest = 100, kHead = 40;
    if (path.size() <= kLongest) return path;
    return path.substr(0, kHead) + L"…" + path.substr(path.size() - (kLongest - kHead - 1));
}
