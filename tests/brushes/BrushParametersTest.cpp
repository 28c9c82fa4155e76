// What each brush hands its effect, read from a recording effect held under every brush
// effect's key: the common "Scale", "Mask", "Background" and technique, each brush's own
// numbers, and the values that would not be finite.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "ArchiveOver.h"
#include "BrushRecords.h"
#include "BrushStage.h"
#include "PictureBytes.h"
#include "RecordingEffect.h"
#include "SectionReading.h"
#include "brushes/QV_BackgroundCopy.h"
#include "brushes/QV_CentralBased.h"
#include "brushes/QV_DirectionBased.h"
#include "brushes/QV_LightFX.h"
#include "brushes/QV_PatternBrush.h"
#include "brushes/QV_UnderwaterFX.h"
#include "brushes/QV_WaterFX.h"
#include "brushes/QV_WavesFX.h"
#include "document/BuiltinResources.h"

using namespace scenewriter;

namespace {

const char kMaskGuid[] = "{6B29FC40-CA47-1067-B31D-00DD010662DA}";
const LinkValue kPicture{"C:\\scene\\picture.png", 1};
const LinkValue kTile{"C:\\scene\\tile.png", 2};
enum EffectId {
    kCopy = builtin::kBackgroundCopyEffect.id, kLight = builtin::kLightEffect.id, kWaves = builtin::kWavesEffect.id,
    kPattern = builtin::kPatternEffect.id, kUnderwater = builtin::kUnderwaterEffect.id, kWater = builtin::kWaterEffect.id
};
const int kEffectIds[] = {kCopy, kLight, kWaves, kPattern, kUnderwater, kWater};

// The brush base as a document stores a brush left at its defaults: its effect in the
// module, its speed and effect scale, and the mask.
FxBaseRecord Fx(EffectId effect, int32_t fxMode = 0) {
    FxBaseRecord fx;
    fx.maskGuid = kMaskGuid;
    fx.fxMode = fxMode;
    fx.effect = {builtin::kModuleName, effect};
    switch (effect) {
        case kCopy: fx.speed = 0; break;
        case kLight: fx.speed = 40; break;
        case kWaves:
        case kUnderwater: fx.speed = 25; break;
        case kPattern: fx.speed = 50; break;
        case kWater:
            fx.speed = 50;
            fx.effectScale = 30;
            break;
    }
    return fx;
}

// A window at time 0, half faded in: the time line's opacity is 0.5 for good.
FxBaseRecord HalfFaded(EffectId effect) {
    FxBaseRecord fx = Fx(effect);
    fx.base.timeLine.mode = 2;
    fx.base.timeLine.windows = {{-1.0f, 1.0f, 1.0f, 1.0f}};
    return fx;
}

class BrushParameters : public ::testing::Test {
protected:
    // A 1024 x 768 picture, a 256 x 128 tile and the mask, on a device of the same shape, and
    // the images and durations of `more`.
    void Open(std::vector<SceneWriter> objects, const ResourceSection& more = {}) {
        ASSERT_NE(stage_.Device().Device(), nullptr) << "no Direct3D 9 device";
        IDirect3DDevice9* d = stage_.Device().Device();
        ResourceSection section;
        section.images = {
            {kPicture.path, kPicture.stamp, {StoredFile{0, "", vgtest::MakePicture(d, 1024, 768, D3DXIFF_PNG, 0xFF408020), kPicture.path}}},
            {kTile.path, kTile.stamp, {StoredFile{0, "", vgtest::MakePicture(d, 256, 128, D3DXIFF_PNG, 0xFF0000FF), kTile.path}}}};
        section.images.insert(section.images.end(), more.images.begin(), more.images.end());
        section.durations = more.durations;
        section.guidImages = {{kMaskGuid, "", 1, vgtest::MakePicture(d, 64, 64, D3DXIFF_PNG, 0xFFFFFFFF), ""}};
        ASSERT_EQ(stage_.Open(section, kPicture, std::move(objects)), S_OK);
        for (int id : kEffectIds) stage_.Manager().HoldEffect({L"common_res.dll", id}, &effect_);
        stage_.Start();
    }
    // One frame at slide time t, the recording cleared before it.
    void Frame(float t) {
        effect_.calls.clear();
        effect_.floats.clear();
        effect_.textures.clear();
        stage_.DrawFrame(t);
    }
    const std::vector<float>& Floats(const std::string& name) { return effect_.floats[name]; }
    static void ExpectFloats(const std::vector<float>& got, std::initializer_list<float> want, float tolerance) {
        ASSERT_EQ(got.size(), want.size());
        size_t i = 0;
        for (float w : want) EXPECT_NEAR(got[i++], w, tolerance) << "element " << i - 1;
    }
    bool Drew() const {
        for (const std::string& call : effect_.calls)
            if (call == "Begin") return true;
        return false;
    }

    vgtest::RecordingEffect effect_;  // outlives the manager that holds it
    vgtest::BrushStage stage_{256, 192};
};

TEST_F(BrushParameters, CommonParametersComeBeforeTheDrawAndFollowFxMode) {
    LightRecord over, post;
    over.fx = Fx(kLight, 0);
    post.fx = Fx(kLight, 1);
    for (const auto& [record, technique] : {std::pair{MakeLight(over), "Main"}, std::pair{MakeLight(post), "MainFX"}}) {
        SCOPED_TRACE(technique);
        Open({record});
        Frame(0.0f);
        EXPECT_EQ(effect_.technique, technique);
        // "Scale" with effectScale 1 on a 1024 x 768 picture.
        ExpectFloats(Floats("Scale"), {1.3333f, 1.0f}, 1e-4f);
        EXPECT_EQ(effect_.textures["Mask"], stage_.Manager().GetGuidTexture(stage_.Brush(0).Brush().maskKey).Get());
        EXPECT_NE(effect_.textures["Mask"], nullptr);
        // Over the picture the background is the picture; as a post effect a copy of the scene.
        const bool isPicture = effect_.textures["Background"] == stage_.Layer().GetPictureQuad().picture.texture.Get();
        EXPECT_EQ(isPicture, std::string(technique) == "Main");
        const std::vector<std::string> order(effect_.calls.begin(), effect_.calls.begin() + 6);
        EXPECT_EQ(order, (std::vector<std::string>{"SetFloat multiplier", "SetTechnique " + std::string(technique),
                                                   "SetFloatArray Scale", "SetTexture Mask", "SetTexture Background",
                                                   "Begin"}));
    }
}

// Exposes the four-float helper and the centre of the bases of later brushes.
class CentredBrush : public QV_CentralBased {
public:
    QV_FX_Constructor* Clone() const override { return new CentredBrush(*this); }
    // As a description that was never placed on the picture.
    void Unplace() {
        SetEnabled(0);
        center.SetSilently(D3DXVECTOR3(1.0f, 2.0f, 3.0f));
    }

protected:
    void RenderEffect(QV_2D_Light& layer, ID3DXEffect&) override { ApplyCenterParams(layer); }
};

TEST_F(BrushParameters, TheFourFloatScaleAndTheCentreOfAnUnplacedCentredBrush) {
    Open({});
    CentredBrush brush;
    brush.effectLink.SetSilently(builtin::Link(builtin::kLightEffect));
    brush.Unplace();
    auto runtime = std::unique_ptr<QV_BrushObj>(static_cast<QV_BrushObj*>(brush.CreateObject()));
    const auto& clone = static_cast<CentredBrush&>(runtime->Brush());
    EXPECT_EQ(clone.Enabled(), 1);
    EXPECT_FLOAT_EQ(clone.center.Value().x, 512.0f);
    EXPECT_FLOAT_EQ(clone.center.Value().y, 384.0f);
    runtime->Render(stage_.Layer());
    ExpectFloats(Floats("Scale"), {1.3333f, 1.0f, 0.75f, 1.0f}, 1e-4f);
    ExpectFloats(Floats("Center"), {0.5f, 0.5f}, 1e-6f);
    EXPECT_EQ(effect_.calls.back(), "SetFloatArray Center");  // the four-float form draws nothing
}

TEST_F(BrushParameters, ScaleStaysFiniteForEffectScaleZero) {
    LightRecord light;
    light.fx = Fx(kLight);
    light.fx.effectScale = 0;
    Open({MakeLight(light)});
    Frame(0.0f);
    // The smallest stored step stands in for 0.
    ExpectFloats(Floats("Scale"), {1.3333f / 0.02f, 1.0f / 0.02f}, 1e-2f);
}

TEST_F(BrushParameters, WavesDefaultsAndDirections) {
    struct Case {
        uint32_t angle;
        int32_t normalMode;
        float dx, dy, nx, ny;
    } cases[] = {{0, 0, -1, 0, 0, 1}, {0, 1, -1, 0, -1, 0}, {90, 0, 0, 1, 1, 0}, {270, 0, 0, -1, -1, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.angle << " " << c.normalMode);
        WavesRecord waves;
        waves.angle = c.angle;
        waves.normalMode = c.normalMode;
        waves.fx = HalfFaded(kWaves);
        Open({MakeWaves(waves)});
        Frame(0.0f);
        ExpectFloats(Floats("direction"), {c.dx, c.dy}, 1e-6f);
        ExpectFloats(Floats("direction_n"), {c.nx, c.ny}, 1e-6f);
        ExpectFloats(Floats("frequency"), {38.4615f}, 1e-3f);
        ExpectFloats(Floats("amplitude"), {0.0125f * 0.5f}, 1e-7f);
        ExpectFloats(Floats("time"), {0.0f}, 0.0f);
    }
}

TEST_F(BrushParameters, ChangingTheWavesAngleTurnsTheWaveInTheNextFrame) {
    Open({MakeWaves({.fx = Fx(kWaves)})});
    Frame(0.0f);
    ExpectFloats(Floats("direction"), {-1.0f, 0.0f}, 1e-6f);
    auto& waves = static_cast<QV_WavesFX&>(stage_.Brush(0).Brush());
    waves.angle.Assign(90, nullptr);
    Frame(0.1f);
    ExpectFloats(Floats("direction"), {0.0f, 1.0f}, 1e-6f);
    // 25 phase units a second, 0.08 of the phase.
    ExpectFloats(Floats("time"), {0.08f * 2.5f}, 1e-5f);
}

TEST_F(BrushParameters, LightMultiplierByModeAtPhaseZero) {
    struct Case {
        int32_t mode;
        float multiplier;  // intensity 0.4 x brightness x opacity 0.5
    } cases[] = {{0, 0.4f * 0.5f * 0.5f}, {-3, 0.4f * 0.5f * 0.5f}, {1, 0.0f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        Open({MakeLight({.mode = c.mode, .fx = HalfFaded(kLight)})});
        Frame(0.0f);
        ExpectFloats(Floats("multiplier"), {c.multiplier}, 1e-6f);
    }
}

TEST_F(BrushParameters, TheLightsFlickerIsTwoOctavesOfNoiseAtTenTimesThePhase) {
    // Intensity 0.4 x (noise + 1) / 2 x opacity, the noise summed over 10 p / 75 and twice
    // that at half weight, 40 phase units a second; mode 2 and above flicker alike.
    struct Case {
        int32_t mode;
        bool halfFaded;
        float t, multiplier;
    } cases[] = {{2, false, 0.1f, 0.1276937f}, {2, false, 0.2f, 0.1828440f}, {7, false, 0.3f, 0.2051260f},
                 {2, true, 0.3f, 0.1025630f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.mode << " " << c.halfFaded << " " << c.t);
        Open({MakeLight({.mode = c.mode, .fx = c.halfFaded ? HalfFaded(kLight) : Fx(kLight)})});
        for (float t = 0.0f; t < c.t - 0.01f; t += 0.1f) Frame(t);
        Frame(c.t);
        EXPECT_NEAR(stage_.Brush(0).Brush().Phase(), 40.0f * c.t, 1e-4f);
        ExpectFloats(Floats("multiplier"), {c.multiplier}, 1e-5f);
    }
}

TEST(LightBrightness, PulseAndBlinkStayWithinZeroToOneAndTheFlickerWithinItsNoise) {
    // Two octaves of noise in -1..1 at persistence 0.5 sum to -1.5..1.5.
    struct Case {
        int mode;
        float low, high;
    } cases[] = {{0, 0, 1}, {1, 0, 1}, {2, -0.25f, 1.25f}, {7, -0.25f, 1.25f}};
    for (const Case& c : cases)
        for (float p = 0; p < 200; p += 0.37f) {
            const float a = QV_LightFX::Brightness(p, c.mode);
            ASSERT_TRUE(a >= c.low && a <= c.high) << c.mode << " " << p << " " << a;
            if (c.mode == 1) {
                ASSERT_TRUE(a == 0.0f || a == 1.0f);
            }
        }
    EXPECT_NEAR(QV_LightFX::Brightness(7.853982f, 0), 1.0f, 1e-6f);  // 0.2 p = pi / 2
    EXPECT_EQ(QV_LightFX::Brightness(7.853982f, 1), 1.0f);
}

TEST_F(BrushParameters, WaterDefaults) {
    Open({MakeWater({.fx = Fx(kWater)})});
    Frame(0.0f);
    ExpectFloats(Floats("P1"), {-0.998f, -1.0f, -0.998f}, 1e-6f);
    ExpectFloats(Floats("P2"), {1.0f, 1.03267f, 1.0f}, 1e-5f);
    ExpectFloats(Floats("Vhalf"), {0.44721f, 0.89443f, 0.0f}, 1e-5f);
    ExpectFloats(Floats("Direction1"), {-34.82f, -29.22f}, 0.01f);
    ExpectFloats(Floats("Direction2"), {-0.001915f, -0.001607f}, 1e-6f);
    ExpectFloats(Floats("Color"), {1.0f, 1.0f, 1.0f}, 0.0f);
    ExpectFloats(Floats("Shadows"), {0.0f}, 0.0f);
    ExpectFloats(Floats("BampTrans"), {0.02f, 0.0f, 0.0f, 0.02f}, 1e-7f);  // k = 0.02 at phase 0
    // The water's own effect scale is 0.6.
    ExpectFloats(Floats("Scale"), {1.3333f / 0.6f, 1.0f / 0.6f}, 1e-4f);
    // The built-in bump picture is bound when the module has it.
    EXPECT_NE(effect_.textures["BumpMap"], nullptr);
}

TEST_F(BrushParameters, WaterBumpMatrixTurnsWithThePhaseAndColourComesFromTheLowBytes) {
    WaterRecord water;
    water.color = 0x0080FF;  // red FF, green 80, blue 00
    water.fx = Fx(kWater);
    Open({MakeWater(water)});
    Frame(0.0f);
    Frame(0.1f);  // speed 1.0: phase 0.1 s, turned by 0.45 radians
    const float k = 0.02f, a = 0.45f;
    ExpectFloats(Floats("BampTrans"), {k * std::cos(a), -k * std::sin(a), k * std::sin(a), k * std::cos(a)}, 1e-6f);
    ExpectFloats(Floats("Time"), {0.2f}, 1e-6f);
    ExpectFloats(Floats("Color"), {1.0f, 128.0f / 255.0f, 0.0f}, 1e-6f);
}

TEST(WaterHighlight, EveryFinitePFactorKeepsItsShapeAndTheOthersTakeTheirNeighbouringSteps) {
    // P1 = (A - 1, -1, A - 1), P2 = (1, (sqrt q + q) / (q - 1), 1), q = 2 / A - 1. Between 1 and
    // 2 the shape is finite with a negative P2; 0 (q infinite), 1 (q - 1 zero) and above 2 (no
    // root of a negative q) take 0.0001 and 0.9999.
    struct Case {
        float pFactor;
        float p1x, p2y, tolerance;
    } cases[] = {
        {0.002f, -0.998f, 1.03267f, 1e-5f},  {0.5f, -0.5f, 2.36603f, 1e-5f},
        {1.25f, 0.25f, -3.43649f, 1e-5f},    {1.5f, 0.5f, -1.36603f, 1e-5f},
        {1.9999f, 0.9999f, -0.00712f, 1e-5f}, {2.0f, 1.0f, 0.0f, 1e-6f},
        {0.0f, -0.9999f, 1.00712f, 1e-4f},   {1.0f, -0.0001f, 10000.0f, 10.0f},
        {2.0001f, -0.0001f, 10000.0f, 10.0f}, {400000.0f, -0.0001f, 10000.0f, 10.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pFactor);
        float p1[3], p2[3];
        QV_WaterFX::HighlightShape(c.pFactor, p1, p2);
        EXPECT_NEAR(p1[0], c.p1x, 1e-6f);
        EXPECT_EQ(p1[1], -1.0f);
        EXPECT_NEAR(p1[2], c.p1x, 1e-6f);
        EXPECT_EQ(p2[0], 1.0f);
        EXPECT_NEAR(p2[1], c.p2y, c.tolerance);
        EXPECT_EQ(p2[2], 1.0f);
    }
}

TEST_F(BrushParameters, UnderwaterFrequencyAndAnAmplitudeThatIgnoresTheTimeLine) {
    Open({});
    QV_UnderwaterFX underwater;
    underwater.TimeLine().Mode().SetSilently(2);  // opacity 0: no window
    auto runtime = std::unique_ptr<QV_ABObj>(underwater.CreateObject());
    runtime->Render(stage_.Layer());
    ExpectFloats(Floats("frequency"), {13.2013f, 9.90099f}, 1e-3f);
    ExpectFloats(Floats("amplitude"), {0.00625f}, 1e-8f);
}

TEST_F(BrushParameters, BackgroundCopyOffsetWithBothFlags) {
    // Shifts (256, -192) on the 1024 x 768 picture; both flags add a whole picture.
    BackgroundCopyRecord copy;
    copy.rect = {0, 0, 0, 0, 256, -192};
    copy.wrapY = 1;
    copy.wrapX = 1;
    copy.fx = Fx(kCopy);
    Open({MakeBackgroundCopy(copy)});
    Frame(0.0f);
    ExpectFloats(Floats("offset"), {1.25f, 0.75f}, 1e-6f);
    float offset[2];
    QV_BackgroundCopy::CopyOffset(100, -50, true, true, 1000, 500, offset);
    EXPECT_FLOAT_EQ(offset[0], 1.1f);
    EXPECT_FLOAT_EQ(offset[1], 0.9f);
    // A picture without size moves nothing rather than dividing by zero.
    QV_BackgroundCopy::CopyOffset(100, -50, false, true, 0, 0, offset);
    EXPECT_FLOAT_EQ(offset[0], 0.0f);
    EXPECT_FLOAT_EQ(offset[1], 1.0f);
}

TEST_F(BrushParameters, PatternScaleTransformAndFlips) {
    struct Case {
        int32_t flipH, flipV;
        uint32_t angle;
        std::initializer_list<float> transform;
    } cases[] = {{0, 0, 0, {4, 0, 0, 6}}, {1, 0, 0, {-4, 0, 0, 6}}, {0, 1, 0, {4, 0, 0, -6}}, {0, 0, 90, {0, 4, -6, 0}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.flipH << c.flipV << " " << c.angle);
        PatternBrushRecord pattern;
        pattern.image = kTile;
        pattern.flipH = c.flipH;
        pattern.flipV = c.flipV;
        pattern.angle = c.angle;
        pattern.fx = HalfFaded(kPattern);
        pattern.fx.base.timeLine.timeMode = 1;
        Open({MakePatternBrush(pattern)});
        Frame(0.0f);
        ExpectFloats(Floats("scale"), {2.0f, 1.0f}, 0.0f);
        ExpectFloats(Floats("coord_transf"), c.transform, 1e-5f);
        ExpectFloats(Floats("offset"), {0.0f, 0.0f}, 0.0f);
        // Time mode 1: the pattern's alpha follows the time line.
        ExpectFloats(Floats("mix_color"), {1, 1, 1, 0.5f}, 1e-6f);
        EXPECT_NE(effect_.textures["Pattern"], nullptr);
    }
}

TEST_F(BrushParameters, APatternThatCannotShowDrawsNothingOverThePictureButPassesABackgroundThrough) {
    // No picture behind the link, or a scale of 0: no pattern.
    struct Case {
        LinkValue image;
        uint32_t patternScale;
        int32_t fxMode;
    } cases[] = {{{"C:\\missing.png", 9}, 100, 0}, {kTile, 0, 0}, {{"C:\\missing.png", 9}, 100, 1}, {kTile, 0, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.patternScale << " " << c.fxMode);
        Open({MakePatternBrush({.image = c.image, .patternScale = c.patternScale, .fx = Fx(kPattern, c.fxMode)})});
        Frame(0.0f);
        EXPECT_EQ(Drew(), c.fxMode != 0);
        if (c.fxMode == 0) continue;
        EXPECT_EQ(Floats("mix_color")[3], 0.0f);
        for (const char* name : {"scale", "offset", "coord_transf"})
            for (float v : Floats(name)) EXPECT_TRUE(std::isfinite(v)) << name;
    }
}

TEST(PatternFrames, StepOncePerUpdateAtMost) {
    QV_PatternBrush pattern;
    pattern.frames.durations = {0.1f, 0.1f, 0.1f};
    pattern.speed.SetScaled(25, 0.1f);  // 2.5 phase units a second: 0.5 in a step of 0.2 s
    struct Step {
        float t;
        unsigned frame;
    } steps[] = {{0.0f, 0}, {0.2f, 1}, {0.4f, 2}, {0.41f, 2}, {0.6f, 0}};
    for (const Step& s : steps) {
        pattern.Update(s.t);
        EXPECT_EQ(pattern.frameIndex, s.frame) << s.t;
    }
    // Without durations the pattern stays on its first frame.
    QV_PatternBrush still;
    for (float t : {0.0f, 0.2f, 0.4f}) still.Update(t);
    EXPECT_EQ(still.frameIndex, 0u);
}

TEST_F(BrushParameters, AFrameWhosePictureIsMissingKeepsThePatternShownLast) {
    // A tenth of a second a frame (one phase unit a second), a frame every 0.15 s. A frame's
    // picture is missing when its bytes do not decode or when there are more durations than
    // frames; before any picture was shown there is nothing to draw.
    struct Case {
        const char* name;
        std::vector<bool> decodes;
        size_t durations;
        std::vector<int> shown;  // per frame; -1: nothing drawn
    } cases[] = {{"a missing middle frame and a duration past the last", {true, false, true}, 4, {0, 0, 2, 2, 0}},
                 {"a missing first frame", {false, true}, 2, {-1, 1, 1}}};
    const LinkValue petals{"C:\\scene\\petals.png", 3};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NE(stage_.Device().Device(), nullptr) << "no Direct3D 9 device";
        StoreEntry frames{petals.path, petals.stamp, {}};
        for (bool decodes : c.decodes) {
            std::vector<uint8_t> bytes = decodes ? vgtest::MakePicture(stage_.Device().Device(), 64, 64, D3DXIFF_PNG, 0xFF00FF00)
                                                 : std::vector<uint8_t>{1, 2, 3, 4};
            frames.files.push_back(StoredFile{0, "", bytes, petals.path});
        }
        ResourceSection more;
        more.images = {frames};
        more.durations = {{petals.path, petals.stamp, std::vector<float>(c.durations, 0.1f)}};
        Open({MakePatternBrush({.image = petals, .fx = Fx(kPattern)})}, more);
        const auto& pattern = static_cast<QV_PatternBrush&>(stage_.Brush(0).Brush());
        for (size_t i = 0; i < c.shown.size(); ++i) {
            SCOPED_TRACE(i);
            Frame(0.15f * float(i));
            EXPECT_EQ(pattern.frameIndex, i % c.durations);
            EXPECT_EQ(Drew(), c.shown[i] >= 0);
            if (c.shown[i] >= 0) {
                EXPECT_EQ(effect_.textures["Pattern"], pattern.frames.frames[c.shown[i]].Get());
                EXPECT_NE(effect_.textures["Pattern"], nullptr);
            }
        }
    }
}

TEST_F(BrushParameters, PatternFramesComeFromAModuleFrameSet) {
    Open({MakePatternBrush({.image = {builtin::kModuleName, builtin::kPatternTiles.id}, .fx = Fx(kPattern)})});
    auto& pattern = static_cast<QV_PatternBrush&>(stage_.Brush(0).Brush());
    EXPECT_EQ(pattern.frames.frames.size(), 4u);
    EXPECT_EQ(pattern.frames.durations.size(), 4u);
    EXPECT_EQ(pattern.frames.width, 64u);
    for (const auto& frame : pattern.frames.frames) EXPECT_TRUE(frame);
}

TEST_F(BrushParameters, ABrushWithoutEffectDrawsNothingAndTakesNoBackgroundButStillRuns) {
    // The document names an effect that nothing holds.
    LightRecord light;
    light.fx = Fx(kLight, 1);
    light.fx.effect = {"common_res.dll", 4321};
    Open({MakeLight(light)});
    QV_BrushObj& brush = stage_.Brush(0);
    EXPECT_FALSE(brush.NeedsBackground());
    Frame(0.0f);
    Frame(0.1f);
    EXPECT_TRUE(effect_.calls.empty());
    EXPECT_FLOAT_EQ(brush.Brush().Phase(), 4.0f);  // 40 a second
}

TEST_F(BrushParameters, EachRuntimeObjectHoldsOneEffectReferenceAndGivesItBack) {
    Open({MakeLight({.fx = Fx(kLight)}), MakeWaves({.fx = Fx(kWaves)})});
    // The test's own, the manager's under each key, and one for each brush.
    EXPECT_EQ(effect_.references, 1u + std::size(kEffectIds) + 2u);
    Frame(0.0f);
    stage_.Close();
    EXPECT_EQ(effect_.references, 1u);
}

TEST_F(BrushParameters, TheRuntimeObjectAnswersTheLayersQuestions) {
    struct Case {
        int32_t fxMode;
        unsigned char enabled;
        bool needsBackground;
    } cases[] = {{0, 1, false}, {1, 1, true}, {2, 1, true}, {1, 0, false}};
    for (const Case& c : cases) {
        Open({MakeLight({.fx = Fx(kLight, c.fxMode)})});
        QV_BrushObj& brush = stage_.Brush(0);
        brush.SetEnabled(c.enabled);
        EXPECT_EQ(brush.NeedsBackground(), c.needsBackground) << c.fxMode << int(c.enabled);
        EXPECT_EQ(brush.GetKind(), QV_ABObj::kBrush);
        EXPECT_FALSE(brush.HitTest(POINT{1, 1}));
    }
}

TEST_F(BrushParameters, AMaskKeyWithoutPictureBindsNoMask) {
    LightRecord light;
    light.fx = Fx(kLight);
    light.fx.maskGuid = "{00000000-1111-2222-3333-444444444444}";
    Open({MakeLight(light)});
    Frame(0.0f);
    ASSERT_TRUE(effect_.textures.count("Mask"));
    EXPECT_EQ(effect_.textures["Mask"], nullptr);
}

TEST_F(BrushParameters, AnAssignedUnderwaterBrushTakesEverythingAndKeepsItsOwnTimeLine) {
    // As the underwater background does with the brush it embeds: a brush read anew is
    // assigned to it and then deleted.
    Open({});
    UnderwaterRecord record;
    record.amplitude = 80;
    record.wavelength = 10;
    record.fx = Fx(kUnderwater, 1);
    record.fx.effectScale = 75;
    record.fx.region[4] = 33.0f;
    record.fx.spareInt = 6;
    record.fx.base.name = "wobble";
    record.fx.base.timeLine.mode = 1;
    SceneWriter bytes;
    WriteUnderwater(bytes, record);
    vgtest::ArchiveOver in(bytes.Bytes());
    auto read = std::make_unique<QV_UnderwaterFX>();
    vgtest::ReadTaggedSection(*read, in.Archive());
    read->OnCreate(&stage_.Manager().GetGuidTexture(read->maskKey));
    ASSERT_EQ(read->BuildGridMesh(2, 2), S_OK);
    read->Update(0.1f);
    const ULONG references = effect_.references;

    QV_UnderwaterFX embedded;
    embedded = *read;
    IDirect3DTexture9* mask = read->mask.Get();
    IDirect3DVertexBuffer9* vertices = read->brushMesh.vertexBuffer.Get();
    read.reset();

    EXPECT_FLOAT_EQ(embedded.amplitude.Result(), 0.01f);
    EXPECT_FLOAT_EQ(embedded.wavelength.Result(), 0.021f);
    EXPECT_EQ(embedded.speed.Value(), 25u);
    EXPECT_FLOAT_EQ(embedded.Phase(), 2.5f);  // the clock comes along
    EXPECT_EQ(embedded.fxMode.Value(), 1);
    EXPECT_EQ(embedded.effectLink.Value().stamp, kUnderwater);
    EXPECT_FLOAT_EQ(embedded.effectScale.Result(), 1.5f);
    EXPECT_FLOAT_EQ(embedded.region.corners[1].Value().y, 33.0f);
    EXPECT_EQ(embedded.spareInt.Value(), 6);
    EXPECT_EQ(embedded.Name(), L"wobble");
    EXPECT_EQ(embedded.TimeLine().Mode().Value(), 1);  // its own copy outlives the source
    EXPECT_NE(mask, nullptr);
    EXPECT_EQ(embedded.mask.Get(), mask);
    EXPECT_EQ(embedded.effect.Get(), &effect_);
    EXPECT_EQ(embedded.brushMesh.vertexBuffer.Get(), vertices);
    EXPECT_EQ(embedded.brushMesh.columns, 2u);
    EXPECT_EQ(embedded.brushMesh.triangleCount, 8u);
    EXPECT_EQ(effect_.references, references);  // the source's reference went with it
}

TEST(DirectionBase, AnglesTurnTheUnitDirection) {
    using Directed = vgtest::BaseOnlyBrush<QV_DirectionBased>;
    struct Case {
        unsigned angle;
        float x, y;
    } cases[] = {{0, 1, 0}, {90, 0, -1}, {270, 0, 1}, {360, 1, 0}, {450, 0, -1}};
    Directed brush;
    for (const Case& c : cases) {
        brush.angle.Assign(c.angle, nullptr);
        EXPECT_NEAR(brush.direction.x, c.x, 1e-6f) << c.angle;
        EXPECT_NEAR(brush.direction.y, c.y, 1e-6f) << c.angle;
    }
    // The copy observes its own angle, not the source's.
    Directed copy(brush);
    brush.angle.Assign(0, nullptr);
    EXPECT_NEAR(copy.direction.y, -1.0f, 1e-6f);
    copy.angle.Assign(270, nullptr);
    EXPECT_NEAR(copy.direction.y, 1.0f, 1e-6f);
    EXPECT_NEAR(brush.direction.x, 1.0f, 1e-6f);
}

// A copy derives its vectors from its own angle: turning either afterwards leaves the other.
template <class Brush, class Vectors>
void ExpectCopyFollowsItsOwnAngle(Vectors vectors) {
    auto turnedTo = [&](unsigned angle) {
        Brush brush;
        brush.angle.Assign(angle, nullptr);
        return vectors(brush);
    };
    Brush source;
    source.angle.Assign(90, nullptr);
    Brush copy(source);
    EXPECT_EQ(vectors(copy), turnedTo(90));
    copy.angle.Assign(270, nullptr);
    source.angle.Assign(0, nullptr);
    EXPECT_EQ(vectors(copy), turnedTo(270));
    EXPECT_EQ(vectors(source), turnedTo(0));
}

TEST(BrushCopies, WaterAndWavesCopiesFollowTheirOwnAngle) {
    ExpectCopyFollowsItsOwnAngle<QV_WaterFX>([](const QV_WaterFX& water) {
        const D3DXVECTOR4& flow = water.flowDirection;
        return std::vector<float>{flow.x, flow.y};
    });
    ExpectCopyFollowsItsOwnAngle<QV_WavesFX>([](const QV_WavesFX& waves) {
        const D3DXVECTOR4 &wave = waves.waveDirection, &normal = waves.waveNormal;
        return std::vector<float>{wave.x, wave.y, normal.x, normal.y};
    });
}

}  // namespace
