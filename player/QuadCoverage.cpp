#include "player/QuadCoverage.h"

#include <algorithm>
#include <cmath>

namespace {

// Anything that is not a positive number (NaN from a degenerate quad included) covers nothing:
// the device draws nothing of it either.
float PositiveOrZero(float value) { return value > 0.0f ? value : 0.0f; }

}  // namespace

TargetMapping::TargetMapping(const D3DXMATRIX& worldViewProjection, float width, float height)
    : width_(width), height_(height) {
    // Clip space to pixels: x from −1..1 to 0..width, y from 1..−1 to 0..height.
    D3DXMATRIX viewport;
    D3DXMatrixIdentity(&viewport);
    viewport._11 = width / 2;
    viewport._22 = -height / 2;
    viewport._41 = width / 2;
    viewport._42 = height / 2;
    toPixels_ = worldViewProjection * viewport;
}

float TargetMapping::Clipped(float x0, float y0, float x1, float y1) const {
    const float across = PositiveOrZero(std::min(x1, width_) - std::max(x0, 0.0f));
    const float down = PositiveOrZero(std::min(y1, height_) - std::max(y0, 0.0f));
    return across * down;
}

float TargetMapping::BoxCover(float x, float y, float halfX, float halfY, float area) const {
    const D3DXMATRIX& m = toPixels_;
    const float centreX = x * m._11 + y * m._21 + m._41;
    const float centreY = x * m._12 + y * m._22 + m._42;
    const float extentX = std::fabs(m._11) * halfX + std::fabs(m._21) * halfY;
    const float extentY = std::fabs(m._12) * halfX + std::fabs(m._22) * halfY;
    const float boxed = Clipped(centreX - extentX, centreY - extentY, centreX + extentX, centreY + extentY);
    const float mapped = area * std::fabs(m._11 * m._22 - m._12 * m._21);
    return PositiveOrZero(std::min(boxed, mapped));
}

float TargetMapping::SphereCover(const float centre[3], float radius) const {
    const D3DXMATRIX& m = toPixels_;
    const float x = centre[0] * m._11 + centre[1] * m._21 + centre[2] * m._31 + m._41;
    const float y = centre[0] * m._12 + centre[1] * m._22 + centre[2] * m._32 + m._42;
    const float extentX = radius * std::sqrt(m._11 * m._11 + m._21 * m._21 + m._31 * m._31);
    const float extentY = radius * std::sqrt(m._12 * m._12 + m._22 * m._22 + m._32 * m._32);
    return PositiveOrZero(Clipped(x - extentX, y - extentY, x + extentX, y + extentY));
}

void QuadCoverage::Resize(unsigned n) { extents_.assign(n, Extent{}); }

QuadCoverage::Extent QuadCoverage::Measure(float x0, float y0, float x1, float y1, float x2, float y2, float x3,
                                           float y3) {
    const float left = std::min({x0, x1, x2, x3}), right = std::max({x0, x1, x2, x3});
    const float top = std::min({y0, y1, y2, y3}), bottom = std::max({y0, y1, y2, y3});
    // The two triangles as drawn, (v0, v1, v2) and (v2, v1, v3).
    const float first = std::fabs((x1 - x0) * (y2 - y0) - (y1 - y0) * (x2 - x0));
    const float second = std::fabs((x1 - x2) * (y3 - y2) - (y1 - y2) * (x3 - x2));
    return {(left + right) / 2, (top + bottom) / 2, (right - left) / 2, (bottom - top) / 2, (first + second) / 2};
}

unsigned QuadCoverage::QuadsWithin(unsigned quads, const TargetMapping& mapping, int passes, double& budget) const {
    const unsigned known = std::min(quads, Size());
    for (unsigned q = 0; q < known; ++q) {
        const Extent& e = extents_[q];
        const double cover = double(passes) * mapping.BoxCover(e.x, e.y, e.halfX, e.halfY, e.area);
        if (cover > budget) return q;
        budget -= cover;
    }
    return quads;
}
