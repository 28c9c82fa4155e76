#include "LayerPictures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "Painting.h"

namespace pictures {

namespace {

constexpr double kPi = 3.14159265358979323846;
// The ball's round mask leaves a disc of 508 / 512 of the square.
constexpr double kBallRadius = 0.5 * 508.0 / 512.0;

// The stand's square in ball units (x from -230.4, y from -185.6 down to -372.2) and the ball
// above it: centre (0, 0), radius 254.
constexpr double kStandLeft = -230.4, kStandRight = 232.9, kStandTop = -185.61412, kStandBottom = -372.19293;
constexpr double kBallUnitsRadius = 254.0;

// A glyph is drawn on 5 × 6 blocks: connected strokes across, down and diagonal, from its
// own small random sequence.
struct Strokes {
    bool block[6][5] = {};
};

Strokes GlyphStrokes(int index) {
    uint32_t seed = 2654435761u * uint32_t(index + 1);
    auto next = [&](int below) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 16) & 0x7FFF) % below;
    };
    static constexpr int kDirections[4][2] = {{1, 0}, {0, 1}, {1, 1}, {-1, 1}};
    Strokes strokes;
    int x = next(5), y = next(3);
    const int count = 4 + next(3);
    for (int s = 0; s < count; ++s) {
        const int* step = kDirections[next(4)];
        const int length = 2 + next(4);
        for (int k = 0; k < length; ++k) {
            strokes.block[y][x] = true;
            x = std::clamp(x + step[0], 0, 4);
            y = std::clamp(y + step[1], 0, 5);
        }
        // The next stroke starts from a block already drawn, or near the top again.
        if (next(3) == 0) x = next(5), y = next(2);
    }
    return strokes;
}

}  // namespace

Image GlassHighlight(int size) {
    return Painted(size, size, [](double u, double v, double&, double&, double&, double& a) {
        // A broad soft glow and a small bright spot, both up and to the left.
        const double glow = std::hypot((u - 0.36) / 0.24, (v - 0.3) / 0.16);
        const double spot = std::hypot((u - 0.32) / 0.06, (v - 0.25) / 0.04);
        a = 0.45 * std::pow(std::max(0.0, 1.0 - glow), 1.5) + 0.8 * std::pow(std::max(0.0, 1.0 - spot), 2.0);
        a *= Inside(std::hypot(u - 0.5, v - 0.5) - kBallRadius, 0.01);
    });
}

Image GlassRim(int size) {
    return Painted(size, size, [](double u, double v, double& r, double& g, double&, double& a) {
        r = 0.85, g = 0.93;
        const double distance = std::hypot(u - 0.5, v - 0.5);
        const double ring = std::exp(-std::pow((distance - 0.94 * kBallRadius) / 0.025, 2.0));
        // Light from below and behind: strong at the bottom, a trace at the top.
        const double low = 0.5 + 0.5 * std::sin(std::atan2(v - 0.5, u - 0.5));
        a = ring * (0.15 + 0.55 * low) * Inside(distance - kBallRadius, 0.01);
    });
}

Image GlassStand(int width, int height) {
    return Painted(width, height, [](double u, double v, double& r, double& g, double& b, double& a) {
        const double x = kStandLeft + u * (kStandRight - kStandLeft);
        const double y = kStandTop + v * (kStandBottom - kStandTop);
        const double fromBall = std::hypot(x, y) - kBallUnitsRadius;
        // A collar that hugs the ball's bottom, then a base that widens downwards.
        const double collar = Inside(fromBall - 14.0, 3.0) * Inside(-fromBall, 3.0) * Inside(std::abs(x) - 150.0, 6.0);
        const double halfWidth = 120.0 + 100.0 * v;
        const double base = Inside(0.42 - v, 0.02) * Inside(std::abs(x) - halfWidth, 4.0) * Inside(v - 0.97, 0.02);
        const double neck = Inside(std::abs(x) - 36.0, 4.0) * Inside(0.3 - v, 0.02) * Inside(v - 0.45, 0.02);
        a = std::max({collar, base, neck});
        const double shade = 0.55 + 0.45 * std::cos((x / halfWidth) * kPi / 2.0) * (1.0 - 0.5 * v);
        r = 0.55 * shade, g = 0.36 * shade, b = 0.18 * shade;
    });
}

Image GlyphStrip(int width, int glyphs) {
    const int height = width * (glyphs - 2);
    const double band = double(height) / glyphs;
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        const int glyph = std::min(int(y / band), glyphs - 1);
        const Strokes strokes = GlyphStrokes(glyph);
        // The glyph's 5 × 6 blocks fill the middle of its band.
        const double blockY = (y - glyph * band - 0.12 * band) / (0.76 * band) * 6.0;
        for (int x = 0; x < width; ++x) {
            const double blockX = (x - 0.18 * width) / (0.64 * width) * 5.0;
            const bool on = blockX >= 0 && blockX < 5 && blockY >= 0 && blockY < 6 &&
                            strokes.block[int(blockY)][int(blockX)];
            image.Set(x, y, 255, 255, 255, on ? 255 : 0);
        }
    }
    return image;
}

}  // namespace pictures
