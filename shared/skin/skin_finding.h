// What the skin check finds, and where: in the definition or in one of its scripts.
#pragma once
#include <string>

enum SkinFindingKind { SkinError, SkinWarning, SkinNote };

struct SkinFinding {
    int line;      // 1-based
    int column;    // 1-based, in UTF-16 code units; a tab counts one
    SkinFindingKind kind;
    std::wstring message;   // names in the author's own spelling
    std::wstring file;      // empty for the definition; else the script, as the definition names it
};
