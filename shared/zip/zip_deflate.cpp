// Raw deflate at the highest level and CRC-32, over whole buffers and over chunks.
#include "zip_deflate.h"

#include <climits>
#include <new>

bool AllocateBuffer(size_t size, ByteBuffer* buffer)
{
    buffer->data.reset(new (std::nothrow) unsigned char[size > 0 ? size : 1]);
    buffer->size = buffer->data ? size : 0;
    return buffer->data != nullptr;
}

uint32_t UpdateCrc32(uint32_t crc, const unsigned char* data, size_t size)
{
    uLong value = crc;
    while (size > 0) {
        uInt piece = size > UINT_MAX ? UINT_MAX : static_cast<uInt>(size);
        value = crc32(value, data, piece);
        data += piece;
        size -= piece;
    }
    return static_cast<uint32_t>(value);
}

bool BeginDeflateStream(z_stream* stream)
{
    *stream = z_stream();
    // Negative window bits: raw deflate, as ZIP wants it, without zlib's header and trailer.
    if (deflateInit2(stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY) == Z_OK)
        return true;
    stream->state = nullptr;
    return false;
}

void EndDeflateStream(z_stream* stream)
{
    if (stream->state) deflateEnd(stream);
    stream->state = nullptr;
}

bool DeflateIfSmaller(const unsigned char* data, size_t size, unsigned char* out, size_t* compressedSize)
{
    *compressedSize = 0;
    z_stream stream;
    if (size == 0 || size > UINT_MAX || !BeginDeflateStream(&stream)) return false;
    stream.next_in = const_cast<unsigned char*>(data);
    stream.avail_in = static_cast<uInt>(size);
    stream.next_out = out;
    // One byte short of the input: a deflate that does not end within it is no gain.
    stream.avail_out = static_cast<uInt>(size - 1);
    bool smaller = deflate(&stream, Z_FINISH) == Z_STREAM_END;
    if (smaller) *compressedSize = stream.total_out;
    EndDeflateStream(&stream);
    return smaller;
}
