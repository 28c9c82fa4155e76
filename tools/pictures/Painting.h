#pragma once
// Painting a picture pixel by pixel from a function of its position.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "Image.h"

namespace pictures {

inline uint8_t Byte(double t) { return uint8_t(std::lround(255.0 * std::clamp(t, 0.0, 1.0))); }

// 1 inside a shape, 0 outside, with a soft edge `soft` wide, from a signed distance.
inline double Inside(double distance, double soft) { return std::clamp(0.5 - distance / soft, 0.0, 1.0); }

// Every pixel from a function of (u, v) in 0..1 that sets its colour and coverage.
template <class Paint>
Image Painted(int width, int height, Paint paint) {
    Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            double r = 1, g = 1, b = 1, a = 0;
            paint((x + 0.5) / width, (y + 0.5) / height, r, g, b, a);
            image.Set(x, y, Byte(r), Byte(g), Byte(b), Byte(a));
        }
    return image;
}

}  // namespace pictures
