// The flame, underwater and lake background layers: their records through the layer
// registry, the numbers they compute, their pixels on a real device with the module's own
// effects, and a device reset on each.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "ArchiveOver.h"
#include "BackgroundRecords.h"
#include "BrushStage.h"
#include "PictureBytes.h"
#include "RecordingEffect.h"
#include "brushes/FakeLake2D.h"
#include "brushes/FakeUndervater.h"
#include "brushes/QV_FlameLight.h"
#include "document/BuiltinResources.h"
#include "document/ReaderRegistry.h"

using namespace scenewriter;

namespace {

const LinkValue kPicture{"C:\\scene\\ramps.png", 1};
const LinkValue kWide{"C:\\scene\\wide.png", 2};
const UINT kSize = 256;
const uint32_t kBlue = 64;

uint32_t Rgb(double r, double g, double b) {
    auto channel = [](double v) { return uint32_t(std::lround(std::clamp(v, 0.0, 255.0))); };
    return 0xFF000000u | channel(r) << 16 | channel(g) << 8 | channel(b);
}
// Red is x, green y: the picture read at (u, v) as a linear filter reads it.
uint32_t Picture(int x, int y) { return Rgb(x, y, kBlue); }
double Ramp(double coordinate) { return std::clamp(coordinate * kSize - 0.5, 0.0, 255.0); }
double Centre(int i) { return (i + 0.5) / kSize; }

std::unique_ptr<QV_2D_Light> ReadLayer(const SceneWriter& record) {
    vgtest::ArchiveOver in(record.Bytes());
    std::unique_ptr<QV_2D_Light> layer(ReadTaggedLight(in.Archive()));
    EXPECT_FALSE(in.Failed());
    EXPECT_EQ(in.Consumed(), record.Size());
    return layer;
}

UnderwaterRecord Underwater(uint32_t amplitude, uint32_t speed) {
    UnderwaterRecord brush = ModuleUnderwater();
    brush.amplitude = amplitude;
    brush.fx.speed = speed;
    return brush;
}

template <class Layer>
Layer& As(QV_2D_Light* layer) {
    return dynamic_cast<Layer&>(*layer);
}

TEST(EffectBackgroundRecords, EachLayerReadsItsFieldsThroughTheLayerRegistry) {
    const LayerRecord layer{.picture = {"C:\\pictures\\dusk.png", 9}};
    struct Case {
        const char* name;
        SceneWriter record;
        std::function<void(QV_2D_Light*)> check;
    } cases[] = {
        {"flame 2",
         MakeFlameLight({.fireOn = 0, .distortionOn = 2, .fireHeight = 40, .bump = {"C:\\b.png", 3}, .strength = 50,
                         .bumpScale = 0, .fire = {.color1 = 0x123456, .pattern = {"C:\\flames.png", 4}, .tiling = 300},
                         .layer = layer}),
         [](QV_2D_Light* l) {
             auto& f = As<QV_FlameLight>(l);
             EXPECT_EQ(f.FireOn.Value(), 0);
             EXPECT_EQ(f.DistortionOn.Value(), 2);
             EXPECT_FALSE(f.UsesPostEffects());  // only 1 means on
             EXPECT_EQ(f.FireHeight.Value(), 40u);
             EXPECT_EQ(f.Distortion.BumpImage.GetPath(), L"C:\\b.png");
             EXPECT_FLOAT_EQ(f.Distortion.Strength.Result(), 0.1f);
             EXPECT_FLOAT_EQ(f.Distortion.BumpScale.Result(), 1.0f);
             EXPECT_EQ(f.Fire.color1.Value(), 0x123456u);
             EXPECT_FLOAT_EQ(f.Fire.tiling.Result(), 3.0f);
             EXPECT_EQ(f.Fire.patternLink.GetPath(), L"C:\\flames.png");
         }},
        // Version 1: the fire speed alone; its two links are read and dropped.
        {"flame 1",
         MakeFlameLight({.version = 1, .fireSpeed = 80, .fire = {.pattern = {"C:\\gone.png", 1}}, .layer = layer}),
         [](QV_2D_Light* l) {
             auto& f = As<QV_FlameLight>(l);
             EXPECT_EQ(f.Fire.speed.Value(), 80u);
             EXPECT_EQ(f.Fire.patternLink.Value().stamp, 7);
             EXPECT_EQ(f.Fire.noiseLink.Value().stamp, 8);
             EXPECT_EQ(f.Fire.effectLink.Value().stamp, 92);
         }},
        // Version 1 ran its wobble twice as fast: 51 becomes 25.
        {"underwater 1", MakeUnderwaterLight({.version = 1, .speed = 51, .layer = layer}),
         [](QV_2D_Light* l) { EXPECT_EQ(As<FakeUndervater>(l).Brush.speed.Value(), 25u); }},
        {"underwater 2", MakeUnderwaterLight({.brush = Underwater(80, 30), .layer = layer}),
         [](QV_2D_Light* l) {
             auto& u = As<FakeUndervater>(l);
             EXPECT_EQ(u.Brush.speed.Value(), 30u);
             EXPECT_FLOAT_EQ(u.Brush.amplitude.Result(), 0.01f);
         }},
        {"lake 2",
         MakeLake({.waterLevel = 0, .tintAlpha = 100, .shoreBlend = 3, .mirrorSizeExponent = 2, .tintColour = 0x0000FF,
                   .normalMapGuid = "{3F2504E0-4F89-11D3-9A0C-0305E82C3301}", .layer = layer}),
         [](QV_2D_Light* l) {
             auto& k = As<FakeLake2D>(l);
             EXPECT_FLOAT_EQ(k.LakeFraction(), 0.5f);
             EXPECT_FLOAT_EQ(k.TintAlpha.Result(), 0.8f);
             EXPECT_EQ(k.ShoreBlend.Value(), 3u);
             EXPECT_EQ(k.MirrorSizeExponent.Value(), 2);
             EXPECT_EQ(k.TintColour.Value(), 0x0000FFu);
             EXPECT_EQ(k.NormalMapKey.id.Data1, 0x3F2504E0u);
         }},
        // An exponent the mirror copy could not have is brought into range where it is read.
        {"lake, exponent -3", MakeLake({.mirrorSizeExponent = -3, .layer = layer}),
         [](QV_2D_Light* l) { EXPECT_EQ(As<FakeLake2D>(l).MirrorSizeExponent.Value(), 0); }},
        {"lake, exponent 99", MakeLake({.mirrorSizeExponent = 99, .layer = layer}),
         [](QV_2D_Light* l) { EXPECT_EQ(As<FakeLake2D>(l).MirrorSizeExponent.Value(), FakeLake2D::kMaxMirrorExponent); }},
        {"lake 1", MakeLake({.version = 1, .waterLevel = 0, .layer = layer}),
         [](QV_2D_Light* l) { EXPECT_FLOAT_EQ(As<FakeLake2D>(l).LakeFraction(), 0.375f); }},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto read = ReadLayer(c.record);
        ASSERT_NE(read, nullptr);
        c.check(read.get());
        EXPECT_EQ(read->pictureLink.GetPath(), L"C:\\pictures\\dusk.png");
    }
}

TEST(EffectBackgroundRecords, TheLakeFoldsItsQuadAtTheWaterLineAndStaysFiniteAtEveryLevel) {
    // The default level 0.375 on a 600-high picture: the lake from row 375 shows v 0.625 up
    // to 0.25 at the bottom, upside down.
    const ScreenQuad folded = FakeLake2D::FoldQuad(ScreenQuad::FromRect(0, 0, 800, 600), 0.375f);
    EXPECT_FLOAT_EQ(folded.corners[ScreenQuad::kTopLeft].y, 375.0f);
    EXPECT_FLOAT_EQ(folded.corners[ScreenQuad::kTopRight].v, 0.625f);
    EXPECT_FLOAT_EQ(folded.corners[ScreenQuad::kBottomLeft].v, 0.25f);
    EXPECT_FLOAT_EQ(folded.corners[ScreenQuad::kBottomRight].y, 600.0f);
    // Level 0.5 mirrors the whole upper half.
    EXPECT_FLOAT_EQ(FakeLake2D::FoldQuad(ScreenQuad::FromRect(0, 0, 800, 600), 0.5f).corners[0].v, 0.0f);
    // The shore strip is ShoreBlend high; a lake without height has none (not 0 / 0).
    EXPECT_FLOAT_EQ(FakeLake2D::ShoreOffset(225.0f, 600.0f, 7, 0.375f), -7.0f);
    EXPECT_FLOAT_EQ(FakeLake2D::ShoreOffset(0.0f, 600.0f, 7, 0.0f), 0.0f);
    EXPECT_FLOAT_EQ(FakeLake2D::ShoreOffset(0.0f, 0.0f, 7, 0.375f), 0.0f);
    for (uint32_t level : {100u, 150u, 4000000000u}) {
        auto lake = ReadLayer(MakeLake({.waterLevel = level}));
        EXPECT_NEAR(As<FakeLake2D>(lake.get()).LakeFraction(), 0.0f, 1e-6f) << level;
    }
}

class EffectBackgrounds : public ::testing::Test {
protected:
    // The ramps picture (256 x 256) and a 1024 x 512 one, on a 256 x 256 back buffer.
    void Open(SceneWriter layer) {
        ASSERT_NE(stage_.Device().Device(), nullptr) << "no Direct3D 9 device";
        IDirect3DDevice9* d = stage_.Device().Device();
        ResourceSection section;
        section.images = {
            {kPicture.path, kPicture.stamp,
             {StoredFile{0, "", vgtest::MakePatternPicture(d, kSize, kSize, D3DXIFF_PNG, [](UINT x, UINT y) { return Picture(x, y); }),
                         kPicture.path}}},
            {kWide.path, kWide.stamp, {StoredFile{0, "", vgtest::MakePicture(d, 1024, 512, D3DXIFF_PNG, 0xFF204080), kWide.path}}}};
        ASSERT_EQ(stage_.OpenWithLayer(section, std::move(layer), {}), S_OK);
        for (auto& [id, effect] : held_) stage_.Manager().HoldEffect({L"common_res.dll", id}, effect);
        stage_.Start();
    }
    void RunTo(float t) {
        for (float now = 0.0f; now < t; now += 0.1f) stage_.DrawFrame(now);
        stage_.DrawFrame(t);
    }
    uint32_t At(const std::vector<uint32_t>& pixels, int x, int y) { return pixels[size_t(y) * kSize + x] | 0xFF000000u; }
    static LayerRecord Ramps() { return {.picture = kPicture}; }

    // Recording effects outlive the manager that holds them; held_ says under which ids.
    vgtest::RecordingEffect fire_, distortion_, shared_;
    std::vector<std::pair<int, vgtest::RecordingEffect*>> held_;
    vgtest::BrushStage stage_{kSize, kSize};
};

TEST_F(EffectBackgrounds, TheFlameBandAndTheShimmersBumpScale) {
    held_ = {{builtin::kFireEffect.id, &fire_}, {builtin::kHeatShimmerEffect.id, &distortion_}};
    vgtest::RecordingEffect& fire = fire_;
    vgtest::RecordingEffect& distortion = distortion_;
    Open(MakeFlameLight({.fireHeight = 100, .layer = {.picture = kWide}}));
    auto& flame = dynamic_cast<QV_FlameLight&>(stage_.Layer());
    // FireHeight 100: the band's lower edge at 1.5 picture heights, 0.65 of them high.
    const TexVertex* v = flame.FireQuad.Lock();
    ASSERT_NE(v, nullptr);
    EXPECT_FLOAT_EQ(v[3].y, 768.0f);
    EXPECT_FLOAT_EQ(v[0].y, 768.0f - 0.65f * 512.0f);
    EXPECT_FLOAT_EQ(v[3].x, 1024.0f);
    flame.FireQuad.Unlock();
    RunTo(0.2f);
    EXPECT_FLOAT_EQ(flame.Distortion.Aspect, 0.5f);
    ASSERT_EQ(distortion.floats["bump_scale"].size(), 2u);
    EXPECT_NEAR(distortion.floats["bump_scale"][0], 0.208f, 1e-5f);
    EXPECT_NEAR(distortion.floats["bump_scale"][1], 0.104f, 1e-5f);
    EXPECT_NEAR(distortion.floats["stenght"][0], 0.0025f, 1e-6f);
    EXPECT_NEAR(distortion.floats["Offset"][0], 0.01f, 1e-5f);  // 0.05 a second
    EXPECT_EQ(distortion.technique, "BumpmapDistortLow2");
    EXPECT_NE(distortion.textures["SceneTex"], nullptr);
    EXPECT_EQ(fire.technique, "AsEffect");
    EXPECT_EQ(fire.floats.count("ColorK1"), 0u);  // the brush's colours are not the layer's
}

TEST_F(EffectBackgrounds, WithoutTheirEffectsTheFlameAndUnderwaterLayersShowThePicturePlainly) {
    // Effects nobody holds: the distortion switches itself off for good, no fire is drawn, and
    // the underwater layer keeps the frame on the back buffer.
    const LinkValue missing{"common_res.dll", 4321};
    FlameLightRecord flame{.effect = missing, .layer = Ramps()};
    flame.fire.fx.effect = missing;
    UnderwaterLightRecord underwater{.layer = Ramps()};
    underwater.brush.fx.effect = missing;
    for (SceneWriter layer : {MakeFlameLight(flame), MakeUnderwaterLight(underwater)}) {
        Open(layer);
        EXPECT_FALSE(stage_.Layer().UsesPostEffects());
        RunTo(0.0f);
        const std::vector<uint32_t> pixels = stage_.Device().ReadBack();
        for (int y : {5, 128, 250})
            for (int x : {5, 128, 250}) EXPECT_LE(vgtest::ChannelDistance(At(pixels, x, y), Picture(x, y)), 2) << x << ", " << y;
    }
    Open(MakeFlameLight(flame));
    EXPECT_EQ(dynamic_cast<QV_FlameLight&>(stage_.Layer()).DistortionOn.Value(), 0);
}

TEST_F(EffectBackgrounds, TheFlamesBurnAlongTheBottomOfThePicture) {
    Open(MakeFlameLight({.distortionOn = 0, .layer = Ramps()}));
    RunTo(0.5f);
    const std::vector<uint32_t> pixels = stage_.Device().ReadBack();
    auto redGain = [&](int x, int y) { return int((At(pixels, x, y) >> 16) & 0xFF) - x; };
    // Above the band the picture is untouched; along the bottom most of a row glows.
    for (int x = 8; x < 256; x += 16) EXPECT_LE(vgtest::ChannelDistance(At(pixels, x, 40), Picture(x, 40)), 2) << x;
    int burning = 0;
    for (int x = 8; x < 256; x += 16) burning += redGain(x, 250) > 40 ? 1 : 0;
    EXPECT_GE(burning, 12);
}

TEST_F(EffectBackgrounds, TheShimmerDisplacesTheFinishedScene) {
    // Strength 2: pushed by up to 0.1 of the picture.
    Open(MakeFlameLight({.fireOn = 0, .strength = 1000, .layer = Ramps()}));
    RunTo(0.3f);
    const std::vector<uint32_t> pixels = stage_.Device().ReadBack();
    int moved = 0, samples = 0;
    for (int y = 8; y < 256; y += 16)
        for (int x = 8; x < 256; x += 16) {
            const uint32_t p = At(pixels, x, y);
            ++samples;
            moved += vgtest::ChannelDistance(p, Picture(x, y)) > 4 ? 1 : 0;
            // What is shown is still the picture's own blue, only from elsewhere.
            EXPECT_NEAR(int(p & 0xFF), int(kBlue), 2) << x << ", " << y;
        }
    EXPECT_GT(moved, samples / 2);
}

TEST_F(EffectBackgrounds, TheUnderwaterWobbleCoversTheWholePicture) {
    // Amplitude 0.05 of the picture, frequency 1 / 0.101 on both axes, time 0.
    Open(MakeUnderwaterLight({.brush = Underwater(400, 25), .layer = Ramps()}));
    RunTo(0.0f);
    const std::vector<uint32_t> pixels = stage_.Device().ReadBack();
    const double f = 1.0 / 0.101, a = 0.05;
    for (int y : {4, 60, 130, 200, 251})
        for (int x : {4, 70, 128, 190, 251}) {
            const double u = Centre(x), v = Centre(y);
            const uint32_t want = Rgb(Ramp(u + a * std::sin(f * v)), Ramp(v + a * std::sin(f * u)), kBlue);
            EXPECT_LE(vgtest::ChannelDistance(At(pixels, x, y), want), 2) << x << ", " << y;
        }
}

TEST_F(EffectBackgrounds, TheLakeMirrorsThePictureBelowItsWaterLine) {
    // Level 0.375 of 256: the shore at row 160; no tint, no shore strip, no normal map.
    Open(MakeLake({.tintAlpha = 0, .shoreBlend = 0, .layer = Ramps()}));
    RunTo(0.0f);
    const std::vector<uint32_t> pixels = stage_.Device().ReadBack();
    for (int x : {10, 100, 200}) {
        for (int y : {20, 120, 155}) EXPECT_LE(vgtest::ChannelDistance(At(pixels, x, y), Picture(x, y)), 2) << x << ", " << y;
        for (int y : {170, 200, 250})
            EXPECT_LE(vgtest::ChannelDistance(At(pixels, x, y), Picture(x, 320 - y - 1)), 3) << x << ", " << y;
    }
}

// The tint runs from TintAlpha at the bottom edge to TintAlpha × (1 − TintFade) at the shore
// and on over the ShoreBlend rows above it down to nothing: a row whose strip edge, ramp or
// alpha slipped by one is off by more than the tolerance.
TEST_F(EffectBackgrounds, TheLakeTintFadesTowardsTheShoreAndOverTheStripAboveIt) {
    struct Case {
        const char* name;
        uint32_t waterLevel, tintAlpha, tintFade, shoreBlend;
        int shore;                    // row of the shore on the 256-row picture
        int bottomAlpha, shoreAlpha;  // vertex alphas as bytes
    } cases[] = {
        {"defaults", 25, 31, 58, 7, 160, 63, 26},             // 0.248 and 0.104
        {"half the picture", 0, 100, 50, 20, 128, 204, 102},  // 0.8 and 0.4
        {"no fade, a short strip", 25, 100, 0, 3, 160, 204, 204},  // steep enough to show one row more
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // A pure blue tint (COLORREF, red in the low byte).
        Open(MakeLake({.waterLevel = c.waterLevel, .tintAlpha = c.tintAlpha, .tintFade = c.tintFade,
                       .shoreBlend = c.shoreBlend, .tintColour = 0xFF0000, .layer = Ramps()}));
        RunTo(0.0f);
        const std::vector<uint32_t> pixels = stage_.Device().ReadBack();
        const int stripTop = c.shore - int(c.shoreBlend);
        auto alpha = [&](int y) {  // the tint's alpha at a row's centre, from 0 to 255
            const double centre = y + 0.5;
            if (centre < stripTop) return 0.0;
            if (centre < c.shore) return c.shoreAlpha * (centre - stripTop) / c.shoreBlend;
            return c.shoreAlpha + (c.bottomAlpha - c.shoreAlpha) * (centre - c.shore) / (kSize - c.shore);
        };
        for (int x : {10, 100, 200})
            for (int y = stripTop - 3; y < int(kSize); ++y) {
                const uint32_t under = y < c.shore ? Picture(x, y) : Picture(x, 2 * c.shore - y - 1);
                const double a = alpha(y) / 255.0;
                auto mix = [&](int shift, double tint) { return tint * a + ((under >> shift) & 0xFF) * (1.0 - a); };
                const uint32_t want = Rgb(mix(16, 0.0), mix(8, 0.0), mix(0, 255.0));
                EXPECT_LE(vgtest::ChannelDistance(At(pixels, x, y), want), 3)
                    << x << ", " << y << " " << std::hex << At(pixels, x, y) << " " << want;
            }
    }
}

// The mirror copy is 128 × 2^n texels square; at 512 the lake mirrors the picture as at 256.
TEST_F(EffectBackgrounds, TheLakesMirrorCopyIsAsLargeAsItsExponentSays) {
    struct Case {
        int32_t exponent;
        UINT side;
    } cases[] = {{0, 128}, {2, 512}, {4, 2048}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.exponent);
        Open(MakeLake({.tintAlpha = 0, .shoreBlend = 0, .mirrorSizeExponent = c.exponent, .layer = Ramps()}));
        auto& lake = As<FakeLake2D>(&stage_.Layer());
        ASSERT_TRUE(lake.MirrorTexture);
        D3DSURFACE_DESC level{};
        ASSERT_EQ(lake.MirrorTexture->GetLevelDesc(0, &level), D3D_OK);
        EXPECT_EQ(level.Width, c.side);
        EXPECT_EQ(level.Height, c.side);
        if (c.side < kSize) continue;  // a smaller copy loses the ramps' single steps
        RunTo(0.0f);
        const std::vector<uint32_t> pixels = stage_.Device().ReadBack();
        for (int x : {10, 100, 200})
            for (int y : {170, 200, 250})
                EXPECT_LE(vgtest::ChannelDistance(At(pixels, x, y), Picture(x, 320 - y - 1)), 3) << x << ", " << y;
    }
}

TEST_F(EffectBackgrounds, ADeviceResetOnEachLayerResetsTheSharedObjectsAndItDrawsAgain) {
    // A recording effect and a GUID target stand for the glow, lightning and text objects'
    // effects and targets that the manager's reset brings back.
    held_ = {{4000, &shared_}};
    vgtest::RecordingEffect& shared = shared_;
    for (SceneWriter layer : {MakeFlameLight({.layer = Ramps()}), MakeUnderwaterLight({.layer = Ramps()}),
                              MakeLake({.layer = Ramps()})}) {
        Open(layer);
        RenderTargetPair& glow = stage_.Manager().GetGuidImage(GuidKey::MakeFresh());
        RunTo(0.2f);
        const int resets = shared.resetDevice;
        stage_.LoseDevice();
        ASSERT_EQ(stage_.Device().Reset(), S_OK);  // nothing of the default pool left alive
        stage_.RestoreDevice();
        EXPECT_EQ(shared.resetDevice, resets + 1);
        EXPECT_TRUE(glow.Texture(0));
        RunTo(0.2f);
        // Above the flames and the lake, where the shimmer and the wobble move little.
        const std::vector<uint32_t> after = stage_.Device().ReadBack();
        for (int x : {20, 128, 240}) EXPECT_LE(vgtest::ChannelDistance(At(after, x, 20), Picture(x, 20)), 16) << x;
    }
}

// A sprite whose quad covers the picture's left half with one colour; it notes what it was
// prepared for.
class HalfSprite : public LayerSprite {
public:
    explicit HalfSprite(IDirect3DDevice9* d) {
        const float half[20] = {0, 256, 0, 0, 1, 0, 0, 0, 0, 0, 128, 256, 0, 1, 1, 128, 0, 0, 1, 0};
        quad.CreateWithVertices(half);
        D3DXCreateTexture(d, 4, 4, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, quad.texture.Receive());
        D3DLOCKED_RECT rect{};
        if (quad.texture && SUCCEEDED(quad.texture->LockRect(0, &rect, nullptr, 0))) {
            for (int y = 0; y < 4; ++y)
                for (int x = 0; x < 4; ++x) static_cast<uint32_t*>(rect.pBits)[y * rect.Pitch / 4 + x] = 0xFFFF00FFu;
            quad.texture->UnlockRect(0);
        }
    }
    void Prepare(void* argument) override { prepared = argument; }
    void* prepared = nullptr;
};

TEST_F(EffectBackgrounds, TheLakeDrawsASpriteThroughTheLayerAndKeepsItsBumpStageClamped) {
    Open(MakeLake({.tintAlpha = 0, .shoreBlend = 0, .layer = Ramps()}));
    RunTo(0.0f);
    IDirect3DDevice9* d = stage_.Device().Device();
    HalfSprite sprite(d);
    int argument = 0;
    d->BeginScene();
    stage_.Layer().DrawBackground(false);
    stage_.Layer().DrawSprite(sprite, &argument);
    d->EndScene();
    EXPECT_EQ(sprite.prepared, &argument);
    DWORD addressU = 0, addressV = 0;
    d->GetSamplerState(0, D3DSAMP_ADDRESSU, &addressU);
    d->GetSamplerState(0, D3DSAMP_ADDRESSV, &addressV);
    EXPECT_EQ(addressU, DWORD(D3DTADDRESS_CLAMP));
    EXPECT_EQ(addressV, DWORD(D3DTADDRESS_CLAMP));
    const std::vector<uint32_t> pixels = stage_.Device().ReadBack();
    EXPECT_LE(vgtest::ChannelDistance(At(pixels, 60, 60), 0xFFFF00FFu), 2);
    EXPECT_LE(vgtest::ChannelDistance(At(pixels, 200, 60), Picture(200, 60)), 2);
}

}  // namespace
