// Sprite systems drawn by the render surface on a real device, read back pixel by pixel: the
// place of the quads, both blend modes, the second picture, flips and sheet frames, the time
// line's opacity, a missing picture, the hit test, and a device reset.
#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <vector>

#include "PictureBytes.h"
#include "SpriteTesting.h"
#include "base/CountedHolder.h"
#include "base/CurrentDevice.h"
#include "objects/QV_SpriteArrayObj.h"
#include "objects/QV_StatObjConstructor.h"
#include "document/PictureLayout.h"
#include "player/PictureMapping.h"
#include "player/PictureView.h"
#include "player/QV_2D_Light.h"

namespace {

constexpr D3DCOLOR kGrey = 0xFF808080, kDark = 0xFF404040, kRed = 0xFFFF0000, kGreen = 0xFF00FF00,
                   kBlue = 0xFF0000FF;
// Twelve in each channel: drawn additively, the quads over a pixel add up in its value.
constexpr D3DCOLOR kFaint = 0xFF0C0C0C;
constexpr UINT kWidth = 128, kHeight = 96;

class DrawSpriteArray : public ::testing::Test {
protected:
    void SetUp() override {
        VG_REQUIRE_DEVICE(scene_.Device());
        IDirect3DDevice9* device = scene_.Device().Device();
        auto solid = [&](D3DCOLOR colour) { return vgtest::MakePicture(device, 16, 16, D3DXIFF_PNG, colour); };
        scene_.LoadPictures({
            {"C:\\grey.png", vgtest::MakePicture(device, kWidth, kHeight, D3DXIFF_PNG, kGrey)},
            {"C:\\wide.png", vgtest::MakePicture(device, 2 * kWidth, kHeight, D3DXIFF_PNG, kGrey)},
            {"C:\\dark.png", solid(kDark)},
            {"C:\\black.png", vgtest::MakePicture(device, kWidth, kHeight, D3DXIFF_PNG, 0xFF000000)},
            {"C:\\faint.png", solid(kFaint)},
            {"C:\\red.png", solid(kRed)},
            {"C:\\blue.png", solid(kBlue)},
            // Left half red, right half green; top half of each brighter in blue.
            {"C:\\halves.png", vgtest::MakePatternPicture(device, 32, 32, D3DXIFF_PNG,
                                                          [](UINT x, UINT y) {
                                                              return (x < 16 ? kRed : kGreen) | (y < 16 ? 0xFFu : 0u);
                                                          })},
            // Four frames side by side: red, green, blue, white.
            {"C:\\sheet.png", vgtest::MakePatternPicture(device, 64, 16, D3DXIFF_PNG,
                                                         [](UINT x, UINT) {
                                                             const D3DCOLOR frames[] = {kRed, kGreen, kBlue, 0xFFFFFFFF};
                                                             return frames[x / 16];
                                                         })},
        });
        MakeCurrentLayer(L"C:\\grey.png", PictureView::kFit);
    }
    void TearDown() override { layer_.reset(); }

    // A layer made current as a slide makes it: device objects, size, fit, states.
    void MakeCurrentLayer(const wchar_t* picture, int fitMode) {
        layer_ = std::make_unique<QV_2D_Light>();
        layer_->pictureLink.SetSilently({picture, 1});
        layer_->CreateDeviceObjects();
        layer_->Resize(1, 1);
        layer_->SetFitMode(fitMode);
        layer_->Resize(int(kWidth), int(kHeight));
        layer_->StartCamera();
        layer_->RestoreDeviceObjects();
    }

    // One frame: the picture, then the sprites after an update to time t.
    void Draw(QV_SpriteArrayObj& sprites, float t = 0.05f) {
        IDirect3DDevice9* device = scene_.Device().Device();
        sprites.Update(t);
        device->BeginScene();
        layer_->FrameMove(t);
        layer_->DrawBackground(false);
        layer_->DrawSpriteArray(sprites.Batch());
        device->EndScene();
    }
    // One frame as a slide draws it: the picture, then the systems through the object walk.
    void DrawWalk(std::vector<CountedHolder<QV_ABObj>>& objects, float t = 0.05f) {
        IDirect3DDevice9* device = scene_.Device().Device();
        for (CountedHolder<QV_ABObj>& object : objects) object->Update(t);
        device->BeginScene();
        layer_->FrameMove(t);
        layer_->DrawBackground(false);
        layer_->RenderObjects(objects, 0);
        device->EndScene();
    }
    uint32_t Pixel(UINT x, UINT y) { return scene_.Device().PixelAt(x, y); }
    static bool Near(uint32_t a, uint32_t b) { return vgtest::ChannelDistance(a, b) <= 3; }

    spritetest::DeviceWithPictures scene_{kWidth, kHeight};
    std::unique_ptr<QV_2D_Light> layer_;
};

TEST_F(DrawSpriteArray, TheSpriteCoversItsQuadAndNothingElse) {
    QV_StatObjConstructor placed = spritetest::Placed(L"C:\\red.png", 32, 40, 48);
    auto sprites = spritetest::CreateSprites(placed);
    Draw(*sprites);
    // From 24 to 56 across and 32 to 64 down.
    for (auto [x, y] : {std::pair{26u, 34u}, {40u, 48u}, {53u, 61u}}) EXPECT_TRUE(Near(Pixel(x, y), kRed)) << x << "," << y;
    for (auto [x, y] : {std::pair{21u, 48u}, {59u, 48u}, {40u, 29u}, {40u, 67u}}) EXPECT_TRUE(Near(Pixel(x, y), kGrey)) << x << "," << y;
}

TEST_F(DrawSpriteArray, AlphaBlendingAndAdditiveBlendingGiveTheirOwnPixels) {
    struct Case {
        int blendMode;
        unsigned int transparency;  // percent
        D3DCOLOR expected;
    };
    const Case cases[] = {
        {0, 0, kDark},         // the sprite alone
        {1, 0, 0xFFC0C0C0},    // grey + dark
        {0, 50, 0xFF606060},   // half of each (alpha byte 127)
        {1, 50, 0xFFA0A0A0},   // grey + half the dark
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "blend " << c.blendMode << " transparency " << c.transparency);
        QV_StatObjConstructor placed = spritetest::Placed(L"C:\\dark.png", 32, 40, 48);
        placed.blendMode.SetSilently(c.blendMode);
        placed.transparency.Assign(c.transparency, nullptr);
        auto sprites = spritetest::CreateSprites(placed);
        Draw(*sprites);
        EXPECT_LE(vgtest::ChannelDistance(Pixel(40, 48), c.expected), 3) << std::hex << Pixel(40, 48);
    }
}

// Each sprite covers the whole screen and adds 12 to every channel, so the centre's value
// counts the quads drawn: one system stops at 8 screens, a frame's systems at 16 in all.
TEST_F(DrawSpriteArray, SpritesPastTheFillBudgetAreLeftOutAndThoseWithinItAllDraw) {
    struct Case {
        std::vector<unsigned int> counts;  // one system each, drawn in this order
        unsigned int quadsDrawn;
    };
    const Case cases[] = {
        {{6}, 6},           // within: every quad, as without a budget
        {{8}, 8},           // exactly the system's budget
        {{12}, 8},          // the system's first 8
        {{6, 6, 6}, 16},    // the frame's: the last system gets what is left
        {{12, 12, 12}, 16},
    };
    MakeCurrentLayer(L"C:\\black.png", PictureView::kFit);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.counts.size() << " systems, the first of " << c.counts[0]);
        std::vector<CountedHolder<QV_ABObj>> objects;
        for (unsigned int count : c.counts) {
            QV_StatObjConstructor placed = spritetest::Placed(L"C:\\faint.png", 400, 64, 48);
            placed.count.SetSilently(count);
            placed.blendMode.SetSilently(1);
            objects.emplace_back(spritetest::CreateSprites(placed).release());
        }
        DrawWalk(objects);
        const uint32_t expected = 0xFF000000u | 0x010101u * (12 * c.quadsDrawn);
        EXPECT_LE(vgtest::ChannelDistance(Pixel(64, 48), expected), 2) << std::hex << Pixel(64, 48);
        EXPECT_LE(vgtest::ChannelDistance(Pixel(2, 2), expected), 2) << std::hex << Pixel(2, 2);
    }
}

TEST_F(DrawSpriteArray, TheSecondPictureIsDrawnInASecondPass) {
    struct Case {
        int blendMode;
        D3DCOLOR expected;
    };
    // Over red: the blue picture replaces it, or adds to it in additive mode.
    for (const Case& c : {Case{0, kBlue}, Case{1, 0xFFFF00FF}}) {
        SCOPED_TRACE(c.blendMode);
        QV_StatObjConstructor placed = spritetest::Placed(L"C:\\red.png", 32, 40, 48);
        placed.secondImage.SetSilently({L"C:\\blue.png", 1});
        placed.blendMode.SetSilently(c.blendMode);
        auto sprites = spritetest::CreateSprites(placed);
        Draw(*sprites);
        EXPECT_TRUE(Near(Pixel(40, 48), c.expected)) << std::hex << Pixel(40, 48);
    }
}

TEST_F(DrawSpriteArray, FlipsAndTurnsPickTheExpectedPartOfThePicture) {
    struct Case {
        int flipVertical, flipHorizontal;
        unsigned int rotation;
        D3DCOLOR topLeft, bottomRight;  // of the drawn quad, a quarter in from its corners
    };
    const D3DCOLOR redTop = kRed | 0xFF, greenTop = kGreen | 0xFF;
    const Case cases[] = {
        {0, 0, 0, redTop, kGreen},
        {0, 1, 0, greenTop, kRed},
        {1, 0, 0, kRed, greenTop},
        {1, 1, 0, kGreen, redTop},
        // A quarter turn counter-clockwise: the picture's right side is now at the top.
        {0, 0, 90, greenTop, kRed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.flipVertical << c.flipHorizontal << " " << c.rotation);
        QV_StatObjConstructor placed = spritetest::Placed(L"C:\\halves.png", 32, 40, 48);
        placed.flipVertical.SetSilently(c.flipVertical);
        placed.flipHorizontal.SetSilently(c.flipHorizontal);
        placed.rotation.SetSilently(c.rotation);
        auto sprites = spritetest::CreateSprites(placed);
        Draw(*sprites);
        EXPECT_TRUE(Near(Pixel(32, 40), c.topLeft)) << std::hex << Pixel(32, 40);
        EXPECT_TRUE(Near(Pixel(48, 56), c.bottomRight)) << std::hex << Pixel(48, 56);
    }
}

TEST_F(DrawSpriteArray, SheetSpritesShowTheirCurrentFrame) {
    QV_StatObjConstructor placed = spritetest::Placed(L"C:\\sheet.png", 32, 40, 48);
    placed.sheet = true;
    placed.frameCount = 4;
    placed.frameRate = 10.0f;
    auto sprites = spritetest::CreateSprites(placed);
    const D3DCOLOR frames[] = {kRed, kGreen, kBlue, 0xFFFFFFFF};
    // Steps of 0.15 of scaled time pass the 0.1 a frame lasts: one frame further each time.
    for (int i = 0; i < 6; ++i) {
        Draw(*sprites, 0.05f + 0.15f * float(i));
        EXPECT_EQ(sprites->SheetFrame(), i % 4);
        EXPECT_TRUE(Near(Pixel(40, 48), frames[i % 4])) << i << " " << std::hex << Pixel(40, 48);
    }
}

TEST_F(DrawSpriteArray, TheTimeLinesOpacityScalesTheAlpha) {
    struct Case {
        float slideTime;  // into a one-second fade-in from 0.001 on; 0: still hidden
        D3DCOLOR expected;
    };
    for (const Case& c : {Case{0.0f, kGrey}, Case{0.501f, 0xFF606060}, Case{2.0f, kDark}}) {
        SCOPED_TRACE(c.slideTime);
        QV_StatObjConstructor placed = spritetest::Placed(L"C:\\dark.png", 32, 40, 48);
        QV_TimeLineControl& line = placed.TimeLine();
        line.Mode().SetSilently(QV_TimeLineControl::kRandomCycle);
        line.HiddenMin().SetSilently(0);
        line.HiddenMax().SetSilently(0);
        line.VisibleMin().SetSilently(1000);
        line.VisibleMax().SetSilently(1000);
        line.FadeIn().Assign(100, nullptr);
        auto sprites = spritetest::CreateSprites(placed);
        QV_TimeLineControl& running = sprites->SpriteDescription()->TimeLine();
        if (c.slideTime > 0.0f) {
            spritetest::DriveTimeLine(running, 0.001f);
            spritetest::DriveTimeLine(running, c.slideTime);
        }
        Draw(*sprites);
        EXPECT_LE(vgtest::ChannelDistance(Pixel(40, 48), c.expected), 3) << std::hex << Pixel(40, 48);
    }
}

TEST_F(DrawSpriteArray, AMissingPictureDrawsNothingAndTheSpritesStillMove) {
    QV_StatObjConstructor placed = spritetest::Placed(L"C:\\nowhere.png", 32, 40, 48);
    auto sprites = spritetest::CreateSprites(placed);
    Draw(*sprites);
    EXPECT_TRUE(Near(Pixel(40, 48), kGrey));
    EXPECT_EQ(sprites->Sprites().size(), 1u);
    // The layer's resting state is left as it was.
    DWORD blending = TRUE;
    scene_.Device().Device()->GetRenderState(D3DRS_ALPHABLENDENABLE, &blending);
    EXPECT_EQ(blending, DWORD(FALSE));
}

TEST_F(DrawSpriteArray, DrawingLeavesTheLayersRestingState) {
    QV_StatObjConstructor placed = spritetest::Placed(L"C:\\red.png", 32, 40, 48);
    placed.blendMode.SetSilently(1);
    placed.secondImage.SetSilently({L"C:\\blue.png", 1});
    auto sprites = spritetest::CreateSprites(placed);
    Draw(*sprites);
    IDirect3DDevice9* device = scene_.Device().Device();
    DWORD blending = TRUE, destination = 0, colourOp = 0, alphaOp = 0;
    device->GetRenderState(D3DRS_ALPHABLENDENABLE, &blending);
    device->GetRenderState(D3DRS_DESTBLEND, &destination);
    device->GetTextureStageState(0, D3DTSS_COLOROP, &colourOp);
    device->GetTextureStageState(0, D3DTSS_ALPHAOP, &alphaOp);
    EXPECT_EQ(blending, DWORD(FALSE));
    EXPECT_EQ(destination, DWORD(D3DBLEND_INVSRCALPHA));
    EXPECT_EQ(colourOp, DWORD(D3DTOP_SELECTARG1));
    EXPECT_EQ(alphaOp, DWORD(D3DTOP_SELECTARG1));
}

TEST_F(DrawSpriteArray, AStaticSpriteIsHitWithinItsPlacedRectangle) {
    QV_StatObjConstructor placed = spritetest::Placed(L"C:\\red.png", 32, 40, 48);
    placed.spriteRect.left.SetSilently(0);  // the stored sides give way to the sprite's own
    placed.spriteRect.right.SetSilently(127);
    auto sprites = spritetest::CreateSprites(placed);
    for (auto [x, y, hit] : {std::tuple{40, 48, true}, {24, 32, true}, {56, 64, true}, {20, 48, false}, {60, 48, false}})
        EXPECT_EQ(sprites->HitTest({x, y}), hit) << x << "," << y;
}

TEST_F(DrawSpriteArray, UnderTheFillZoomTheHitTestFindsTheSpriteWhereItIsDrawn) {
    // A picture twice as wide as the screen, filling it: fitted at half size, zoomed by 2
    // about its middle, so the screen shows the picture from x 64 to 192 one to one.
    MakeCurrentLayer(L"C:\\wide.png", PictureView::kFill);
    const D3DXVECTOR3 middle = MapRectToScreen(64.0f, 48.0f, 7.0f);
    EXPECT_FLOAT_EQ(middle.x, 128.0f);
    EXPECT_FLOAT_EQ(middle.y, 48.0f);
    EXPECT_EQ(middle.z, 7.0f);
    const D3DXVECTOR3 corner = MapRectToScreen(0.0f, 0.0f, 0.0f);
    EXPECT_FLOAT_EQ(corner.x, 64.0f);
    EXPECT_FLOAT_EQ(corner.y, 0.0f);

    QV_StatObjConstructor placed = spritetest::Placed(L"C:\\red.png", 16, 144, 48);  // 136..152 × 40..56
    auto sprites = spritetest::CreateSprites(placed);
    Draw(*sprites);
    // On the screen 64 to the left: 72..88 × 40..56.
    for (auto [x, y, hit] : {std::tuple{80, 48, true}, {73, 41, true}, {87, 55, true}, {68, 48, false}, {80, 36, false}}) {
        SCOPED_TRACE(testing::Message() << x << "," << y);
        EXPECT_EQ(Near(Pixel(UINT(x), UINT(y)), kRed), hit);
        EXPECT_EQ(sprites->HitTest({x, y}), hit);
    }
}

TEST_F(DrawSpriteArray, SpritesSurviveADeviceResetWithoutLeakingAndDrawAgain) {
    QV_StatObjConstructor placed = spritetest::Placed(L"C:\\red.png", 32, 40, 48);
    placed.secondImage.SetSilently({L"C:\\dark.png", 1});
    placed.blendMode.SetSilently(1);
    auto sprites = spritetest::CreateSprites(placed);
    Draw(*sprites);
    const uint32_t before = Pixel(40, 48);
    auto references = [](IUnknown* object) {
        object->AddRef();
        return object->Release();
    };
    IDirect3DTexture9* frame = sprites->CurrentTexture();
    const ULONG frameReferences = references(frame);
    const ULONG bufferReferences = references(sprites->vertexBuffer.Get());

    layer_->InvalidateDeviceObjects();
    scene_.Manager().OnLostDevice();
    ASSERT_EQ(scene_.Device().Reset(), D3D_OK);
    layer_->RestoreDeviceObjects();

    Draw(*sprites);
    EXPECT_EQ(Pixel(40, 48), before);
    EXPECT_EQ(references(frame), frameReferences);
    EXPECT_EQ(references(sprites->vertexBuffer.Get()), bufferReferences);
    sprites.reset();
    EXPECT_EQ(references(frame), frameReferences - 1);  // the object's own reference went with it
}

}  // namespace
