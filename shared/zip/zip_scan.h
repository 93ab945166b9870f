// Listing a skin folder: every file below it, in package order, with its header fields.
#pragma once
#include "pack_result.h"
#include "zip_format.h"

#include <cstdint>
#include <string>
#include <vector>

struct SourceFile {
    std::wstring path;  // extended-length, for opening
    uint64_t size;      // as listed; the packer asks the open file again
    ZipEntry entry;     // name, time and attributes; the rest is filled when packed
};

// Lists the files below root (a resolved path), skipping output and its temporary files:
// the files of a folder first, then its subfolders, each in PackageOrderLess order. On
// failure failedPath names the folder or file at fault.
PackResult ListSkinFolder(const std::wstring& root, const std::wstring& output,
                          std::vector<SourceFile>* files, std::wstring* failedPath);

// Whether the listing holds a skin definition at the top of the folder.
bool HasSkinDefinition(const std::vector<SourceFile>& files);
