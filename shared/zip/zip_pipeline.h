// Packing the listed files: small ones compressed in memory on worker threads, large ones
// streamed by the writing thread, all written in listing order.
#pragma once
#include "pack_result.h"
#include "zip_archive.h"
#include "zip_scan.h"

#include <string>
#include <vector>

// Files up to this size are read whole and compressed in memory.
const uint64_t kInMemoryLimit = 8u << 20;

// Adds every file to the archive. On failure failedPath names the file at fault.
PackResult PackFiles(Archive* archive, const std::vector<SourceFile>& files, std::wstring* failedPath);
