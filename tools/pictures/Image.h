#pragma once
// An RGBA picture in memory, rows top to bottom.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace pictures {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;  // 4 bytes a pixel

    Image(int w, int h) : width(w), height(h), rgba(size_t(w) * h * 4, 0) {}
    void Set(int x, int y, uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255) {
        uint8_t* p = &rgba[(size_t(y) * width + x) * 4];
        p[0] = r;
        p[1] = g;
        p[2] = b;
        p[3] = a;
    }
};

// a + (b − a) × t, with t clamped to 0..1 and the result rounded.
inline uint8_t Mix(uint8_t a, uint8_t b, double t) {
    return uint8_t(std::lround(a + (b - a) * std::clamp(t, 0.0, 1.0)));
}

}  // namespace pictures
