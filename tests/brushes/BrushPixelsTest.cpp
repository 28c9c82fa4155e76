// The brushes drawn with the module's own effects on a real device: a 256 x 256 picture whose
// red channel is x and green channel is y, fitted exactly to a 256 x 256 back buffer, and a
// mask over its left half. Each brush changes the pixels inside the mask as its effect
// computes and leaves the others alone, over the picture and as a post effect.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <array>
#include <functional>
#include <numbers>

#include "BrushRecords.h"
#include "BrushStage.h"
#include "PictureBytes.h"
#include "brushes/QV_UnderwaterFX.h"
#include "document/BuiltinResources.h"
#include "document/QV_DocResManager.h"
#include "player/PictureView.h"

using namespace scenewriter;

namespace {

const char kLeftHalf[] = "{8C2F5A10-2B3C-4D5E-8F90-A1B2C3D4E5F6}";
const char kNoPicture[] = "{00000000-0000-0000-0000-0000000000AA}";
const LinkValue kPicture{"C:\\scene\\ramps.png", 1};
const LinkValue kTile{"C:\\scene\\tile.png", 2};
const LinkValue kFlatWater{"C:\\scene\\flat.png", 3};
const LinkValue kChecker{"C:\\scene\\checker.png", 4};
const UINT kSize = 256;
const uint32_t kBlue = 64;

enum EffectId {
    kCopy = builtin::kBackgroundCopyEffect.id, kLight = builtin::kLightEffect.id, kWaves = builtin::kWavesEffect.id,
    kPattern = builtin::kPatternEffect.id, kUnderwater = builtin::kUnderwaterEffect.id, kWater = builtin::kWaterEffect.id,
    kMove = builtin::kMoveEffect.id, kFire = builtin::kFireEffect.id, kExpand = builtin::kExpandEffect.id,
    kRadial = builtin::kRadialWaveEffect.id, kWaterfall = builtin::kWaterfallEffect.id, kRotation = builtin::kRotationEffect.id,
    kBend = builtin::kBendEffect.id
};

FxBaseRecord Fx(EffectId effect, int32_t fxMode, uint32_t speed = 0, const char* mask = kLeftHalf) {
    FxBaseRecord fx;
    fx.effect = {builtin::kModuleName, effect};
    fx.fxMode = fxMode;
    fx.speed = speed;
    fx.maskGuid = mask;
    return fx;
}

uint32_t Rgb(double r, double g, double b) {
    auto channel = [](double v) { return uint32_t(std::lround(std::clamp(v, 0.0, 255.0))); };
    return 0xFF000000u | channel(r) << 16 | channel(g) << 8 | channel(b);
}

// The picture's colour at a pixel, and at picture coordinates (u, v) as a linear filter reads
// the ramps: texel i is centred on (i + 0.5) / 256.
uint32_t Picture(int x, int y) { return Rgb(x, y, kBlue); }
double Ramp(double coordinate) { return std::clamp(coordinate * kSize - 0.5, 0.0, 255.0); }
double U(int x) { return (x + 0.5) / kSize; }
// The picture read at picture coordinates (u, v).
uint32_t PictureAt(double u, double v) { return Rgb(Ramp(u), Ramp(v), kBlue); }
// The colour c blended towards (r, g, b) by a.
uint32_t Blended(uint32_t c, double r, double g, double b, double a) {
    auto mix = [&](int shift, double target) { return ((c >> shift) & 0xFF) * (1 - a) + target * a; };
    return Rgb(mix(16, r), mix(8, g), mix(0, b));
}
// A waterfall wave at full transluency over colour c, threshold 0.1: its share of the wave's
// colour grows with c's brightness over the threshold.
uint32_t WaveOver(uint32_t c) {
    const double bright = (0.3 * ((c >> 16) & 0xFF) + 0.59 * ((c >> 8) & 0xFF) + 0.11 * (c & 0xFF)) / 255.0;
    return Blended(c, 255, 128, 0, std::clamp((bright - 0.1) / 0.9, 0.0, 1.0));
}

bool InsideMask(int x) { return x < int(kSize) / 2; }

// Black and white pixels in turn: any offset between the texels read and the pixels drawn
// blurs it to grey.
uint32_t Checker(UINT x, UINT y) { return (x + y) % 2 ? 0xFFFFFFFFu : 0xFF000000u; }

// Pixels well away from the mask's edge, inside and outside.
const int kSamples[][2] = {{10, 20}, {40, 100}, {90, 200}, {100, 60}, {170, 30}, {200, 140}, {240, 230}};

class BrushPixels : public ::testing::Test {
protected:
    void Open(std::vector<SceneWriter> objects, const LinkValue& picture = kPicture) {
        ASSERT_NE(stage_.Device().Device(), nullptr) << "no Direct3D 9 device";
        IDirect3DDevice9* d = stage_.Device().Device();
        ResourceSection section;
        auto image = [](const LinkValue& link, std::vector<uint8_t> bytes) {
            return StoreEntry{link.path, link.stamp, {StoredFile{0, "", std::move(bytes), link.path}}};
        };
        section.images = {
            image(kPicture, vgtest::MakePatternPicture(d, kSize, kSize, D3DXIFF_PNG, [](UINT x, UINT y) { return Picture(x, y); })),
            // Magenta on the tile's left half, cyan on its right half.
            image(kTile, vgtest::MakePatternPicture(d, 64, 64, D3DXIFF_PNG,
                                             [](UINT x, UINT) { return x < 32 ? 0xFFFF00FFu : 0xFF00FFFFu; })),
            // A surface without slope: every normal (0, 0, 1).
            image(kFlatWater, vgtest::MakePicture(d, 16, 16, D3DXIFF_PNG, 0xFF8080FF)),
            image(kChecker, vgtest::MakePatternPicture(d, kSize, kSize, D3DXIFF_PNG, Checker))};
        section.guidImages = {{kLeftHalf, "", 1,
                               vgtest::MakePatternPicture(d, kSize, kSize, D3DXIFF_PNG,
                                                   [](UINT x, UINT) { return InsideMask(int(x)) ? 0xFFFFFFFFu : 0xFF000000u; }),
                               ""}};
        ASSERT_EQ(stage_.Open(section, picture, std::move(objects)), S_OK);
        stage_.Start();
    }
    // Draws frames up to slide time t (0.1 s apart, as clocks take at most 0.2 s a frame) and
    // compares the sampled pixels with the brush's arithmetic inside the mask (`inside`, or
    // the picture where it is null) and the picture outside it.
    void ExpectFrame(const std::function<uint32_t(int x, int y)>& inside, float t = 0.0f) {
        for (float now = 0.0f; now < t; now += 0.1f) stage_.DrawFrame(now);
        stage_.DrawFrame(t);
        const std::vector<uint32_t> pixels = stage_.Device().ReadBack();
        ASSERT_EQ(pixels.size(), size_t(kSize) * kSize);
        for (const auto& [x, y] : kSamples) {
            const uint32_t want = inside && InsideMask(x) ? inside(x, y) : Picture(x, y);
            EXPECT_LE(vgtest::ChannelDistance(pixels[size_t(y) * kSize + x] | 0xFF000000u, want), 2)
                << "at " << x << ", " << y << std::hex << ": " << pixels[size_t(y) * kSize + x] << " for " << want;
        }
    }

    vgtest::BrushStage stage_{kSize, kSize};
};

// The light, at phase 0 in its pulse mode: multiplier 0.4 x 0.5.
uint32_t Lit(int x, int y) { return Rgb(x * 1.2, y * 1.2, kBlue * 1.2); }
// Flat water of colour (1, 128 / 255, 64 / 255).
uint32_t Tinted(int x, int y) { return Rgb(x, y * 128.0 / 255, kBlue * 64.0 / 255); }
// The copy by (32, 16) of a picture lit inside the mask.
uint32_t CopyOfLit(int x, int y) { return InsideMask(x + 32) ? Lit(x + 32, y + 16) : Picture(x + 32, y + 16); }

TEST_F(BrushPixels, EachBrushChangesOnlyWhatItsMaskCovers) {
    struct Case {
        const char* name;
        SceneWriter record;
        std::function<uint32_t(int, int)> inside;
    };
    WavesRecord waves;
    waves.amplitude = 400;  // 0.1 of the picture
    waves.fx = Fx(kWaves, 0, 25);
    WaterRecord water;
    water.color = 0x4080FF;  // red FF, green 80, blue 40
    water.bump = kFlatWater;
    water.fx = Fx(kWater, 0, 50);
    water.fx.effectScale = 30;
    WaterRecord unbumped = water;
    unbumped.bump = {"C:\\scene\\nowhere.png", 4};
    Case cases[] = {
        {"light", MakeLight({.fx = Fx(kLight, 0, 40)}), Lit},
        {"copy", MakeBackgroundCopy({.rect = {0, 0, 0, 0, 32, 16}, .fx = Fx(kCopy, 0)}),
         [](int x, int y) { return Picture(x + 32, y + 16); }},
        // A set flag mirrors the copy: u + 1 + 32/256 reads back at 1 - u - 1/8.
        {"mirrored copy", MakeBackgroundCopy({.rect = {0, 0, 0, 0, 32, 0}, .wrapX = 1, .fx = Fx(kCopy, 0)}),
         [](int x, int y) { return Picture(223 - x, y); }},
        // Direction (-1, 0), normal (0, 1), time 0: v moves by 0.1 sin(-38.46 u).
        {"waves", MakeWaves(waves),
         [](int x, int y) { return Rgb(x, Ramp((y + 0.5) / kSize + 0.1 * std::sin(-38.4615 * U(x))), kBlue); }},
        // Four tiles across: magenta on the first half of each, cyan on the second.
        {"pattern", MakePatternBrush({.image = kTile, .fx = Fx(kPattern, 0, 50)}),
         [](int x, int) { return x % 64 < 32 ? 0xFFFF00FFu : 0xFF00FFFFu; }},
        {"mirrored pattern", MakePatternBrush({.image = kTile, .flipH = 1, .fx = Fx(kPattern, 0, 50)}),
         [](int x, int) { return x % 64 < 32 ? 0xFF00FFFFu : 0xFFFF00FFu; }},
        // Flat water: the background tinted by the water's colour, no highlight to speak of.
        {"water", MakeWater(water), Tinted},
        // An unbound sampler reads (0, 0, 0, 1), which the effect takes as flat water.
        {"water without its bump picture", MakeWater(unbumped), Tinted},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open({c.record});
        ExpectFrame(c.inside);
    }
}

// The whole picture as a brush's own region, corners in the brushes' order.
const std::array<float, 12> kWholePicture = {0, 256, 0, 0, 0, 0, 256, 256, 0, 256, 0, 0};
const std::array<float, 3> kCentre = {128.0f, 128.0f, 0.0f};
// What the flat picture reads as noise and flame: its red channel.
const double kFlat = 128.0 / 255.0;

TEST_F(BrushPixels, EachAnimatedBrushChangesItsMaskedRegionAsItsEffectComputes) {
    struct Case {
        const char* name;
        SceneWriter record;
        float t;
        std::function<uint32_t(int, int)> inside;
    };
    FxBaseRecord waterfallFx = Fx(kWaterfall, 0, 50);
    waterfallFx.region = kWholePicture;
    FxBaseRecord fireFx = Fx(kFire, 0, 50);
    fireFx.region = kWholePicture;
    FxBaseRecord bendFx = Fx(kBend, 0, 0);
    bendFx.region = kWholePicture;
    Case cases[] = {
        // Strength 0.1 at phase 0: shifted by -0.05 along (1, 0), so each pixel shows 0.05 on.
        {"move", MakeMove({.direction = {.strength = 500, .fx = Fx(kMove, 0, 50)}}), 0.0f,
         [](int x, int y) { return PictureAt(U(x) + 0.05, (y + 0.5) / kSize); }},
        // Shrinking by 1.5 about the centre: each pixel shows what lies 1.5 times as far out.
        {"expand", MakeExpand({.amplitudeA = 0, .amplitudeB = 100, .central = {.center = kCentre, .fx = Fx(kExpand, 0, 50)}}),
         0.0f, [](int x, int y) { return PictureAt(0.5 + (U(x) - 0.5) * 1.5, 0.5 + ((y + 0.5) / kSize - 0.5) * 1.5); }},
        // Amplitude 0.05, frequency 1 / 0.051, time 0: pushed along the radius.
        {"radial wave",
         MakeRadialWave({.amplitude = 200, .wavelength = 500, .central = {.center = kCentre, .fx = Fx(kRadial, 0, 50)}}),
         0.0f,
         [](int x, int y) {
             const double dx = U(x) - 0.5, dy = (y + 0.5) / kSize - 0.5, r = std::hypot(dx, dy);
             const double push = 0.05 * std::sin(r / 0.051) / r;
             return PictureAt(U(x) + push * dx, (y + 0.5) / kSize + push * dy);
         }},
        // A quarter turn after pi / 2 s at one radian a second: (x, y) from (y, -x) about the centre.
        {"rotation",
         MakeRotation({.axisRatio = 1000, .central = {.center = kCentre, .fx = Fx(kRotation, 0, 200)}}),
         std::numbers::pi_v<float> / 2,
         [](int x, int y) { return PictureAt(0.5 - ((y + 0.5) / kSize - 0.5), U(x)); }},
        // Angle 0.25 at phase 0 (the first amplitude half), no bend: turned about the centre.
        {"bend", MakeBend({.amplitudeA = 250, .central = {.center = kCentre, .fx = bendFx}}), 0.0f,
         [](int x, int y) {
             const double px = U(x) - 0.5, py = (y + 0.5) / kSize - 0.5, c = std::cos(0.25), s = std::sin(0.25);
             return PictureAt(0.5 + px * c - py * s, 0.5 + px * s + py * c);
         }},
        // One wave at the middle of its ramp, fully there, unshifted: the wave's colour (red FF,
        // green 80) by the picture's brightness over the threshold.
        {"waterfall",
         MakeWaterfall({.waveCount = 1, .threshold = 900, .baseColor = 0x0080FF, .direction = {.fx = waterfallFx}}),
         0.5f, [](int x, int y) { return WaveOver(Picture(x, y)); }},
        // Flat noise and flame: heat 0.502 x 1.002 x 1.25, opacity 1.3 x heat, coloured from
        // red to yellow.
        {"fire", MakeFire({.pattern = kFlatWater, .noise = kFlatWater, .fx = fireFx}), 0.0f,
         [](int x, int y) {
             const double heat = kFlat * (0.5 + kFlat) * 1.25;
             return Blended(Picture(x, y), 255, 255 * heat, 0, std::min(1.0, heat * 1.3));
         }},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open({c.record});
        ExpectFrame(c.inside, c.t);
    }
}

TEST_F(BrushPixels, AWaterfallAsAPostEffectKeepsTheSceneAroundItsMesh) {
    // Its mesh covers the top-left quarter only; the rest of the slide must survive the
    // target it was drawn into.
    FxBaseRecord fx = Fx(kWaterfall, 1, 50);
    fx.region = {0, 128, 0, 0, 0, 0, 128, 128, 0, 128, 0, 0};
    // The light's clock stands still, at the phase Lit computes.
    Open({MakeWaterfall({.waveCount = 1, .threshold = 900, .baseColor = 0x0080FF, .direction = {.fx = fx}}),
          MakeLight({.fx = Fx(kLight, 0, 0)})});
    ASSERT_TRUE(stage_.Brush(0).NeedsBackground());
    ExpectFrame([](int x, int y) { return x >= 128 || y >= 128 ? Lit(x, y) : WaveOver(Lit(x, y)); }, 0.5f);
}

TEST_F(BrushPixels, TheUnderwaterWobbleCoversTheWholePicture) {
    // Its brush is made by the underwater background; here it is drawn straight onto the layer.
    Open({});
    stage_.DrawFrame(0.0f);
    QV_UnderwaterFX underwater;
    underwater.amplitude.Assign(400, nullptr);  // 0.05 of the picture
    auto runtime = std::unique_ptr<QV_ABObj>(underwater.CreateObject());
    IDirect3DDevice9* d = stage_.Device().Device();
    d->BeginScene();
    stage_.Layer().DrawBackground(false);
    runtime->Render(stage_.Layer());
    d->EndScene();
    const double f = 1.0 / 0.101, a = 0.05;
    for (const auto& [x, y] : kSamples) {
        const double v = (y + 0.5) / kSize;
        const uint32_t want = Rgb(Ramp(U(x) + a * std::sin(f * v)), Ramp(v + a * std::sin(f * U(x))), kBlue);
        EXPECT_LE(vgtest::ChannelDistance(stage_.Device().PixelAt(x, y), want), 2) << x << ", " << y;
    }
}

TEST_F(BrushPixels, AsAPostEffectTheWholePictureStaysWithTheEffectInsideTheMask) {
    struct Case {
        const char* name;
        SceneWriter record;
        std::function<uint32_t(int, int)> inside;
    } cases[] = {
        {"light", MakeLight({.fx = Fx(kLight, 1, 40)}), Lit},
        {"copy", MakeBackgroundCopy({.rect = {0, 0, 0, 0, 32, 16}, .fx = Fx(kCopy, 2)}),
         [](int x, int y) { return Picture(x + 32, y + 16); }},
        {"pattern", MakePatternBrush({.image = kTile, .fx = Fx(kPattern, 1, 50)}),
         [](int x, int) { return x % 64 < 32 ? 0xFFFF00FFu : 0xFF00FFFFu; }},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open({c.record});
        ASSERT_TRUE(stage_.Brush(0).NeedsBackground());
        ExpectFrame(c.inside);
    }
}

TEST_F(BrushPixels, TwoPostEffectsChainTheLaterInTheListDrawnFirst) {
    // The light (second) brightens the picture; the copy (first) then copies what it drew.
    Open({MakeBackgroundCopy({.rect = {0, 0, 0, 0, 32, 16}, .fx = Fx(kCopy, 1)}), MakeLight({.fx = Fx(kLight, 1, 40)})});
    ExpectFrame(CopyOfLit);
}

TEST_F(BrushPixels, WithoutAMaskPictureNothingChangesOverThePictureOrAsAPostEffect) {
    // An unbound sampler reads (0, 0, 0, 1) under Wine, as Direct3D 9 defines it: mask 0.
    for (int32_t fxMode : {0, 1}) {
        SCOPED_TRACE(fxMode);
        Open({MakeLight({.fx = Fx(kLight, fxMode, 40, kNoPicture)})});
        ExpectFrame(nullptr);
    }
}

TEST_F(BrushPixels, APostEffectWithoutItsEffectLeavesThePictureAsItWas) {
    FxBaseRecord missing = Fx(kLight, 1, 40);
    missing.effect = {"common_res.dll", 4321};
    Open({MakeLight({.fx = missing})});
    ExpectFrame(nullptr);
}

// The scene's copy in a render target is drawn back over the screen pixel for pixel; before,
// every pass read it half a pixel off and blurred one-pixel detail.
TEST_F(BrushPixels, APostEffectHandsThePictureBackPixelForPixel) {
    for (int32_t fxMode : {0, 1}) {
        SCOPED_TRACE(fxMode);
        Open({MakeLight({.fx = Fx(kLight, fxMode, 40, kNoPicture)})}, kChecker);
        stage_.DrawFrame(0.0f);
        const std::vector<uint32_t> pixels = stage_.Device().ReadBack();
        int blurred = 0;
        for (UINT y = 0; y < kSize; ++y)
            for (UINT x = 0; x < kSize; ++x)
                if (vgtest::ChannelDistance(pixels[size_t(y) * kSize + x] | 0xFF000000u, Checker(x, y)) > 2) ++blurred;
        EXPECT_EQ(blurred, 0);
    }
}

TEST_F(BrushPixels, ADeviceResetWithBrushesAliveSucceedsAndTheyDrawAgain) {
    Open({MakeBackgroundCopy({.rect = {0, 0, 0, 0, 32, 16}, .fx = Fx(kCopy, 1)}), MakeLight({.fx = Fx(kLight, 0, 40)})});
    ExpectFrame(CopyOfLit);
    stage_.LoseDevice();
    ASSERT_EQ(stage_.Device().Reset(), S_OK);
    stage_.RestoreDevice();
    ExpectFrame(CopyOfLit);
}

// A light that draws over its own region's mesh rather than over the whole picture.
class RegionLight : public QV_FX_Constructor {
public:
    RegionLight(float left, float top, float right, float bottom) {
        effectLink.SetSilently(builtin::Link(builtin::kLightEffect));
        const D3DXVECTOR3 corners[4] = {{left, top, 0}, {right, top, 0}, {left, bottom, 0}, {right, bottom, 0}};
        for (int k = 0; k < 4; ++k) region.corners[k].SetSilently(corners[k]);
    }
    QV_FX_Constructor* Clone() const override { return new RegionLight(*this); }
    void OnCreate(ComHolder<IDirect3DTexture9>* maskHolder) override {
        QV_FX_Constructor::OnCreate(maskHolder);
        BuildGridMesh(2, 2);
        BuildMesh();
    }

protected:
    void RenderEffect(QV_2D_Light& layer, ID3DXEffect& effect) override {
        effect.SetFloat("multiplier", 0.2f);
        ApplyCommonParams4(layer);
        DrawWithTechnique(layer);
    }
};

TEST_F(BrushPixels, ABrushsOwnMeshLandsOnItsRegionWhateverWorldWasLeftBefore) {
    Open({});
    stage_.DrawFrame(0.0f);
    RegionLight description(64, 64, 192, 192);
    const std::string guid = kLeftHalf;
    CLSIDFromString(std::wstring(guid.begin(), guid.end()).c_str(), &description.maskKey.id);
    auto runtime = std::unique_ptr<QV_ABObj>(description.CreateObject());
    D3DXMATRIX elsewhere;
    D3DXMatrixTranslation(&elsewhere, 50.0f, 30.0f, 0.0f);
    IDirect3DDevice9* d = stage_.Device().Device();
    d->BeginScene();
    stage_.Layer().DrawBackground(false);
    GetPictureView().SetWorldTransform(elsewhere);  // as an object drawn before might leave it
    runtime->Render(stage_.Layer());
    d->EndScene();
    // Lit where the region and the mask meet, nowhere else.
    const struct {
        int x, y;
        bool lit;
    } samples[] = {{100, 100, true}, {70, 70, true}, {120, 185, true}, {40, 40, false},
                   {100, 220, false}, {150, 100, false}, {100, 40, false}};
    const std::vector<uint32_t> pixels = stage_.Device().ReadBack();
    for (const auto& p : samples) {
        const uint32_t want = p.lit ? Lit(p.x, p.y) : Picture(p.x, p.y);
        EXPECT_LE(vgtest::ChannelDistance(pixels[size_t(p.y) * kSize + p.x] | 0xFF000000u, want), 2) << p.x << ", " << p.y;
    }
}

}  // namespace
