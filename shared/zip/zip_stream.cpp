// Packing a file in chunks straight into the package, for files too large to hold at once.
#include "zip_stream.h"

#include "zip_source.h"

namespace {

// Deflates the rest of the file into the archive. smaller is false when the compressed
// data reached the file's size, at which point there is no use going on.
PackResult DeflateChunks(Archive* archive, HANDLE source, ZipEntry* entry, StreamBuffers* buffers,
                         bool* smaller)
{
    z_stream stream;
    *smaller = false;
    if (!BeginDeflateStream(&stream)) return PackWritten;  // stored is still a correct entry
    PackResult result = PackWritten;
    uint64_t read = 0;
    int status = Z_OK;
    while (result == PackWritten && status != Z_STREAM_END && stream.total_out < entry->size) {
        size_t got = 0;
        if (!ReadSource(source, buffers->input.data.get(), kStreamChunk, &got)) {
            result = PackUnreadableFile;
            break;
        }
        read += got;
        entry->crc = UpdateCrc32(entry->crc, buffers->input.data.get(), got);
        stream.next_in = buffers->input.data.get();
        stream.avail_in = static_cast<uInt>(got);
        int flush = got < kStreamChunk ? Z_FINISH : Z_NO_FLUSH;
        do {
            stream.next_out = buffers->output.data.get();
            stream.avail_out = static_cast<uInt>(kStreamChunk);
            status = deflate(&stream, flush);
            result = AppendToArchive(archive, buffers->output.data.get(), kStreamChunk - stream.avail_out);
        } while (result == PackWritten && stream.avail_out == 0);
    }
    if (result == PackWritten && status == Z_STREAM_END && read != entry->size) result = PackUnreadableFile;
    *smaller = status == Z_STREAM_END && stream.total_out < entry->size;
    entry->compressedSize = static_cast<uint32_t>(stream.total_out);
    EndDeflateStream(&stream);
    return result;
}

PackResult CopyStored(Archive* archive, HANDLE source, ZipEntry* entry, StreamBuffers* buffers)
{
    LARGE_INTEGER start = {};
    if (!SetFilePointerEx(source, start, nullptr, FILE_BEGIN)) return PackUnreadableFile;
    entry->method = ZipStored;
    entry->crc = 0;
    entry->compressedSize = entry->size;
    for (uint64_t left = entry->size; left > 0;) {
        size_t piece = left < kStreamChunk ? static_cast<size_t>(left) : kStreamChunk;
        if (!ReadSourceExactly(source, buffers->input.data.get(), piece)) return PackUnreadableFile;
        entry->crc = UpdateCrc32(entry->crc, buffers->input.data.get(), piece);
        PackResult result = AppendToArchive(archive, buffers->input.data.get(), piece);
        if (result != PackWritten) return result;
        left -= piece;
    }
    return PackWritten;
}

PackResult StreamOpenFile(Archive* archive, const SourceFile& file, HANDLE source, StreamBuffers* buffers)
{
    ZipEntry entry = file.entry;
    uint64_t size = 0;
    if (!SourceFileSize(source, &size)) return PackUnreadableFile;
    if (size > kZipMaxBytes) return PackTooLarge;
    entry.size = static_cast<uint32_t>(size);
    entry.method = ZipDeflated;
    // The header goes out with zero sizes and CRC and is rewritten once they are known.
    PackResult result = AppendLocalHeaderOf(archive, &entry);
    uint64_t dataStart = archive->end;
    bool smaller = false;
    if (result == PackWritten) result = DeflateChunks(archive, source, &entry, buffers, &smaller);
    if (result == PackWritten && !smaller) result = CutArchive(archive, dataStart);
    if (result == PackWritten && !smaller) result = CopyStored(archive, source, &entry, buffers);
    if (result != PackWritten) return result;
    std::vector<unsigned char> header;
    AppendLocalHeader(entry, &header);
    result = RewriteInArchive(archive, entry.localHeaderOffset, header.data(), header.size());
    if (result == PackWritten) archive->entries.push_back(entry);
    return result;
}

}  // namespace

bool AllocateStreamBuffers(StreamBuffers* buffers)
{
    return AllocateBuffer(kStreamChunk, &buffers->input) && AllocateBuffer(kStreamChunk, &buffers->output);
}

PackResult StreamEntry(Archive* archive, const SourceFile& file, StreamBuffers* buffers)
{
    HANDLE source = OpenSourceFile(file.path);
    if (source == INVALID_HANDLE_VALUE) return PackUnreadableFile;
    PackResult result = StreamOpenFile(archive, file, source, buffers);
    CloseHandle(source);
    return result;
}
