// Checks a skin definition (.wms) as the player reads it: structure, names, values, named files.
#pragma once
#include <string>
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

struct SkinFileErrors {
    std::wstring fileName;
    int errors;
};

// Every *.wms file at the top of the folder, read by its byte-order mark, with its count of
// errors; files without errors are left out, unreadable files count as one error.
std::vector<SkinFileErrors> CountSkinErrorsInFolder(const std::wstring& folder);
