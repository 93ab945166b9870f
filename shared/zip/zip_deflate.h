// Raw deflate at the highest level and CRC-32, over whole buffers and over chunks.
#pragma once
#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <memory>

// Memory that is asked for without exceptions: data is null when it could not be had.
struct ByteBuffer {
    std::unique_ptr<unsigned char[]> data;
    size_t size;
};
bool AllocateBuffer(size_t size, ByteBuffer* buffer);

uint32_t UpdateCrc32(uint32_t crc, const unsigned char* data, size_t size);

// Deflates size bytes of data into out (room for size bytes) and returns true, with
// compressedSize set, when that made them smaller. False means the file is to be stored, also
// when zlib had no memory: a stored entry is still a correct one.
bool DeflateIfSmaller(const unsigned char* data, size_t size, unsigned char* out, size_t* compressedSize);

// A raw deflate stream at the highest level; EndDeflateStream is safe after a failed begin.
bool BeginDeflateStream(z_stream* stream);
void EndDeflateStream(z_stream* stream);
