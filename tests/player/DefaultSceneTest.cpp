// The scene the saver embeds opens, prepares and plays through every slide.
#include <gtest/gtest.h>

#include <memory>

#include "RunningScene.h"
#include "TestDevice.h"
#include "audio/QV_WAV_Constructor.h"
#include "audio/SoundDevice.h"
#include "document/CurrentDevice.h"
#include "document/QV_DocResManager.h"
#include "document/SceneDocument.h"
#include "player/QV_SlideShow_Light.h"

namespace {

TEST(DefaultScene, PlaysAFullCycleOfItsSlides) {
    vgtest::TestDevice device(320, 240);
    VG_REQUIRE_DEVICE(device);
    CurrentDevice = device.Device();
    vgtest::RunningScene scene;
    ASSERT_EQ(scene.OpenOwnDocument(), S_OK);
    scene.PrepareSlides();
    scene.SetFitMode(2);
    QV_SlideShow_Light* show = scene.Show();

    ASSERT_EQ(show->SlideCount(), 5u);
    EXPECT_EQ(show->AudioFiles().size(), 2u);
    // Pictures of three shapes, so that every fit mode shows a difference.
    const uint32_t widths[5] = {1024, 1024, 1600, 600, 1600};
    for (unsigned i = 0; i < 5; ++i)
        EXPECT_EQ(show->SlideAt(i)->GetLight()->GetPictureWidth(), widths[i]) << i;

    std::vector<int> order;
    for (float t = 0; t < 82; t += 1.0f / 30) {
        scene.DrawFrame(t);
        int current = -1;
        for (unsigned i = 0; i < 5; ++i)
            if (show->SlideAt(i).Get() == show->CurrentSlide().Get()) current = int(i);
        if (order.empty() || order.back() != current) order.push_back(current);
    }
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3, 4, 0}));
    // Slide 0 again, mid-show: the picture covers the screen (fill), no white clear left.
    EXPECT_NE(device.PixelAt(160, 120), 0xFFFFFFFFu);
    scene.Close();
    CurrentDevice = nullptr;
}

TEST(DefaultScene, TheSoundSlideLoopsOneSoundAndCyclesTheOther) {
    vgtest::TestDevice device(320, 240);
    VG_REQUIRE_DEVICE(device);
    CurrentDevice = device.Device();
    SoundDevice& sound = SoundDevice::Shared();
    ASSERT_EQ(sound.InitDirectSound(device.Window()), S_OK);
    vgtest::RunningScene scene;
    ASSERT_EQ(scene.OpenOwnDocument(), S_OK);
    scene.PrepareSlides();
    scene.SetFitMode(2);
    QV_SlideShow_Light* show = scene.Show();

    for (unsigned i = 0; i < 4; ++i) EXPECT_TRUE(show->SlideAt(i)->RuntimeSounds().empty()) << i;
    const auto& sounds = show->SlideAt(4)->RuntimeSounds();
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

    // Through the last slide and into the first again: the swell loops while its slide shows
    // and stops when it ends.
    bool loopedOnItsSlide = false;
    bool playedElsewhere = false;
    for (float t = 0; t < 80; t += 0.1f) {
        show->FrameMove(t);
        bool onSoundSlide = show->CurrentSlide().Get() == show->SlideAt(4).Get();
        if (onSoundSlide && (status() & DSBSTATUS_LOOPING)) loopedOnItsSlide = true;
        if (!onSoundSlide && (status() & DSBSTATUS_PLAYING)) playedElsewhere = true;
    }
    EXPECT_TRUE(loopedOnItsSlide);
    EXPECT_FALSE(playedElsewhere);
    scene.Close();
    sound.ReleasePrimaryBuffer();
    sound.ReleaseDevice();
    CurrentDevice = nullptr;
}

}  // namespace
