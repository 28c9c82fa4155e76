// The scene the saver embeds opens, prepares and plays through every slide.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "RunningScene.h"
#include "TestDevice.h"
#include "audio/QV_WAV_Constructor.h"
#include "audio/SoundDevice.h"
#include "document/CurrentDevice.h"
#include "document/QV_DocResManager.h"
#include "document/SceneDocument.h"
#include "objects/QV_LightningGN.h"
#include "objects/QV_Plant.h"
#include "objects/QV_Smoke.h"
#include "player/QV_SlideShow_Light.h"

namespace {

// The device and the saver's own scene, opened and prepared as the player does.
class DefaultScene : public testing::Test {
protected:
    void SetUp() override {
        VG_REQUIRE_DEVICE(device_);
        CurrentDevice = device_.Device();
    }
    void TearDown() override {
        scene_.Close();
        CurrentDevice = nullptr;
    }
    void OpenScene() {
        ASSERT_EQ(scene_.OpenOwnDocument(), S_OK);
        scene_.PrepareSlides();
        scene_.SetFitMode(2);
    }

    vgtest::TestDevice device_{320, 240};
    vgtest::RunningScene scene_;
};

TEST_F(DefaultScene, PlaysAFullCycleOfItsSlides) {
    ASSERT_NO_FATAL_FAILURE(OpenScene());
    QV_SlideShow_Light* show = scene_.Show();

    ASSERT_EQ(show->SlideCount(), 5u);
    EXPECT_EQ(show->AudioFiles().size(), 2u);
    // Pictures of three shapes, so that every fit mode shows a difference.
    const uint32_t widths[5] = {1024, 1600, 600, 1600, 1280};
    for (unsigned i = 0; i < 5; ++i)
        EXPECT_EQ(show->SlideAt(i)->GetLight()->GetPictureWidth(), widths[i]) << i;

    std::vector<int> order;
    for (float t = 0; t < 80; t += 1.0f / 30) {
        scene_.DrawFrame(t);
        int current = -1;
        for (unsigned i = 0; i < 5; ++i)
            if (show->SlideAt(i).Get() == show->CurrentSlide().Get()) current = int(i);
        if (order.empty() || order.back() != current) order.push_back(current);
    }
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3, 4, 0}));
    // Slide 0 again, mid-show: the picture covers the screen (fill), no white clear left.
    EXPECT_NE(device_.PixelAt(160, 120), 0xFFFFFFFFu);
}

TEST_F(DefaultScene, TheSoundSlideLoopsOneSoundAndCyclesTheOther) {
    SoundDevice& sound = SoundDevice::Shared();
    ASSERT_EQ(sound.InitDirectSound(device_.Window()), S_OK);
    ASSERT_NO_FATAL_FAILURE(OpenScene());
    QV_SlideShow_Light* show = scene_.Show();

    for (unsigned i : {0, 1, 2, 4}) EXPECT_TRUE(show->SlideAt(i)->RuntimeSounds().empty()) << i;
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

    // Through the fourth slide and into the first again: the swell loops while its slide
    // shows and stops when it ends.
    bool loopedOnItsSlide = false;
    bool playedElsewhere = false;
    for (float t = 0; t < 64; t += 0.1f) {
        show->FrameMove(t);
        bool onSoundSlide = show->CurrentSlide().Get() == show->SlideAt(3).Get();
        if (onSoundSlide && (status() & DSBSTATUS_LOOPING)) loopedOnItsSlide = true;
        if (!onSoundSlide && (status() & DSBSTATUS_PLAYING)) playedElsewhere = true;
    }
    EXPECT_TRUE(loopedOnItsSlide);
    EXPECT_FALSE(playedElsewhere);
    scene_.Close();
    sound.ReleasePrimaryBuffer();
    sound.ReleaseDevice();
}

TEST_F(DefaultScene, TheGeneratorSlideStepsOverItsForeignRecordAndStrikesSmokesAndSways) {
    ASSERT_NO_FATAL_FAILURE(OpenScene());
    QV_SlideShow_Light* show = scene_.Show();

    // Three reeds, the smoke and the lightning; the foreign record made no object.
    const auto& objects = show->SlideAt(4)->RuntimeObjects();
    ASSERT_EQ(objects.size(), 5u);
    auto& smoke = dynamic_cast<QV_Smoke&>(objects[3]->Description());
    auto& lightning = dynamic_cast<QV_LightningGN&>(objects[4]->Description());
    for (int i = 0; i < 3; ++i) EXPECT_NE(dynamic_cast<QV_Plant*>(&objects[i]->Description()), nullptr) << i;
    EXPECT_TRUE(objects[4]->NeedsBackground());  // screened over the scene

    // Through the whole slide (60 s to 76 s): the smoke rises, the lightning strikes, and the
    // picture moves from frame to frame.
    bool struck = false;
    size_t mostPuffs = 0;
    int changedFrames = 0;
    std::vector<uint32_t> previous;
    for (float t = 0; t < 76; t += 1.0f / 30) {
        scene_.DrawFrame(t);
        if (t < 61) continue;
        struck = struck || lightning.Built();
        mostPuffs = std::max(mostPuffs, smoke.Particles().size());
        if (int(t * 30) % 15 != 0) continue;
        std::vector<uint32_t> pixels = device_.ReadBack();
        if (!previous.empty() && pixels != previous) ++changedFrames;
        previous = std::move(pixels);
    }
    EXPECT_TRUE(struck);
    EXPECT_GE(mostPuffs, 20u);
    EXPECT_GE(changedFrames, 25);
}

}  // namespace
