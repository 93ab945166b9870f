// The skin setup file (.qlmc): its copy list, read and written through the profile functions.
#pragma once
#include <string>
#include <vector>

// The reader stops at the first missing or empty key, and after this many.
const int kSetupEntryLimit = 32768;

// The "CopyInfo" values from Skin0 up, each at most 259 characters.
std::vector<std::wstring> ReadSetupEntries(const std::wstring& setupPath);

// True for a value that names a file at or below the folder it is taken from: no root,
// drive, server or stream, and no ".." segment.
bool IsContainedEntry(const std::wstring& value);

// The same, and the value joined to the folder still lies below it once resolved.
bool ResolvesInside(const std::wstring& folder, const std::wstring& value);
// The path made absolute ("" when it cannot be).
std::wstring FullPath(const std::wstring& path);

struct SetupWriteResult {
    int count = 0;          // packages listed; 0 when the folder had none
    bool written = false;   // every write took and the file reads back as written
};

// Rewrites the two sections of outputPath for the *.wmz files of the current directory,
// keeping the file's other content; without packages only the two sections go. The file
// turns UTF-16 when a name does not fit the ANSI code page, which would damage it.
SetupWriteResult WriteSetupFile(const std::wstring& outputPath);

// Where a bulk copy puts the packages: the current directory when it lies inside the
// skins folder, the skins folder itself otherwise.
std::wstring BulkCopyDestination(const std::wstring& currentDirectory, const std::wstring& skinsRoot);
