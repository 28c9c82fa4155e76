// Generators drawn on a real device under Wine through the shipped effects, in documents of
// one slide whose picture fills the 128 × 128 back buffer, so picture pixels are screen
// pixels: smoke, the lightning's blend techniques, plants, the scene behind them, missing
// effects and textures, and a device reset.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "DocumentRecords.h"
#include "GeneratorRecords.h"
#include "PictureBytes.h"
#include "RunningScene.h"
#include "SlideRecords.h"
#include "TestDevice.h"
#include "base/CurrentDevice.h"
#include "document/BuiltinResources.h"
#include "document/SharedRandom.h"
#include "objects/QV_ParticlesObj.h"
#include "player/PictureView.h"
#include "player/SceneDocument.h"

using namespace scenewriter;

namespace {

constexpr UINT kSize = 128;
constexpr D3DCOLOR kSceneGrey = 0xFF646464;
// COLORREFs: red in the low byte.
constexpr int32_t kGlowRef = 0x800040;   // (64, 0, 128)
constexpr int32_t kPlantRef = 0x3232C8;  // (200, 50, 50)
constexpr D3DCOLOR kPlantColour = 0xFFC83232;

const LinkValue kPicture{"C:\\Tests\\scene.png", 1};
const LinkValue kWhite{"C:\\Tests\\white.png", 2};
const LinkValue kQuadrants{"C:\\Tests\\quadrants.png", 3};
const LinkValue kStripes{"C:\\Tests\\stripes.png", 4};
const LinkValue kMissingTexture{"C:\\Tests\\missing.png", 5};
const LinkValue kSmokeEffect{builtin::kModuleName, builtin::kSmokeEffect.id};
const LinkValue kLightningEffect{builtin::kModuleName, builtin::kLightningEffect.id};
const LinkValue kPlantEffect{builtin::kModuleName, builtin::kPlantEffect.id};
const LinkValue kMissingEffect{"common_res.dll", 399};

// Quadrants of the plant texture: top left, top right, bottom left, bottom right.
constexpr D3DCOLOR kQuadrantColours[4] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00};

// Puffs rising from (x, 100) for two seconds, 20 a second, 8 to 24 pixels wide.
SceneWriter Smoke(const LinkValue& effect, const LinkValue& texture, int32_t blendMode = 0, float x = 64) {
    return MakeSmoke({.lifetime = 50, .rate = 20, .size = 16, .direction = 90, .origin = {x, 100, 0},
                      .tex = {.textures = {texture}, .effect = effect, .blendMode = blendMode}});
}

// A vertical bolt down the middle: one segment, core 4 wide, glow 40 wide.
SceneWriter Lightning(int32_t blendMode, const LinkValue& effect = kLightningEffect) {
    return MakeLightning({.coreWidth = 4,
                          .glowWidth = 40,
                          .string = {.start = {64, 0, 0},
                                     .end = {64, 128, 0},
                                     .tex = {.textures = {kWhite, kWhite, kWhite},
                                             .effect = effect,
                                             .colour2 = kGlowRef,
                                             .blendMode = blendMode}}});
}

// A plant quad from (left, top) to (right, bottom), not swaying.
PlantRecord PlantAt(float left, float top, float right, float bottom, const LinkValue& texture) {
    PlantRecord plant;
    plant.rect.corners = {{{left, top, 0}, {left, bottom, 0}, {right, top, 0}, {right, bottom, 0}}};
    plant.rect.staticGenerator.tex = {.textures = {texture}, .effect = kPlantEffect};
    return plant;
}

struct Rgb {
    double r, g, b;
};

uint32_t ToPixel(const Rgb& c) {
    auto channel = [](double v) { return uint32_t(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    return 0xFF000000u | channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b);
}

class GeneratorDrawing : public testing::Test {
protected:
    void SetUp() override {
        VG_REQUIRE_DEVICE(device_);
        CurrentDevice = device_.Device();
        SharedRandom::Seed(1);
    }
    void TearDown() override {
        scene_.Close();
        GetPictureView().ReleaseDeviceObjects(device_.Device());
        CurrentDevice = nullptr;
    }

    std::vector<uint8_t> Png(UINT width, UINT height, const vgtest::PixelPattern& colour) {
        return vgtest::MakePatternPicture(device_.Device(), width, height, D3DXIFF_PNG, colour);
    }
    StoreEntry Image(const LinkValue& link, std::vector<uint8_t> bytes) {
        return StoreEntry{link.path, link.stamp, {StoredFile{0, "", std::move(bytes), link.path}}};
    }

    // Opens and prepares a document of one slide of the grey picture and the objects.
    void Open(const std::vector<SceneWriter>& objects) {
        ASSERT_EQ(OpenDocument(objects), S_OK);
        scene_.PrepareSlides();
        scene_.SetFitMode(PictureView::kFill);
        // Black, so that a frame that leaves the scene off the screen shows it.
        device_.Device()->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
    }
    HRESULT OpenDocument(const std::vector<SceneWriter>& objects) {
        ResourceSection section;
        section.images = {
            Image(kPicture, Png(kSize, kSize, [](UINT, UINT) { return kSceneGrey; })),
            Image(kWhite, Png(8, 8, [](UINT, UINT) { return 0xFFFFFFFF; })),
            Image(kQuadrants, Png(16, 16, [](UINT x, UINT y) { return kQuadrantColours[(y / 8) * 2 + x / 8]; })),
            Image(kStripes, Png(32, 32, [](UINT x, UINT) { return (x / 2) % 2 ? 0xFFFF0000 : 0xFFFFFFFF; })),
        };
        const SlideRecord slide{.fadeIn = 0, .fadeOut = 0, .showTime = 100,
                                .layer = MakeLayer({.picture = kPicture}), .objects = objects};
        return scene_.OpenBytes(MakeDocument({MakeSlide(slide)}, {}, section));
    }

    // Frames every 1/30 s from `from` up to `to`, the last one read back.
    std::vector<uint32_t> Play(float from, float to) {
        for (float t = from; t < to; t += 1.0f / 30) scene_.DrawFrame(t);
        scene_.DrawFrame(to);
        return device_.ReadBack();
    }

    static uint32_t At(const std::vector<uint32_t>& pixels, UINT x, UINT y) {
        return pixels[size_t(y) * kSize + x] | 0xFF000000u;
    }
    static bool IsGrey(const std::vector<uint32_t>& pixels, UINT x, UINT y) {
        return vgtest::ChannelDistance(At(pixels, x, y), kSceneGrey) <= 2;
    }
    // Pixels of the rectangle that differ from the picture.
    static int Changed(const std::vector<uint32_t>& pixels, UINT left, UINT top, UINT right, UINT bottom) {
        int changed = 0;
        for (UINT y = top; y < bottom; ++y)
            for (UINT x = left; x < right; ++x) changed += IsGrey(pixels, x, y) ? 0 : 1;
        return changed;
    }

    vgtest::TestDevice device_{kSize, kSize};
    vgtest::RunningScene scene_;
};

TEST_F(GeneratorDrawing, TestThatSmokePuffsAppearAboveTheirOriginAndNeverWithoutTexture) {
    struct Case {
        const char* smoke;
        LinkValue effect, texture;
        bool drawn;
    } cases[] = {
        {"through its effect", kSmokeEffect, kWhite, true},
        {"without an effect: blended texture times colour", kMissingEffect, kWhite, true},
        {"without a texture", kSmokeEffect, kMissingTexture, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.smoke);
        Open({Smoke(c.effect, c.texture)});
        const std::vector<uint32_t> pixels = Play(0, 1);
        // Rising from (64, 100) at 100 pixels a second for two seconds: the column above it.
        EXPECT_EQ(Changed(pixels, 40, 0, 88, 90) > 200, c.drawn);
        EXPECT_EQ(Changed(pixels, 0, 115, kSize, kSize), 0);
        EXPECT_EQ(Changed(pixels, 0, 0, 30, kSize), 0);
        scene_.Close();
    }
}

TEST_F(GeneratorDrawing, TestThatEachLightningBlendCompositesAsNamedAndKeepsTheScene) {
    const Rgb scene{100 / 255.0, 100 / 255.0, 100 / 255.0};
    const Rgb glow{64 / 255.0, 0, 128 / 255.0};
    auto each = [&](double (*blend)(double s, double g)) {
        return ToPixel({blend(scene.r, glow.r), blend(scene.g, glow.g), blend(scene.b, glow.b)});
    };
    struct Case {
        const char* blend;
        int32_t mode;
        LinkValue effect;
        uint32_t glowPixel;
        uint32_t corePixel;
    } cases[] = {
        {"normal", 0, kLightningEffect, each([](double, double g) { return g; }), 0xFFFFFFFF},
        {"screen", 1, kLightningEffect, each([](double s, double g) { return 1 - (1 - s) * (1 - g); }), 0xFFFFFFFF},
        {"colour dodge", 2, kLightningEffect, each([](double s, double g) { return s / (1 - g); }), 0xFFFFFFFF},
        {"sum", 3, kLightningEffect, each([](double s, double g) { return s + g; }), 0xFFFFFFFF},
        // Without its effect the bolt draws nothing and asks for no scene either.
        {"screen without an effect", 1, kMissingEffect, kSceneGrey, kSceneGrey},
        {"colour dodge without an effect", 2, kMissingEffect, kSceneGrey, kSceneGrey},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blend);
        // The plant is later in the list, so it is drawn first, under the bolt.
        Open({Lightning(c.mode, c.effect), MakePlant(PlantAt(0, 96, 32, 128, kWhite))});
        const std::vector<uint32_t> pixels = Play(0, 0.5f);
        // Detail 0: a core segment with its two caps, a glow segment, two end spots.
        auto& bolt = static_cast<QV_ParticlesObj&>(*scene_.Show()->SlideAt(0)->RuntimeObjects()[0].Get());
        EXPECT_EQ(bolt.QuadCount(0), 3u);
        EXPECT_EQ(bolt.QuadCount(1), 1u);
        EXPECT_EQ(bolt.QuadCount(2), 2u);
        EXPECT_LE(vgtest::ChannelDistance(At(pixels, 76, 40), c.glowPixel), 3) << std::hex << At(pixels, 76, 40);
        EXPECT_LE(vgtest::ChannelDistance(At(pixels, 64, 40), c.corePixel), 3) << std::hex << At(pixels, 64, 40);
        EXPECT_TRUE(IsGrey(pixels, 110, 40));
        EXPECT_EQ(At(pixels, 16, 112), 0xFFFFFFFF);  // the plant, white
        scene_.Close();
    }
}

TEST_F(GeneratorDrawing, TestThatAPlantQuadTakesItsCornersTextureAndMirrorFlags) {
    struct Case {
        int32_t mirrorV, mirrorU;
        int quadrantAt[4];  // the texture's quadrant seen at each screen quadrant
    } cases[] = {{0, 0, {0, 1, 2, 3}}, {0, 1, {1, 0, 3, 2}}, {1, 0, {2, 3, 0, 1}}, {1, 1, {3, 2, 1, 0}}};
    const POINT centres[4] = {{40, 40}, {88, 40}, {40, 88}, {88, 88}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mirror V " << c.mirrorV << ", U " << c.mirrorU);
        PlantRecord plant = PlantAt(16, 16, 112, 112, kQuadrants);
        plant.rect.staticGenerator.tex.mirrorV = c.mirrorV;
        plant.rect.staticGenerator.tex.mirrorU = c.mirrorU;
        Open({MakePlant(plant)});
        const std::vector<uint32_t> pixels = Play(0, 0.1f);
        for (int q = 0; q < 4; ++q)
            EXPECT_LE(vgtest::ChannelDistance(At(pixels, centres[q].x, centres[q].y), kQuadrantColours[c.quadrantAt[q]]), 3)
                << q;
        EXPECT_TRUE(IsGrey(pixels, 8, 8));
        EXPECT_TRUE(IsGrey(pixels, 120, 120));
        scene_.Close();
    }
}

TEST_F(GeneratorDrawing, TestThatAPlantSwaysAtItsTopAndStandsAtItsFoot) {
    PlantRecord plant = PlantAt(32, 16, 96, 112, kStripes);
    plant.frequency = 20;  // 2 radians a second
    plant.wMagnitude = 100;  // a fifth of the quad's width at the top
    plant.bMagnitude = 20;
    Open({MakePlant(plant)});
    const std::vector<uint32_t> early = Play(0, 0.1f);
    const std::vector<uint32_t> later = Play(0.1f, 0.8f);
    int topDiffers = 0, footDiffers = 0;
    for (UINT x = 32; x < 96; ++x) {
        topDiffers += vgtest::ChannelDistance(At(early, x, 18), At(later, x, 18)) > 40;
        footDiffers += vgtest::ChannelDistance(At(early, x, 111), At(later, x, 111)) > 40;
    }
    EXPECT_GT(topDiffers, 16);
    EXPECT_EQ(footDiffers, 0);
}

TEST_F(GeneratorDrawing, TestThatTheSceneBehindSmokeAndPlantsSurvivesEveryBlendMode) {
    PlantRecord plant = PlantAt(0, 96, 32, 128, kWhite);
    plant.rect.staticGenerator.tex.colour1 = kPlantRef;
    for (int32_t mode : {0, 1, 2, 3}) {
        SCOPED_TRACE(mode);
        plant.rect.staticGenerator.tex.blendMode = mode;
        Open({Smoke(kSmokeEffect, kWhite, mode), MakePlant(plant)});
        const std::vector<uint32_t> pixels = Play(0, 0.5f);
        EXPECT_GT(Changed(pixels, 40, 0, 88, 90), 200);
        EXPECT_EQ(At(pixels, 16, 112), kPlantColour);
        EXPECT_TRUE(IsGrey(pixels, 110, 110));
        EXPECT_TRUE(IsGrey(pixels, 16, 40));
        scene_.Close();
    }
}

TEST_F(GeneratorDrawing, TestThatAPlantWithoutItsEffectOrTextureDrawsNothing) {
    PlantRecord noEffect = PlantAt(16, 16, 112, 112, kWhite);
    noEffect.rect.staticGenerator.tex.effect = kMissingEffect;
    for (const PlantRecord& plant : {noEffect, PlantAt(16, 16, 112, 112, kMissingTexture)}) {
        Open({MakePlant(plant)});
        EXPECT_EQ(Changed(Play(0, 0.2f), 0, 0, kSize, kSize), 0);
        scene_.Close();
    }
}

TEST_F(GeneratorDrawing, TestThatGeneratorsDrawAgainAfterADeviceResetAndLeaveNoReference) {
    Open({Lightning(1), Smoke(kSmokeEffect, kWhite, 0, 108), MakePlant(PlantAt(0, 96, 32, 128, kWhite))});
    const uint32_t screen = ToPixel({1 - (1 - 100 / 255.0) * (1 - 64 / 255.0), 100 / 255.0,
                                     1 - (1 - 100 / 255.0) * (1 - 128 / 255.0)});
    std::vector<uint32_t> pixels = Play(0, 0.5f);
    ASSERT_LE(vgtest::ChannelDistance(At(pixels, 76, 40), screen), 3);

    scene_.Show()->InvalidateDeviceObjects();
    CurrentDocResManager->OnLostDevice();
    ASSERT_EQ(device_.Reset(), D3D_OK);  // fails while a default-pool object is alive
    scene_.Show()->RestoreDeviceObjects();
    pixels = Play(0.5f, 1.0f);
    EXPECT_LE(vgtest::ChannelDistance(At(pixels, 76, 40), screen), 3);
    EXPECT_EQ(At(pixels, 16, 112), 0xFFFFFFFF);
    EXPECT_GT(Changed(pixels, 88, 0, 128, 90), 200);  // the puffs, beside the glow

    // Every device object of the scene goes with it: only the test holds the device.
    scene_.Close();
    GetPictureView().ReleaseDeviceObjects(device_.Device());
    device_.Device()->AddRef();
    EXPECT_EQ(device_.Device()->Release(), 1u);
}

TEST_F(GeneratorDrawing, TestThatAForeignRecordBetweenTwoObjectsIsSteppedOverAndBothPlay) {
    const SingleRectRecord rect = PlantAt(40, 40, 80, 80, kWhite).rect;
    Open({Smoke(kSmokeEffect, kWhite, 0, 104), MakeStaticAnimation({.rect = rect}),
          MakePlant(PlantAt(0, 96, 32, 128, kWhite))});
    EXPECT_EQ(scene_.Show()->SlideAt(0)->RuntimeObjects().size(), 2u);
    const std::vector<uint32_t> pixels = Play(0, 0.5f);
    EXPECT_GT(Changed(pixels, 88, 0, 128, 90), 200);
    EXPECT_EQ(At(pixels, 16, 112), 0xFFFFFFFF);
    EXPECT_EQ(Changed(pixels, 40, 40, 80, 80), 0);  // the foreign record draws nothing
    scene_.Close();

    // Any other tag in its place still refuses the document.
    SceneWriter unknown;
    unknown.String("QV_StaticAnimatior").Int(100).Int(0);
    WriteSingleRect(unknown, rect);
    EXPECT_EQ(OpenDocument({Smoke(kSmokeEffect, kWhite), unknown, MakePlant(PlantAt(0, 96, 32, 128, kWhite))}),
              kSceneDocumentFailure);
}

bool FiniteVertices(QV_ParticlesObj& object) {
    for (size_t i = 0; i < object.LayerCount(); ++i) {
        const DX_V::PCT* vertices = object.LockLayer(i);
        if (!vertices) continue;
        bool finite = true;
        for (UINT v = 0; v < 4 * object.QuadCount(i); ++v)
            for (float value : {vertices[v].x, vertices[v].y, vertices[v].z, vertices[v].u, vertices[v].v})
                finite = finite && std::isfinite(value);
        object.UnlockLayer(i);
        if (!finite) return false;
    }
    return true;
}

TEST_F(GeneratorDrawing, TestThatDegenerateShapesHandTheDeviceOnlyFiniteVertices) {
    // A bolt from a point to itself with a core of no width, and puffs of no lifetime.
    SceneWriter point = MakeLightning({.detail = 3, .displacement = 50, .branchLength = 50, .branchAngle = 50,
                                       .branchCounts = {3, 2, 1}, .glowWidth = 10,
                                       .string = {.start = {64, 64, 0}, .end = {64, 64, 0},
                                                  .tex = {.textures = {kWhite, kWhite, kWhite}, .effect = kLightningEffect}}});
    SceneWriter instant = MakeSmoke({.lifetime = 0, .rate = 30, .size = 10, .origin = {64, 64, 0},
                                     .tex = {.textures = {kWhite}, .effect = kSmokeEffect}});
    Open({point, instant});
    Play(0, 0.3f);
    for (float t : {0.3f, 0.3f}) scene_.DrawFrame(t);  // a step of no time
    const auto& objects = scene_.Show()->SlideAt(0)->RuntimeObjects();
    ASSERT_EQ(objects.size(), 2u);
    for (const auto& object : objects) {
        auto& particles = static_cast<QV_ParticlesObj&>(*object.Get());
        EXPECT_GT(particles.QuadCount(0), 0u);
        EXPECT_TRUE(FiniteVertices(particles));
    }
}

}  // namespace
