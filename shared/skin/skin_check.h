// Checks a skin definition (.wms) as the player reads it: structure, names, values, named
// files, and the scripts of its views with it.
#pragma once
#include "skin_files.h"
#include "skin_finding.h"

#include <string>
#include <vector>

struct SkinCheckSetup {
    std::wstring folder;                 // where files named by attributes are looked up; empty: nowhere
    SkinFileSource* scripts = nullptr;   // where the views' scripts are read; null: they are not
    std::wstring definitionName;         // the definition's file name: the ".js" of its title serves every view
    bool english = false;                // findings about script in English; the others are Japanese
};

// The definition's findings sorted by line, then column; then each script's, in the order
// the definition first names them.
std::vector<SkinFinding> CheckSkinDefinition(const std::wstring& text, const SkinCheckSetup& setup);
// The definition in its folder, where its files are looked up and its scripts read (empty:
// never saved, nothing is looked up), in Japanese.
std::vector<SkinFinding> CheckSkinDefinition(const std::wstring& text, const std::wstring& folder,
                                             const std::wstring& definitionName = std::wstring());

struct SkinFileErrors {
    std::wstring fileName;
    int errors;
};

// Every *.wms file at the top of the folder, read by its byte-order mark, with its count of
// errors; files without errors are left out, unreadable files count as one error.
std::vector<SkinFileErrors> CountSkinErrorsInFolder(const std::wstring& folder);
