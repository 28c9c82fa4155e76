// The glass ball: its camera's numbers, the scroll it shares with every other ball, its
// generated textures, and what it shows on a real device.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <utility>

#include "EffectLayerRecords.h"
#include "EffectLayerScene.h"
#include "brushes/GlassBallOptics.h"
#include "brushes/GlassBallTextures.h"
#include "brushes/QV_GlassBallLight.h"
#include "document/CurrentDevice.h"

namespace {

using namespace scenewriter;

TEST(GlassBallOptics, TheBallCameraAtItsDefaultsAndAtFullDistortion) {
    struct Case {
        unsigned size, distortion;
        float scaleX;  // the backdrop's scale under the camera
        float eyeDistance, refractionZoom, panAmplitude, shift;
    } cases[] = {
        {100, 0, 1.0f, -600.0f, 1.5645f, 0.125f, 1.5f},
        {100, 100, 1.0f, -600.0f, 1.5645f * 1.5f, 0.1875f, 1.0f},
        {50, 0, 1.0f, -960.0f, 0.984375f, 0.125f, 1.5f},
        {100, 0, 2.0f, -300.0f, 2.72475f, 0.125f, 1.5f},  // a zoomed backdrop: a nearer, stronger ball
        {100, 101, 1.0f, -600.0f, 1.5645f * 1.505f, 0.188125f, 1.0f},  // the shift halves the distortion as an integer
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.size << " " << c.distortion << " " << c.scaleX);
        const BallRefraction r = ComputeBallRefraction(c.size, c.distortion, c.scaleX, 1.0f);
        EXPECT_NEAR(r.eyeDistance, c.eyeDistance, 1e-3f);
        EXPECT_NEAR(r.refractionZoom, c.refractionZoom, 1e-4f);
        EXPECT_NEAR(r.panAmplitude, c.panAmplitude, 1e-6f);
        EXPECT_FLOAT_EQ(RefractionShiftFactor(c.distortion), c.shift);
    }
}

TEST(GlassBallOptics, OnePanCycleTakesThirtyTwoSecondsAtTheDefaultSpeed) {
    ScrollClock clock;
    clock.Advance(3.0f, 1.0f);  // the first frame only starts the clock
    EXPECT_EQ(clock.Position(), 0.0f);
    clock.Advance(19.0f, 1.0f);
    EXPECT_FLOAT_EQ(clock.Position(), 1.0f);
    clock.Advance(27.0f, 2.0f);  // twice the speed: a quarter cycle in 8 seconds
    EXPECT_FLOAT_EQ(clock.Position(), 2.0f);
    struct Case {
        float position, wave;
    } cases[] = {{0.0f, 1.0f}, {0.5f, 0.0f}, {1.0f, -1.0f}, {1.5f, 0.0f}, {2.0f, 1.0f}, {2.25f, 0.5f}};
    for (const Case& c : cases) EXPECT_FLOAT_EQ(PanWave(c.position), c.wave) << c.position;
}

// Every ball on every screen scrolls together: a still ball changes nothing, and the next
// scrolling frame catches up with the whole time since the last one.
TEST(GlassBallOptics, AStillBallLeavesTheSharedScrollAlone) {
    QV_GlassBallLight panning, still;
    still.scrollMode.SetSilently(QV_GlassBallLight::kStill);
    ScrollClock& clock = SharedScrollClock();
    panning.FrameMove(100.0f);
    const float start = clock.Position();
    still.FrameMove(110.0f);
    EXPECT_EQ(clock.Position(), start);
    EXPECT_EQ(still.PingPong(), 0.0f);
    panning.FrameMove(116.0f);
    EXPECT_FLOAT_EQ(clock.Position(), start + 1.0f);
    EXPECT_FLOAT_EQ(panning.PingPong(), PanWave(start + 1.0f));
}

TEST(GlassBallTextures, TheBumpMapSlopesOutwardsAndTheMaskIsRound) {
    // Heights fall away from the centre: the slope to the right is positive right of it, the
    // slope downwards positive below it.
    EXPECT_GT(BallBumpTexel(200, 128).u, 0);
    EXPECT_LT(BallBumpTexel(56, 128).u, 0);
    EXPECT_GT(BallBumpTexel(128, 200).v, 0);
    EXPECT_LT(BallBumpTexel(128, 56).v, 0);
    for (auto [x, y] : {std::pair{0, 0}, {255, 128}, {255, 0}}) {  // outside the hemisphere; the last column
        EXPECT_EQ(BallBumpTexel(x, y).u, 0) << x << "," << y;
        EXPECT_EQ(BallBumpTexel(x, y).v, 0) << x << "," << y;
    }
    for (int x = 0; x < 256; ++x)  // a right angle is 25600
        EXPECT_LE(std::abs(BallBumpTexel(x, 128).u), 25600) << x;

    struct Mask {
        int column, row;
        uint8_t alpha;
    } masks[] = {{512, 512, 0}, {512, 4, 0}, {512, 3, 0xFF}, {0, 0, 0xFF}, {1020, 512, 0}, {1021, 512, 0xFF}};
    for (const Mask& m : masks) EXPECT_EQ(BallMaskAlpha(m.column, m.row), m.alpha) << m.column << "," << m.row;
}

TEST(GlassBallTextures, TheGradientIsOneLevelFromTopToBottom) {
    const uint32_t top = Rgb(0, 0, 0), bottom = Rgb(255, 128, 0);
    EXPECT_EQ(GradientRow(top, bottom, 0), 0x00000000u);
    EXPECT_EQ(GradientRow(top, bottom, 128), 0x00804000u);
    EXPECT_EQ(GradientRow(top, bottom, 255), 0x00FF8000u);
    EXPECT_EQ(GradientRow(bottom, top, 255), 0x00000000u);

    // One level: a minified backdrop (the preview window) samples nothing unwritten.
    vgtest::TestDevice device(64, 64);
    VG_REQUIRE_DEVICE(device);
    CurrentDevice = device.Device();
    ComHolder<IDirect3DTexture9> gradient;
    ASSERT_EQ(CreateGradientTexture(top, bottom, gradient), S_OK);
    EXPECT_EQ(gradient->GetLevelCount(), 1u);
    D3DLOCKED_RECT locked;
    ASSERT_EQ(gradient->LockRect(0, &locked, nullptr, D3DLOCK_READONLY), D3D_OK);
    auto texel = [&](int x, int y) {
        return static_cast<const D3DCOLOR*>(static_cast<const void*>(static_cast<const BYTE*>(locked.pBits) +
                                                                     size_t(y) * locked.Pitch))[x];
    };
    EXPECT_EQ(texel(200, 255), 0x00FF8000u);
    EXPECT_EQ(texel(3, 0), 0x00000000u);
    gradient->UnlockRect(0);
    CurrentDevice = nullptr;
}

constexpr uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;

class GlassBallScene : public vgtest::EffectLayerScene {
protected:
    // A still ball without overlays or stand over a picture red on its left half and green on
    // its right, before a plain blue gradient.
    void OpenBall(const LinkValue& picture, unsigned distortion = 0, bool decorated = false) {
        const int32_t shown = decorated ? 1 : 0;
        GlassBallRecord ball{.distortion = distortion, .showOverlay1 = shown, .showOverlay2 = shown,
                             .showStand = shown, .scrollMode = QV_GlassBallLight::kStill,
                             .gradientTop = Rgb(0, 0, 255), .gradientBottom = Rgb(0, 0, 255)};
        ball.layer.picture = picture;
        // Red, then a white band over the middle fifth, then green.
        const auto halves = vgtest::MakePatternPicture(device.Device(), 80, 60, D3DXIFF_PNG, [](UINT x, UINT) {
            return x < 32 ? kRed : x < 48 ? kWhite : kGreen;
        });
        Open(vgtest::OneSlideDocument(MakeGlassBall(ball), {vgtest::StoredPicture("C:\\halves.png", 1, halves)}));
    }
    uint32_t Pixel(int x, int y) const { return device.PixelAt(UINT(x), UINT(y)); }
};

// The square spans about 247 pixels of the 240-pixel-high screen; its disc has a radius of
// about 122 pixels about the centre (160, 120).
TEST_F(GlassBallScene, TheDiscShowsTheRefractedSlideAndTheBackdropAroundIt) {
    OpenBall({"C:\\halves.png", 1});
    DrawFrame(0.0f);
    DrawFrame(0.5f);
    struct Probe {
        int x, y;
        uint32_t colour;
    } probes[] = {
        {110, 120, kRed},   {210, 120, kGreen},  // either side of the middle band
        {55, 120, kRed},    {265, 120, kGreen},  // near the rim
        {260, 20, kBlue},   {60, 220, kBlue},    // in the square, outside the disc: the mask
        {4, 4, kBlue},      {316, 236, kBlue},   // beside the square
    };
    for (const Probe& p : probes)
        EXPECT_LE(vgtest::ChannelDistance(Pixel(p.x, p.y), p.colour), 40) << p.x << "," << p.y << " "
                                                                           << std::hex << Pixel(p.x, p.y);
}

// The ball shows the middle of the slide enlarged, the more so the greater the distortion.
TEST_F(GlassBallScene, DistortionEnlargesWhatTheBallShows) {
    int widths[2] = {};
    for (int i = 0; i < 2; ++i) {
        OpenBall({"C:\\halves.png", 1}, i == 0 ? 0 : 100);
        DrawFrame(0.0f);
        for (int x = 40; x < 280; ++x) widths[i] += vgtest::ChannelDistance(Pixel(x, 120), kWhite) <= 40;
        scene.Close();
    }
    EXPECT_GT(widths[0], 0);
    EXPECT_GT(widths[1], widths[0] * 5 / 4);  // zoom 1.5 times, k 1.0 and pan 0.1875 at 100
}

// The module's highlight and rim lie over the ball, its stand below it.
TEST_F(GlassBallScene, TheOverlaysAndTheStandLieOnTheBall) {
    std::vector<uint32_t> frames[2];
    for (int decorated = 0; decorated < 2; ++decorated) {
        OpenBall({"C:\\halves.png", 1}, 0, decorated == 1);
        DrawFrame(0.0f);
        frames[decorated] = device.ReadBack();
        scene.Close();
    }
    auto at = [](const std::vector<uint32_t>& frame, int x, int y) { return frame[size_t(y) * 320 + size_t(x)]; };
    auto channel = [](uint32_t colour, int shift) { return int((colour >> shift) & 0xFF); };
    // The highlight at a third of the square from its top left: over the red part, whiter.
    int whiter = 0;
    for (int y = 52; y < 64; ++y)
        for (int x = 108; x < 122; ++x) whiter += channel(at(frames[1], x, y), 8) > channel(at(frames[0], x, y), 8) + 40;
    EXPECT_GT(whiter, 40);
    // Just outside the disc low down, the stand's bronze collar over the blue backdrop (its base
    // lies below this screen).
    for (auto [x, y] : {std::pair{100, 231}, {220, 231}}) {
        const uint32_t plain = at(frames[0], x, y), stand = at(frames[1], x, y);
        EXPECT_LE(vgtest::ChannelDistance(plain, kBlue), 40) << x << "," << y;
        EXPECT_TRUE(channel(stand, 16) > channel(stand, 8) && channel(stand, 8) > channel(stand, 0))
            << x << "," << y << " " << std::hex << stand;
    }
}

// With no picture the slide is the white clear; nothing divides by the missing size.
TEST_F(GlassBallScene, WithoutAPictureTheBallShowsTheClearedSlide) {
    OpenBall({"C:\\nowhere.png", 9});
    DrawFrame(0.0f);
    auto* ball = Layer<QV_GlassBallLight>();
    ASSERT_NE(ball, nullptr);
    EXPECT_TRUE(std::isfinite(ball->Refraction().eyeDistance));
    EXPECT_TRUE(std::isfinite(ball->Refraction().refractionZoom));
    EXPECT_LE(vgtest::ChannelDistance(Pixel(160, 120), kWhite), 40);
    EXPECT_LE(vgtest::ChannelDistance(Pixel(4, 4), kBlue), 40);
}

// Behind its gradient the ball takes only the backdrop picture's size, from the module
// picture's header: it draws as it does with the picture decoded, and holds no texture of it.
// A 32 x 448 strip filled across the screen leaves a narrow band of the red-to-blue gradient.
TEST_F(GlassBallScene, AHiddenBackdropPictureIsPlacedByItsDeclaredSizeWithoutADecode) {
    const LinkValue strip{"common_res.dll", 40};
    GlassBallRecord ball{.backdrop = strip, .scrollMode = QV_GlassBallLight::kStill,
                         .gradientTop = Rgb(255, 0, 0), .gradientBottom = Rgb(0, 0, 255)};
    ball.layer.picture = {"C:\\nowhere.png", 9};
    const std::vector<uint8_t> document = vgtest::OneSlideDocument(MakeGlassBall(ball), {});
    std::vector<uint32_t> frames[2];
    size_t held[2] = {};
    for (int decodedFirst = 0; decodedFirst < 2; ++decodedFirst) {
        ASSERT_EQ(scene.OpenBytes(document), S_OK);
        if (decodedFirst) ASSERT_TRUE(scene.Manager()->GetTextures({L"common_res.dll", strip.stamp}).CurrentFrame());
        scene.PrepareSlides();
        scene.SetFitMode(1);
        DrawFrame(0.0f);
        frames[decodedFirst] = device.ReadBack();
        held[decodedFirst] = scene.Manager()->HeldDeviceObjects().size();
        scene.Close();
    }
    EXPECT_EQ(frames[0], frames[1]);
    EXPECT_EQ(held[0] + 1, held[1]);
    auto at = [&](int x, int y) { return frames[0][size_t(y) * 320 + size_t(x)]; };
    EXPECT_LE(vgtest::ChannelDistance(at(4, 4), at(4, 236)), 24) << std::hex << at(4, 4) << " " << at(4, 236);
}

// The render targets gone (out of video memory): the slide is drawn flat, as a plain layer
// draws it, never a black or stale screen.
TEST_F(GlassBallScene, WithoutRenderTargetsTheSlideShowsFlat) {
    OpenBall({"C:\\halves.png", 1});
    DrawFrame(0.0f);
    scene.Show()->SlideAt(0)->InvalidateDeviceObjects();
    DrawFrame(0.5f);
    EXPECT_LE(vgtest::ChannelDistance(Pixel(40, 120), kRed), 40);
    EXPECT_LE(vgtest::ChannelDistance(Pixel(280, 120), kGreen), 40);
    EXPECT_EQ(PixelsNear(kBlue), 0);
}

}  // namespace
