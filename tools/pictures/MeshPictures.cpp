#include "MeshPictures.h"

#include <cmath>

namespace pictures {

namespace {

constexpr double kPi = 3.14159265358979;

// Coverage of a soft edge: 1 inside by a pixel, 0 outside by a pixel.
double Coverage(double insideByPixels) { return std::clamp(insideByPixels + 0.5, 0.0, 1.0); }

uint8_t Alpha(double coverage) { return uint8_t(std::lround(255 * coverage)); }

}  // namespace

Image ClockDial(int size) {
    Image image(size, size);
    const double c = size / 2.0, radius = size * 0.48;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double dx = x + 0.5 - c, dy = y + 0.5 - c, d = std::hypot(dx, dy);
            const double coverage = Coverage(radius - d);
            if (coverage == 0) continue;
            uint8_t r = 246, g = 238, b = 214;
            if (d > radius * 0.9) r = 92, g = 64, b = 40;  // the rim
            // Hour marks: twelve narrow wedges near the rim, 12 o'clock straight up.
            const double angle = std::atan2(dx, -dy);
            const double hour = angle / (2 * kPi) * 12;
            const double offMark = std::fabs(hour - std::round(hour)) * d * 2 * kPi / 12;
            if (d > radius * 0.72 && d < radius * 0.86 && offMark < size * 0.012) {
                const bool top = std::lround(hour) % 12 == 0;
                r = top ? 200 : 40, g = top ? 30 : 36, b = top ? 30 : 48;
            }
            image.Set(x, y, r, g, b, Alpha(coverage));
        }
    return image;
}

Image ClockHands(int size) {
    Image image(size, size);
    const double c = size / 2.0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double d = std::hypot(x + 0.5 - c, y + 0.5 - c);
            image.Set(x, y, 24, 26, 44, Alpha(Coverage(size * 0.48 - d)));
        }
    return image;
}

Image ButterflyWingPicture(int size) {
    Image image(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double u = (x + 0.5) / size, v = (y + 0.5) / size;
            // Forewing and hindwing lobes as two ellipses; inside where either is below 1.
            const double fore = std::hypot((u - 0.46) / 0.52, (v - 0.32) / 0.3);
            const double hind = std::hypot((u - 0.3) / 0.34, (v - 0.72) / 0.26);
            const double e = std::min(fore, hind);
            const double coverage = Coverage((1 - e) * size * 0.3);
            if (coverage == 0) continue;
            uint8_t r = Mix(250, 214, u), g = Mix(160, 84, u), b = Mix(40, 18, u);
            const bool rim = e > 0.84;
            const bool vein = std::fabs(std::sin(std::atan2(v - 0.5, u) * 7)) < 0.12 && u > 0.1;
            const bool spot = rim && std::fmod(std::atan2(v - 0.5, u) * 9 + 10, 1.0) < 0.35 && e < 0.95;
            if (rim || vein) r = 30, g = 20, b = 18;
            if (spot) r = g = b = 245;
            image.Set(x, y, r, g, b, Alpha(coverage));
        }
    return image;
}

Image LeafPicture(int size) {
    Image image(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double u = (x + 0.5) / size, v = (y + 0.5) / size;
            const double halfWidth = 0.46 * std::pow(std::sin(kPi * v), 0.8);
            const double coverage = Coverage((halfWidth - std::fabs(u - 0.5)) * size);
            if (coverage == 0) continue;
            uint8_t r = Mix(236, 178, v), g = Mix(150, 46, v), b = Mix(40, 24, v);
            const bool midrib = std::fabs(u - 0.5) < 0.015;
            const bool vein = std::fabs(std::fmod(v * 6 + std::fabs(u - 0.5) * 5, 1.0) - 0.5) < 0.04;
            if (midrib || vein) r = Mix(r, 90, 0.6), g = Mix(g, 40, 0.6), b = Mix(b, 20, 0.6);
            image.Set(x, y, r, g, b, Alpha(coverage));
        }
    return image;
}

Image Meadow(int width, int height) {
    Image image(width, height);
    uint32_t seed = 777;
    auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    for (int y = 0; y < height; ++y) {
        const double v = double(y) / height;
        for (int x = 0; x < width; ++x) {
            const double u = double(x) / width;
            const double hill = 0.55 + 0.05 * std::sin(u * 5.0 + 0.7) + 0.02 * std::sin(u * 17.0);
            if (v < hill) {
                const double t = v / hill;
                image.Set(x, y, Mix(120, 214, t), Mix(170, 230, t), Mix(230, 236, t));
            } else {
                const double t = (v - hill) / (1.0 - hill);
                image.Set(x, y, Mix(120, 52, t), Mix(176, 110, t), Mix(70, 36, t));
            }
        }
    }
    // Flowers: small bright dots, larger toward the front.
    for (int i = 0; i < width * height / 900; ++i) {
        const int x = int(next() % unsigned(width));
        const int y = int(height * 0.6 + next() % unsigned(height * 0.4));
        const int r = 1 + (y - int(height * 0.6)) * 4 / height;
        const bool white = next() % 3 == 0;
        for (int dy = -r; dy <= r; ++dy)
            for (int dx = -r; dx <= r; ++dx)
                if (dx * dx + dy * dy <= r * r && x + dx >= 0 && x + dx < width && y + dy < height)
                    image.Set(x + dx, y + dy, white ? 250 : 240, white ? 250 : 90, white ? 240 : 150);
    }
    return image;
}

}  // namespace pictures
