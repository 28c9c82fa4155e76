#include "ProceduralPictures.h"

#include <algorithm>
#include <cmath>

namespace pictures {

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

Image NightHarbour(int width, int height) {
    Image image(width, height);
    const double horizon = 0.6 * height, moonX = 0.3 * width, moonY = 0.22 * height,
                 moonR = 0.05 * height;
    uint32_t seed = 12345;
    auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (y < horizon) {
                const double t = y / horizon;
                uint8_t r = Mix(6, 30, t), g = Mix(10, 40, t), b = Mix(34, 86, t);
                const double d = std::hypot(x - moonX, y - moonY);
                if (d < moonR) r = g = b = 236;
                else if (next() % 997 == 0) r = g = b = 220;
                else {
                    const double glow = std::exp(-d / (moonR * 3));
                    r = Mix(r, 200, glow * 0.5), g = Mix(g, 210, glow * 0.5), b = Mix(b, 230, glow * 0.5);
                }
                image.Set(x, y, r, g, b);
            } else {
                const double depth = (y - horizon) / (height - horizon);
                const double ripple = std::sin(y * 0.9 + std::sin(x * 0.05) * 2.0);
                const double beam = std::exp(-std::abs(x - moonX) / (moonR * (1 + 3 * depth))) *
                                    (0.5 + 0.5 * ripple);
                image.Set(x, y, Mix(Mix(20, 4, depth), 210, beam * 0.7), Mix(Mix(34, 8, depth), 215, beam * 0.7),
                          Mix(Mix(70, 24, depth), 230, beam * 0.7));
            }
        }
    return image;
}

Image AuroraTower(int width, int height) {
    Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double u = double(x) / width, v = double(y) / height;
            const double band = std::exp(-std::pow((v - 0.25 - 0.08 * std::sin(u * 9.0)) / 0.06, 2));
            uint8_t r = Mix(4, 18, v), g = Mix(10, 30, v), b = Mix(28, 48, v);
            r = Mix(r, 60, band * 0.6), g = Mix(g, 230, band * 0.7), b = Mix(b, 150, band * 0.6);
            const bool tower = std::abs(u - 0.5) < 0.05 + 0.04 * v && v > 0.3;
            const bool window = tower && int(v * 40) % 4 == 0 && std::abs(u - 0.5) < 0.015;
            if (window) r = 255, g = 214, b = 120;
            else if (tower) r = Mix(90, 40, v), g = Mix(96, 44, v), b = Mix(110, 56, v);
            if (v > 0.9) r = g = b = Mix(20, 6, (v - 0.9) * 10);
            image.Set(x, y, r, g, b);
        }
    return image;
}

Image TeslaNight(int width, int height) {
    Image image(width, height);
    const double aspect = double(width) / height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double u = double(x) / width, v = double(y) / height;
            // Cloud bands over a sky from deep blue to a violet glow at the horizon.
            const double cloud = 0.5 + 0.5 * std::sin(u * 11.0 + std::sin(v * 23.0) * 1.7) * std::sin(v * 31.0 + u * 5.0);
            uint8_t r = Mix(8, 46, v * 1.3), g = Mix(10, 22, v * 1.3), b = Mix(30, 70, v * 1.3);
            r = Mix(r, 34, cloud * 0.35 * (1.0 - v)), g = Mix(g, 36, cloud * 0.35 * (1.0 - v)), b = Mix(b, 58, cloud * 0.35 * (1.0 - v));
            const uint32_t h = uint32_t(x) * 73856093u ^ uint32_t(y) * 19349663u;
            if (v < 0.6 && h % 1201u == 0) r = g = b = uint8_t(150 + h % 100);
            for (double centre : {0.3, 0.7}) {
                const double across = std::abs(u - centre) * aspect;  // in picture heights
                // A lattice tower tapering from its foot to the ball, with cross bars.
                if (v > 0.38 && v < 0.9 && across < 0.008 + 0.05 * (v - 0.38)) {
                    const bool bar = int(v * 90) % 3 == 0 || std::abs(across - 0.004 - 0.05 * (v - 0.38)) < 0.003;
                    r = bar ? 70 : 28, g = bar ? 76 : 30, b = bar ? 92 : 40;
                }
                // The ball, lit from the upper left.
                const double dx = across * (u < centre ? -1 : 1), dy = v - 0.36, d = std::hypot(dx, dy);
                if (d < 0.03) {
                    const double light = std::clamp(1.0 - std::hypot(dx + 0.012, dy + 0.012) / 0.04, 0.0, 1.0);
                    r = Mix(60, 220, light), g = Mix(66, 226, light), b = Mix(84, 240, light);
                }
            }
            const double hill = 0.80 + 0.05 * std::sin(u * 6.0 + 0.4) + 0.02 * std::sin(u * 19.0);
            if (v > hill) r = Mix(16, 6, (v - hill) * 5), g = Mix(14, 6, (v - hill) * 5), b = Mix(24, 10, (v - hill) * 5);
            image.Set(x, y, r, g, b);
        }
    return image;
}

Image GlowOrb(int size) {
    Image image(size, size);
    const double c = (size - 1) / 2.0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double dx = (x - c) / c, dy = (y - c) / c;
            const double r = std::hypot(dx, dy), angle = std::atan2(dy, dx);
            const double core = std::exp(-r * r * 18.0);
            // The halo fades out before the square's edge, so the square itself never shows.
            const double halo = std::exp(-r * 3.2) * (0.75 + 0.25 * std::cos(angle * 12.0)) * std::max(0.0, 1.0 - r);
            const double light = std::min(1.0, core + 0.8 * halo);
            image.Set(x, y, Mix(0, 236, light), Mix(0, 196, light * light), Mix(0, 255, std::sqrt(light)));
        }
    return image;
}

Image WaveField(int size) {
    Image image(size, size);
    const double k = 2 * 3.14159265358979323846 / size;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            // Whole periods in both directions, so the texture tiles.
            const double h = 0.5 + 0.2 * std::sin(3 * k * x + 2 * k * y) + 0.15 * std::sin(5 * k * y - k * x) +
                             0.1 * std::cos(7 * k * x + 4 * k * y);
            const uint8_t v = Mix(0, 255, h);
            image.Set(x, y, v, v, v);
        }
    return image;
}

Image EveningLake(int width, int height) {
    Image image(width, height);
    const double sunU = 0.72, sunV = 0.4, sunR = 0.045, horizon = 0.6;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double u = double(x) / width, v = double(y) / height;
            const double ridge = 0.53 + 0.03 * std::sin(u * 11.0 + 0.4) + 0.02 * std::sin(u * 29.0);
            const double meadow = 0.8 + 0.5 * (u - 0.1) * (u - 0.1) * 4.0;
            uint8_t r, g, b;
            if (v > meadow && u < 0.45) {
                const double d = (v - meadow) * 5.0;
                r = Mix(46, 20, d), g = Mix(92, 44, d), b = Mix(40, 22, d);
            } else if (v > horizon) {
                const double depth = (v - horizon) / (1.0 - horizon);
                // The sun's path: a bright column under the sun, fading towards the shore.
                const double path = std::exp(-std::pow((u - sunU) / 0.03, 2)) * (1.0 - depth) * 0.7;
                r = Mix(Mix(70, 16, depth), 255, path);
                g = Mix(Mix(64, 28, depth), 190, path);
                b = Mix(Mix(96, 58, depth), 120, path);
            } else if (v > ridge) {
                r = 44, g = 30, b = 60;
            } else {
                const double t = v / horizon;
                r = Mix(36, 250, t * t), g = Mix(40, 150, t * t), b = Mix(92, 96, t);
                const double d = std::hypot(u - sunU, (v - sunV) * height / width);
                if (d < sunR) {
                    r = 255, g = 236, b = 190;
                } else {
                    const double glow = std::exp(-(d - sunR) / 0.05);
                    r = Mix(r, 255, glow * 0.7), g = Mix(g, 210, glow * 0.5), b = Mix(b, 150, glow * 0.3);
                }
            }
            image.Set(x, y, r, g, b);
        }
    return image;
}

Image WaterNormals(int size) {
    Image image(size, size);
    const double k = 2 * 3.14159265358979323846 / size;
    // Whole periods along both axes, so the map tiles; (a, b, weight) per ripple train.
    const double waves[3][3] = {{4, 1, 0.5}, {-2, 5, 0.35}, {7, 3, 0.2}};
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            double dx = 0, dy = 0;
            for (const auto& w : waves) {
                const double c = w[2] * std::cos(k * (w[0] * x + w[1] * y));
                dx += c * w[0] / 4;
                dy += c * w[1] / 4;
            }
            const double length = std::sqrt(dx * dx + dy * dy + 1.0);
            auto encode = [](double n) { return uint8_t(std::lround((n * 0.5 + 0.5) * 255)); };
            image.Set(x, y, encode(-dx / length), encode(-dy / length), encode(1.0 / length));
        }
    return image;
}

Image PatternTile(int size, int frame, int frames) {
    Image image(size, size);
    const double turn = 3.14159265358979323846 / 2 * frame / std::max(1, frames);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double u = (x + 0.5) / size - 0.5, v = (y + 0.5) / size - 0.5;
            const double r = std::hypot(u, v), a = std::atan2(v, u) + turn;
            const double petal = 0.28 + 0.12 * std::cos(4 * a);
            if (r < 0.07)
                image.Set(x, y, 255, 214, 90);
            else if (r < petal)
                image.Set(x, y, Mix(250, 200, r / petal), Mix(200, 90, r / petal), Mix(235, 190, r / petal),
                          Mix(255, 170, r / petal));
        }
    return image;
}

Image EllipseMask(int width, int height, double cx, double cy, double rx, double ry, double soft) {
    Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double d = std::hypot((x + 0.5) / width - cx, ((y + 0.5) / height - cy) * rx / ry) / rx;
            const uint8_t m = Mix(255, 0, (d - (1.0 - soft)) / std::max(soft, 1e-9));
            image.Set(x, y, m, m, m);
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
