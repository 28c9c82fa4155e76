#pragma once
// What each quad of a quad mesh covers, kept as the quad is written, so that the render
// surface can hold a frame's drawing to a budget of covered pixels without reading the vertex
// buffer back. A quad is kept as its area and its bounding box in the mesh's own coordinates;
// on the target its cover is the smaller of that area mapped there and the box mapped and cut
// to the target.
#include <d3dx9math.h>

#include <vector>

// The affine map from a mesh's own x and y to the pixels of a target of width × height, taken
// from a world-view-projection matrix whose projection is orthographic.
class TargetMapping {
public:
    TargetMapping(const D3DXMATRIX& worldViewProjection, float width, float height);

    // Pixels of the target that a box of half extents (halfX, halfY) around (x, y), of
    // `area` in the mesh's own units, covers.
    float BoxCover(float x, float y, float halfX, float halfY, float area) const;
    // Pixels that a sphere of the given centre and radius covers: its outline's bounding box
    // cut to the target.
    float SphereCover(const float centre[3], float radius) const;

private:
    // Pixels of the target inside the box (x0, y0) to (x1, y1) of target pixels.
    float Clipped(float x0, float y0, float x1, float y1) const;

    D3DXMATRIX toPixels_;  // the mesh's coordinates to target pixels, y downwards
    float width_, height_;
};

class QuadCoverage {
public:
    // Room for n quads, each covering nothing until it is recorded; within what Reserve made
    // room for, nothing is allocated.
    void Resize(unsigned n);
    void Reserve(unsigned n) { extents_.reserve(n); }
    // Quad q from its four vertices as they are drawn: (v0, v1, v2) and (v2, v1, v3).
    template <class V>
    void Record(unsigned q, const V* vertices) {
        if (q < extents_.size()) extents_[q] = ExtentOf(vertices[0], vertices[1], vertices[2], vertices[3]);
    }
    // How many quads from the first fit in `budget` pixels together, each drawn `passes`
    // times; what those cover is taken from the budget. A quad never recorded covers nothing.
    unsigned QuadsWithin(unsigned quads, const TargetMapping& mapping, int passes, double& budget) const;
    unsigned Size() const { return unsigned(extents_.size()); }

private:
    struct Extent {
        float x, y, halfX, halfY, area;
    };
    template <class V>
    static Extent ExtentOf(const V& v0, const V& v1, const V& v2, const V& v3) {
        return Measure(v0.x, v0.y, v1.x, v1.y, v2.x, v2.y, v3.x, v3.y);
    }
    static Extent Measure(float x0, float y0, float x1, float y1, float x2, float y2, float x3, float y3);

    std::vector<Extent> extents_;
};
