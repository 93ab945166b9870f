// A skin package as the renderer reads it, and the first view of it that Ferncastle shows.
#pragma once
#include "skin_files.h"
#include "skin_image.h"
#include "skin_render.h"
#include "zip_reader.h"

#include <cstdint>
#include <string>
#include <vector>

// The files of an opened package by their names, letter case ignored. The package must
// outlive the source.
class SkinPackageSource : public SkinFileSource {
public:
    explicit SkinPackageSource(const Package& package) : package_(package), reader_(package) {}
    std::wstring Identity() const override;
    bool Find(const std::wstring& name, SkinFileFacts* facts) override;
    bool Read(const std::wstring& name, uint64_t most, std::string* bytes) override;

private:
    const Package& package_;
    PackageReader reader_;   // the package file stays open while the source lives
};

// A skin definition at the top of the package: "*.wms" with no folder in its name.
bool IsTopDefinition(const PackageEntry& entry);
// Said of a package without one.
const wchar_t* NoDefinitionText(bool japanese);

// The skin definition at the top of the package (no folder in its name); the first such
// entry in the package's order, null when there is none.
const PackageEntry* FindPackageDefinition(const Package& package);

// A definition's entry holds more than kSkinLongestDefinition bytes: it is not read.
bool IsDefinitionTooLarge(const PackageEntry& definition);
// The definition entry read and decoded; the reader's reason when it cannot be read. One too
// large is not read: its text is left empty.
ZipReadError ReadDefinitionText(const Package& package, const PackageEntry& definition, std::wstring* text);

// What tells one state of a package file from another: its path, size and last write.
// False when the file cannot be found.
bool PackageFileKey(const std::wstring& path, std::wstring* key);

enum PackagePreviewState {
    PreviewShown,
    PreviewUnreadable,      // reason: the reader's error
    PreviewNoDefinition,
    PreviewTooLarge,        // the definition is over kSkinLongestDefinition
};

struct PackagePreview {
    PackagePreviewState state = PreviewUnreadable;
    ZipReadError reason = ZipReadOk;
    std::wstring title;    // THEME's TITLE and AUTHOR, empty when not set
    std::wstring author;
    uint64_t fileSize = 0;
    size_t entryCount = 0;
    SkinPicture picture;   // the first VIEW; viewFound false when there is none
};

// Opens the package and draws its first view with those options (their view aside). Never
// fails: the state says what was found, the picture's problems what could not be drawn.
void LoadPackagePreview(const std::wstring& path, SkinImageCache& cache, PackagePreview* preview,
                        const SkinRenderOptions& options = SkinRenderOptions());
// Stopped, or short of memory or resources: another try may show more, so it is not kept.
bool IsPassingPreview(const PackagePreview& preview);

// Why a preview shows no picture, and each limit its render reached, one a line (CR LF between
// them), in Japanese or in English; empty when all went well.
std::wstring PackagePreviewProblemText(const PackagePreview& preview, bool japanese);

// Title, author, size and entry count under the picture, one a line (CR LF between them).
std::wstring PackageFactsText(const PackagePreview& preview, bool japanese);

// A picture shrunk to fit the box, its proportions kept, never enlarged; each pixel the
// average of those it covers, still premultiplied. Empty for an empty picture or box.
struct FittedPicture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};
void FitSkinPicture(const SkinPicture& picture, int boxWidth, int boxHeight, FittedPicture* fitted);
