#include "GeneratorPictures.h"

#include <algorithm>
#include <cmath>

namespace pictures {

namespace {

uint8_t Byte(double value) { return uint8_t(std::lround(std::clamp(value, 0.0, 1.0) * 255)); }

double Mix(double a, double b, double t) { return a + (b - a) * std::clamp(t, 0.0, 1.0); }

// Smooth repeatable bumps for the clouds and the hills.
double Waves(double x, double y) {
    return 0.5 + 0.25 * std::sin(x * 5.3 + std::sin(y * 3.1) * 1.7) + 0.15 * std::sin(x * 11.0 - y * 7.0) +
           0.1 * std::cos(x * 23.0 + y * 13.0);
}

// Distance from the centre of a size × size square, 0 there and 1 at its edge's middle.
double Radius(int x, int y, int size) {
    const double c = (size - 1) / 2.0;
    return std::hypot(x - c, y - c) / c;
}

}  // namespace

Image StormyMoor(int width, int height) {
    Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double u = double(x) / width, v = double(y) / height;
            const double hill = 0.72 - 0.06 * std::sin(u * 4.0 + 0.6) - 0.03 * std::sin(u * 13.0);
            double r, g, b;
            if (v > hill) {
                const double depth = (v - hill) / (1.0 - hill);
                r = Mix(0.10, 0.03, depth), g = Mix(0.12, 0.05, depth), b = Mix(0.14, 0.06, depth);
            } else {
                const double cloud = Waves(u * 1.6, v * 2.2) * (1.0 - v / hill * 0.6);
                r = Mix(0.05, 0.30, cloud), g = Mix(0.06, 0.30, cloud), b = Mix(0.14, 0.42, cloud);
                const double horizon = std::exp(-std::pow((hill - v) / 0.05, 2));
                r = Mix(r, 0.45, horizon * 0.5), g = Mix(g, 0.40, horizon * 0.5), b = Mix(b, 0.50, horizon * 0.5);
            }
            // The cottage on the right hill: walls, a roof, a chimney on its right slope and a
            // lit window.
            const bool walls = u > 0.66 && u < 0.76 && v > 0.60 && v < 0.74;
            const bool roof = v > 0.54 && v <= 0.60 && std::abs(u - 0.71) < v - 0.54;
            const bool chimney = u > 0.735 && u < 0.75 && v > 0.545 && v <= 0.60;
            const bool window = u > 0.68 && u < 0.70 && v > 0.625 && v < 0.655;
            if (window) r = 0.95, g = 0.75, b = 0.35;
            else if (walls || roof || chimney) r = 0.07, g = 0.06, b = 0.07;
            image.Set(x, y, Byte(r), Byte(g), Byte(b));
        }
    return image;
}

Image SmokePuff(int size) {
    Image image(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double r = Radius(x, y, size);
            const double billow = 0.85 + 0.15 * std::sin(std::atan2(y - size / 2.0, x - size / 2.0) * 5 + r * 6);
            const double alpha = std::pow(std::max(0.0, 1.0 - r), 1.6) * billow;
            const uint8_t shade = Byte(0.78 + 0.12 * (1.0 - r));
            image.Set(x, y, shade, shade, Byte(0.82 + 0.1 * (1.0 - r)), Byte(alpha));
        }
    return image;
}

Image BoltStroke(int width, int height, double spread) {
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        const double across = (y + 0.5) / height - 0.5;  // −0.5 at one edge, 0.5 at the other
        const double light = std::exp(-std::pow(across / (spread / 2), 2));
        const double edge = std::max(0.0, 1.0 - std::abs(across) * 2);
        for (int x = 0; x < width; ++x) image.Set(x, y, 255, 255, 255, Byte(light * edge));
    }
    return image;
}

Image GlowSpot(int size) {
    Image image(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double r = Radius(x, y, size);
            image.Set(x, y, 255, 255, 255, Byte(std::exp(-r * r * 5.0) * std::max(0.0, 1.0 - r)));
        }
    return image;
}

Image Reeds(int width, int height) {
    Image image(width, height);
    struct Blade {
        double base, lean, top, thickness, shade;
    };
    const Blade blades[] = {{0.50, 0.10, 0.02, 0.035, 0.9},  {0.44, -0.22, 0.18, 0.03, 0.7},
                            {0.56, 0.25, 0.12, 0.03, 0.8},   {0.40, -0.05, 0.30, 0.025, 0.6},
                            {0.60, 0.02, 0.25, 0.028, 0.75}, {0.47, -0.35, 0.42, 0.022, 0.55},
                            {0.53, 0.38, 0.38, 0.022, 0.65}};
    for (const Blade& blade : blades)
        for (int y = 0; y < height; ++y) {
            const double v = double(y) / height;
            if (v < blade.top) continue;
            // t: 0 at the foot, 1 at the tip; the blade bends as t², thinning to its tip.
            const double t = (1.0 - v) / (1.0 - blade.top);
            const double centre = (blade.base + blade.lean * t * t) * width;
            const double half = blade.thickness * width * (1.0 - t) + 0.6;
            for (int x = std::max(0, int(centre - half)); x <= std::min(width - 1, int(centre + half)); ++x) {
                const double cover = std::clamp(half - std::abs(x + 0.5 - centre), 0.0, 1.0);
                image.Set(x, y, Byte(0.12 * blade.shade), Byte(Mix(0.20, 0.40, t) * blade.shade),
                          Byte(0.12 * blade.shade), Byte(cover));
            }
        }
    return image;
}

}  // namespace pictures
