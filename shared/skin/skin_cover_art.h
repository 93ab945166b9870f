// The player's own images, which skins name like files: the current song's artwork, drawn in a
// preview as a neutral sample cover of our own art.
#pragma once
#include "skin_image.h"

#include <memory>
#include <string>

// The side in pixels of the player's image a name stands for: 200 for WMPImage_AlbumArtLarge,
// 75 for WMPImage_AlbumArtSmall (letter case ignored); 0 for any other name, a file of the skin.
int PlayerImageSide(const std::wstring& name);

// The sample cover, side pixels square (1 to 1024: larger is drawn scaled), opaque: a record
// on a quiet ground. Made once for each of the last few sides asked, for every thread.
std::shared_ptr<const SkinImage> SampleCover(int side);
