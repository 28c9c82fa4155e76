#include "FlamePictures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace pictures {
namespace {

// Periodic value noise: a lattice of `cells` values a side, wrapped, smoothly interpolated,
// with `octaves` doublings of the lattice.
class PeriodicNoise {
public:
    PeriodicNoise(int cells, unsigned seed) : cells_(cells), values_(size_t(cells) * cells) {
        uint32_t state = seed * 2654435761u + 12345u;
        for (double& v : values_) {
            state = state * 1664525u + 1013904223u;
            v = double(state >> 8) / double(1u << 24);
        }
    }
    // u, v in [0, 1) with `scale` cells per unit (a divisor of the lattice keeps it tileable).
    double At(double u, double v, int scale) const {
        const double x = u * scale, y = v * scale;
        const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
        const double fx = Smooth(x - x0), fy = Smooth(y - y0);
        auto value = [&](int i, int j) { return values_[size_t(Wrap(j, scale)) * cells_ + size_t(Wrap(i, scale))]; };
        const double top = value(x0, y0) + (value(x0 + 1, y0) - value(x0, y0)) * fx;
        const double bottom = value(x0, y0 + 1) + (value(x0 + 1, y0 + 1) - value(x0, y0 + 1)) * fx;
        return top + (bottom - top) * fy;
    }
    double Fractal(double u, double v, int scale, int octaves) const {
        double sum = 0.0, weight = 0.5, total = 0.0;
        for (int o = 0; o < octaves && scale <= cells_; ++o, scale *= 2, weight *= 0.5) {
            sum += At(u, v, scale) * weight;
            total += weight;
        }
        return sum / total;
    }

private:
    static double Smooth(double t) { return t * t * (3.0 - 2.0 * t); }
    static int Wrap(int i, int n) { return ((i % n) + n) % n; }

    int cells_;
    std::vector<double> values_;
};

uint8_t Byte(double v) { return uint8_t(std::lround(std::clamp(v, 0.0, 1.0) * 255.0)); }

}  // namespace

Image FlamePattern(int width, int height, int tongues, unsigned seed) {
    const PeriodicNoise noise(64, seed);
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        const double v = (y + 0.5) / height;  // 1 at the bottom
        for (int x = 0; x < width; ++x) {
            const double u = (x + 0.5) / width;
            // Each tongue is tallest at its middle; noise breaks the edges up.
            const double across = 0.5 + 0.5 * std::cos(2.0 * 3.14159265358979 * u * tongues);
            const double reach = 0.35 + 0.55 * across * (0.6 + 0.4 * noise.Fractal(u, 0.0, 8, 3));
            const double heat = std::clamp((v - (1.0 - reach)) / reach, 0.0, 1.0);
            const uint8_t b = Byte(std::pow(heat, 1.4) * (0.8 + 0.2 * noise.Fractal(u, v, 16, 3)));
            image.Set(x, y, b, b, b);
        }
    }
    return image;
}

Image TileableNoise(int size, unsigned seed) {
    const PeriodicNoise noise(64, seed);
    Image image(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const uint8_t b = Byte(noise.Fractal((x + 0.5) / size, (y + 0.5) / size, 4, 4));
            image.Set(x, y, b, b, b);
        }
    return image;
}

Image ShimmerBump(int size) {
    const PeriodicNoise red(64, 7), green(64, 11);
    Image image(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double u = (x + 0.5) / size, v = (y + 0.5) / size;
            image.Set(x, y, Byte(red.Fractal(u, v, 8, 3)), Byte(green.Fractal(u, v, 8, 3)), 128);
        }
    return image;
}

}  // namespace pictures
