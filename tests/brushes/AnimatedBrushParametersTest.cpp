// What the animated brushes (move, waterfall, fire, expand, radial wave, rotation, bend) hand
// their effect, read from a recording effect held under each of their effects' keys, at
// chosen phases, and the values that would not be finite.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "BrushRecords.h"
#include "BrushStage.h"
#include "PictureBytes.h"
#include "RecordingEffect.h"
#include "brushes/QV_FireFX.h"
#include "brushes/QV_WaterfallFX.h"
#include "document/BuiltinResources.h"

using namespace scenewriter;

namespace {

const char kMaskGuid[] = "{6B29FC40-CA47-1067-B31D-00DD010662DA}";
const LinkValue kPicture{"C:\\scene\\picture.png", 1};
enum EffectId {
    kMove = builtin::kMoveEffect.id, kFire = builtin::kFireEffect.id, kExpand = builtin::kExpandEffect.id,
    kRadial = builtin::kRadialWaveEffect.id, kWaterfall = builtin::kWaterfallEffect.id, kRotation = builtin::kRotationEffect.id,
    kBend = builtin::kBendEffect.id
};
const int kEffectIds[] = {kMove, kFire, kExpand, kRadial, kWaterfall, kRotation, kBend};
constexpr float kPi = std::numbers::pi_v<float>;

FxBaseRecord Fx(EffectId effect, uint32_t speed, int32_t fxMode = 0) {
    FxBaseRecord fx;
    fx.maskGuid = kMaskGuid;
    fx.fxMode = fxMode;
    fx.effect = {builtin::kModuleName, effect};
    fx.speed = speed;
    fx.region = {0, 768, 0, 0, 0, 0, 1024, 768, 0, 1024, 0, 0};
    return fx;
}

// Half faded in for good: the time line's opacity is 0.5.
FxBaseRecord HalfFaded(FxBaseRecord fx) {
    fx.base.timeLine.mode = 2;
    fx.base.timeLine.windows = {{-1.0f, 1.0f, 1.0f, 1.0f}};
    return fx;
}

class AnimatedBrushParameters : public ::testing::Test {
protected:
    // A 1024 x 768 picture and the mask, on a device of the same shape.
    void Open(std::vector<SceneWriter> objects) {
        ASSERT_NE(stage_.Device().Device(), nullptr) << "no Direct3D 9 device";
        IDirect3DDevice9* d = stage_.Device().Device();
        ResourceSection section;
        section.images = {{kPicture.path, kPicture.stamp,
                           {StoredFile{0, "", vgtest::MakePicture(d, 1024, 768, D3DXIFF_PNG, 0xFF408020), kPicture.path}}}};
        section.guidImages = {{kMaskGuid, "", 1, vgtest::MakePicture(d, 64, 64, D3DXIFF_PNG, 0xFFFFFFFF), ""}};
        ASSERT_EQ(stage_.Open(section, kPicture, std::move(objects)), S_OK);
        for (int id : kEffectIds) stage_.Manager().HoldEffect({L"common_res.dll", id}, &effect_);
        stage_.Start();
        now_ = 0.0f;
    }
    // Frames up to slide time t, none more than 0.1 s apart (a clock takes at most 0.2 s a
    // frame); the recording holds the last frame only.
    void RunTo(float t) {
        do {
            now_ = std::min(t, now_ + 0.1f);
            effect_.calls.clear();
            effect_.floats.clear();
            effect_.textures.clear();
            stage_.DrawFrame(now_);
        } while (now_ < t);
    }
    const std::vector<float>& Floats(const std::string& name) { return effect_.floats[name]; }
    static void ExpectFloats(const std::vector<float>& got, std::initializer_list<float> want, float tolerance = 1e-4f) {
        ASSERT_EQ(got.size(), want.size());
        size_t i = 0;
        for (float w : want) EXPECT_NEAR(got[i++], w, tolerance) << "element " << i - 1;
    }
    int Count(const std::string& call) const { return int(std::count(effect_.calls.begin(), effect_.calls.end(), call)); }
    template <class Brush>
    Brush& First() {
        return dynamic_cast<Brush&>(stage_.Brush(0).Brush());
    }

    vgtest::RecordingEffect effect_;  // outlives the manager that holds it
    vgtest::BrushStage stage_{256, 192};
    float now_ = 0.0f;
};

TEST_F(AnimatedBrushParameters, TheMoveSwingsFromMinusStrengthToPlusItsSecondAmplitude) {
    // Defaults, angle 0, full opacity, one radian a second: strength 0.01, second amplitude 0.
    struct Case {
        float phase;
        float x;
    } cases[] = {{0.0f, -0.005f}, {kPi / 2, -0.01f}, {3 * kPi / 2, 0.0f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.phase);
        Open({MakeMove({.direction = {.strength = 50, .fx = Fx(kMove, 50)}})});
        RunTo(c.phase);
        ExpectFloats(Floats("Direction"), {c.x, 0.0f});
        EXPECT_EQ(effect_.technique, "Main");
    }
}

TEST_F(AnimatedBrushParameters, TheMovesNoiseModeSwingsOnOneOctaveOfNoiseAtFiftyTimesThePhase) {
    // Strength 1 and second amplitude 0.5 along (1, 0), one phase unit a second: the shift is
    // -o (c 0.75 + 0.25), c the value noise at 50 p / 75.
    struct Case {
        float phase;
        bool halfFaded;
        float x;
    } cases[] = {{0.3f, false, -0.0426257f}, {1.0f, false, -0.0698294f}, {2.5f, true, -0.1863618f}, {4.0f, false, -0.1603895f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.phase);
        const FxBaseRecord fx = c.halfFaded ? HalfFaded(Fx(kMove, 50)) : Fx(kMove, 50);
        Open({MakeMove({.mode = 1, .amplitude2 = 2500, .direction = {.strength = 5000, .fx = fx}})});
        RunTo(c.phase);
        ExpectFloats(Floats("Direction"), {c.x, 0.0f});
    }
}

TEST_F(AnimatedBrushParameters, TheWaterfallsWavesAreStaggeredRampsThatFadeInAndOut) {
    // Four waves, transluency 1, strength 0.1 along (1, 0), one phase unit a second.
    WaterfallRecord waterfall{.waveCount = 4, .noiseAmplitude = 10, .threshold = 200, .baseColor = 0x0080FF,
                              .direction = {.strength = 25, .fx = Fx(kWaterfall, 50)}};
    Open({MakeWaterfall(waterfall)});
    RunTo(0.3f);
    const auto& waves = First<QV_WaterfallFX>().waves;
    ASSERT_EQ(waves.size(), 4u);
    const float ramps[] = {0.3f, 0.55f, 0.8f, 0.05f}, fades[] = {0.6f, 0.9f, 0.4f, 0.1f};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(waves[i].shift[0], -0.1f * ramps[i], 1e-5f) << i;
        EXPECT_NEAR(waves[i].transluency, fades[i], 1e-5f) << i;
    }
    // One noise pass and one draw per wave; the last wave's values stay in the recording.
    EXPECT_EQ(Count("Begin"), 5);
    ExpectFloats(Floats("shift"), {-0.005f, 0.0f});
    ExpectFloats(Floats("base_color"), {1.0f, 128 / 255.0f, 0.0f});
    ExpectFloats(Floats("treshold"), {0.8f});
    ExpectFloats(Floats("noise_amplitude"), {0.001f});
    ExpectFloats(Floats("bump_scale"), {1.3333f, 1.0f});
    ExpectFloats(Floats("noise_shift"), {-0.03f, 0.0f});

    // Switched off it draws nothing, yet binds the mask and the background.
    waterfall.off = 1;
    Open({MakeWaterfall(waterfall)});
    RunTo(0.3f);
    EXPECT_EQ(Count("Begin"), 0);
    EXPECT_NE(effect_.textures["Mask"], nullptr);
    EXPECT_TRUE(effect_.textures.count("Background"));
}

TEST_F(AnimatedBrushParameters, TheFireColoursBrightnessAndDensityFadeWithTheTimeLine) {
    struct Case {
        const char* name;
        FxBaseRecord fx;
        float brightness, density;
    } cases[] = {{"full", Fx(kFire, 50), 0.3f, 0.0f}, {"half faded", HalfFaded(Fx(kFire, 50)), 0.075f, -0.5f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open({MakeFire({.fx = c.fx})});
        RunTo(0.5f);
        ExpectFloats(Floats("ColorK1"), {1.0f, 0.0f, 0.0f});
        ExpectFloats(Floats("ColorK2"), {0.0f, 1.0f, 0.0f});
        ExpectFloats(Floats("Brightness"), {c.brightness});
        ExpectFloats(Floats("Density"), {c.density});
        ExpectFloats(Floats("c12"), {0.0f, 2.1f * 0.5f});
        EXPECT_EQ(Floats("WorldViewProj").size(), 16u);
        EXPECT_EQ(Floats("ViewProj").size(), 16u);
        EXPECT_EQ(effect_.technique, "Main");
    }
}

TEST_F(AnimatedBrushParameters, TheFiresTilingSetsItsMeshAndZeroTilingStaysFinite) {
    struct Case {
        uint32_t tiling;
        float u;
    } cases[] = {{200, 0.5f}, {0, 1.0f / QV_FireFX::kMinTiling}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tiling);
        Open({MakeFire({.tiling = c.tiling, .fx = Fx(kFire, 50)})});
        RunTo(0.0f);
        BrushGridMesh& mesh = First<QV_FireFX>().brushMesh;
        const TexVertex* v = mesh.Lock();
        ASSERT_NE(v, nullptr);
        float lowest = 1e9f, highest = -1e9f;
        for (UINT i = 0; i < mesh.vertexCount; ++i) {
            lowest = std::min(lowest, v[i].u);
            highest = std::max(highest, v[i].u);
        }
        mesh.Unlock();
        EXPECT_FLOAT_EQ(lowest, 0.0f);
        EXPECT_FLOAT_EQ(highest, c.u);
    }
}

TEST_F(AnimatedBrushParameters, AWaterfallOrFireAsAPostEffectGetsTheSceneCopyAndKeepsItsOwnTechnique) {
    // What they draw over the scene put back is in the pixel tests.
    for (SceneWriter record : {MakeFire({.fx = Fx(kFire, 50, 1)}),
                               MakeWaterfall({.waveCount = 2, .direction = {.fx = Fx(kWaterfall, 50, 1)}})}) {
        Open({record});
        ASSERT_TRUE(stage_.Brush(0).NeedsBackground());
        RunTo(0.0f);
        EXPECT_NE(effect_.technique, "MainFX");
        EXPECT_GT(Count("Begin"), 0);
        EXPECT_NE(effect_.textures["Background"], stage_.Layer().GetPictureQuad().picture.texture.Get());
    }
}

TEST_F(AnimatedBrushParameters, ExpandSwellsAndShrinksOnATriangleWave) {
    struct Case {
        float phase;
        int32_t mode;
        uint32_t a, b;
        float x, y;
    } cases[] = {
        {0.0f, 0, 50, 0, 0.0f, 0.0f},
        {kPi / 2, 0, 50, 0, 0.125f, 0.0f},
        {kPi, 0, 50, 0, 0.25f, 0.0f},
        {0.0f, 0, 0, 50, 0.0f, 0.25f},
        {3 * kPi / 2, 1, 50, 0, 0.0f, 0.0f},  // sine: -0.125 + 0.125
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.phase);
        Open({MakeExpand({.amplitudeA = c.a, .amplitudeB = c.b, .mode = c.mode,
                          .central = {.center = {256.0f, 576.0f, 0.0f}, .fx = Fx(kExpand, 50)}})});
        RunTo(c.phase);
        ExpectFloats(Floats("amplitude"), {c.x, c.y});
        ExpectFloats(Floats("center"), {0.25f, 0.75f});
    }
}

TEST_F(AnimatedBrushParameters, TheRadialWaveOnA1024By768Picture) {
    for (int32_t flag : {0, 1}) {
        SCOPED_TRACE(flag);
        Open({MakeRadialWave({.directionFlag = flag, .central = {.fx = HalfFaded(Fx(kRadial, 50))}})});
        RunTo(0.1f);  // 50 a second: phase 5
        ExpectFloats(Floats("bg_scale_factor"), {1.0f, 0.75f});
        ExpectFloats(Floats("frequency"), {166.667f}, 1e-2f);
        ExpectFloats(Floats("amplitude"), {0.0125f * 0.5f});
        ExpectFloats(Floats("time"), {(flag ? 0.08f : -0.08f) * 5.0f});
    }
}

TEST_F(AnimatedBrushParameters, TheRotationTurnsPlainlyAtRatioOneAndAtTheRatioZeroItWouldDivideBy) {
    // One radian a second; at ratio 1 the ellipse's orientation does not matter.
    struct Case {
        uint32_t axisRatio, angle;
        int32_t directionFlag;
        float r;
    } cases[] = {{1000, 30, 0, 0.5f}, {1000, 30, 1, -0.5f}, {0, 0, 0, 0.5f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.axisRatio << " " << c.directionFlag);
        Open({MakeRotation({.axisRatio = c.axisRatio, .angle = c.angle, .directionFlag = c.directionFlag,
                            .central = {.center = {512.0f, 192.0f, 0.0f}, .fx = Fx(kRotation, 200)}})});
        RunTo(0.5f);
        ExpectFloats(Floats("coord_transf"), {std::cos(c.r), std::sin(c.r), -std::sin(c.r), std::cos(c.r)});
        ExpectFloats(Floats("offset"), {-0.5f, -0.25f});
        ExpectFloats(Floats("mix_color"), {1.0f, 1.0f, 1.0f, 1.0f});
    }
}

TEST_F(AnimatedBrushParameters, TheRotationTurnsOnAnEllipseOfItsRatioTurnedByItsAngle) {
    // Rotation(-angle) x the core (cos r, z sin r; -sin r / z, cos r) x Rotation(angle) at
    // r = 0.5 (-0.5 with the direction flag); 90 degrees swaps the axes, and at the angles
    // between the order of the products shows.
    struct Case {
        uint32_t axisRatio, angle;
        int32_t directionFlag;
        std::initializer_list<float> transform;
    } cases[] = {
        {500, 0, 0, {0.877583f, 0.239713f, -0.958851f, 0.877583f}},
        {500, 90, 0, {0.877583f, 0.958851f, -0.239713f, 0.877583f}},
        {250, 30, 0, {1.656073f, 0.569318f, -1.468241f, 0.099092f}},
        {500, 45, 1, {0.518013f, -0.599282f, 0.599282f, 1.237152f}},
        {800, 150, 0, {0.784164f, 0.437476f, -0.545347f, 0.971001f}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.axisRatio << " " << c.angle << " " << c.directionFlag);
        Open({MakeRotation({.axisRatio = c.axisRatio, .angle = c.angle, .directionFlag = c.directionFlag,
                            .central = {.center = {512.0f, 192.0f, 0.0f}, .fx = Fx(kRotation, 200)}})});
        RunTo(0.5f);
        ExpectFloats(Floats("coord_transf"), c.transform, 1e-5f);
    }
}

TEST_F(AnimatedBrushParameters, TheBendsNoiseModeScalesItsSwingByOnePlusTheSineOfThreeOctavesOfNoise) {
    // Amplitudes 0.5 and 0.2, one phase unit a second: the angle is o (0.35 sin p + 0.15)
    // (1 + sin n), n the noise summed over 50 p / 75 and its double and quadruple.
    struct Case {
        float phase;
        bool halfFaded;
        float angle;
    } cases[] = {{0.3f, false, 0.1396203f}, {1.0f, false, 0.3054098f}, {2.5f, true, 0.2124293f}, {4.0f, false, -0.0932845f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.phase);
        const FxBaseRecord fx = c.halfFaded ? HalfFaded(Fx(kBend, 50)) : Fx(kBend, 50);
        Open({MakeBend({.amplitudeA = 250, .amplitudeB = 100, .bend = 10, .mode = 1, .central = {.fx = fx}})});
        RunTo(c.phase);
        ExpectFloats(Floats("Angle"), {c.angle});
    }
}

TEST_F(AnimatedBrushParameters, TheBendDrawsItsGridOverThePictureAndThePictureQuadAsAPostEffect) {
    for (int32_t fxMode : {0, 1}) {
        SCOPED_TRACE(fxMode);
        Open({MakeBend({.amplitudeA = 50, .bend = 10, .central = {.fx = Fx(kBend, 50, fxMode)}})});
        RunTo(kPi / 2);  // sin p = 1: the angle is the first amplitude, 0.1
        ExpectFloats(Floats("Angle"), {0.1f});
        ExpectFloats(Floats("Bend"), {0.2f});
        EXPECT_EQ(Floats("Scale").size(), 4u);
        EXPECT_EQ(Floats("Center").size(), 2u);
        EXPECT_EQ(effect_.technique, fxMode ? "MainFX" : "Main");
        const bool isPicture = effect_.textures["Background"] == stage_.Layer().GetPictureQuad().picture.texture.Get();
        EXPECT_EQ(isPicture, fxMode == 0);
    }
}

}  // namespace
