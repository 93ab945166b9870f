// Packing a file in chunks straight into the package, for files too large to hold at once.
#pragma once
#include "pack_result.h"
#include "zip_archive.h"
#include "zip_deflate.h"
#include "zip_scan.h"

const size_t kStreamChunk = 1 << 20;

// Two buffers of kStreamChunk bytes, allocated once for all streamed files.
struct StreamBuffers {
    ByteBuffer input;
    ByteBuffer output;
};
bool AllocateStreamBuffers(StreamBuffers* buffers);

// Deflates the file into the archive as it reads it; when that does not make it smaller,
// goes back and writes it stored instead.
PackResult StreamEntry(Archive* archive, const SourceFile& file, StreamBuffers* buffers);
