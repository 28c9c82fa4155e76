// The glass ball: its camera's numbers, the scroll it shares with every other ball, its
// generated textures, and what it shows on a real device.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

#include "EffectLayerRecords.h"
#include "EffectLayerScene.h"
#include "base/CurrentDevice.h"
#include "brushes/GlassBallOptics.h"
#include "brushes/GlassBallTextures.h"
#include "brushes/QV_GlassBallLight.h"
#include "document/BuiltinResources.h"

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

const LinkValue kHalves{"C:\\halves.png", 1}, kBackdrop{"C:\\backdrop.png", 2};

// The backdrop picture at (u, v) as a linear filter reads it: dimmer to the right and down,
// never near the bars' black.
uint32_t BackdropAt(double u, double v) {
    auto channel = [](double t) { return uint32_t(std::lround(255.0 - 240.0 * std::clamp(t, 0.0, 1.0))); };
    return 0xFF000000u | channel(u) << 16 | channel(v) << 8 | 128u;
}

class GlassBallScene : public vgtest::EffectLayerScene {
protected:
    // A still ball without overlays or stand over a picture red on its left half and green on
    // its right, before a plain blue gradient.
    static GlassBallRecord PlainBall(const LinkValue& picture = kHalves) {
        GlassBallRecord ball{.showOverlay1 = 0, .showOverlay2 = 0, .scrollMode = QV_GlassBallLight::kStill,
                             .gradientTop = Rgb(0, 0, 255), .gradientBottom = Rgb(0, 0, 255)};
        ball.layer.picture = picture;
        return ball;
    }
    void OpenBall(const LinkValue& picture, unsigned distortion = 0, bool decorated = false) {
        const int32_t shown = decorated ? 1 : 0;
        GlassBallRecord ball = PlainBall(picture);
        ball.distortion = distortion;
        ball.showOverlay1 = ball.showOverlay2 = ball.showStand = shown;
        OpenRecord(ball);
    }
    // The ball with the halves picture stored and, when a size is given, a backdrop picture
    // of that size.
    void OpenRecord(const GlassBallRecord& ball, UINT backdropWidth = 0, UINT backdropHeight = 0, int fitMode = 1) {
        // Red, then a white band over the middle fifth, then green.
        const auto halves = vgtest::MakePatternPicture(device.Device(), 80, 60, D3DXIFF_PNG, [](UINT x, UINT) {
            return x < 32 ? kRed : x < 48 ? kWhite : kGreen;
        });
        std::vector<StoreEntry> pictures{vgtest::StoredPicture(kHalves.path, kHalves.stamp, halves)};
        if (backdropWidth) {
            const auto backdrop = vgtest::MakePatternPicture(
                device.Device(), backdropWidth, backdropHeight, D3DXIFF_PNG,
                [=](UINT x, UINT y) { return BackdropAt((x + 0.5) / backdropWidth, (y + 0.5) / backdropHeight); });
            pictures.push_back(vgtest::StoredPicture(kBackdrop.path, kBackdrop.stamp, backdrop));
        }
        Open(vgtest::OneSlideDocument(MakeGlassBall(ball), pictures), fitMode);
    }
    // The first frame, at which the shared scroll stands a whole number of cycles (2 units)
    // past `position` (at speed 1), wherever it stood before.
    void DrawFrameAtScroll(float position) {
        ScrollClock& clock = SharedScrollClock();
        clock.Advance(1.0f, 0.0f);
        const float target = position + 2.0f * std::ceil((clock.Position() - position) / 2.0f);
        DrawFrame(1.0f + (target - clock.Position()) * 16.0f);
    }
    uint32_t Pixel(int x, int y) const { return device.PixelAt(UINT(x), UINT(y)); }
};

// The square spans about 247 pixels of the 240-pixel-high screen; its disc has a radius of
// about 122 pixels about the centre (160, 120).
TEST_F(GlassBallScene, TheDiscShowsTheRefractedSlideAndTheBackdropAroundIt) {
    OpenBall(kHalves);
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
        OpenBall(kHalves, i == 0 ? 0 : 100);
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
        OpenBall(kHalves, 0, decorated == 1);
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
    const LinkValue strip{builtin::kModuleName, builtin::kGlyphStrip.id};
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
    OpenBall(kHalves);
    DrawFrame(0.0f);
    scene.Show()->SlideAt(0)->InvalidateDeviceObjects();
    DrawFrame(0.5f);
    EXPECT_LE(vgtest::ChannelDistance(Pixel(40, 120), kRed), 40);
    EXPECT_LE(vgtest::ChannelDistance(Pixel(280, 120), kGreen), 40);
    EXPECT_EQ(PixelsNear(kBlue), 0);
}

// Over its backdrop picture the ball stands in the picture's fitted rectangle: letterboxed
// with black bars (each reaching a pixel into the picture, so the other pair is a pixel wide),
// or enlarged to fill or stretched over the screen. Around the disc the mask pass maps the
// backdrop so that it lines up with the backdrop quad; beside the square the quad itself shows.
TEST_F(GlassBallScene, ABackdropPictureIsFittedAndFramedByBlackBars) {
    // A bar is black; the backdrop is its picture where the quad puts it; at the picture's
    // edge, where the mask pass's wrapping sampler may blend in the opposite edge, it is only
    // not black.
    enum Kind { kBar, kPicture, kEdge };
    struct Probe {
        int x, y;
        Kind kind;
    };
    struct Case {
        const char* name;
        UINT width, height;
        int fitMode;
        float left, top, right, bottom;  // the backdrop quad on the screen
        std::vector<Probe> probes;
    } cases[] = {
        {"square, fit", 240, 240, 1, 40, 0, 280, 240,
         {{20, 120, kBar}, {300, 120, kBar}, {40, 10, kBar}, {41, 10, kEdge}, {279, 10, kEdge}, {280, 10, kBar},
          {100, 0, kBar}, {239, 0, kBar}, {240, 0, kEdge}, {100, 1, kEdge}, {100, 4, kPicture}, {50, 230, kPicture},
          {270, 230, kPicture}, {60, 30, kPicture}, {260, 20, kPicture}}},
        {"square, fill", 240, 240, 2, 0, -40, 320, 280,
         {{4, 4, kPicture}, {316, 4, kPicture}, {4, 236, kPicture}, {316, 236, kPicture}, {30, 10, kPicture},
          {290, 230, kPicture}}},
        {"square, stretch", 240, 240, 0, 0, 0, 320, 240,
         {{4, 4, kPicture}, {316, 4, kPicture}, {4, 236, kPicture}, {316, 236, kPicture}, {30, 10, kPicture},
          {290, 230, kPicture}}},
        {"wide, fit", 320, 160, 1, 0, 40, 320, 200,
         {{160, 20, kBar}, {40, 40, kBar}, {40, 41, kPicture}, {280, 199, kPicture}, {280, 200, kBar},
          {300, 239, kBar}, {0, 100, kBar}, {0, 170, kPicture}, {1, 100, kPicture}, {40, 120, kPicture},
          {280, 120, kPicture}, {85, 45, kPicture}, {235, 195, kPicture}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GlassBallRecord ball = PlainBall();
        ball.backdrop = kBackdrop;
        ball.showBackdropPicture = 1;
        OpenRecord(ball, c.width, c.height, c.fitMode);
        DrawFrame(0.0f);
        const std::vector<uint32_t> frame = device.ReadBack();
        for (const Probe& p : c.probes) {
            const uint32_t got = frame[size_t(p.y) * 320 + size_t(p.x)] | 0xFF000000u;
            const int fromBlack = vgtest::ChannelDistance(got, 0xFF000000u);
            if (p.kind == kBar) {
                EXPECT_EQ(fromBlack, 0) << p.x << "," << p.y << " " << std::hex << got;
            } else if (p.kind == kEdge) {
                EXPECT_GT(fromBlack, 100) << p.x << "," << p.y << " " << std::hex << got;
            } else {
                const uint32_t want = BackdropAt((p.x + 0.5 - c.left) / (c.right - c.left),
                                                 (p.y + 0.5 - c.top) / (c.bottom - c.top));
                EXPECT_LE(vgtest::ChannelDistance(got, want), 3) << p.x << "," << p.y << " " << std::hex << got << " " << want;
            }
        }
        scene.Close();
    }
}

// Scrolling left or right, the slide is copied shifted right by the fraction f of its width
// (f = frac(∓position / 2)) and the ball shows the copy; the pan moves what the ball shows by
// 0.125 of the slide either way (1.375 wraps to 0.375).
TEST_F(GlassBallScene, TheBallShowsTheSlideScrolledOrPanned) {
    struct Case {
        const char* name;
        int mode;
        float position;
        float shift;      // of the slide's copy, in fractions of its width
        uint32_t centre;  // what the middle of the ball shows
    } cases[] = {
        {"still", QV_GlassBallLight::kStill, 0.5f, 0.0f, kWhite},
        {"left", QV_GlassBallLight::kScrollLeft, 0.5f, 0.75f, kGreen},
        {"right", QV_GlassBallLight::kScrollRight, 0.5f, 0.25f, kRed},
        {"pan at 1", QV_GlassBallLight::kPan, 0.0f, 0.0f, kGreen},
        {"pan at 0", QV_GlassBallLight::kPan, 0.5f, 0.0f, kWhite},
        {"pan at -1", QV_GlassBallLight::kPan, 1.0f, 0.0f, kRed},
    };
    // The slide across the screen: red, white from 128, green from 192.
    auto slide = [](int x) { return x < 128 ? kRed : x < 192 ? kWhite : kGreen; };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GlassBallRecord ball = PlainBall();
        ball.scrollMode = c.mode;
        OpenRecord(ball);
        DrawFrameAtScroll(c.position);
        auto* layer = Layer<QV_GlassBallLight>();
        ASSERT_NE(layer, nullptr);
        const std::vector<uint32_t> copy = device.ReadBack(layer->Targets().Current().Get());
        ASSERT_EQ(copy.size(), 320u * 240u);
        const int shift = int(std::lround(c.shift * 320.0f));
        for (int x = 0; x < 320; ++x) {
            const int from = (x - shift + 320) % 320;
            // The picture's steps are 4 pixels wide on the slide, so its bands blur over 5.
            if (std::min({std::abs(from - 128), std::abs(from - 192)}) < 5 || std::abs(x - shift) < 3) continue;
            EXPECT_LE(vgtest::ChannelDistance(copy[120 * 320 + size_t(x)] | 0xFF000000u, slide(from)), 8) << x;
        }
        for (int x : {155, 160, 165})
            EXPECT_LE(vgtest::ChannelDistance(Pixel(x, 120), c.centre), 40) << x << " " << std::hex << Pixel(x, 120);
        scene.Close();
    }
}

// The ball camera's mappings: stage 1's texture matrix for the refraction pass, and the
// overlay mapping moved onto the backdrop for the mask pass (what the device is left with).
TEST_F(GlassBallScene, TheBallCameraMapsTheSlideAndTheBackdropByValue) {
    struct Mapping {
        float m11, m22, m41, m42;
    };
    struct Case {
        const char* name;
        int mode;
        float position;
        int32_t ballX, ballY;
        unsigned distortion;
        int32_t showPicture;
        int fitMode;
        float shiftX, shiftY;  // the world translation
        Mapping refraction, backdrop;
    } cases[] = {
        // Behind the gradient the square backdrop fills the screen: scale 4/3, offset -40.
        {"still, gradient", QV_GlassBallLight::kStill, 0.0f, 0, 0, 0, 0, 1, -0.196533f, 0.393066f,
         {0.00102821f, -0.00137094f, 0.500691f, 0.502457f}, {0.00150504f, -0.00200672f, 0.500391f, 0.500781f}},
        // Pan at -1 with distortion 100 (k 1, amplitude 0.1875) and the ball moved: 1.218625 wraps.
        {"pan, moved, distorted", QV_GlassBallLight::kPan, 1.0f, 40, -30, 100, 0, 1, 40.053467f, 30.580566f,
         {0.000685732f, -0.000914309f, 1.218625f, 0.627419f}, {0.00150504f, -0.00200672f, 0.500391f, 0.500781f}},
        // The picture fitted between bars: the shift widens by the aspect and the visible fractions.
        {"picture, fit, moved", QV_GlassBallLight::kStill, 0.0f, 40, -30, 0, 1, 1, 40.082816f, 30.0f,
         {0.000961037f, -0.00128138f, 1.359084f, 0.6875f}, {0.00200783f, -0.00200783f, 0.5f, 0.5f}},
        {"picture, fill, moved", QV_GlassBallLight::kStill, 0.0f, 40, -30, 0, 1, 2, 39.928690f, 30.390625f,
         {0.00102821f, -0.00137094f, 1.359626f, 0.689941f}, {0.00200672f, -0.00200672f, 0.500391f, 0.500781f}},
    };
    auto expectMapping = [](const D3DXMATRIX& m, const Mapping& want) {
        EXPECT_NEAR(m._11, want.m11, 2e-8f);
        EXPECT_NEAR(m._22, want.m22, 2e-8f);
        EXPECT_NEAR(m._41, want.m41, 2e-5f);
        EXPECT_NEAR(m._42, want.m42, 2e-5f);
        for (float unused : {m._12, m._21, m._31, m._32}) EXPECT_EQ(unused, 0.0f);
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GlassBallRecord ball = PlainBall();
        ball.backdrop = kBackdrop;
        ball.scrollMode = c.mode;
        ball.ballX = c.ballX;
        ball.ballY = c.ballY;
        ball.distortion = c.distortion;
        ball.showBackdropPicture = c.showPicture;
        OpenRecord(ball, 240, 240, c.fitMode);
        DrawFrameAtScroll(c.position);
        auto* layer = Layer<QV_GlassBallLight>();
        ASSERT_NE(layer, nullptr);
        const QV_GlassBallLight::BallCamera refraction = layer->CameraFor(true);
        EXPECT_NEAR(refraction.world._41, c.shiftX, 1e-3f);
        EXPECT_NEAR(refraction.world._42, c.shiftY, 1e-3f);
        expectMapping(refraction.texture, c.refraction);
        const D3DXMATRIX backdrop = layer->BackdropMapping(layer->CameraFor(false).texture);
        expectMapping(backdrop, c.backdrop);
        D3DXMATRIX set;
        ASSERT_EQ(device.Device()->GetTransform(D3DTS_TEXTURE1, &set), D3D_OK);
        expectMapping(set, c.backdrop);
        scene.Close();
    }
}

}  // namespace
