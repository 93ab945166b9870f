// Where things stand in a view: the rectangle every part of the renderer measures with.
#pragma once

// In view pixels; right and bottom lie outside.
struct SkinRect {
    int left = 0, top = 0, right = 0, bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Empty() const { return right <= left || bottom <= top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};
