// Images a skin names, decoded by the Windows Imaging Component and kept while they do not change.
#include "skin_image.h"

#include "skin_limits.h"

#include <windows.h>
#include <wincodec.h>

#include <algorithm>
#include <cstring>
#include <new>

namespace {

// What a failure counts against the budget, besides its key: the budget bounds them too.
const size_t kFailureBytes = 256;

// Releases a COM interface at the end of its scope.
template <typename T>
class ComRef {
public:
    ComRef() = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ~ComRef()
    {
        if (p_) p_->Release();
    }
    T** operator&() { return &p_; }
    T* operator->() const { return p_; }
    T* get() const { return p_; }

private:
    T* p_ = nullptr;
};

bool CreateFactory(IWICImagingFactory** factory)
{
    return SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                      reinterpret_cast<void**>(factory)));
}

bool TryResize(std::vector<uint32_t>* pixels, size_t count)
{
    try {
        pixels->assign(count, 0);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

SkinImageStatus CopyFrame(IWICImagingFactory* factory, IWICBitmapFrameDecode* frame, SkinImage* image,
                          size_t mostBytes)
{
    UINT width = 0, height = 0;
    if (FAILED(frame->GetSize(&width, &height)) || width == 0 || height == 0) return SkinImageUnreadable;
    if (width > static_cast<UINT>(kSkinWidest) || height > static_cast<UINT>(kSkinWidest) ||
        static_cast<UINT64>(width) * height > kSkinMostPixels)
        return SkinImageTooLarge;
    if (static_cast<UINT64>(width) * height * 4 > mostBytes) return SkinImageOverBudget;
    ComRef<IWICFormatConverter> converter;
    if (FAILED(factory->CreateFormatConverter(&converter)) ||
        FAILED(converter->Initialize(frame, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)))
        return SkinImageUnreadable;
    if (!TryResize(&image->pixels, static_cast<size_t>(width) * height)) return SkinImageOutOfMemory;
    if (FAILED(converter->CopyPixels(nullptr, width * 4, width * height * 4,
                                     reinterpret_cast<BYTE*>(image->pixels.data())))) {
        image->pixels.clear();
        return SkinImageUnreadable;
    }
    image->width = static_cast<int>(width);
    image->height = static_cast<int>(height);
    return SkinImageReady;
}

// The four formats the player reads start so; anything else is not handed to the imaging
// component, whose look at every decoder it has costs a render of a thousand junk files seconds.
bool LooksLikeImage(const std::string& bytes)
{
    static const char* const kStarts[] = {"BM", "\x89PNG", "\xFF\xD8\xFF", "GIF8"};
    for (const char* start : kStarts)
        if (bytes.compare(0, strlen(start), start) == 0) return true;
    return false;
}

// Decided by the caller's budget or the memory of the moment, not by the file: never kept.
bool Passing(SkinImageStatus status) { return status == SkinImageOverBudget || status == SkinImageOutOfMemory; }

bool SameFacts(const SkinFileFacts& a, const SkinFileFacts& b) { return a.stamp == b.stamp && a.size == b.size; }

uint32_t Unpremultiplied(uint32_t pixel)
{
    uint32_t alpha = pixel >> 24;
    if (alpha == 0 || alpha == 255) return alpha ? pixel : 0;
    uint32_t straight = alpha << 24;
    for (int shift = 0; shift < 24; shift += 8)
        straight |= std::min(((pixel >> shift & 0xFF) * 255 + alpha / 2) / alpha, 255u) << shift;
    return straight;
}

// Every object is released when this returns, so that a failed file can be deleted.
bool EncodePng(std::vector<uint32_t>& straight, int width, int height, const std::wstring& path)
{
    ComRef<IWICImagingFactory> factory;
    ComRef<IWICStream> stream;
    ComRef<IWICBitmapEncoder> encoder;
    ComRef<IWICBitmapFrameEncode> frame;
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
    if (!CreateFactory(&factory) || FAILED(factory->CreateStream(&stream)) ||
        FAILED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)))
        return false;
    return SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
           SUCCEEDED(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache)) &&
           SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) && SUCCEEDED(frame->Initialize(nullptr)) &&
           SUCCEEDED(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height))) &&
           SUCCEEDED(frame->SetPixelFormat(&format)) && format == GUID_WICPixelFormat32bppBGRA &&
           SUCCEEDED(frame->WritePixels(static_cast<UINT>(height), static_cast<UINT>(width) * 4,
                                        static_cast<UINT>(straight.size() * 4),
                                        reinterpret_cast<BYTE*>(straight.data()))) &&
           SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

}  // namespace

SkinImageDecoder::SkinImageDecoder() : com_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))
{
    if (!CreateFactory(&factory_)) factory_ = nullptr;
}

SkinImageDecoder::~SkinImageDecoder()
{
    if (factory_) factory_->Release();
    if (SUCCEEDED(com_)) CoUninitialize();
}

SkinImageStatus SkinImageDecoder::Decode(const std::string& bytes, SkinImage* image, size_t mostBytes)
{
    *image = SkinImage();
    if (bytes.size() > kSkinLongestImageFile) return SkinImageTooLarge;
    if (!LooksLikeImage(bytes)) return SkinImageUnreadable;
    ComRef<IWICStream> stream;
    ComRef<IWICBitmapDecoder> decoder;
    ComRef<IWICBitmapFrameDecode> frame;
    GUID format = {};
    if (!factory_ || bytes.empty() || FAILED(factory_->CreateStream(&stream)) ||
        FAILED(stream->InitializeFromMemory(reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data())),
                                            static_cast<DWORD>(bytes.size()))) ||
        FAILED(factory_->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand, &decoder)) ||
        FAILED(decoder->GetContainerFormat(&format)) || FAILED(decoder->GetFrame(0, &frame)))
        return SkinImageUnreadable;
    SkinImageStatus status = CopyFrame(factory_, frame.get(), image, mostBytes);
    if (status != SkinImageReady) return status;
    if (format != GUID_ContainerFormatPng)
        for (uint32_t& pixel : image->pixels) pixel |= 0xFF000000u;
    image->opaque =
        std::all_of(image->pixels.begin(), image->pixels.end(), [](uint32_t pixel) { return pixel >= 0xFF000000u; });
    return status;
}

std::shared_ptr<const SkinImage> SkinImageCache::Load(SkinFileSource& files, const std::wstring& name,
                                                      SkinImageStatus* status, size_t mostBytes)
{
    std::wstring normal, key;
    if (!NormaliseSkinFileName(name, &normal) || !SkinFileKey(normal, &key)) {
        *status = SkinImageBadName;
        return nullptr;
    }
    key = files.Identity() + L'|' + key;
    auto found = entries_.find(key);
    SkinFileFacts facts;
    if (!files.Find(normal, &facts)) {
        if (found != entries_.end()) Forget(found);
        *status = SkinImageMissing;
        return nullptr;
    }
    if (found != entries_.end() && !SameFacts(found->second.facts, facts)) {
        Forget(found);
        found = entries_.end();
    }
    if (found == entries_.end()) {
        auto image = std::make_shared<SkinImage>();
        const SkinImageStatus decoded = Decode(files, normal, facts, image.get(), mostBytes);
        ++decodes_;
        if (Passing(decoded)) {
            *status = decoded;
            return nullptr;
        }
        const bool ready = decoded == SkinImageReady;
        const size_t bytes = (ready ? image->pixels.size() * 4 : kFailureBytes) + key.size() * sizeof(wchar_t);
        found = entries_.emplace(key, Entry{facts, decoded, ready ? image : nullptr, bytes, uses_.end()}).first;
        found->second.use = uses_.insert(uses_.begin(), &found->first);
        bytes_ += bytes;
        Trim();
    } else {
        uses_.splice(uses_.begin(), uses_, found->second.use);
    }
    const Entry& entry = found->second;
    if (entry.image && entry.image->pixels.size() * 4 > mostBytes) {
        *status = SkinImageOverBudget;
        return nullptr;
    }
    *status = entry.status;
    return entry.image;
}

SkinImageStatus SkinImageCache::Decode(SkinFileSource& files, const std::wstring& name, const SkinFileFacts& facts,
                                       SkinImage* image, size_t mostBytes)
{
    if (facts.size > kSkinLongestImageFile) return SkinImageTooLarge;
    try {
        std::string bytes;
        if (!files.Read(name, kSkinLongestImageFile, &bytes)) return SkinImageUnreadable;
        if (!decoder_) decoder_.reset(new SkinImageDecoder());
        return decoder_->Decode(bytes, image, mostBytes);
    } catch (const std::bad_alloc&) {
        *image = SkinImage();
        return SkinImageOutOfMemory;
    }
}

void SkinImageCache::Forget(Entries::iterator entry)
{
    bytes_ -= entry->second.bytes;
    uses_.erase(entry->second.use);
    entries_.erase(entry);
}

// The least recently used go first; the one just loaded, at the front, stays whatever its size.
void SkinImageCache::Trim()
{
    while (bytes_ > budget_ && uses_.size() > 1) Forget(entries_.find(*uses_.back()));
}

void SkinImageCache::Clear()
{
    entries_.clear();
    uses_.clear();
    bytes_ = 0;
}

bool WriteSkinPng(const uint32_t* pixels, int width, int height, const std::wstring& path)
{
    if (width <= 0 || height <= 0 || static_cast<UINT64>(width) * height > kSkinMostPixels) return false;
    std::vector<uint32_t> straight;
    if (!TryResize(&straight, static_cast<size_t>(width) * height)) return false;
    std::transform(pixels, pixels + straight.size(), straight.begin(), Unpremultiplied);
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    bool written = EncodePng(straight, width, height, path);
    if (SUCCEEDED(com)) CoUninitialize();
    if (written) return true;
    DeleteFileW(path.c_str());
    return false;
}

BITMAPINFO TopDownPixelsInfo(int width, int height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

uint32_t OverOpaqueColour(uint32_t pixel, uint32_t rgb)
{
    const uint32_t rest = 255 - (pixel >> 24);
    uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const uint32_t channel = (pixel >> shift & 0xFF) + ((rgb >> shift & 0xFF) * rest + 127) / 255;
        out |= std::min(channel, 255u) << shift;
    }
    return out;
}
