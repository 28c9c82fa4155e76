#include "MeshShapes.h"

#include <algorithm>
#include <cmath>

namespace meshes {

namespace {

constexpr float kPi = 3.14159265f;

uint16_t Index(int i) { return uint16_t(i); }

}  // namespace

MeshData ButterflyBody() {
    constexpr int kRings = 12, kSegments = 10;
    constexpr float kLength = 60.0f;
    MeshData mesh;
    for (int i = 0; i <= kRings; ++i) {
        const float t = float(i) / kRings;
        // Thickest toward the head, thin at both ends.
        const float radius = 5.0f * std::pow(std::max(0.0f, std::sin(kPi * t)), 0.6f) * (0.7f + 0.3f * t);
        for (int j = 0; j <= kSegments; ++j) {
            const float angle = 2.0f * kPi * float(j) / kSegments;
            mesh.vertices.push_back({radius * std::cos(angle), radius * std::sin(angle), (t - 0.5f) * kLength,
                                     float(j) / kSegments, t});
        }
    }
    // Each triangle's right-hand normal points inward: the player's view (y downward, looking
    // along +Z) keeps those faces when it culls counter-clockwise ones.
    for (int i = 0; i < kRings; ++i)
        for (int j = 0; j < kSegments; ++j) {
            const int a = i * (kSegments + 1) + j, b = a + kSegments + 1, c = a + 1, d = b + 1;
            mesh.faces.push_back({Index(a), Index(b), Index(c)});
            mesh.faces.push_back({Index(b), Index(d), Index(c)});
        }
    return mesh;
}

MeshData ButterflyWing() {
    constexpr float kSpan = 70.0f, kHalfChord = 40.0f;
    MeshData mesh;
    mesh.vertices = {{0, 0, kHalfChord, 0, 0},
                     {kSpan, 0, kHalfChord, 1, 0},
                     {0, 0, -kHalfChord, 0, 1},
                     {kSpan, 0, -kHalfChord, 1, 1}};
    mesh.faces = {{0, 1, 2}, {2, 1, 3}};
    return mesh;
}

MeshData FlatDisc() {
    constexpr int kSegments = 48;
    constexpr float kRadius = 50.0f;
    MeshData mesh;
    mesh.vertices.push_back({0, 0, 0, 0.5f, 0.5f});
    for (int j = 0; j < kSegments; ++j) {
        const float angle = 2.0f * kPi * float(j) / kSegments;
        const float x = kRadius * std::cos(angle), z = kRadius * std::sin(angle);
        mesh.vertices.push_back({x, 0, z, 0.5f + x / (2 * kRadius), 0.5f - z / (2 * kRadius)});
    }
    for (int j = 0; j < kSegments; ++j)
        mesh.faces.push_back({0, Index(1 + j), Index(1 + (j + 1) % kSegments)});
    return mesh;
}

MeshData FoldedLeaf() {
    constexpr float kHalfWidth = 12.0f, kHalfLength = 20.0f, kFold = 4.0f;
    MeshData mesh;
    for (float y : {-kHalfLength, kHalfLength})
        for (float x : {-kHalfWidth, 0.0f, kHalfWidth})
            mesh.vertices.push_back({x, y, x == 0.0f ? kFold : 0.0f, (x + kHalfWidth) / (2 * kHalfWidth),
                                     (kHalfLength - y) / (2 * kHalfLength)});
    mesh.faces = {{0, 1, 3}, {3, 1, 4}, {1, 2, 4}, {4, 2, 5}};
    return mesh;
}

}  // namespace meshes
