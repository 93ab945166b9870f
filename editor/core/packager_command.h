// What the packaging dialog hands the packager, from paths alone.
#pragma once
#include <string>

// True for a document the auto-fill button serves: a path ending in ".wms", any case.
bool IsSkinDefinitionPath(const std::wstring& path);

// The document's folder without its trailing backslash ("C:\skins\blue\blue.wms" gives
// "C:\skins\blue"); a drive's root keeps it, as "C:" alone names another folder.
std::wstring SkinFolderOfDocument(const std::wstring& documentPath);

// The packager's path in the program folder, and its whole command line: the program and
// both paths each in double quotes, so blanks anywhere survive.
std::wstring PackagerPath(const std::wstring& programFolder);
std::wstring PackagerCommandLine(const std::wstring& programFolder, const std::wstring& skinFolder,
                                 const std::wstring& outputFile);
