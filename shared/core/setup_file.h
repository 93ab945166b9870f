// The skin setup file (.qlmc): its copy list, read and written through the profile functions.
#pragma once
#include <string>
#include <vector>

// The reader stops at the first missing or empty key, and after this many.
const int kSetupEntryLimit = 32768;

// Larger setup files are refused unread: the longest list the reader takes, 32,768 values
// of 259 characters in UTF-16, stays below 18 MB.
const unsigned kSetupFileByteLimit = 20u << 20;

// The "CopyInfo" values from Skin0 up, each at most 259 characters, with one pair of
// enclosing quotes removed as the profile functions remove them. A file over the limit
// gives no values and sets *tooLarge.
std::vector<std::wstring> ReadSetupEntries(const std::wstring& setupPath, bool* tooLarge = nullptr);

// True for a found name a setup file may list: a file whose own name ends in ".wmz" (a
// search for "*.wmz" also matches short names such as X~1.WMZ of "x.wmz1").
bool IsPackage(const std::wstring& name, bool isFolder);

// True for a value that names one file at or below the folder it is taken from: no root,
// drive, server, stream or wildcard, and no ".." segment.
bool IsContainedEntry(const std::wstring& value);

// The same, and the value joined to the folder still lies below it once resolved.
bool ResolvesInside(const std::wstring& folder, const std::wstring& value);

struct SetupWriteResult {
    int count = 0;          // packages listed; 0 when the folder had none
    bool written = false;   // every write took and the file reads back as written
};

// Rewrites the two sections of outputPath for the *.wmz files of the current directory,
// keeping the file's other content; without packages only the two sections go. The file
// turns UTF-16 when a name does not fit the ANSI code page, which would damage it.
SetupWriteResult WriteSetupFile(const std::wstring& outputPath);

// Where a bulk copy puts the packages: the current directory when it lies inside the
// skins folder, the skins folder itself otherwise; "" when the skins folder is unknown.
std::wstring BulkCopyDestination(const std::wstring& currentDirectory, const std::wstring& skinsRoot);
