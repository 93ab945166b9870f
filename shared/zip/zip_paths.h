// Paths as Zipwright resolves, compares and orders them.
#pragma once
#include <string>
#include <vector>

// Temporary packages are named "<output>.~zw<number>.tmp" beside the output.
#define ZIP_TEMP_MARKER L".~zw"

// The \\?\ form of a full path, so names past MAX_PATH open too.
std::wstring ExtendedLengthPath(const std::wstring& fullPath);

// The full, extended-length, long-name form of a path given on the command line, without
// a trailing backslash unless it is a drive's root. False when it cannot be resolved.
bool ResolvePath(const wchar_t* given, std::wstring* resolved);

// The same for a file that may not exist yet: only its folder's names are expanded. False
// also for a path that ends in a separator, which names no file.
bool ResolveOutputPath(const wchar_t* given, std::wstring* resolved);

// Whether path is the output package or one of its temporary files (case ignored).
bool IsOwnOutput(const std::wstring& path, const std::wstring& output);

// Package order inside one folder: names compared ignoring case, then exactly.
bool PackageOrderLess(const std::wstring& a, const std::wstring& b);

// The arguments after the program name, split as CommandLineToArgvW and the C runtime
// split them, so "C:\skins\\" written by the editor reads back as C:\skins\.
std::vector<std::wstring> SplitArguments(const wchar_t* commandLine);
