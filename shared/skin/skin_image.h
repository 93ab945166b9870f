// Images a skin names, decoded by the Windows Imaging Component and kept while they do not change.
#pragma once
#include "skin_files.h"

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

struct SkinImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;   // 0xAARRGGBB (B, G, R, A in memory), not premultiplied, top row first
    bool opaque = false;            // every alpha is 255

    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + x]; }
};

enum SkinImageStatus {
    SkinImageReady,
    SkinImageMissing,      // no such file
    SkinImageBadName,      // an absolute path or one that leaves the skin
    SkinImageUnreadable,   // not a BMP, PNG, JPEG or GIF that Windows can decode
    SkinImageTooLarge,     // over 16,384 pixels a side or 64 megapixels
    SkinImageOverBudget,   // more bytes than the caller could still hold: not decoded
    SkinImageOutOfMemory,  // the memory to decode it was not there
};

// The header GDI takes for 32-bit pixels in memory, top row first, as pictures here are kept.
BITMAPINFO TopDownPixelsInfo(int width, int height);

// A premultiplied pixel laid on an opaque colour (0xRRGGBB): what a DC that takes no alpha shows.
uint32_t OverOpaqueColour(uint32_t pixel, uint32_t rgb);

struct IWICImagingFactory;

// Decodes BMP, PNG, JPEG and GIF (its first frame) with one imaging factory, in a COM apartment
// of the calling thread that lasts as long as the decoder. Only PNG keeps its alpha: the player
// shows a GIF's transparent colour and a bitmap's fourth byte opaque.
class SkinImageDecoder {
public:
    SkinImageDecoder();
    ~SkinImageDecoder();
    SkinImageDecoder(const SkinImageDecoder&) = delete;
    SkinImageDecoder& operator=(const SkinImageDecoder&) = delete;
    // mostBytes: the decoded pixels' bytes allowed; a larger image is not decoded.
    SkinImageStatus Decode(const std::string& bytes, SkinImage* image, size_t mostBytes = SIZE_MAX);

private:
    long com_;
    IWICImagingFactory* factory_ = nullptr;
};

// Decoded images by source, name and stamp: a file is decoded again only when it changed.
// Keep one cache, on one thread, for as long as previews of the same skins are shown. Images
// and failures alike are let go of, the least recently used first, past the budget.
class SkinImageCache {
public:
    explicit SkinImageCache(size_t budgetBytes = 256u << 20) : budget_(budgetBytes) {}
    // name as the definition gives it. The image is null unless the status is SkinImageReady;
    // one of more than mostBytes is not given (SkinImageOverBudget) but stays cached.
    std::shared_ptr<const SkinImage> Load(SkinFileSource& files, const std::wstring& name, SkinImageStatus* status,
                                          size_t mostBytes = SIZE_MAX);
    // Lets go of the imaging component until the next decode; every render ends with it.
    void EndDecoding() { decoder_.reset(); }
    size_t DecodeCount() const { return decodes_; }
    size_t EntryCount() const { return entries_.size(); }
    void Clear();

private:
    struct Entry;
    using Entries = std::unordered_map<std::wstring, Entry>;
    struct Entry {
        SkinFileFacts facts;
        SkinImageStatus status;
        std::shared_ptr<const SkinImage> image;
        size_t bytes;                                   // what it counts against the budget
        std::list<const std::wstring*>::iterator use;   // its place in uses_
    };
    SkinImageStatus Decode(SkinFileSource& files, const std::wstring& name, const SkinFileFacts& facts,
                           SkinImage* image, size_t mostBytes);
    void Forget(Entries::iterator entry);
    void Trim();

    std::unique_ptr<SkinImageDecoder> decoder_;
    size_t budget_;
    size_t bytes_ = 0;
    size_t decodes_ = 0;
    Entries entries_;
    std::list<const std::wstring*> uses_;   // the keys of entries_, the most recently used first
};

// Writes a picture as the renderer gives it (premultiplied 0xAARRGGBB) to a PNG file with its
// alpha. False, and no file left behind, when it cannot be written.
bool WriteSkinPng(const uint32_t* pixels, int width, int height, const std::wstring& path);
