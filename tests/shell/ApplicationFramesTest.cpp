// The application's frames over a real device with the saver's own scene (resource 107 of
// this binary): the splash, the scene, and the framework's device reset done the way its
// frame loop does it, again and again.
#include <gtest/gtest.h>

#include "FakeShellPlatform.h"
#include "MemoryKeyStore.h"
#include "TestDevice.h"
#include "audio/SoundDevice.h"
#include "base/CurrentDevice.h"
#include "document/QV_DocResManager.h"
#include "settings/SettingsAccess.h"
#include "shell/CGlowScreensaver.h"

namespace {

constexpr UINT kWidth = 320, kHeight = 240;

bool IsBlack(uint32_t pixel) { return vgtest::ChannelDistance(pixel | 0xFF000000u, 0xFF000000u) < 16; }
bool IsWhite(uint32_t pixel) { return vgtest::ChannelDistance(pixel | 0xFF000000u, 0xFFFFFFFFu) < 16; }

// The device's own references: one more and one less, reading the count in between.
ULONG References(IDirect3DDevice9* device) {
    device->AddRef();
    return device->Release();
}

class ApplicationFramesTest : public ::testing::Test {
protected:
    void SetUp() override {
        UseKeyStore(&store_);
        VG_REQUIRE_DEVICE(device_);
        app_.mode = FullScreen;
        app_.mainWindow = device_.Window();
        app_.currentDevice = device_.Device();
        app_.OnUnitSelected(0);
        // What the framework does on its way in, once the unit's device is made.
        ASSERT_EQ(app_.RestoreUnitObjects(), S_OK);
    }
    void TearDown() override {
        app_.InvalidateUnitObjects();
        app_.DestroyContexts();
        CurrentDevice = nullptr;
        CurrentDocResManager = nullptr;
        UseKeyStore(nullptr);
    }
    // One frame of the framework: the application time, then the unit's drawing.
    void Frame(float time) {
        app_.appTime = time;
        ASSERT_EQ(app_.RenderCurrentUnit(), S_OK);
    }
    // The framework's reset of a unit whose device reports that it needs one.
    HRESULT Reset() {
        app_.InvalidateUnitObjects();
        const HRESULT hr = device_.Reset();
        if (FAILED(hr)) return hr;
        return app_.RestoreUnitObjects();
    }
    // The middle of the scene and a point on its left edge both show the picture.
    void ExpectScene(const char* when) {
        for (const POINT p : {POINT{kWidth / 2, kHeight / 2}, POINT{4, kHeight / 2}, POINT{kWidth / 2, 4}}) {
            const uint32_t pixel = device_.PixelAt(p.x, p.y);
            EXPECT_FALSE(IsBlack(pixel) || IsWhite(pixel))
                << when << " at " << p.x << "," << p.y << ": " << std::hex << pixel;
        }
    }

    vgtest::MemoryKeyStore store_;
    vgtest::TestDevice device_{kWidth, kHeight};
    vgtest::FakeShellPlatform platform_;
    CGlowScreensaver app_{platform_};
};

TEST_F(ApplicationFramesTest, SplashOnTheFirstFrameAndTheSceneFromTheThird) {
    Frame(0);
    ASSERT_TRUE(app_.CurrentContext()->SplashDrawn());
    // A square of two thirds of the height in the middle, black on either side of it.
    const UINT side = kHeight * 2 / 3, left = (kWidth - side) / 2, top = (kHeight - side) / 2;
    EXPECT_FALSE(IsBlack(device_.PixelAt(kWidth / 2, kHeight / 2)));
    // The glow reaches halfway to the square's sides.
    EXPECT_FALSE(IsBlack(device_.PixelAt(left + side / 4, kHeight / 2)));
    EXPECT_FALSE(IsBlack(device_.PixelAt(left + 3 * side / 4, kHeight / 2)));
    for (const POINT p : {POINT{left - 3, kHeight / 2}, POINT{left + side + 2, kHeight / 2},
                          POINT{kWidth / 2, top - 3}, POINT{kWidth / 2, top + side + 2}, POINT{2, 2}})
        EXPECT_TRUE(IsBlack(device_.PixelAt(p.x, p.y))) << p.x << "," << p.y;

    // The second frame opens this unit's scene, publishes its manager and starts the music.
    Frame(0.1f);
    ASSERT_TRUE(app_.CurrentContext()->Started());
    ASSERT_NE(app_.CurrentContext()->Scene(), nullptr);
    EXPECT_EQ(CurrentDocResManager, app_.CurrentContext()->Manager());
    EXPECT_EQ(app_.CurrentContext()->PlaylistPosition(), 1u);
    EXPECT_FALSE(app_.errorMode);

    Frame(5);
    ExpectScene("third frame");

    // The first slide gives way to the second within its sixteen seconds and a fade.
    const QV_SlideShow_Light& show = *app_.CurrentContext()->Scene();
    ASSERT_EQ(show.CurrentSlide().Get(), show.SlideAt(0).Get());
    float time = 5;
    while (show.CurrentSlide().Get() == show.SlideAt(0).Get() && time < 30) Frame(time += 0.25f);
    EXPECT_EQ(show.CurrentSlide().Get(), show.SlideAt(1).Get());
    Frame(time + 6);
    ExpectScene("second slide");
}

// The first frame needs no sound: the sound device and the music graph are made once the
// splash has been shown, when the unit's scene starts.
TEST_F(ApplicationFramesTest, TheSoundAndTheMusicComeUpWhenTheSceneStartsAfterTheSplash) {
    app_.InvalidateUnitObjects();
    SoundDevice& sound = SoundDevice::Shared();
    sound.ReleasePrimaryBuffer();
    sound.ReleaseDevice();
    // As the framework leaves a unit whose device it has just made.
    ASSERT_EQ(app_.RestoreUnitObjects(), S_OK);
    EXPECT_EQ(sound.PrimaryBuffer(), nullptr);
    EXPECT_FALSE(app_.Music().HasGraph());

    Frame(0);
    ASSERT_TRUE(app_.CurrentContext()->SplashDrawn());
    EXPECT_EQ(sound.PrimaryBuffer(), nullptr) << "the splash's frame";
    EXPECT_FALSE(app_.Music().HasGraph()) << "the splash's frame";

    Frame(0.1f);
    ASSERT_TRUE(app_.CurrentContext()->Started());
    EXPECT_NE(sound.PrimaryBuffer(), nullptr);
    EXPECT_TRUE(app_.Music().HasGraph());
    EXPECT_EQ(app_.CurrentContext()->PlaylistPosition(), 1u);
}

TEST_F(ApplicationFramesTest, EveryResetBringsTheShowAndTheMusicBackWithoutLeakingReferences) {
    Frame(0);
    Frame(0.1f);
    Frame(4);
    ExpectScene("before the resets");
    const ULONG references = References(device_.Device());
    float time = 4;
    for (int reset = 0; reset < 20; ++reset) {
        // A render target of the show still alive would make the reset fail.
        ASSERT_EQ(Reset(), D3D_OK) << "reset " << reset;
        EXPECT_TRUE(app_.Music().HasGraph()) << "reset " << reset;
        EXPECT_FALSE(app_.CurrentContext()->Started());
        // The frame after the reset restores the show, the one after it draws it again.
        Frame(time += 0.1f);
        EXPECT_TRUE(app_.CurrentContext()->Started()) << "reset " << reset;
        Frame(time += 0.1f);
        ExpectScene("after a reset");
        EXPECT_FALSE(app_.errorMode);
    }
    // Each restart moved the playlist on: two tracks, so it stands where it started.
    EXPECT_EQ(app_.CurrentContext()->PlaylistPosition(), 1u);
    EXPECT_EQ(References(device_.Device()), references);
}

}  // namespace
