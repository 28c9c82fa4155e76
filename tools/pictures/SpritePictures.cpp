#include "SpritePictures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace pictures {

namespace {

constexpr double kPi = 3.14159265358979323846;

uint8_t Byte(double t) { return uint8_t(std::lround(255.0 * std::clamp(t, 0.0, 1.0))); }

// 1 inside a shape, 0 outside, with a soft edge `soft` wide, from a signed distance.
double Inside(double distance, double soft) { return std::clamp(0.5 - distance / soft, 0.0, 1.0); }

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

// Distance from (u, v) to an ellipse of half axes (a, b) at (cu, cv), in units of b.
double EllipseDistance(double u, double v, double cu, double cv, double a, double b) {
    return (std::hypot((u - cu) / a, (v - cv) / b) - 1.0) * b;
}

// A jagged line from top to bottom: its x at height v for bolt `seed`.
double BoltX(double v, int seed) {
    double x = 0.5;
    for (int k = 1; k <= 4; ++k) x += 0.12 / k * std::sin(v * (5.0 + 3 * k) + seed * 1.7 * k);
    return x;
}

}  // namespace

Image SoftDot(int size) {
    return Painted(size, size, [](double u, double v, double&, double&, double&, double& a) {
        const double r = std::hypot(u - 0.5, v - 0.5) * 2.0;
        a = std::pow(std::max(0.0, 1.0 - r), 2.0);
    });
}

Image Drop(int width, int height) {
    return Painted(width, height, [](double u, double v, double& r, double& g, double&, double& a) {
        r = 0.8, g = 0.9;
        a = Inside(std::abs(u - 0.5) - 0.2, 0.3) * std::sin(kPi * v) * (0.4 + 0.6 * v);
    });
}

Image FishSilhouette(int width, int height) {
    return Painted(width, height, [](double u, double v, double& r, double& g, double& b, double& a) {
        const double body = EllipseDistance(u, v, 0.55, 0.5, 0.38, 0.3);
        // The tail: a triangle behind the body.
        const double tail = std::max(0.22 - u, std::abs(v - 0.5) - (0.3 - u) * 1.8);
        a = std::max(Inside(body, 0.04), Inside(tail, 0.04));
        r = 0.95, g = 0.55 + 0.2 * v, b = 0.25;
        if (std::hypot(u - 0.8, v - 0.42) < 0.04) r = g = b = 0.05;  // the eye
    });
}

Image BirdSilhouette(int width, int height) {
    return Painted(width, height, [](double u, double v, double& r, double& g, double& b, double& a) {
        const double wing = std::abs(v - (0.55 - 0.35 * std::sin(kPi * u))) - 0.08 * (1.0 - std::abs(u - 0.5) * 1.6);
        const double body = EllipseDistance(u, v, 0.5, 0.55, 0.07, 0.16);
        a = std::max(Inside(wing, 0.03), Inside(body, 0.03));
        r = g = b = 0.08;
    });
}

Image Ghost(int width, int height) {
    return Painted(width, height, [](double u, double v, double& r, double& g, double& b, double& a) {
        const double head = EllipseDistance(u, v, 0.5, 0.38, 0.36, 0.3);
        const double hem = 0.85 + 0.05 * std::sin(u * 6 * kPi);
        const double robe = std::max(std::abs(u - 0.5) - 0.36, v - hem);
        const double shape = std::min(head, v > 0.38 ? robe : head);
        a = Inside(shape, 0.05) * 0.9;
        r = 0.9, g = 0.95, b = 1.0;
        if (std::hypot(u - 0.38, v - 0.36) < 0.06 || std::hypot(u - 0.62, v - 0.36) < 0.06) r = g = b = 0.1;
    });
}

Image GrassBlade(int width, int height) {
    return Painted(width, height, [](double u, double v, double& r, double& g, double& b, double& a) {
        const double halfWidth = 0.35 * v;  // pointed at the top, wide at the foot
        a = Inside(std::abs(u - 0.5) - halfWidth, 0.08);
        r = 0.25 + 0.2 * (1 - v), g = 0.55 + 0.3 * (1 - v), b = 0.15;
    });
}

Image Flower(int width, int height) {
    return Painted(width, height, [](double u, double v, double& r, double& g, double& b, double& a) {
        const double cu = 0.5, cv = 0.22;
        const double d = std::hypot(u - cu, (v - cv) * 2.0), angle = std::atan2(v - cv, u - cu);
        const double petals = d - (0.28 + 0.12 * std::cos(5 * angle));
        const double stem = std::max(std::abs(u - 0.5) - 0.04, cv - v);
        a = std::max(Inside(petals, 0.03), Inside(stem, 0.03));
        if (Inside(petals, 0.03) > 0) {
            const bool heart = d < 0.1;
            r = heart ? 1.0 : 0.95, g = heart ? 0.8 : 0.35, b = heart ? 0.2 : 0.6;
        } else {
            r = 0.2, g = 0.6, b = 0.2;
        }
    });
}

Image LightRay(int width, int height) {
    return Painted(width, height, [](double u, double v, double& r, double& g, double& b, double& a) {
        r = 1.0, g = 0.95, b = 0.8;
        a = std::pow(std::sin(kPi * u), 3.0) * std::sin(kPi * v) * 0.6;
    });
}

Image FogPuff(int size) {
    return Painted(size, size, [](double u, double v, double& r, double& g, double& b, double& a) {
        const double angle = std::atan2(v - 0.5, u - 0.5);
        const double d = std::hypot(u - 0.5, v - 0.5) * 2.0 / (0.85 + 0.15 * std::cos(3 * angle));
        a = std::pow(std::max(0.0, 1.0 - d), 1.5) * 0.8;
        r = g = b = 0.85;
    });
}

Image Flash(int width, int height) {
    return Painted(width, height, [](double u, double v, double& r, double& g, double& b, double& a) {
        const double off = std::abs(u - BoltX(v, 3));
        a = std::max(Inside(off - 0.015, 0.02), std::exp(-off * 12.0) * 0.5) * std::sin(kPi * v);
        r = 0.85, g = 0.9, b = 1.0;
    });
}

Image BoltSheet(int frameWidth, int height, int frames) {
    Image sheet(frameWidth * frames, height);
    for (int f = 0; f < frames; ++f) {
        const Image frame = Painted(frameWidth, height, [f](double u, double v, double& r, double& g, double& b, double& a) {
            const double off = std::abs(u - BoltX(v, f + 1));
            // Fading out towards the frame's ends, so the bolt has no cut edge.
            a = std::max(Inside(off - 0.02, 0.03), std::exp(-off * 10.0) * 0.6) * std::sqrt(std::sin(kPi * v));
            r = 0.7, g = 0.8, b = 1.0;
        });
        for (int y = 0; y < height; ++y)
            std::copy_n(&frame.rgba[size_t(y) * frameWidth * 4], frameWidth * 4,
                        &sheet.rgba[(size_t(y) * sheet.width + size_t(f) * frameWidth) * 4]);
    }
    return sheet;
}

Image TwinkleFrame(int size, double phase) {
    const double reach = 0.3 + 0.2 * std::sin(2 * kPi * phase);
    return Painted(size, size, [reach](double u, double v, double& r, double& g, double& b, double& a) {
        const double du = std::abs(u - 0.5), dv = std::abs(v - 0.5);
        // Four points along the axes, a round glow in the middle.
        const double points = std::min(du * 8.0 + dv / reach, dv * 8.0 + du / reach);
        a = std::max(std::max(0.0, 1.0 - points), std::exp(-std::hypot(du, dv) * 14.0));
        r = 1.0, g = 0.95, b = 0.7;
    });
}

Image BoltStrip(int width, int height, double thickness) {
    const double capEnd = 0.195, capStart = 0.805;
    return Painted(width, height, [=](double u, double v, double& r, double& g, double& b, double& a) {
        const int variant = v < 0.5 ? 0 : 1;
        const double across = (v - 0.5 * variant) * 2.0;  // 0 to 1 within the bolt's own half
        // Whole half-waves over the middle piece: the line is at mid height at both its edges.
        double line = 0.5;
        if (u > capEnd && u < capStart) {
            const double t = (u - capEnd) / (capStart - capEnd);
            const int waves[2][3] = {{2, 5, 9}, {3, 7, 11}};
            const double heights[3] = {0.12, 0.06, 0.03};
            for (int k = 0; k < 3; ++k) line += heights[k] * std::sin(kPi * waves[variant][k] * t);
        }
        // The caps taper to a point near the picture's edges.
        const double taper = std::clamp(std::min(u - 0.02, 0.98 - u) / (capEnd - 0.02), 0.0, 1.0);
        const double off = std::abs(across - line);
        const double core = Inside(off - 0.04 * thickness * taper, 0.04) * taper;
        // The halo fades out before the half's edges, so a segment's quad never shows.
        const double halo = std::exp(-off * 8.0 / thickness) * 0.7 * taper * std::sin(kPi * across);
        a = std::max(core, halo);
        r = 0.55 + 0.45 * core, g = 0.75 + 0.25 * core, b = 1.0;
    });
}

Image FireGradient(int width, int height) {
    // Colour stops from cool to hot.
    const double stops[5][3] = {{0.3, 0.0, 0.0}, {0.8, 0.1, 0.0}, {1.0, 0.5, 0.05}, {1.0, 0.9, 0.3}, {1.0, 1.0, 1.0}};
    return Painted(width, height, [&](double u, double, double& r, double& g, double& b, double& a) {
        const double at = u * 4.0;
        const int i = std::min(int(at), 3);
        const double t = at - i;
        r = stops[i][0] + (stops[i + 1][0] - stops[i][0]) * t;
        g = stops[i][1] + (stops[i + 1][1] - stops[i][1]) * t;
        b = stops[i][2] + (stops[i + 1][2] - stops[i][2]) * t;
        a = std::min(1.0, u * 2.5);
    });
}

Image NoiseTile(int size) {
    // A lattice value from an integer hash, on lattices that divide the tile.
    auto lattice = [](int x, int y, int period) {
        uint32_t h = uint32_t((x % period + period) % period) * 374761393u + uint32_t((y % period + period) % period) * 668265263u +
                     uint32_t(period) * 2246822519u;
        h = (h ^ (h >> 13)) * 1274126177u;
        return double((h ^ (h >> 16)) & 0xFFFF) / 65535.0;
    };
    auto smooth = [](double t) { return t * t * (3.0 - 2.0 * t); };
    return Painted(size, size, [&](double u, double v, double& r, double& g, double& b, double& a) {
        double sum = 0.0, total = 0.0, weight = 0.5;
        for (int period = 4; period <= 32; period *= 2, weight *= 0.5) {
            const double x = u * period, y = v * period;
            const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
            const double fx = smooth(x - x0), fy = smooth(y - y0);
            const double top = lattice(x0, y0, period) + (lattice(x0 + 1, y0, period) - lattice(x0, y0, period)) * fx;
            const double bottom =
                lattice(x0, y0 + 1, period) + (lattice(x0 + 1, y0 + 1, period) - lattice(x0, y0 + 1, period)) * fx;
            sum += weight * (top + (bottom - top) * fy);
            total += weight;
        }
        // Octaves averaged crowd round the middle: spread them over the whole range.
        r = g = b = std::clamp((sum / total - 0.5) * 2.5 + 0.5, 0.0, 1.0);
        a = 1.0;
    });
}

}  // namespace pictures
