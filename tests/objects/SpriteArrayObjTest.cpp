// The runtime sprite object on a real device: sprites made for the count, quads from the
// sprites, sheet and multi-frame pictures, version-1 pictures, module frame sets.
#include <gtest/gtest.h>

#include <memory>

#include "PictureBytes.h"
#include "SpriteRecords.h"
#include "SpriteTesting.h"
#include "document/BuiltinResources.h"
#include "document/QV_DocResManager.h"
#include "objects/QV_DischargeConstructor.h"
#include "objects/QV_SparkleConstructor.h"
#include "objects/QV_SpriteArrayObj.h"
#include "objects/QV_StatObjConstructor.h"

using namespace scenewriter;

namespace {

constexpr D3DCOLOR kRed = 0xFFFF0000, kGreen = 0xFF00FF00;

class SpriteArrayObjTest : public ::testing::Test {
protected:
    void SetUp() override {
        VG_REQUIRE_DEVICE(scene_.Device());
        spritetest::PublishPicture(256, 256);
        scene_.LoadSection(Section());
    }
    std::vector<uint8_t> Picture(UINT width, UINT height, D3DCOLOR colour) {
        return vgtest::MakePicture(scene_.Device().Device(), width, height, D3DXIFF_PNG, colour);
    }
    ResourceSection Section() {
        ResourceSection section;
        section.images = {
            {"C:\\wide.png", 1, {StoredFile{0, "", Picture(200, 100, kRed), "C:\\wide.png"}}},
            {"C:\\sheet.png", 1, {StoredFile{0, "", Picture(400, 100, kRed), "C:\\sheet.png"}}},
            {"C:\\blink.gif", 1,
             {StoredFile{0, "", Picture(16, 16, kRed), "blink 1"}, StoredFile{0, "", Picture(16, 16, kGreen), "blink 2"}}},
        };
        // Three durations for two frames: the frame index runs over the durations.
        section.durations = {{"C:\\blink.gif", 1, {0.1f, 0.2f, 0.3f}}};
        return section;
    }
    // The quads as written (the managed buffer keeps a copy it can hand back).
    static std::vector<DX_V::PCT> Vertices(QV_SpriteArrayObj& sprites) {
        std::vector<DX_V::PCT> vertices(sprites.vertexCount);
        void* data = nullptr;
        if (vertices.empty() || FAILED(sprites.vertexBuffer->Lock(0, 0, &data, D3DLOCK_READONLY))) return {};
        std::copy_n(static_cast<const DX_V::PCT*>(data), vertices.size(), vertices.begin());
        sprites.vertexBuffer->Unlock();
        return vertices;
    }

    spritetest::DeviceWithPictures scene_{64, 64};
};

TEST_F(SpriteArrayObjTest, HalfExtentsFollowThePicturesShapeAndTheSheetsFrames) {
    struct Case {
        const wchar_t* image;
        bool sheet;
        uint32_t frames;
        float halfWidth, halfHeight;
    };
    const Case cases[] = {
        {L"C:\\wide.png", false, 1, 50, 25},
        {L"C:\\sheet.png", true, 4, 50, 50},  // four frames of 100 × 100
        {L"C:\\nowhere.png", false, 1, 50, 50},  // never decoded: ratio 1
    };
    for (const Case& c : cases) {
        QV_StatObjConstructor placed = spritetest::Placed(c.image, 100, 128, 128);
        placed.sheet = c.sheet;
        placed.frameCount = c.frames;
        auto sprites = spritetest::CreateSprites(placed);
        ASSERT_EQ(sprites->Sprites().size(), 1u);
        EXPECT_EQ(sprites->Sprites()[0].halfWidth, c.halfWidth);
        EXPECT_EQ(sprites->Sprites()[0].halfHeight, c.halfHeight);
    }
}

TEST_F(SpriteArrayObjTest, TheListGrowsWithTheCountAndNeverShrinks) {
    QV_SparkleConstructor sparkles;
    sparkles.count.SetSilently(0);
    auto sprites = spritetest::CreateSprites(sparkles);
    QV_BaseSpriteProp& d = *sprites->SpriteDescription();
    EXPECT_TRUE(sprites->Sprites().empty());
    EXPECT_FALSE(sprites->vertexBuffer);
    struct Step {
        unsigned int count;
        size_t listed;
        UINT vertices;
    };
    D3DXVECTOR3 first;
    for (const Step& step : {Step{3, 3, 12}, Step{5, 5, 20}, Step{2, 5, 8}}) {
        SCOPED_TRACE(step.count);
        d.count.Assign(step.count, nullptr);
        EXPECT_EQ(sprites->Sprites().size(), step.listed);
        EXPECT_EQ(sprites->vertexCount, step.vertices);
        EXPECT_EQ(d.GetCount(), step.count);
        if (step.count == 3) first = sprites->Sprites()[0].position;
        EXPECT_EQ(sprites->Sprites()[0].position, first);  // appended to, never remade
    }
    // The extra sprites are still moved.
    const D3DXVECTOR3 last = sprites->Sprites()[4].position;
    sprites->Update(0.1f);
    EXPECT_NE(sprites->Sprites()[4].position, last);
}

TEST_F(SpriteArrayObjTest, QuadsAreTheTurnedSpriteWithItsTextureRangeFlippedOrSteppedToItsSheetFrame) {
    struct Case {
        int flipVertical, flipHorizontal;
        bool sheet;
        float ua, ub, va, vb;  // at vertex 1 (a) and vertex 2 (b)
    };
    const Case cases[] = {
        {0, 0, false, 0, 1, 0, 1},
        {1, 0, false, 0, 1, 1, 0},
        {0, 1, false, 1, 0, 0, 1},
        {0, 0, true, 0, 0.25f, 0, 1},  // frame 0 of 4
        {0, 1, true, 0.25f, 0, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.flipVertical << c.flipHorizontal << c.sheet);
        // A quarter turn: the right axis points up the screen, the up axis to the right.
        QV_StatObjConstructor placed = spritetest::Placed(L"C:\\wide.png", 20, 32, 32);
        placed.rotation.SetSilently(90);
        placed.flipVertical.SetSilently(c.flipVertical);
        placed.flipHorizontal.SetSilently(c.flipHorizontal);
        placed.sheet = c.sheet;
        placed.frameCount = c.sheet ? 4 : 1;
        placed.transparency.Assign(40, nullptr);
        auto sprites = spritetest::CreateSprites(placed);
        sprites->Update(0.05f);
        const std::vector<DX_V::PCT> v = Vertices(*sprites);
        ASSERT_EQ(v.size(), 4u);
        const float hw = sprites->Sprites()[0].halfWidth, hh = sprites->Sprites()[0].halfHeight;
        // Corner c = position − hw × right − hh × up; vertices c + U, c, c + R + U, c + R.
        const float expected[4][2] = {{32 - hh + 2 * hh, 32 + hw}, {32 - hh, 32 + hw},
                                      {32 + hh, 32 + hw - 2 * hw}, {32 - hh, 32 - hw}};
        for (int k = 0; k < 4; ++k) {
            EXPECT_NEAR(v[k].x, expected[k][0], 1e-4) << k;
            EXPECT_NEAR(v[k].y, expected[k][1], 1e-4) << k;
            EXPECT_EQ(v[k].diffuse, 0x99FFFFFFu) << k;  // alpha byte 153
        }
        EXPECT_EQ(v[1].u, c.ua);
        EXPECT_EQ(v[1].v, c.va);
        EXPECT_EQ(v[2].u, c.ub);
        EXPECT_EQ(v[2].v, c.vb);
        EXPECT_EQ(v[0].u, c.ua);
        EXPECT_EQ(v[0].v, c.vb);
        EXPECT_EQ(v[3].u, c.ub);
        EXPECT_EQ(v[3].v, c.va);
    }
}

TEST_F(SpriteArrayObjTest, ASheetStepsItsFrameOnTheScaledClockAtItsFrameRate) {
    struct Case {
        float frameRate;
        int frames[4];  // after slide times 0.05, 0.2, 0.25, 0.35
    };
    for (const Case& c : {Case{10, {0, 1, 1, 2}}, Case{0, {0, 0, 0, 0}}}) {
        SCOPED_TRACE(c.frameRate);
        QV_StatObjConstructor placed = spritetest::Placed(L"C:\\sheet.png", 20, 32, 32);
        placed.sheet = true;
        placed.frameCount = 4;
        placed.frameRate = c.frameRate;
        auto sprites = spritetest::CreateSprites(placed);
        const float times[] = {0.05f, 0.2f, 0.25f, 0.35f};
        for (int i = 0; i < 4; ++i) {
            sprites->Update(times[i]);
            EXPECT_EQ(sprites->SheetFrame(), c.frames[i]) << times[i];
            EXPECT_FLOAT_EQ(Vertices(*sprites)[1].u, 0.25f * float(c.frames[i]));
        }
    }
}

TEST_F(SpriteArrayObjTest, AMultiFrameImageSwitchesByItsDurationsAndHoldsItsLastFrame) {
    QV_StatObjConstructor placed = spritetest::Placed(L"C:\\blink.gif", 20, 32, 32);
    auto sprites = spritetest::CreateSprites(placed);
    const TextureSet& frames = sprites->Frames();
    ASSERT_EQ(frames.frames.size(), 2u);
    struct Step {
        float t;
        uint32_t frame;
        size_t texture;
    };
    // Durations 0.1, 0.2, 0.3 over two frames: the third duration shows the last frame.
    const Step steps[] = {{0.05f, 0, 0}, {0.15f, 1, 1}, {0.3f, 1, 1}, {0.36f, 2, 1}, {0.5f, 2, 1}, {0.7f, 0, 0}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.t);
        sprites->Update(step.t);
        EXPECT_EQ(sprites->CurrentFrame(), step.frame);
        EXPECT_EQ(sprites->CurrentTexture(), frames.frames[step.texture].Get());
    }
}

TEST_F(SpriteArrayObjTest, FrameChangeOnlyWritesTheQuadsOnceAndThenOnlyAtFrameSwitches) {
    QV_StatObjConstructor placed = spritetest::Placed(L"C:\\blink.gif", 20, 32, 32);
    placed.frameChangeOnly.SetSilently(1);
    auto sprites = spritetest::CreateSprites(placed);
    sprites->Update(0.05f);
    EXPECT_NEAR(Vertices(*sprites)[1].x, 22.0f, 1e-4);  // written once all the same
    sprites->Sprites()[0].position.x = 42.0f;
    sprites->Update(0.08f);
    EXPECT_NEAR(Vertices(*sprites)[1].x, 22.0f, 1e-4);
    sprites->Update(0.15f);  // the first frame's 0.1 s are over
    EXPECT_NEAR(Vertices(*sprites)[1].x, 32.0f, 1e-4);
}

TEST_F(SpriteArrayObjTest, VersionOneRecordsBecomeLinksWhenTheirObjectIsMade) {
    SpriteRecord legacy;
    legacy.version = 1;
    legacy.frames = {StoredFile{0, "", Picture(16, 16, kRed), "spark 1"},
                     StoredFile{0, "", Picture(16, 16, kGreen), "spark 2"}};
    legacy.durations = {0.25f, 0.5f};
    legacy.secondFrame = StoredFile{7, "common_res.dll", Picture(16, 16, kGreen), "halo"};
    auto read = spritetest::ReadObject<QV_SparkleConstructor>(MakeSparkle(legacy));
    ASSERT_TRUE(read.description);
    ASSERT_TRUE(read.exact);
    QV_SparkleConstructor& d = *read.description;
    EXPECT_EQ(d.legacyFrames.size(), 2u);
    EXPECT_EQ(d.legacyDurations, (std::vector<float>{0.25f, 0.5f}));
    EXPECT_TRUE(d.image.GetPath().empty());

    auto sprites = spritetest::CreateSprites(d);
    EXPECT_EQ(d.image.GetPath(), L"spark 1");
    EXPECT_EQ(d.secondImage.GetPath(), L"common_res.dll");
    EXPECT_EQ(d.secondImage.Value().stamp, 7);
    EXPECT_TRUE(d.legacyFrames.empty());
    EXPECT_TRUE(d.legacyDurations.empty());
    EXPECT_EQ(sprites->Frames().frames.size(), 2u);
    EXPECT_EQ(sprites->Frames().durations, (std::vector<float>{0.25f, 0.5f}));
    EXPECT_TRUE(sprites->CurrentTexture());
    EXPECT_TRUE(sprites->GetSecondaryTexture());
    // The conversion happens once: a second object reuses the links.
    auto again = spritetest::CreateSprites(d);
    EXPECT_EQ(d.image.GetPath(), L"spark 1");
    EXPECT_EQ(again->CurrentTexture(), sprites->CurrentTexture());
}

// A link's current frame follows one rule everywhere: an index past the set's frames shows its
// last frame, as the picture quads and the brushes show it, rather than nothing.
TEST_F(SpriteArrayObjTest, ASecondPictureWhoseFrameIndexIsPastItsFramesShowsItsLastFrame) {
    SpriteRecord legacy;
    legacy.version = 1;
    legacy.frames = {StoredFile{0, "", Picture(16, 16, kRed), "spark"}};
    legacy.durations = {0.25f};
    legacy.secondFrame = StoredFile{7, "common_res.dll", Picture(16, 16, kGreen), "halo"};
    auto read = spritetest::ReadObject<QV_SparkleConstructor>(MakeSparkle(legacy));
    ASSERT_TRUE(read.description);
    QV_SparkleConstructor& d = *read.description;
    spritetest::CreateSprites(d);  // makes the inline pictures links
    TextureSet& halo = CurrentDocResManager->GetTextures(d.secondImage.Value());
    ASSERT_EQ(halo.frames.size(), 1u);
    ASSERT_TRUE(halo.frames[0]);
    halo.currentFrame = 3;

    auto sprites = spritetest::CreateSprites(d);
    EXPECT_EQ(sprites->GetSecondaryTexture().Get(), halo.frames[0].Get());
}

// A second-picture record names its picture by its resource id: without one it is not
// drawn, even when it carries bytes.
TEST_F(SpriteArrayObjTest, AVersionOneSecondPictureWithoutAResourceIdIsNotDrawn) {
    struct Case {
        const char* label;
        StoredFile secondFrame;
    };
    const Case cases[] = {
        {"bytes, no id", StoredFile{0, "", Picture(16, 16, kGreen), "halo"}},
        {"nothing", StoredFile{}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SpriteRecord legacy;
        legacy.version = 1;
        legacy.frames = {StoredFile{0, "", Picture(16, 16, kRed), "spark"}};
        legacy.durations = {0.25f};
        legacy.secondFrame = c.secondFrame;
        auto read = spritetest::ReadObject<QV_SparkleConstructor>(MakeSparkle(legacy));
        ASSERT_TRUE(read.description);
        auto sprites = spritetest::CreateSprites(*read.description);
        EXPECT_EQ(read.description->image.GetPath(), L"spark");
        EXPECT_TRUE(read.description->secondImage.GetPath().empty());
        EXPECT_TRUE(sprites->CurrentTexture());
        EXPECT_FALSE(sprites->GetSecondaryTexture());
    }
}

TEST_F(SpriteArrayObjTest, ALaterRecordWithoutAnImagePathConvertsNothingAndShowsNoPicture) {
    QV_SparkleConstructor sparkles;
    sparkles.legacyDurations = {0.5f};  // nothing names a picture
    auto sprites = spritetest::CreateSprites(sparkles);
    EXPECT_TRUE(sparkles.image.GetPath().empty());
    EXPECT_FALSE(sprites->CurrentTexture());
    EXPECT_FALSE(sprites->GetSecondaryTexture());
    EXPECT_EQ(sprites->Sprites().size(), 1u);  // the sprites are there all the same
    sprites->Update(0.1f);
}

TEST_F(SpriteArrayObjTest, FrameSetSourceOneTakesTheModulesFrameSet) {
    QV_DischargeConstructor discharge;
    discharge.image.SetSilently(builtin::Link(builtin::kTwinklingStar));
    discharge.frameSetSource = 1;
    auto sprites = spritetest::CreateSprites(discharge);
    EXPECT_EQ(sprites->Frames().frames.size(), 4u);
    EXPECT_EQ(sprites->Frames().durations.size(), 4u);
    for (const ComHolder<IDirect3DTexture9>& frame : sprites->Frames().frames) EXPECT_TRUE(frame);
    TextureFrameInfo info;
    discharge.GetTextureFrameInfo(info);
    EXPECT_EQ(info.imageLink, &discharge.image);
    EXPECT_EQ(info.frameLayout, 1);
}

TEST_F(SpriteArrayObjTest, TheSecondImageIsTakenWhenItHasAPath) {
    QV_StatObjConstructor placed = spritetest::Placed(L"C:\\wide.png", 20, 32, 32);
    placed.secondImage.SetSilently({L"C:\\sheet.png", 1});
    auto sprites = spritetest::CreateSprites(placed);
    EXPECT_EQ(sprites->GetSecondaryTexture().Get(), scene_.Manager().GetTextures({L"C:\\sheet.png", 1}).frames[0].Get());
    EXPECT_FALSE(sprites->NeedsBackground());
    EXPECT_EQ(sprites->GetKind(), QV_ABObj::kSceneObject);
}

}  // namespace
