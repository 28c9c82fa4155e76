// Shader sprites drawn with the module's own effects and pictures on a real device, read back
// pixel by pixel over a known scene: the glow of a discharge, two glowing objects, the
// explosion, the static text, what each draws without its effect, and a device reset.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "ShaderSpriteRecords.h"
#include "ShaderSpriteStage.h"
#include "document/BuiltinResources.h"
#include "document/QV_DocResManager.h"
#include "objects/QV_GlowingObj.h"
#include "objects/QV_StaticTextConstructor.h"
#include "base/RenderTargetPair.h"

using namespace scenewriter;
using shadertest::ShaderSpriteStage;

namespace {

constexpr int32_t kMissingEffect = 4321;
constexpr UINT kSize = ShaderSpriteStage::kSize;

// A straight discharge (jitter 0) with the thick bolt as its halo.
DischargeFXRecord Discharge(Point3 start, Point3 end, int32_t blendMode = 1) {
    DischargeFXRecord d{.start = start, .end = end, .jitter = 0};
    SpriteRecord& sprite = d.glow.effectSprite.sprite;
    sprite.count = 3;
    sprite.size = 32;
    sprite.blendMode = blendMode;
    sprite.colour = 0xFFFFCC;
    sprite.secondImage = {builtin::kModuleName, builtin::kThickBolt.id};
    d.glow.glowColour = 0xFF9900;
    return d;
}

ExplosionRecord Explosion(Point3 at, uint32_t size) {
    ExplosionRecord e{.seed = 7};
    e.base.position = at;
    EffectSpriteRecord& fx = e.base.effectSprite;
    fx.effect = {builtin::kModuleName, builtin::kExplosionEffect.id};
    fx.sprite.size = size;
    fx.sprite.image = {builtin::kModuleName, builtin::kExplosionGradient.id};
    fx.sprite.secondImage = {builtin::kModuleName, builtin::kExplosionNoise.id};
    return e;
}

StaticTextRecord Text(Point3 at, uint32_t width, uint32_t height) {
    StaticTextRecord t{.horizontalAlignment = 1, .text = "MMMM", .fontHeight = 36, .fontFace = "Tahoma"};
    t.verticalAlignment = 1;
    t.base.position = at;
    t.base.width = width;
    t.base.height = height;
    t.base.effectSprite.sprite.colour = 0x0000FF;  // red
    return t;
}

uint32_t Brightness(uint32_t pixel) { return (pixel >> 16 & 0xFF) + (pixel >> 8 & 0xFF) + (pixel & 0xFF); }

class ShaderSpritePixels : public ::testing::Test {
protected:
    void SetUp() override { VG_REQUIRE_DEVICE(stage_.Device()); }

    void Show(std::vector<SceneWriter> objects, float t = 0.05f) {
        ASSERT_EQ(stage_.Open(std::move(objects)), S_OK);
        stage_.Start();
        Draw(t);
    }
    void Draw(float t) {
        stage_.DrawFrame(t);
        pixels_ = stage_.Device().ReadBack();
        ASSERT_EQ(pixels_.size(), size_t(kSize) * kSize);
    }
    uint32_t Pixel(UINT x, UINT y) const { return pixels_[size_t(y) * kSize + x] | 0xFF000000u; }
    bool LikeScene(UINT x, UINT y) const {
        return vgtest::ChannelDistance(Pixel(x, y), ShaderSpriteStage::Picture(x, y)) <= 2;
    }
    // The pixels that differ from the scene, and where.
    std::vector<std::pair<UINT, UINT>> Changed() const {
        std::vector<std::pair<UINT, UINT>> changed;
        for (UINT y = 0; y < kSize; ++y)
            for (UINT x = 0; x < kSize; ++x)
                if (!LikeScene(x, y)) changed.emplace_back(x, y);
        return changed;
    }
    // The brightest pixel of column x between rows y0 and y1, over the scene's there.
    int BrightestGain(UINT x, UINT y0, UINT y1) const {
        int gain = -1000;
        for (UINT y = y0; y <= y1; ++y)
            gain = std::max(gain, int(Brightness(Pixel(x, y))) - int(Brightness(ShaderSpriteStage::Picture(x, y))));
        return gain;
    }

    ShaderSpriteStage stage_;
    std::vector<uint32_t> pixels_;
};

TEST_F(ShaderSpritePixels, ADischargeGlowsAlongItsBoltAndLeavesTheRestOfTheSceneAsItWas) {
    for (int32_t blendMode : {1, 0}) {
        SCOPED_TRACE(blendMode);
        Show({MakeDischargeFX(Discharge({16, 64, 0}, {112, 64, 0}, blendMode))});
        // The bolt, its glow and its picture's zigzag stay within 20 pixels of the line.
        for (UINT x : {24u, 48u, 64u, 80u, 104u}) EXPECT_GT(BrightestGain(x, 58, 70), 60) << x;
        for (auto [x, y] : Changed()) {
            EXPECT_GE(x, 4u);
            EXPECT_LE(x, 124u);
            EXPECT_GE(y, 44u) << x;
            EXPECT_LE(y, 84u) << x;
        }
        EXPECT_TRUE(LikeScene(64, 10));
        EXPECT_TRUE(LikeScene(10, 120));
    }
}

TEST_F(ShaderSpritePixels, ABoltRunsFromItsStartToItsEndPoint) {
    // A diagonal from the top left to the bottom right: pixels change near the line only.
    Show({MakeDischargeFX(Discharge({20, 20, 0}, {108, 108, 0}))});
    for (UINT x : {30u, 64u, 98u}) EXPECT_GT(BrightestGain(x, x - 8, x + 8), 60) << x;
    EXPECT_TRUE(LikeScene(100, 24));
    EXPECT_TRUE(LikeScene(24, 100));
    for (auto [x, y] : Changed()) EXPECT_LE(std::abs(int(x) - int(y)), 30) << x << "," << y;
}

TEST_F(ShaderSpritePixels, TwoGlowingObjectsDrawThroughTwoTargets) {
    Show({MakeDischargeFX(Discharge({16, 32, 0}, {112, 32, 0})), MakeDischargeFX(Discharge({16, 96, 0}, {112, 96, 0}))});
    auto& first = dynamic_cast<QV_GlowingObj&>(stage_.Object(0));
    auto& second = dynamic_cast<QV_GlowingObj&>(stage_.Object(1));
    EXPECT_FALSE(first.TargetKey() == second.TargetKey());
    ASSERT_NE(first.Targets(), nullptr);
    EXPECT_NE(first.Targets(), second.Targets());
    EXPECT_EQ(first.Targets()->Width(), QV_GlowingObj::kTargetSide);
    EXPECT_EQ(first.Targets()->Height(), QV_GlowingObj::kTargetSide);
    // Both bolts show, and the scene between them is untouched.
    EXPECT_GT(BrightestGain(64, 26, 38), 60);
    EXPECT_GT(BrightestGain(64, 90, 102), 60);
    for (UINT y = 56; y <= 72; ++y) EXPECT_TRUE(LikeScene(64, y)) << y;
}

TEST_F(ShaderSpritePixels, AnExplosionBurnsInsideItsSpriteOnly) {
    Show({MakeExplosion(Explosion({64, 64, 0}, 64))});
    EXPECT_GT(BrightestGain(64, 60, 68), 100);
    for (auto [x, y] : Changed()) {
        EXPECT_GE(x, 32u);
        EXPECT_LT(x, 96u);
        EXPECT_GE(y, 32u);
        EXPECT_LT(y, 96u);
    }
}

TEST_F(ShaderSpritePixels, TheTextShowsInItsColourInsideItsSpriteAndKeepsItsTargetThroughAReset) {
    Show({MakeStaticText(Text({64, 64, 0}, 100, 40))});
    auto expectRedTextInside = [&] {
        int red = 0;
        for (auto [x, y] : Changed()) {
            EXPECT_TRUE(x >= 14 && x < 114 && y >= 44 && y < 84) << x << "," << y;
            const uint32_t p = Pixel(x, y);
            if ((p >> 16 & 0xFF) > (p >> 8 & 0xFF) + 60 && (p >> 16 & 0xFF) > (p & 0xFF) + 60) ++red;
        }
        EXPECT_GT(red, 100);
    };
    expectRedTextInside();

    auto& text = stage_.DescriptionOf<QV_StaticTextConstructor>(0);
    ASSERT_NE(text.target, nullptr);
    EXPECT_EQ(text.target->Width(), 100u);
    EXPECT_EQ(text.target->Height(), 40u);
    stage_.LoseDevice();
    ASSERT_EQ(stage_.Device().Reset(), D3D_OK);
    stage_.RestoreDevice();
    EXPECT_EQ(text.target->Width(), 100u);
    EXPECT_EQ(text.target->Height(), 40u);
    Draw(0.1f);
    expectRedTextInside();
}

// A text of sixteen times the screen's pixels is drawn into a target of the screen's pixels,
// its font a quarter as high, and still shows its glyphs across the screen at its own size.
TEST_F(ShaderSpritePixels, ATextLargerThanTheScreenDrawsIntoATargetOfTheScreensPixels) {
    StaticTextRecord big = Text({64, 64, 0}, 1024, 256);
    big.fontHeight = 200;
    Show({MakeStaticText(big)});
    auto& text = stage_.DescriptionOf<QV_StaticTextConstructor>(0);
    ASSERT_NE(text.target, nullptr);
    EXPECT_EQ(text.target->Width(), 256u);
    EXPECT_EQ(text.target->Height(), 64u);
    EXPECT_EQ(text.drawn.fontHeight, 50);
    int red = 0;
    for (auto [x, y] : Changed()) {
        const uint32_t p = Pixel(x, y);
        if ((p >> 16 & 0xFF) > (p >> 8 & 0xFF) + 60 && (p >> 16 & 0xFF) > (p & 0xFF) + 60) ++red;
    }
    EXPECT_GT(red, 100);
}

TEST_F(ShaderSpritePixels, WithoutItsEffectOrPicturesAShaderSpriteLeavesTheSceneAsItWas) {
    struct Case {
        const char* name;
        SceneWriter record;
    };
    DischargeFXRecord discharge = Discharge({16, 64, 0}, {112, 64, 0});
    discharge.glow.effectSprite.effect = {"common_res.dll", kMissingEffect};
    DischargeFXRecord unlit = Discharge({16, 64, 0}, {112, 64, 0});
    unlit.glow.effectSprite.sprite.secondImage = {"C:\\nowhere.png", 1};
    unlit.glow.effectSprite.sprite.transparency = 100;  // nor its bolt on top
    ExplosionRecord explosion = Explosion({64, 64, 0}, 64);
    explosion.base.effectSprite.effect = {"common_res.dll", kMissingEffect};
    ExplosionRecord noGradient = Explosion({64, 64, 0}, 64);
    noGradient.base.effectSprite.sprite.image = {"C:\\nowhere.png", 1};
    StaticTextRecord text = Text({64, 64, 0}, 100, 40);
    text.base.effectSprite.effect = {"common_res.dll", kMissingEffect};
    const Case cases[] = {
        {"discharge without effect", MakeDischargeFX(discharge)},
        {"explosion without effect", MakeExplosion(explosion)},
        {"explosion without gradient", MakeExplosion(noGradient)},
        {"text without effect", MakeStaticText(text)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Behind a glow that needs the scene too, so the frame passes through a target.
        Show({c.record, MakeDischargeFX(unlit)});
        EXPECT_TRUE(Changed().empty()) << Changed().size() << " pixels, the first at " << Changed()[0].first
                                       << "," << Changed()[0].second;
    }
}

TEST_F(ShaderSpritePixels, WithoutItsSecondPictureADischargeStillLaysItsGlowOverItsSegments) {
    // One segment, 96 × 32 about (64, 64): with no picture bound its halo is its whole quad,
    // and the glow colour (0, 0.6, 1) covers the scene there (Blend_Normal) or is screened
    // over it (Blend_Screen).
    auto glowOver = [](int32_t blendMode, uint32_t scene) {
        if (blendMode != 1) return 0xFF0099FFu;
        const double light[3] = {0.0, 0.6, 1.0};
        uint32_t pixel = 0xFF000000u;
        for (int i = 0; i < 3; ++i) {
            const int shift = 16 - 8 * i;
            const double under = (scene >> shift & 0xFF) / 255.0;
            pixel |= uint32_t(std::lround((1 - (1 - under) * (1 - light[i])) * 255)) << shift;
        }
        return pixel;
    };
    for (int32_t blendMode : {0, 1}) {
        SCOPED_TRACE(blendMode);
        DischargeFXRecord d = Discharge({16, 64, 0}, {112, 64, 0}, blendMode);
        d.glow.effectSprite.sprite.count = 1;
        d.glow.effectSprite.sprite.secondImage = {"C:\\nowhere.png", 1};
        Show({MakeDischargeFX(d)});
        // Just inside the quad's long edges, where the bolt on top is clear.
        for (auto [x, y] : {std::pair{64u, 50u}, std::pair{64u, 78u}, std::pair{20u, 50u}, std::pair{108u, 78u}})
            EXPECT_LE(vgtest::ChannelDistance(Pixel(x, y), glowOver(blendMode, ShaderSpriteStage::Picture(x, y))), 24)
                << x << "," << y;
        for (auto [x, y] : Changed()) EXPECT_TRUE(x >= 14 && x < 114 && y >= 46 && y < 82) << x << "," << y;
    }
}

// A text that cannot draw into its target does not draw its sprite either: the glow effect it
// shares would still hold what the last object drew with it (here a bolt's picture).
TEST_F(ShaderSpritePixels, ATextWithoutItsTargetOrASizeDrawsNothingWhateverTheEffectLastHeld) {
    struct Case {
        const char* text;
        uint32_t width, height;
        bool targetLost;
    };
    const Case cases[] = {
        {"without its target's texture", 100, 40, true},
        {"of no width", 0, 40, false},
        {"of no height", 100, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        // The discharge is drawn first, the text over it.
        ASSERT_EQ(stage_.Open({MakeStaticText(Text({64, 96, 0}, c.width, c.height)),
                               MakeDischargeFX(Discharge({16, 24, 0}, {112, 24, 0}))}),
                  S_OK);
        stage_.Start();
        Draw(0.05f);
        RenderTargetPair* target = stage_.DescriptionOf<QV_StaticTextConstructor>(0).target;
        ASSERT_NE(target, nullptr);
        if (c.targetLost) target->ReleaseTextures();
        Draw(0.1f);
        EXPECT_EQ(bool(target->Current()), !c.targetLost);
        EXPECT_GT(BrightestGain(64, 18, 30), 60);
        for (auto [x, y] : Changed()) EXPECT_LT(y, 48u) << x << "," << y;
    }
}

TEST_F(ShaderSpritePixels, ADeviceResetWithShaderSpritesAliveSucceedsAndTheyDrawAgain) {
    // The same frame before and after: the segments flicker only after a tenth of a second.
    DischargeFXRecord discharge = Discharge({16, 40, 0}, {112, 40, 0});
    discharge.flicker = 0;
    Show({MakeDischargeFX(discharge), MakeExplosion(Explosion({40, 90, 0}, 48)), MakeStaticText(Text({90, 96, 0}, 60, 30))});
    const std::vector<uint32_t> before = pixels_;
    IDirect3DDevice9* device = stage_.Device().Device();
    auto references = [device] {
        device->AddRef();
        return device->Release();
    };
    const ULONG referencesBefore = references();
    // The shared glow effect still holds the textures of the last frame's draws...
    ComHolder<ID3DXEffect> glow = CurrentDocResManager->GetEffect(builtin::Link(builtin::kGlowEffect));
    ASSERT_TRUE(glow);
    auto bound = [&](const char* name) {
        ComHolder<IDirect3DBaseTexture9> texture;
        glow->GetTexture(name, texture.Receive());
        return bool(texture);
    };
    EXPECT_TRUE(bound("Texture1"));
    EXPECT_TRUE(bound("Texture2"));
    stage_.LoseDevice();
    // ... and lets go of them before the reset, render targets among them.
    EXPECT_FALSE(bound("Texture1"));
    EXPECT_FALSE(bound("Texture2"));
    ASSERT_EQ(stage_.Device().Reset(), D3D_OK);
    stage_.RestoreDevice();
    Draw(0.05f);
    size_t differing = 0;
    for (size_t i = 0; i < before.size(); ++i)
        if (vgtest::ChannelDistance(before[i] | 0xFF000000u, pixels_[i] | 0xFF000000u) > 2) ++differing;
    EXPECT_EQ(differing, 0u);
    EXPECT_EQ(references(), referencesBefore);
}

}  // namespace
