// The files a skin definition names, which attributes name them, and one small interface
// that reads them from a folder or a package.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// How an attribute's value names files, by the attribute's lower-case name: "…image" one file
// (resizeBackgroundImage, a flag, none), "scriptFile" a list split by ';' whose res:// parts
// name none.
enum SkinFileNaming { SkinNamesNoFile, SkinNamesOneFile, SkinNamesFileList };
SkinFileNaming FileNamingOfAttribute(const std::wstring& lowerName);

// The parts of an attribute's value that name files, as [first, second) ranges: the whole value
// for one file; each ';'-separated item without its blanks for a list, but for res:// items,
// which are the player's own. Bound values, empty items and the player's own images
// (WMPImage_AlbumArtLarge) name none.
std::vector<std::pair<size_t, size_t>> SkinFileNameRanges(const std::wstring& lowerName, const std::wstring& value);

// A file a definition names, where the name's first character stands.
struct SkinFileReference {
    std::wstring name;   // as written
    int line;
    int column;
};

// Every file the definition names in its image and script attributes, the first
// kSkinMostFileReferences of them (cut is set when there were more); bound values and
// res:// scripts name none.
std::vector<SkinFileReference> ListSkinFileReferences(const std::wstring& text, bool* cut = nullptr);

// A text file of the skin decoded as the editor reads it: by its byte-order mark, ANSI without one.
std::wstring DecodeSkinText(const std::string& bytes);

struct SkinFileFacts {
    uint64_t stamp = 0;   // changes whenever the file does, such as its last-write time
    uint64_t size = 0;    // bytes
};

class SkinFileSource {
public:
    virtual ~SkinFileSource() = default;
    // Whose files these are (a folder, a package): what is cached for one source never serves another.
    virtual std::wstring Identity() const = 0;
    // name: as NormaliseSkinFileName gives it, matched without regard to case. False when there is no such file.
    virtual bool Find(const std::wstring& name, SkinFileFacts* facts) = 0;
    // The whole file; false when it cannot be read or holds more than most bytes.
    virtual bool Read(const std::wstring& name, uint64_t most, std::string* bytes) = 0;
};

// A file name as the definition gives it, in the one form sources are asked by: parts joined
// by '\', without "." parts. False for names that leave the skin: absolute paths, drives,
// "..", empty names.
bool NormaliseSkinFileName(const std::wstring& name, std::wstring* normal);
// The one key of every spelling of a file name ("a.png", "./A.PNG", "././a.png" alike):
// normalised and in upper case. False as NormaliseSkinFileName is.
bool SkinFileKey(const std::wstring& name, std::wstring* key);

// Without a folder (a document never saved) it finds no files, rather than the drive root's.
class SkinFolderSource : public SkinFileSource {
public:
    explicit SkinFolderSource(const std::wstring& folder);
    std::wstring Identity() const override { return folder_; }
    bool Find(const std::wstring& name, SkinFileFacts* facts) override;
    bool Read(const std::wstring& name, uint64_t most, std::string* bytes) override;

private:
    std::wstring folder_;   // ends with '\'; empty for no folder
};
