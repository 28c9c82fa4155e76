// What the shader sprites hand their effects and how they place their sprites, checked with a
// recording effect and the sprites' own values: the glow's BlendColor and techniques, the
// discharge's segments and bolt pictures, the explosion's size, phases and noise targets, and
// the static text's format and target.
#include <gtest/gtest.h>

#include <cmath>

#include "RecordingEffect.h"
#include "ShaderSpriteRecords.h"
#include "ShaderSpriteStage.h"
#include "SpriteTesting.h"
#include "document/AnimationState.h"
#include "document/BuiltinResources.h"
#include "document/QV_DocResManager.h"
#include "document/SharedRandom.h"
#include "objects/QV_DischargeFXConstructor.h"
#include "objects/QV_ExplosionConstructor.h"
#include "objects/QV_FXObj.h"
#include "objects/QV_GlowingObj.h"
#include "objects/QV_StaticTextConstructor.h"
#include "base/RenderTargetPair.h"

using namespace scenewriter;
using shadertest::ShaderSpriteStage;

namespace {

const FileKey kGlowEffect = builtin::Link(builtin::kGlowEffect);
const FileKey kExplosionEffect = builtin::Link(builtin::kExplosionEffect);

// One effect pass, as the render surface runs it.
const std::vector<std::string> kOnePass = {"Begin", "BeginPass 0", "EndPass", "End"};

std::vector<std::string> Joined(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// A stage whose module effect is the recording effect, held before the objects are made.
class RecordedStage : public ::testing::Test {
protected:
    void SetUp() override { VG_REQUIRE_DEVICE(stage_.Device()); }
    void Start(std::vector<SceneWriter> objects, const FileKey& effect) {
        ASSERT_EQ(stage_.Open(std::move(objects)), S_OK);
        CurrentDocResManager->HoldEffect(effect, &recording_);
        stage_.Start();
    }
    // The calls of one frame at slide time t.
    void Frame(float t) {
        recording_.calls.clear();
        stage_.DrawFrame(t);
    }

    vgtest::RecordingEffect recording_;
    ShaderSpriteStage stage_;
};

TEST_F(RecordedStage, TheGlowHandsItsColourAndStrengthToTheCompositeItsBlendModePicks) {
    struct Case {
        int32_t blendMode;
        const char* composite;
    };
    for (const Case& c : {Case{1, "Blend_Screen"}, Case{0, "Blend_Normal"}, Case{2, "Blend_Normal"}}) {
        SCOPED_TRACE(c.blendMode);
        DischargeFXRecord record{.start = {16, 64, 0}, .end = {112, 64, 0}};
        record.glow.glowColour = 0xFF0080;  // red the low byte 0x80, blue 0xFF
        record.glow.glowAmount = 50;
        SpriteRecord& sprite = record.glow.effectSprite.sprite;
        sprite.blendMode = c.blendMode;
        sprite.secondImage = {builtin::kModuleName, builtin::kThickBolt.id};
        // Fading in over a second from the start: opacity 0.5 half way.
        sprite.placed.base.timeLine = {.mode = 1, .hiddenMin = 0, .hiddenMax = 0, .visibleMin = 1000,
                                       .visibleMax = 1000, .fadeIn = 100};
        Start({MakeDischargeFX(record)}, kGlowEffect);
        Frame(0.001f);
        Frame(0.501f);

        EXPECT_EQ(recording_.calls,
                  Joined({{"SetTexture Texture1", "SetTechnique Blend_Max"}, kOnePass,
                          {std::string("SetTechnique ") + c.composite, "SetFloatArray BlendColor", "SetTexture Texture1",
                           "SetTexture Texture2"},
                          kOnePass, {"SetTechnique Common", "SetTexture Texture1"}, kOnePass}));
        const std::vector<float>& blend = recording_.floats["BlendColor"];
        ASSERT_EQ(blend.size(), 4u);
        EXPECT_NEAR(blend[0], 0.502f, 1e-3f);
        EXPECT_EQ(blend[1], 0.0f);
        EXPECT_EQ(blend[2], 1.0f);
        EXPECT_NEAR(blend[3], 0.25f, 1e-3f);
        auto& glow = dynamic_cast<QV_GlowingObj&>(stage_.Object(0));
        auto& d = stage_.DescriptionOf<QV_DischargeFXConstructor>(0);
        EXPECT_EQ(recording_.textures["Texture2"], glow.Targets()->Current().Get());
        EXPECT_EQ(recording_.textures["Texture1"], d.glowTextureB.Get());
    }
}

// The halo runs with no texture in place of a missing second picture; without the picture
// itself the sprites on top are left out rather than drawn as black quads.
TEST_F(RecordedStage, AGlowMissingEitherPictureKeepsItsHaloAndDrawsOnlySpritesThatHaveAPicture) {
    for (bool secondMissing : {true, false}) {
        SCOPED_TRACE(secondMissing ? "without the second picture" : "without the picture");
        DischargeFXRecord record{.start = {16, 64, 0}, .end = {112, 64, 0}};
        record.glow.effectSprite.sprite.secondImage = {secondMissing ? "C:\\nowhere.png" : builtin::kModuleName, builtin::kThickBolt.id};
        Start({MakeDischargeFX(record)}, kGlowEffect);
        auto& d = stage_.DescriptionOf<QV_DischargeFXConstructor>(0);
        // The bolt pictures are the module's whatever the record says; this one is lost.
        if (!secondMissing) d.glowTextureB.Reset();
        ASSERT_EQ(bool(d.glowTextureA), !secondMissing);
        Frame(0.05f);
        EXPECT_EQ(recording_.calls,
                  Joined({{"SetTexture Texture1", "SetTechnique Blend_Max"}, kOnePass,
                          {"SetTechnique Blend_Normal", "SetFloatArray BlendColor", "SetTexture Texture1",
                           "SetTexture Texture2"},
                          kOnePass, {"SetTechnique Common", "SetTexture Texture1"},
                          secondMissing ? kOnePass : std::vector<std::string>{}}));
        EXPECT_EQ(recording_.textures["Texture1"], d.glowTextureB.Get());
    }
}

TEST(GlowBlendColor, RedIsTheColoursLowByte) {
    const D3DXVECTOR4 blend = QV_GlowingObj::BlendColor(0x00FF0080, 0.25f);
    EXPECT_NEAR(blend.x, 0.502f, 1e-3f);
    EXPECT_EQ(blend.y, 0.0f);
    EXPECT_EQ(blend.z, 1.0f);
    EXPECT_EQ(blend.w, 0.25f);
}

// A discharge made on a device, its runtime object moved once.
class DischargeSegments : public ::testing::Test {
protected:
    void SetUp() override { VG_REQUIRE_DEVICE(scene_.Device()); }
    QV_GlowingObj& Make(unsigned count, D3DXVECTOR3 start, D3DXVECTOR3 end, int textureChoice = 1) {
        QV_DischargeFXConstructor d;
        d.count.SetSilently(count);
        d.size.SetSilently(20);
        d.jitter.Assign(0, nullptr);
        d.startPoint.SetSilently(start);
        d.endPoint.SetSilently(end);
        d.textureChoice.SetSilently(textureChoice);
        object_.reset(static_cast<QV_GlowingObj*>(d.CreateObject()));
        object_->Update(0.05f);
        return *object_;
    }
    QV_DischargeFXConstructor& Description() { return static_cast<QV_DischargeFXConstructor&>(object_->Description()); }

    spritetest::DeviceWithPictures scene_{64, 64};
    std::unique_ptr<QV_GlowingObj> object_;
};

TEST_F(DischargeSegments, WithoutJitterTheSegmentsShareTheLineEquallyAndShowTheCapsAtTheEnds) {
    struct Segment {
        float x, halfWidth, ua, ub;
    };
    struct Case {
        unsigned count;
        std::vector<Segment> segments;
    };
    const float third = 400.0f / 3.0f;
    const Case cases[] = {
        {1, {{300, 200, 0.0f, 1.0f}}},
        {3, {{100 + third / 2, third / 2, 0.0f, 0.805f},
             {300, third / 2, 0.195f, 0.805f},
             {500 - third / 2, third / 2, 0.195f, 1.0f}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        QV_GlowingObj& glow = Make(c.count, {100, 100, 0}, {500, 100, 0});
        ASSERT_EQ(glow.Sprites().size(), c.count);
        for (size_t k = 0; k < c.count; ++k) {
            SCOPED_TRACE(k);
            const SpriteParticle& s = glow.Sprites()[k];
            EXPECT_NEAR(s.position.x, c.segments[k].x, 1e-3f);
            EXPECT_NEAR(s.position.y, 100.0f, 1e-4f);
            EXPECT_NEAR(s.halfWidth, c.segments[k].halfWidth, 1e-3f);
            EXPECT_EQ(s.halfHeight, 10.0f);
            EXPECT_EQ(s.right, D3DXVECTOR3(1, 0, 0));
            EXPECT_EQ(s.up, D3DXVECTOR3(0, -1, 0));
            EXPECT_FLOAT_EQ(s.ua, c.segments[k].ua);
            EXPECT_FLOAT_EQ(s.ub, c.segments[k].ub);
        }
    }
}

TEST_F(DischargeSegments, ABoltWhoseEndsMeetHasNoDirectionAndNoWidth) {
    QV_GlowingObj& glow = Make(3, {50, 60, 0}, {50, 60, 0});
    for (const SpriteParticle& s : glow.Sprites()) {
        EXPECT_EQ(s.position, D3DXVECTOR3(50, 60, 0));
        EXPECT_EQ(s.right, D3DXVECTOR3(0, 0, 0));
        EXPECT_EQ(s.up, D3DXVECTOR3(0, 0, 0));
        EXPECT_EQ(s.halfWidth, 0.0f);
    }
}

TEST_F(DischargeSegments, AfterTheCountIsLoweredTheLastDrawnSegmentShowsTheEndCap) {
    QV_GlowingObj& glow = Make(5, {100, 100, 0}, {500, 100, 0});
    Description().count.Assign(2, nullptr);
    glow.Update(0.1f);
    ASSERT_EQ(glow.Sprites().size(), 5u);
    EXPECT_FLOAT_EQ(glow.Sprites()[0].ua, 0.0f);
    EXPECT_FLOAT_EQ(glow.Sprites()[1].ub, 1.0f);
    EXPECT_EQ(glow.vertexCount, 8u);
}

TEST_F(DischargeSegments, TheTextureChoicePicksTheThinOrTheThickBoltPicture) {
    struct Case {
        int choice;
        int64_t picture;
    };
    for (const Case& c : {Case{0, 98}, Case{1, 95}, Case{7, 95}}) {
        SCOPED_TRACE(c.choice);
        Make(2, {0, 0, 0}, {100, 0, 0}, c.choice);
        EXPECT_EQ(Description().image.GetPath(), L"common_res.dll");
        EXPECT_EQ(Description().image.Value().stamp, c.picture);
        EXPECT_TRUE(Description().glowTextureB);
    }
}

TEST_F(DischargeSegments, EveryTenthOfScaledTimeANewBoltReplacesTheOld) {
    Make(4, {100, 100, 0}, {500, 100, 0});
    QV_DischargeFXConstructor& d = Description();
    d.jitter.Assign(50, nullptr);
    const std::vector<BoltPoint> first = d.newBolt;
    // Each frame looks at the scaled time the frame before reached: 0.1 is not yet past.
    object_->Update(0.16f);
    EXPECT_EQ(d.newBolt[1].position, first[1].position);
    object_->Update(0.2f);
    EXPECT_EQ(d.oldBolt[1].position, first[1].position);
    EXPECT_NE(d.newBolt[1].position, first[1].position);
    EXPECT_FLOAT_EQ(d.lastBoltTime, 0.16f);
    // The last point still ends at the end point.
    const BoltPoint& last = d.newBolt.back();
    EXPECT_NEAR(last.position.x + last.direction.x * last.length / 2, 500.0f, 1e-2f);
}

TEST_F(DischargeSegments, EachSegmentInTurnDrawsItsHalfThenWhetherItIsUpsideDown) {
    struct VRange {
        float va, vb;
    };
    struct Case {
        const char* frame;
        std::vector<float> before;  // frames after the first, unseeded
        float t;
        unsigned flicker;  // stored: 100 is an interval of 0, 0 one of 0.1
        uint32_t seed;
        int draws;  // from the shared generator in the frame
        std::vector<VRange> segments;  // none: as the frame before left them
    };
    // Even first draw: the upper half (0.5, 1), odd: the lower (0, 0.5); odd second draw: upside down.
    const Case cases[] = {
        {"between two bolts", {}, 0.1f, 100, 3, 6, {{0.5f, 1.0f}, {1.0f, 0.5f}, {0.5f, 0.0f}}},
        // The new bolt's two jitters for each point but the last come first.
        {"with a new bolt", {0.15f}, 0.2f, 100, 2, 4 + 6, {{0.5f, 1.0f}, {1.0f, 0.5f}, {0.0f, 0.5f}}},
        {"within the flicker interval", {}, 0.1f, 0, 3, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.frame);
        QV_GlowingObj& glow = Make(3, {100, 100, 0}, {500, 100, 0});
        Description().flickerInterval.Assign(c.flicker, nullptr);
        for (float t : c.before) glow.Update(t);
        std::vector<VRange> before;
        for (const SpriteParticle& s : glow.Sprites()) before.push_back({s.va, s.vb});
        SharedRandom::Seed(c.seed);
        glow.Update(c.t);
        uint32_t expectedSeed = c.seed;
        for (int i = 0; i < c.draws; ++i) expectedSeed = expectedSeed * 214013u + 2531011u;
        EXPECT_EQ(SharedRandom::CurrentSeed(), expectedSeed);
        const std::vector<VRange>& expected = c.segments.empty() ? before : c.segments;
        ASSERT_EQ(glow.Sprites().size(), expected.size());
        for (size_t k = 0; k < expected.size(); ++k) {
            EXPECT_EQ(glow.Sprites()[k].va, expected[k].va) << k;
            EXPECT_EQ(glow.Sprites()[k].vb, expected[k].vb) << k;
        }
    }
}

TEST(ExplosionPhases, TheStateAndOpacityGiveTheSizeAndTheEffectsPhases) {
    struct Case {
        int state;
        float opacity;
        float scale, burnOut, ignition;
    };
    const Case cases[] = {
        {AnimationState::kHidden, 0.7f, 0.0f, 0.0f, 0.0f},
        {AnimationState::kFadingIn, 0.0f, 0.25f, 0.0f, 2.0f},
        {AnimationState::kFadingIn, 0.5f, 0.625f, 0.0f, 1.0f},
        {AnimationState::kFadingIn, 1.0f, 1.0f, 0.0f, 0.0f},
        {AnimationState::kVisible, 1.0f, 1.0f, 0.0f, 0.0f},
        {AnimationState::kFadingOut, 0.25f, 1.0f, 0.75f, 0.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.state << " at " << c.opacity);
        const auto phases = QV_ExplosionConstructor::PhasesAt(c.state, c.opacity);
        EXPECT_FLOAT_EQ(phases.scale, c.scale);
        EXPECT_FLOAT_EQ(phases.burnOut, c.burnOut);
        EXPECT_FLOAT_EQ(phases.ignition, c.ignition);
    }
}

TEST(ExplosionNoise, TwoExplosionsWithOneSeedDrawTheSameTargetsWhateverElseDraws) {
    QV_ExplosionConstructor a, b, unseeded;
    a.seed.SetSilently(7);
    b.seed.SetSilently(7);
    unseeded.randomFlag.SetSilently(1);
    for (uint32_t k = 1; k <= 4; ++k) {
        SCOPED_TRACE(k);
        a.NewNoiseTargets();
        SharedRandom::Next();
        b.NewNoiseTargets();
        EXPECT_EQ(a.noiseTarget, b.noiseTarget);
        // The k-th pair after the seed, and the shared sequence left just after it.
        SharedRandom::Seed(7);
        D3DXVECTOR2 pair;
        for (uint32_t i = 0; i < k; ++i) {
            pair.x = SharedRandom::NextUnit();
            pair.y = SharedRandom::NextUnit();
        }
        EXPECT_EQ(b.noiseTarget, pair);
        const uint32_t after = SharedRandom::CurrentSeed();
        b.targetCount = k;
        b.NewNoiseTargets();
        EXPECT_EQ(SharedRandom::CurrentSeed(), after);
        b.targetCount = k + 1;
        // Without the seed the target is just the next pair of the shared sequence.
        const float x = SharedRandom::NextUnit();
        const float y = SharedRandom::NextUnit();
        SharedRandom::Seed(after);
        unseeded.NewNoiseTargets();
        EXPECT_EQ(unseeded.noiseTarget, D3DXVECTOR2(x, y));
        EXPECT_EQ(unseeded.targetCount, 1u);
    }
}

// An explosion made on a device with its time line in a random cycle from the slide's start:
// fading in for a second, visible for a second, fading out for half a second, hidden for a
// second.
class ExplosionSprite : public ::testing::Test {
protected:
    void SetUp() override {
        VG_REQUIRE_DEVICE(scene_.Device());
        QV_ExplosionConstructor d;
        QV_TimeLineControl& line = d.TimeLine();
        line.Mode().SetSilently(QV_TimeLineControl::kRandomCycle);
        line.FadeIn().Assign(100, nullptr);
        object_.reset(static_cast<QV_FXObj*>(d.CreateObject()));
        // As the slide starts its objects.
        Description().ResetTimeLine();
    }
    QV_ExplosionConstructor& Description() { return static_cast<QV_ExplosionConstructor&>(object_->Description()); }
    // The sprite after the slide time t drove the time line.
    const SpriteParticle& At(float t) {
        spritetest::DriveTimeLine(Description().TimeLine(), t);
        object_->Update(t);
        return object_->Sprites()[0];
    }

    spritetest::DeviceWithPictures scene_{64, 64};
    std::unique_ptr<QV_FXObj> object_;
};

TEST_F(ExplosionSprite, ItGrowsFromAQuarterWhileFadingInAndWhileHiddenHasNoSizeAndItsNoiseRests) {
    QV_ExplosionConstructor& d = Description();
    const SpriteParticle& starting = At(0.001f);
    ASSERT_EQ(d.TimeLine().GetState(), AnimationState::kFadingIn);
    EXPECT_NEAR(starting.halfWidth, 125.0f * 0.25f, 0.1f);
    EXPECT_LT(starting.alpha, 0.01f);
    // The alpha is whole from a fifth of the fade on.
    EXPECT_FLOAT_EQ(At(0.2011f).alpha, 1.0f);
    EXPECT_NEAR(At(0.5f).halfWidth, 125.0f * 0.625f, 0.1f);
    EXPECT_EQ(At(1.5f).halfWidth, 125.0f);
    // Each state starts with the frame that finds the one before it over.
    EXPECT_EQ(At(2.6f).halfWidth, 125.0f);
    ASSERT_EQ(d.TimeLine().GetState(), AnimationState::kFadingOut);

    d.noiseBase = d.noiseTarget = D3DXVECTOR2(0.5f, 0.5f);
    d.targetCount = 6;
    ASSERT_GT(d.scrollSpeed.Time(), 0.0f);
    const SpriteParticle& hidden = At(3.2f);
    ASSERT_EQ(d.TimeLine().GetState(), AnimationState::kHidden);
    EXPECT_EQ(hidden.halfWidth, 0.0f);
    EXPECT_EQ(hidden.halfHeight, 0.0f);
    EXPECT_EQ(d.noiseBase, D3DXVECTOR2(0, 0));
    EXPECT_EQ(d.noiseTarget, D3DXVECTOR2(0, 0));
    EXPECT_EQ(d.targetCount, 1u);
    EXPECT_EQ(d.scrollSpeed.Time(), 0.0f);
}

TEST_F(RecordedStage, TheExplosionSetsItsNineParametersInOrderBeforeItsSpriteIsDrawn) {
    ExplosionRecord record{.direction = 90, .seed = 3, .colour2 = 0x00FF00};
    record.base.position = {64, 64, 0};
    EffectSpriteRecord& fx = record.base.effectSprite;
    fx.effect = {builtin::kModuleName, builtin::kExplosionEffect.id};
    fx.sprite.colour = 0x0000FF;
    fx.sprite.placed.timeScale = 100;  // scaled time runs at twice the slide's
    fx.sprite.image = {builtin::kModuleName, builtin::kExplosionGradient.id};
    fx.sprite.secondImage = {builtin::kModuleName, builtin::kExplosionNoise.id};
    Start({MakeExplosion(record)}, kExplosionEffect);
    Frame(0.1f);
    Frame(0.3f);

    EXPECT_EQ(recording_.calls,
              Joined({{"SetTechnique Main", "SetTexture GradientTex", "SetTexture NoiseTex", "SetFloatArray color1",
                       "SetFloatArray color2", "SetFloatArray noise_shift", "SetFloatArray noise_params",
                       "SetFloatArray time", "SetFloatArray phase_3rd", "SetFloat phase_1st"},
                      kOnePass}));
    auto& d = stage_.DescriptionOf<QV_ExplosionConstructor>(0);
    auto& floats = recording_.floats;
    EXPECT_EQ(floats["color1"], (std::vector<float>{1, 0, 0}));
    EXPECT_EQ(floats["color2"], (std::vector<float>{0, 1, 0}));
    EXPECT_EQ(floats["noise_params"], (std::vector<float>{d.noise1.Result(), d.noise2.Result(), d.noise3.Result()}));
    EXPECT_NEAR(floats["noise_params"][1], 0.15f, 1e-6f);
    // Scrolled against the direction's first axis (straight up at 90 degrees) by its own clock.
    const float L = d.scrollSpeed.Time();
    EXPECT_GT(L, 0.0f);
    const std::vector<float>& shift = floats["noise_shift"];
    ASSERT_EQ(shift.size(), 4u);
    EXPECT_NEAR(shift[0], d.noiseBase.x, 1e-6f);
    EXPECT_NEAR(shift[1], d.noiseBase.y + L, 1e-6f);
    EXPECT_NEAR(shift[2], d.noiseTarget.x, 1e-6f);
    EXPECT_NEAR(shift[3], L + d.noiseTarget.y, 1e-6f);
    const float fraction = d.ScaledTime() - std::floor(d.ScaledTime());
    EXPECT_NEAR(floats["time"][0], fraction, 1e-6f);
    EXPECT_NEAR(floats["time"][1], 1.0f - fraction, 1e-6f);
    EXPECT_EQ(floats["phase_3rd"], (std::vector<float>{0, 1}));
    EXPECT_EQ(floats["phase_1st"], (std::vector<float>{0}));
    EXPECT_EQ(recording_.textures["GradientTex"], d.gradientTexture.Get());
    EXPECT_EQ(recording_.textures["NoiseTex"], d.noiseTexture.Get());

    // Past a whole second of scaled time the target becomes the base and a new one is drawn.
    const D3DXVECTOR2 target = d.noiseTarget;
    Frame(0.8f);
    Frame(1.0f);
    EXPECT_EQ(d.lastWholeSecond, 1.0f);
    EXPECT_EQ(d.noiseBase, target);
    EXPECT_NE(d.noiseTarget, target);
}

TEST(StaticTextFormat, TheAlignmentsBecomeDrawTextFlags) {
    struct Case {
        int horizontal, vertical;
        UINT format;
    };
    const Case cases[] = {{1, 2, 9}, {3, 0, 0}, {0, 0, 0}, {2, 1, 6}, {1, 1, 5}, {-1, 7, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(QV_StaticTextConstructor::FormatOf(c.horizontal, c.vertical), c.format)
            << c.horizontal << "," << c.vertical;
}

TEST_F(RecordedStage, TheTextIsDrawnIntoItsTargetWhichThenBecomesTheSpritesTexture) {
    StaticTextRecord record{.verticalAlignment = 2, .horizontalAlignment = 1, .text = "Dusk"};
    record.base.position = {64, 64, 0};
    record.base.width = 300;
    record.base.height = 40;
    Start({MakeStaticText(record)}, kGlowEffect);
    Frame(0.1f);

    EXPECT_EQ(recording_.calls, Joined({{"SetTechnique Common", "SetTexture Texture1", "SetTechnique Common",
                                         "SetTexture Texture1"},
                                        kOnePass}));
    auto& text = stage_.DescriptionOf<QV_StaticTextConstructor>(0);
    EXPECT_EQ(text.format, UINT(DT_CENTER | DT_BOTTOM));
    ASSERT_NE(text.target, nullptr);
    EXPECT_EQ(text.target->Width(), 300u);
    EXPECT_EQ(text.target->Height(), 40u);
    EXPECT_EQ(recording_.textures["Texture1"], text.target->Current().Get());
    EXPECT_TRUE(text.fontObject);
    const SpriteParticle& sprite = dynamic_cast<QV_FXObj&>(stage_.Object(0)).Sprites()[0];
    EXPECT_EQ(sprite.position, D3DXVECTOR3(64, 64, 0));
    EXPECT_EQ(sprite.halfWidth, 150.0f);
    EXPECT_EQ(sprite.halfHeight, 20.0f);
}

}  // namespace
