// Checks a skin definition (.wms) as the player reads it: structure, names, values, named files.
#pragma once
#include <string>
#include <utility>
#include <vector>

enum SkinFindingKind { SkinError, SkinWarning, SkinNote };

struct SkinFinding {
    int line;      // 1-based
    int column;    // 1-based, in UTF-16 code units; a tab counts one
    SkinFindingKind kind;
    std::wstring message;   // Japanese, names in the author's own spelling
};

// Findings sorted by line, then column. folder: the skin's folder, where files named by
// attributes are looked up; when it is empty no file is looked up.
std::vector<SkinFinding> CheckSkinDefinition(const std::wstring& text, const std::wstring& folder);

// How an attribute's value names files, by the attribute's lower-case name: "…image" one file
// (resizeBackgroundImage, a flag, none), "scriptFile" a list split by ';' whose res:// parts
// name none.
enum SkinFileNaming { SkinNamesNoFile, SkinNamesOneFile, SkinNamesFileList };
SkinFileNaming FileNamingOfAttribute(const std::wstring& lowerName);

// The parts of an attribute's value that name files, as [first, second) ranges: the whole value
// for one file; each ';'-separated item without its blanks for a list, but for res:// items,
// which are the player's own. Bound values, empty items and the player's own images
// (WMPImage_AlbumArtLarge) name none.
std::vector<std::pair<size_t, size_t>> SkinFileNameRanges(const std::wstring& lowerName, const std::wstring& value);

struct SkinFileErrors {
    std::wstring fileName;
    int errors;
};

// Every *.wms file at the top of the folder, read by its byte-order mark, with its count of
// errors; files without errors are left out, unreadable files count as one error.
std::vector<SkinFileErrors> CountSkinErrorsInFolder(const std::wstring& folder);
