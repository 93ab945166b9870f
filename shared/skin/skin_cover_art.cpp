// The sample cover a preview draws for the song's artwork.
#include "skin_cover_art.h"

#include "skin_limits.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>

namespace {

uint32_t Mix(uint32_t from, uint32_t to, double amount)
{
    if (amount <= 0) return from | 0xFF000000u;
    amount = std::min(amount, 1.0);
    uint32_t mixed = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        const double a = from >> shift & 0xFF, b = to >> shift & 0xFF;
        mixed |= static_cast<uint32_t>(a + (b - a) * amount + 0.5) << shift;
    }
    return mixed;
}

// How much of a pixel at distance d from the centre lies inside a circle of that radius.
double Inside(double d, double radius) { return std::max(0.0, std::min(1.0, radius - d + 0.5)); }

SkinImage DrawCover(int side)
{
    SkinImage cover;
    cover.width = cover.height = side;
    cover.opaque = true;
    cover.pixels.resize(static_cast<size_t>(side) * static_cast<size_t>(side));
    const double centre = side / 2.0, disc = side * 0.38, label = side * 0.14, hole = std::max(1.0, side * 0.015);
    const double groove = std::max(2.0, side / 36.0);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const double dx = x + 0.5 - centre, dy = y + 0.5 - centre, d = std::sqrt(dx * dx + dy * dy);
            uint32_t pixel = Mix(0x6B7A89, 0x333B45, (x + y) / (2.0 * side));
            // Grooves: a faint ring every few pixels between the label and the rim.
            const uint32_t vinyl = std::fmod(d, groove) < 1.0 && d > label + 2 ? 0x2A2E35 : 0x1E2126;
            pixel = Mix(pixel, vinyl, Inside(d, disc));
            pixel = Mix(pixel, Mix(0xA9BCC8, 0x7F96A6, dy / (2 * label) + 0.5), Inside(d, label));
            pixel = Mix(pixel, 0x333B45, Inside(d, hole));
            cover.pixels[static_cast<size_t>(y) * static_cast<size_t>(side) + static_cast<size_t>(x)] = pixel;
        }
    return cover;
}

}  // namespace

std::shared_ptr<const SkinImage> SampleCover(int side)
{
    side = std::max(1, std::min(side, kSkinLargestCover));
    static std::mutex guard;
    static std::map<int, std::shared_ptr<const SkinImage>> made;
    std::lock_guard<std::mutex> lock(guard);
    auto found = made.find(side);
    if (found != made.end()) return found->second;
    if (made.size() >= kSkinCoversKept) made.clear();
    auto cover = std::make_shared<const SkinImage>(DrawCover(side));
    made.emplace(side, cover);
    return cover;
}
