#include "ProceduralPictures.h"

#include <algorithm>
#include <cmath>

namespace pictures {

namespace {

uint8_t Mix(uint8_t a, uint8_t b, double t) {
    return uint8_t(std::lround(a + (b - a) * std::clamp(t, 0.0, 1.0)));
}

}  // namespace

Image DuskLandscape(int width, int height) {
    Image image(width, height);
    const uint8_t zenith[3] = {22, 24, 70}, horizon[3] = {236, 132, 84};
    const double sunX = 0.68 * width, sunY = 0.58 * height, sunR = 0.06 * height;
    for (int y = 0; y < height; ++y) {
        const double v = double(y) / height;
        for (int x = 0; x < width; ++x) {
            const double u = double(x) / width;
            const double hill = 0.70 + 0.06 * std::sin(u * 7.0) + 0.03 * std::sin(u * 23.0 + 1.3);
            if (v > hill) {
                const double depth = (v - hill) / (1.0 - hill);
                image.Set(x, y, Mix(40, 10, depth), Mix(30, 12, depth), Mix(52, 20, depth));
                continue;
            }
            const double t = v / hill;
            uint8_t r = Mix(zenith[0], horizon[0], t), g = Mix(zenith[1], horizon[1], t),
                    b = Mix(zenith[2], horizon[2], t);
            const double d = std::hypot(x - sunX, y - sunY);
            const double glow = std::exp(-d / (sunR * 2.5));
            if (d < sunR) {
                r = 255, g = 226, b = 160;
            } else {
                r = Mix(r, 255, glow * 0.8);
                g = Mix(g, 200, glow * 0.6);
                b = Mix(b, 140, glow * 0.4);
            }
            image.Set(x, y, r, g, b);
        }
    }
    return image;
}

Image BorderShade(int width, int height) {
    Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double dx = std::abs(2.0 * x / (width - 1) - 1.0);
            const double dy = std::abs(2.0 * y / (height - 1) - 1.0);
            const uint8_t shade = Mix(28, 4, std::max(dx, dy));
            image.Set(x, y, shade, shade, uint8_t(shade + 4));
        }
    return image;
}

Image BandedGradient(int width, int height, const uint8_t top[3], const uint8_t bottom[3], int bands) {
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        const double t = double(y) / std::max(1, height - 1);
        const bool light = bands > 0 && (y * bands / std::max(1, height)) % 2 == 0;
        const double lift = light ? 0.08 : 0.0;
        for (int x = 0; x < width; ++x)
            image.Set(x, y, Mix(Mix(top[0], bottom[0], t), 255, lift), Mix(Mix(top[1], bottom[1], t), 255, lift),
                      Mix(Mix(top[2], bottom[2], t), 255, lift));
    }
    return image;
}

}  // namespace pictures
