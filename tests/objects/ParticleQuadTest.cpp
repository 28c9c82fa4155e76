// The quads generators write: their corners, texture coordinates, mirror flags, welds and
// the colour rule.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "objects/ParticleQuad.h"

namespace {

D3DXVECTOR3 Corner(const PctQuad& quad, int i) { return D3DXVECTOR3(quad.v[i].x, quad.v[i].y, quad.v[i].z); }

TEST(ParticleQuad, TestThatTheColourRuleConvertsAsD3DXColorDoes) {
    struct {
        unsigned long colourRef;
        float alpha;
        D3DCOLOR expected;
    } cases[] = {
        {0x0000FF, 1.0f, 0xFFFF0000},  // red in the COLORREF's low byte
        {0xFF0000, 1.5f, 0xFF0000FF},  // at or above 1: 255
        {0x804020, 0.5f, 0x80204080},  // 127.5 + 0.5 truncates to 128
        {0x010101, 0.999f, 0xFF010101},
        {0xFFFFFF, -0.3f, 0x00FFFFFF},  // at or below 0: 0
        {0xFFFFFF, std::numeric_limits<float>::quiet_NaN(), 0x00FFFFFF},
    };
    for (const auto& c : cases) EXPECT_EQ(VertexColour(c.colourRef, c.alpha), c.expected) << std::hex << c.colourRef;
}

TEST(ParticleQuad, TestThatTheBuildersPlaceTheCornersInQuadOrder) {
    const PctQuad centred = BuildCenteredQuad(D3DXVECTOR3(10, 20, 0), 4, 6);
    const D3DXVECTOR3 centredCorners[4] = {{8, 23, 0}, {8, 17, 0}, {12, 23, 0}, {12, 17, 0}};
    // Axes turned a quarter: right along y, up along −x.
    const PctQuad axis = BuildAxisQuad(D3DXVECTOR3(0, 0, 0), D3DXVECTOR3(0, 1, 0), D3DXVECTOR3(-1, 0, 0), 2);
    const D3DXVECTOR3 axisCorners[4] = {{-1, -1, 0}, {1, -1, 0}, {-1, 1, 0}, {1, 1, 0}};
    // Along x, 2 wide at the start and 4 at the end.
    const PctQuad segment = BuildSegmentQuad(D3DXVECTOR3(0, 0, 0), D3DXVECTOR3(10, 0, 0), 10, 2, 4);
    const D3DXVECTOR3 segmentCorners[4] = {{0, 1, 0}, {0, -1, 0}, {10, 2, 0}, {10, -2, 0}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Corner(centred, i), centredCorners[i]) << i;
        EXPECT_EQ(Corner(axis, i), axisCorners[i]) << i;
        EXPECT_EQ(Corner(segment, i), segmentCorners[i]) << i;
        EXPECT_EQ(centred.v[i].diffuse, 0xFFFFFFFFu);
    }
    // A segment of no length has no area, and nothing that is not a number.
    const PctQuad empty = BuildSegmentQuad(D3DXVECTOR3(5, 5, 0), D3DXVECTOR3(0, 0, 0), 0, 3, 3);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Corner(empty, i), D3DXVECTOR3(5, 5, 0));
}

TEST(ParticleQuad, TestThatCornerQuadsTakeTheirCornersTextureCoordinatesAndMirrorFlags) {
    const D3DXVECTOR3 corners[4] = {{0, 0, 0}, {0, 9, 0}, {9, 0, 0}, {9, 9, 0}};
    struct Case {
        bool mirrorU, mirrorV;
        float uv[4][2];  // at corners 0 to 3
    };
    const Case cases[] = {
        {false, false, {{0, 0}, {0, 1}, {1, 0}, {1, 1}}},
        {true, false, {{1, 0}, {1, 1}, {0, 0}, {0, 1}}},
        {false, true, {{0, 1}, {0, 0}, {1, 1}, {1, 0}}},
        {true, true, {{1, 1}, {1, 0}, {0, 1}, {0, 0}}},
    };
    // Quad vertices v0..v3 stand at corners 1, 0, 3, 2.
    const int cornerOf[4] = {1, 0, 3, 2};
    for (const Case& c : cases) {
        PctQuad quad = BuildQuadFromCorners(corners);
        FlipQuadUV(quad, c.mirrorU, c.mirrorV);
        for (int v = 0; v < 4; ++v) {
            SCOPED_TRACE(testing::Message() << c.mirrorU << c.mirrorV << " vertex " << v);
            EXPECT_EQ(Corner(quad, v), corners[cornerOf[v]]);
            EXPECT_EQ(quad.v[v].u, c.uv[cornerOf[v]][0]);
            EXPECT_EQ(quad.v[v].v, c.uv[cornerOf[v]][1]);
        }
    }
}

TEST(ParticleQuad, TestThatWeldedQuadsMeetAtTheirMidpoints) {
    PctQuad previous = BuildSegmentQuad(D3DXVECTOR3(0, 0, 0), D3DXVECTOR3(10, 0, 0), 10, 2, 2);
    PctQuad next = BuildSegmentQuad(D3DXVECTOR3(10, 0, 0), D3DXVECTOR3(0, 10, 0), 10, 4, 4);
    WeldQuads(next, previous);
    // previous.v2 (10, 1) and next.v0 (8, 0); previous.v3 (10, −1) and next.v1 (12, 0).
    EXPECT_EQ(Corner(next, 0), D3DXVECTOR3(9, 0.5f, 0));
    EXPECT_EQ(Corner(previous, 2), D3DXVECTOR3(9, 0.5f, 0));
    EXPECT_EQ(Corner(next, 1), D3DXVECTOR3(11, -0.5f, 0));
    EXPECT_EQ(Corner(previous, 3), D3DXVECTOR3(11, -0.5f, 0));
    EXPECT_EQ(Corner(next, 2), D3DXVECTOR3(8, 10, 0));  // the far ends stay
}

}  // namespace
