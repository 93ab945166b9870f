// What the skin check finds, and where: in the definition or in one of its scripts.
#pragma once
#include <cstddef>
#include <string>

// Past this many findings the check stops: a list that long helps nobody, and garbage
// text would otherwise fill memory with one finding per character.
const size_t kMostSkinFindings = 10000;

enum SkinFindingKind { SkinError, SkinWarning, SkinNote };

struct SkinFinding {
    int line;      // 1-based
    int column;    // 1-based, in UTF-16 code units; a tab counts one
    SkinFindingKind kind;
    std::wstring message;   // names in the author's own spelling
    std::wstring file;      // empty for the definition; else the script, as the definition names it
};
