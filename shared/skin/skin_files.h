// The files a skin definition names, read through one small interface: a folder now, a package later.
#pragma once
#include <cstdint>
#include <string>

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
