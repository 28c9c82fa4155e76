// The generators' layers read back from their vertex buffers. The lightning's three, halfway
// through its fade-in so that the points' alphas differ: the u coordinates along a chain, the
// caps' places, colours and coordinates, where they and a branch's quads fall in the core
// layer, and the welds between segments. The smoke's, once every puff has died.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <tuple>
#include <vector>

#include "PictureBytes.h"
#include "SpriteTesting.h"
#include "document/SharedRandom.h"
#include "objects/QV_LightningGN.h"
#include "objects/QV_ParticlesObj.h"
#include "objects/QV_Smoke.h"

namespace {

// The strip picture is 16 × 4: ρ = 1/4.
constexpr float kRatio = 0.25f;
constexpr unsigned kCoreWidth = 4;
constexpr unsigned kGlowWidth = 12;
// COLORREFs: red in the low byte.
constexpr unsigned long kCoreRef = 0x0000FF;  // red
constexpr unsigned long kGlowRef = 0xFF0000;  // blue

// What one quad of a layer should hold: a segment quad from `from` along d, w0 wide there and
// w1 at its far end, its coordinates as SetQuadUV takes them, one colour where it starts and
// one where it ends. End spots are centred quads of side w0 instead.
struct QuadRow {
    const char* what;
    D3DXVECTOR3 from, d;
    float w0, w1;
    float u0, u1, va, vb;
    D3DCOLOR atStart, atEnd;
};

PctQuad Expected(const QuadRow& row) {
    PctQuad quad;
    if (row.d == D3DXVECTOR3(0, 0, 0)) {
        quad = BuildCenteredQuad(row.from, row.w0, row.w0);
    } else {
        quad = BuildSegmentQuad(row.from, row.d, D3DXVec3Length(&row.d), row.w0, row.w1);
        SetQuadUV(quad, row.u0, row.u1, row.va, row.vb);
    }
    quad.v[0].diffuse = quad.v[1].diffuse = row.atStart;
    quad.v[2].diffuse = quad.v[3].diffuse = row.atEnd;
    return quad;
}

void ExpectLayer(const std::vector<PctQuad>& layer, const std::vector<QuadRow>& rows) {
    ASSERT_EQ(layer.size(), rows.size());
    for (size_t q = 0; q < rows.size(); ++q) {
        SCOPED_TRACE(rows[q].what);
        const PctQuad expected = Expected(rows[q]);
        for (int i = 0; i < 4; ++i) {
            const DX_V::PCT &got = layer[q].v[i], &want = expected.v[i];
            EXPECT_NEAR(got.x, want.x, 1e-3f) << i;
            EXPECT_NEAR(got.y, want.y, 1e-3f) << i;
            EXPECT_NEAR(got.u, want.u, 1e-4f) << i;
            EXPECT_EQ(got.v, want.v) << i;
            EXPECT_EQ(got.diffuse, want.diffuse) << std::hex << i;
        }
    }
}

// The rows of each of the lightning's layers.
struct LayerRows {
    std::vector<QuadRow> core, glow, spots;
};

class GeneratorLayers : public testing::Test {
protected:
    void SetUp() override {
        VG_REQUIRE_DEVICE(scene_.Device());
        scene_.LoadPictures({{"C:\\strip.png", vgtest::MakePatternPicture(scene_.Device().Device(), 16, 4, D3DXIFF_PNG,
                                                                          [](UINT, UINT) { return 0xFFFFFFFFu; })}});
    }

    // A bolt from (10, 64) to (110, 64) of detail 1 (four points), its width tapering to
    // half, drawn halfway through a fade-in of a second. Seed 3 hangs a single branch on the
    // third point.
    QV_LightningGN& Make(unsigned displacement, unsigned branches, unsigned seed = 3) {
        QV_LightningGN d;
        d.start.SetSilently(D3DXVECTOR3(10, 64, 0));
        d.end.SetSilently(D3DXVECTOR3(110, 64, 0));
        d.coreWidth.SetSilently(kCoreWidth);
        d.glowWidth.SetSilently(kGlowWidth);
        d.detail.SetSilently(1);
        d.displacement.Assign(displacement, nullptr);
        d.taper.Assign(50, nullptr);
        d.seed.SetSilently(seed);
        d.branchCounts[0].SetSilently(branches);
        d.branchLength.Assign(50, nullptr);
        d.branchAngle.Assign(100, nullptr);  // a right angle
        d.colour1.SetSilently(kCoreRef);
        d.colour2.SetSilently(kGlowRef);
        for (int layer = 0; layer < 3; ++layer) d.textureLinks.emplace_back(FileKey(L"C:\\strip.png", 1));
        d.TimeLine().Mode().Assign(QV_TimeLineControl::kRandomCycle, nullptr);
        d.TimeLine().FadeIn().Assign(100, nullptr);
        object_.reset(static_cast<QV_ParticlesObj*>(d.CreateObject()));
        QV_LightningGN& lightning = static_cast<QV_LightningGN&>(object_->Generator());
        lightning.ResetTimeLine();
        // The fade starts with the first frame.
        for (float t : {0.001f, 0.501f}) {
            spritetest::DriveTimeLine(lightning.TimeLine(), t);
            object_->Update(t);
        }
        const QV_TimeLineControl& line = lightning.TimeLine();
        EXPECT_EQ(line.GetState(), AnimationState::kFadingIn);
        EXPECT_NEAR(line.GetOpacity(), 0.5f, 1e-3f);
        light_ = PhaseLight{line.GetState(), line.GetOpacity(), 1.0f};
        return lightning;
    }
    // Puffs of a second rising from (64, 100), ten a second, in real time.
    QV_Smoke& MakeSmoke() {
        QV_Smoke d;
        d.lifetime.Assign(25, nullptr);
        d.rate.SetSilently(10);
        d.size.SetSilently(16);
        d.direction.SetSilently(90);
        d.speed.Assign(50, nullptr);
        d.origin.SetSilently(D3DXVECTOR3(64, 100, 0));
        object_.reset(static_cast<QV_ParticlesObj*>(d.CreateObject()));
        return static_cast<QV_Smoke&>(object_->Generator());
    }
    std::vector<PctQuad> Layer(size_t i) {
        const DX_V::PCT* vertices = object_->LockLayer(i);
        EXPECT_NE(vertices, nullptr);
        std::vector<PctQuad> quads(object_->QuadCount(i));
        for (size_t q = 0; vertices && q < quads.size(); ++q)
            for (int k = 0; k < 4; ++k) quads[q].v[k] = vertices[4 * q + k];
        object_->UnlockLayer(i);
        return quads;
    }
    // The straight bolt of four points: x 10, 43.5, 76.5 and 93.5 (the end pulled back by the
    // smoothing), widths 0.875, 0.75, 0.625 and 0.5 (cores 3.5, 3, 2.5 and 2, glows 10.5, 9,
    // 7.5 and 6), phases 1, 2/3, 1/3 and 0. Each segment advances u by ρ times its length in
    // core widths times its far point's width: 6.28125, 5.15625 and 2.125 of them. The end cap
    // goes in with the last segment's build, before the second segment is written.
    LayerRows StraightChain(const LightningPoint* p) const {
        const float u1 = 1.5703125f, u2 = 2.859375f, u3 = 3.390625f;
        auto core = [&](int k) { return Core(p[k]); };
        auto glow = [&](int k) { return Glow(p[k]); };
        const D3DCOLOR clear = Clear(kCoreRef);
        return LayerRows{
            .core = {{"start cap: half a core width back", {10, 64, 0}, {-1.75f, 0, 0}, 3.5f, 3.5f, 0, 0.125f, 1, 0,
                      core(0), clear},
                     {"first segment", {10, 64, 0}, {33.5f, 0, 0}, 3.5f, 3, 0, u1, 0, 1, core(0), core(0)},
                     {"end cap: 0.7 of a core width on, narrowing", {93.5f, 64, 0}, {1.4f, 0, 0}, 2, 1.4f, u3,
                      u3 + 0.175f, 0, 1, core(2), clear},
                     {"second segment", {43.5f, 64, 0}, {33, 0, 0}, 3, 2.5f, u1, u2, 0, 1, core(1), core(1)},
                     {"last segment", {76.5f, 64, 0}, {17, 0, 0}, 2.5f, 2, u2, u3, 0, 1, core(2), core(2)}},
            .glow = {{"first segment", {10, 64, 0}, {33.5f, 0, 0}, 10.5f, 9, 0, u1, 0, 1, glow(0), glow(0)},
                     {"second segment", {43.5f, 64, 0}, {33, 0, 0}, 9, 7.5f, u1, u2, 0, 1, glow(1), glow(1)},
                     {"last segment", {76.5f, 64, 0}, {17, 0, 0}, 7.5f, 6, u2, u3, 0, 1, glow(2), glow(2)}},
            .spots = {{"spot at the start", {10, 64, 0}, {0, 0, 0}, 10.5f, 0, 0, 0, 0, 0, glow(0), glow(0)},
                      {"spot at the end", {93.5f, 64, 0}, {0, 0, 0}, 6, 0, 0, 0, 0, 0, glow(3), glow(3)}},
        };
    }
    void ExpectLayers(const LayerRows& rows) {
        ExpectLayer(Layer(QV_LightningGN::kCoreLayer), rows.core);
        ExpectLayer(Layer(QV_LightningGN::kGlowLayer), rows.glow);
        ExpectLayer(Layer(QV_LightningGN::kSpotLayer), rows.spots);
    }
    D3DCOLOR Core(const LightningPoint& p) const { return VertexColour(kCoreRef, light_.Alpha(p.phase)); }
    D3DCOLOR Glow(const LightningPoint& p) const { return VertexColour(kGlowRef, light_.Alpha(p.phase)); }
    static D3DCOLOR Clear(unsigned long ref) { return VertexColour(ref, 0.0f); }

    spritetest::DeviceWithPictures scene_{128, 128};
    std::unique_ptr<QV_ParticlesObj> object_;
    PhaseLight light_;
};

TEST_F(GeneratorLayers, AChainRunsItsUAlongItsSegmentsAndIntoItsEndCapWhichItWritesOnceItsLastSegmentIsBuilt) {
    const LightningBolt& bolt = Make(0, 0).Bolt();
    ASSERT_EQ(bolt.Chains().size(), 1u);
    const LightningPoint* p = &bolt.Point(bolt.Chains()[0], 0);
    const float x[4] = {10, 43.5f, 76.5f, 93.5f};
    for (int k = 0; k < 4; ++k) EXPECT_NEAR(p[k].position.x, x[k], 1e-4f) << k;
    // Lit, lit, half lit and dark: the end cap takes the colour of the point before the end.
    ASSERT_NE(Core(p[2]), Core(p[3]));
    ASSERT_NE(Core(p[2]), Core(p[1]));
    ExpectLayers(StraightChain(p));
}

TEST_F(GeneratorLayers, ABranchIsWrittenInTheMiddleOfItsTrunkJustBeforeTheSegmentThatLeavesItsPoint) {
    const LightningBolt& bolt = Make(0, 1).Bolt();
    ASSERT_EQ(bolt.Chains().size(), 2u);
    const LightningPoint* p = &bolt.Point(bolt.Chains()[0], 0);
    const LightningPoint* b = &bolt.Point(bolt.Chains()[1], 0);
    ASSERT_EQ(p[2].branch, 1);
    ASSERT_EQ(bolt.Chains()[1].count, 2u);
    // A single segment: its end cap follows its start cap and starts in u where the segment
    // ends.
    const D3DXVECTOR3 along = b[1].position - b[0].position;
    const float length = D3DXVec3Length(&along);
    const D3DXVECTOR3 unit = along / length;
    const float c0 = b[0].width * kCoreWidth, c1 = b[1].width * kCoreWidth;
    const float g0 = b[0].width * kGlowWidth, g1 = b[1].width * kGlowWidth;
    const float uEnd = length / kCoreWidth * b[1].width * kRatio;
    LayerRows rows = StraightChain(p);
    rows.core.insert(rows.core.begin() + 2,
                     {{"branch start cap", b[0].position, -unit * (c0 / 2), c0, c0, 0, kRatio / 2, 1, 0, Core(b[0]),
                       Clear(kCoreRef)},
                      {"branch end cap", b[1].position, unit * (0.7f * c1), c1, 0.7f * c1, uEnd, uEnd + 0.7f * kRatio, 0,
                       1, Core(b[0]), Clear(kCoreRef)},
                      {"branch segment", b[0].position, along, c0, c1, 0, uEnd, 0, 1, Core(b[0]), Core(b[0])}});
    rows.glow.insert(rows.glow.begin() + 1,
                     {"branch segment", b[0].position, along, g0, g1, 0, uEnd, 0, 1, Glow(b[0]), Glow(b[0])});
    rows.spots.push_back({"branch spot at its start", b[0].position, {0, 0, 0}, g0, 0, 0, 0, 0, 0, Glow(b[0]),
                          Glow(b[0])});
    rows.spots.push_back({"branch spot at its end", b[1].position, {0, 0, 0}, g1, 0, 0, 0, 0, 0, Glow(b[1]),
                          Glow(b[1])});
    ExpectLayers(rows);
}

TEST_F(GeneratorLayers, NeighbouringSegmentsMeetHalfwayBetweenTheirOwnCornersInTheCoreAndTheGlow) {
    const QV_LightningGN& lightning = Make(100, 0, 4242);
    const LightningBolt& bolt = lightning.Bolt();
    const LightningPoint* p = &bolt.Point(bolt.Chains()[0], 0);
    // Across each segment: (−d.y, d.x) over its length.
    auto across = [&](int k) {
        const D3DXVECTOR3 d = p[k + 1].position - p[k].position;
        return D3DXVECTOR3(-d.y, d.x, 0) / D3DXVec3Length(&d);
    };
    const D3DXVECTOR3 bend = across(0) - across(1);
    ASSERT_GT(D3DXVec3Length(&bend), 0.1f);
    struct Case {
        size_t layer;
        size_t segments[3];  // where the three segments stand in the layer
        unsigned width;
    };
    for (const Case& c : {Case{QV_LightningGN::kCoreLayer, {1, 3, 4}, kCoreWidth},
                          Case{QV_LightningGN::kGlowLayer, {0, 1, 2}, kGlowWidth}}) {
        SCOPED_TRACE(c.layer);
        const std::vector<PctQuad> quads = Layer(c.layer);
        ASSERT_GE(quads.size(), 3u);
        for (int k = 1; k <= 2; ++k) {
            SCOPED_TRACE(k);
            const PctQuad &before = quads[c.segments[k - 1]], &after = quads[c.segments[k]];
            const D3DXVECTOR3 half = (across(k - 1) + across(k)) * 0.5f * (p[k].width * c.width / 2);
            const D3DXVECTOR3 outer = p[k].position + half, inner = p[k].position - half;
            for (const auto& [a, b, at] :
                 {std::tuple{before.v[2], after.v[0], outer}, std::tuple{before.v[3], after.v[1], inner}}) {
                EXPECT_NEAR(a.x, at.x, 1e-3f);
                EXPECT_NEAR(a.y, at.y, 1e-3f);
                EXPECT_EQ(a.x, b.x);
                EXPECT_EQ(a.y, b.y);
            }
        }
    }
}

TEST_F(GeneratorLayers, OnceEveryPuffHasDiedTheSmokeKeepsItsLastQuadsUntilNewOnesAppear) {
    QV_Smoke& smoke = MakeSmoke();
    float t = 0;
    auto frame = [&] { object_->Update(t += 1.0f / 30); };
    frame();
    ASSERT_GE(object_->QuadCount(0), 5u);
    // Hidden: nothing more comes out, and those in the air die within their second.
    smoke.TimeLine().Mode().Assign(QV_TimeLineControl::kTimeWindows, nullptr);
    std::vector<PctQuad> last;
    for (frame(); !smoke.Particles().empty() && t < 3; frame()) last = Layer(0);
    ASSERT_TRUE(smoke.Particles().empty());
    ASSERT_FALSE(last.empty());
    // What the last live puffs wrote has faded out: a puff ends its life clear.
    for (const PctQuad& quad : last)
        for (const DX_V::PCT& vertex : quad.v) EXPECT_LE(vertex.diffuse >> 24, 10u);
    for (int i = 0; i < 10; ++i) frame();
    const std::vector<PctQuad> kept = Layer(0);
    ASSERT_EQ(kept.size(), last.size());
    EXPECT_EQ(std::memcmp(kept.data(), last.data(), last.size() * sizeof(PctQuad)), 0);

    // Shown again, the puffs owed come out and the layer holds them instead.
    smoke.TimeLine().Mode().Assign(QV_TimeLineControl::kAlwaysVisible, nullptr);
    frame();
    ASSERT_GT(smoke.Particles().size(), last.size());
    EXPECT_EQ(object_->QuadCount(0), smoke.Particles().size());
}

}  // namespace
