// The song's artwork that the player's own images stand for, drawn in a preview as a neutral
// sample cover of our own art.
#pragma once
#include "skin_image.h"

#include <memory>

// The sample cover, side pixels square (1 to 512: larger is drawn scaled), opaque: a record
// on a quiet ground. Made once for each of the last few sides asked, for every thread.
std::shared_ptr<const SkinImage> SampleCover(int side);
