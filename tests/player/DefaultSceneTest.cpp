// The scene the saver embeds opens, prepares and plays through every slide.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <typeinfo>

#include "RunningScene.h"
#include "TestDevice.h"
#include "audio/QV_WAV_Constructor.h"
#include "audio/SoundDevice.h"
#include "base/CurrentDevice.h"
#include "brushes/QV_GlassBallLight.h"
#include "brushes/QV_MatrixCodeLight.h"
#include "brushes/QV_WaterRingLight.h"
#include "document/QV_DocResManager.h"
#include "objects/QV_3DObjArray.h"
#include "objects/QV_3D_in_2D_array.h"
#include "objects/QV_BaseSpriteProp.h"
#include "objects/QV_DischargeFXConstructor.h"
#include "objects/QV_ExplosionConstructor.h"
#include "objects/QV_GlowingObj.h"
#include "objects/QV_LightningGN.h"
#include "objects/QV_Plant.h"
#include "objects/QV_Smoke.h"
#include "objects/QV_SpriteArrayObj.h"
#include "objects/QV_StaticTextConstructor.h"
#include "player/QV_SlideShow_Light.h"
#include "base/RenderTargetPair.h"
#include "player/SceneDocument.h"

namespace {

class DefaultScene : public ::testing::Test {
protected:
    void SetUp() override {
        VG_REQUIRE_DEVICE(device);
        CurrentDevice = device.Device();
    }
    void TearDown() override {
        scene.Close();
        CurrentDevice = nullptr;
    }
    // The saver's own scene, prepared as the player prepares it, in fill mode.
    void Open() {
        ASSERT_EQ(scene.OpenOwnDocument(), S_OK);
        scene.PrepareSlides();
        scene.SetFitMode(2);
    }

    vgtest::TestDevice device{320, 240};
    vgtest::RunningScene scene;
};

TEST_F(DefaultScene, PlaysAFullCycleOfItsSlides) {
    Open();
    QV_SlideShow_Light* show = scene.Show();

    const unsigned slides = 17;
    ASSERT_EQ(show->SlideCount(), slides);
    EXPECT_EQ(show->AudioFiles().size(), 2u);
    // Pictures of three shapes, so that every fit mode shows a difference.
    const uint32_t widths[slides] = {1024, 1600, 600, 1600, 1200, 1024, 1600, 1280, 1024, 1024, 1024, 1600, 1200, 1024, 1600, 600, 1024};
    for (unsigned i = 0; i < slides; ++i)
        EXPECT_EQ(show->SlideAt(i)->GetLight()->GetPictureWidth(), widths[i]) << i;

    // One round and a few seconds of the next.
    std::vector<int> order;
    for (float t = 0; t < scene.RoundSeconds() + 4; t += 1.0f / 15) {
        scene.DrawFrame(t);
        int current = -1;
        for (unsigned i = 0; i < slides; ++i)
            if (show->SlideAt(i).Get() == show->CurrentSlide().Get()) current = int(i);
        if (order.empty() || order.back() != current) order.push_back(current);
    }
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 0}));
    // Slide 0 again, mid-show: the picture covers the screen (fill), no white clear left.
    EXPECT_NE(device.PixelAt(160, 120), 0xFFFFFFFFu);
}

TEST_F(DefaultScene, TheSoundSlideLoopsOneSoundAndCyclesTheOther) {
    SoundDevice& sound = SoundDevice::Shared();
    ASSERT_EQ(sound.InitDirectSound(device.Window()), S_OK);
    Open();
    QV_SlideShow_Light* show = scene.Show();

    for (unsigned i : {0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}) EXPECT_TRUE(show->SlideAt(i)->RuntimeSounds().empty()) << i;
    const auto& sounds = show->SlideAt(3)->RuntimeSounds();
    ASSERT_EQ(sounds.size(), 2u);
    struct Expected {
        int mode;
        unsigned int hundredths;  // one play
    } expected[] = {{0, 400}, {1, 110}};
    for (size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(sounds[i]->GetKind(), QV_ABObj::kSound);
        auto* wav = dynamic_cast<QV_WAV_Constructor*>(&sounds[i]->Description());
        ASSERT_NE(wav, nullptr);
        EXPECT_TRUE(wav->Buffer());
        EXPECT_EQ(wav->TimeLine().Mode().Value(), expected[i].mode);
        EXPECT_EQ(wav->TimeLine().VisibleMin().Value(), expected[i].hundredths);
    }
    auto& swell = static_cast<QV_WAV_Constructor&>(sounds[0]->Description());
    auto status = [&] {
        DWORD value = 0;
        swell.Buffer().Get()->GetStatus(&value);
        return value;
    };

    // Through the fourth slide and into the next: the swell loops while its slide shows and
    // stops when it ends.
    bool loopedOnItsSlide = false;
    bool playedElsewhere = false;
    for (float t = 0; t < 80; t += 0.1f) {
        show->FrameMove(t);
        bool onSoundSlide = show->CurrentSlide().Get() == show->SlideAt(3).Get();
        if (onSoundSlide && (status() & DSBSTATUS_LOOPING)) loopedOnItsSlide = true;
        if (!onSoundSlide && (status() & DSBSTATUS_PLAYING)) playedElsewhere = true;
    }
    EXPECT_TRUE(loopedOnItsSlide);
    EXPECT_FALSE(playedElsewhere);
    scene.Close();
    sound.ReleasePrimaryBuffer();
    sound.ReleaseDevice();
}

// The fifth slide's butterflies, clock and leaves find every mesh and picture they name: the
// module's, the document's wing picture, and the leaves' own embedded bytes.
TEST_F(DefaultScene, TheThreeDSlideHasItsMeshesAndPictures) {
    Open();
    const auto& objects = scene.Show()->SlideAt(4)->RuntimeObjects();
    ASSERT_EQ(objects.size(), 3u);
    auto* leaves = dynamic_cast<QV_3D_in_2D_array*>(objects[0].Get());
    ASSERT_NE(leaves, nullptr);
    EXPECT_TRUE(HasMeshBuffers(leaves->Mesh()));
    EXPECT_TRUE(leaves->Mesh().texture);
    EXPECT_EQ(leaves->Mesh().children.size(), 30u);
    for (size_t i : {1, 2}) {
        SCOPED_TRACE(i);
        auto* meshes = dynamic_cast<QV_3DObjArray*>(objects[i].Get());
        ASSERT_NE(meshes, nullptr);
        for (MeshBatch& batch : meshes->Batches()) {
            EXPECT_TRUE(HasMeshBuffers(batch));
            EXPECT_TRUE(batch.texture);
        }
    }
}

TEST_F(DefaultScene, TheSpriteSlidesShowEverySpriteEmitterWithItsPicture) {
    Open();
    QV_SlideShow_Light* show = scene.Show();
    ASSERT_EQ(show->SlideCount(), 17u);

    std::set<std::string> kinds;
    for (unsigned slide : {5u, 6u}) {
        for (const CountedHolder<QV_ABObj>& object : show->SlideAt(slide)->RuntimeObjects()) {
            auto* sprites = dynamic_cast<QV_SpriteArrayObj*>(object.Get());
            ASSERT_NE(sprites, nullptr);
            kinds.insert(typeid(*sprites->SpriteDescription()).name());
            // Every picture is found: the document's own, the module's dot and frame set.
            EXPECT_TRUE(sprites->CurrentTexture()) << sprites->SpriteDescription()->Name();
            EXPECT_FALSE(sprites->Sprites().empty());
        }
    }
    EXPECT_EQ(kinds.size(), 13u);
}

TEST_F(DefaultScene, TheGeneratorSlideStepsOverItsForeignRecordAndStrikesSmokesAndSways) {
    Open();
    QV_SlideShow_Light* show = scene.Show();

    // Three reeds, the smoke and the lightning; the foreign record made no object.
    const auto& objects = show->SlideAt(7)->RuntimeObjects();
    ASSERT_EQ(objects.size(), 5u);
    for (int i = 0; i < 3; ++i) EXPECT_NE(dynamic_cast<QV_Plant*>(&objects[i]->Description()), nullptr) << i;
    auto& smoke = dynamic_cast<QV_Smoke&>(objects[3]->Description());
    auto& lightning = dynamic_cast<QV_LightningGN&>(objects[4]->Description());
    EXPECT_TRUE(objects[4]->NeedsBackground());  // screened over the scene

    // Through the whole slide (108 s to 124 s of the show): the smoke rises, the lightning
    // strikes, and the picture moves from frame to frame.
    bool struck = false;
    size_t mostPuffs = 0;
    int changedFrames = 0;
    std::vector<uint32_t> previous;
    for (float t = 0; t < 124; t += 1.0f / 30) {
        scene.DrawFrame(t);
        if (t < 109) continue;
        struck = struck || lightning.Built();
        mostPuffs = std::max(mostPuffs, smoke.Particles().size());
        if (int(t * 30) % 15 != 0) continue;
        std::vector<uint32_t> pixels = device.ReadBack();
        if (!previous.empty() && pixels != previous) ++changedFrames;
        previous = std::move(pixels);
    }
    EXPECT_TRUE(struck);
    EXPECT_GE(mostPuffs, 20u);
    EXPECT_GE(changedFrames, 25);
}

// The tenth slide's glowing discharges, explosion and title find their module effects and
// pictures, and each glow and the title have a target of their own.
TEST_F(DefaultScene, TheShaderSpriteSlideHasItsEffectsPicturesAndTargets) {
    Open();
    const auto& objects = scene.Show()->SlideAt(9)->RuntimeObjects();
    ASSERT_EQ(objects.size(), 4u);

    auto& title = dynamic_cast<QV_StaticTextConstructor&>(objects[0]->Description());
    EXPECT_TRUE(title.effect);
    EXPECT_TRUE(title.fontObject);
    ASSERT_NE(title.target, nullptr);
    EXPECT_TRUE(title.target->Current());

    auto& burst = dynamic_cast<QV_ExplosionConstructor&>(objects[1]->Description());
    EXPECT_TRUE(burst.effect);
    EXPECT_TRUE(burst.gradientTexture);
    EXPECT_TRUE(burst.noiseTexture);

    std::set<RenderTargetPair*> targets{title.target};
    for (size_t i : {2, 3}) {
        SCOPED_TRACE(i);
        auto* glow = dynamic_cast<QV_GlowingObj*>(objects[i].Get());
        ASSERT_NE(glow, nullptr);
        EXPECT_TRUE(glow->NeedsBackground());
        auto& discharge = dynamic_cast<QV_DischargeFXConstructor&>(glow->Description());
        EXPECT_TRUE(discharge.effect);
        EXPECT_TRUE(discharge.glowTextureA);
        EXPECT_TRUE(discharge.glowTextureB);
        ASSERT_NE(glow->Targets(), nullptr);
        EXPECT_TRUE(glow->Targets()->Current());
        targets.insert(glow->Targets());
    }
    EXPECT_EQ(targets.size(), 3u);
}

// The glass ball, water rings and glyph slides' layers find what they draw with: the ball its buffers, the water its
// surface and the fish under it, the glyphs the module's strip of 16 and the meadow's luminance.
TEST_F(DefaultScene, TheEffectSlidesHaveTheirLayersAndPictures) {
    Open();
    QV_SlideShow_Light* show = scene.Show();
    ASSERT_EQ(show->SlideCount(), 17u);
    auto* ball = dynamic_cast<QV_GlassBallLight*>(show->SlideAt(10)->GetLight().Get());
    ASSERT_NE(ball, nullptr);
    EXPECT_TRUE(ball->UsesPostEffects());
    EXPECT_EQ(ball->showStand.Value(), 1);

    auto* water = dynamic_cast<QV_WaterRingLight*>(show->SlideAt(11)->GetLight().Get());
    ASSERT_NE(water, nullptr);
    // The surface's default-pool buffers come when its slide starts, so a slide that is not
    // showing holds none (a device reset then finds the device as it left it).
    EXPECT_FALSE(water->Grid().CanDraw());
    show->SlideAt(11)->StartObjects();
    EXPECT_TRUE(water->Grid().CanDraw());
    EXPECT_TRUE(water->UsesPostEffects());
    const auto& objects = show->SlideAt(11)->RuntimeObjects();
    ASSERT_EQ(objects.size(), 1u);
    auto* fish = dynamic_cast<QV_SpriteArrayObj*>(objects[0].Get());
    ASSERT_NE(fish, nullptr);
    EXPECT_TRUE(fish->CurrentTexture());

    auto* glyphs = dynamic_cast<QV_MatrixCodeLight*>(show->SlideAt(12)->GetLight().Get());
    ASSERT_NE(glyphs, nullptr);
    EXPECT_EQ(glyphs->Params().glyphCount, 16);
    EXPECT_EQ(glyphs->LuminanceTable().size(), 256u * 256u);
    EXPECT_GT(glyphs->Sprites().QuadCount(), 2000u);
}

}  // namespace
