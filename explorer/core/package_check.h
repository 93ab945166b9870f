// The check of a skin package: the skin check of each definition at its top, and what only
// a package can get wrong (files named but missing, files nothing names, names whose case differs).
#pragma once
#include "skin_check.h"
#include "zip_reader.h"

#include <string>
#include <vector>

struct PackageFinding {
    std::wstring file;   // the definition, or the package's own entry for a file nothing names
    int line;            // 1-based; 0 for a file nothing names
    int column;
    SkinFindingKind kind;
    std::wstring message;
};

// Findings of the definitions in package order, each sorted by line, then the files nothing
// names; the first kSkinMostFindings, and a last one that says when there were more. Names are
// shown with control and direction characters escaped. A package that cannot be opened, or
// whose check ran out of memory, gives its error and no findings.
ZipReadError CheckSkinPackage(const std::wstring& path, bool japanese, std::vector<PackageFinding>* findings);

// A name as the list shows it: control and text-direction characters as <U+202E>.
std::wstring EscapedName(const std::wstring& name);
