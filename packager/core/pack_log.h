// The log of one run, "PACKLOG.TXT" in the application-data folder, in UTF-8 with a BOM.
#pragma once
#include "pack_result.h"
#include "zip_format.h"

#include <string>
#include <vector>

struct PackLog {
    std::string text;
};

void LogLine(PackLog* log, const std::wstring& line);

// One line per entry: method, size, packed size, name.
void LogEntries(PackLog* log, const std::vector<ZipEntry>& entries);

void LogResult(PackLog* log, PackResult result);

// Replaces the previous log. A log that cannot be written is no failure of the package.
void WritePackLog(const PackLog& log);
