// Static sprites, flowers and discharges: placement, turned bounds, sway and the sheet jumps.
#include <gtest/gtest.h>

#include <set>

#include "SpriteTesting.h"
#include "document/NumericHelpers.h"
#include "objects/QV_DischargeConstructor.h"
#include "objects/QV_FlowerConstructor.h"
#include "document/ScreenQuad.h"

namespace {

class PlacedSprites : public ::testing::Test {
protected:
    void SetUp() override { spritetest::PublishPicture(2560, 1600); }
};

// A sprite of an image twice as wide as high: at size 100 and scale 1, half size 50 × 25.
SpriteParticle Wide() {
    SpriteParticle sprite;
    sprite.aspect = 0.5f;
    return sprite;
}

TEST_F(PlacedSprites, AStaticSpriteSitsOnItsCentreTurnedAndItsRectangleBecomesItsBounds) {
    struct Case {
        unsigned int rotation;
        D3DXVECTOR3 right, up;
        int left, right_, top, bottom;
    };
    const Case cases[] = {
        // The shipped sprite's centre; its stored sides give way to the sprite's own.
        {0, {1, 0, 0}, {0, 1, 0}, 1359, 1459, 867, 917},
        // A quarter turn counter-clockwise on the screen: x ± half height, y ± half width.
        {90, {0, -1, 0}, {1, 0, 0}, 1384, 1434, 842, 942},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rotation);
        QV_StatObjConstructor placed;
        placed.spriteRect.left.SetSilently(1048);
        placed.spriteRect.right.SetSilently(1769);
        placed.spriteRect.further1.SetSilently(1409);
        placed.spriteRect.further2.SetSilently(892);
        placed.rotation.SetSilently(c.rotation);
        placed.size.SetSilently(100);
        SpriteParticle sprite = Wide();
        placed.InitParticle(sprite);
        EXPECT_EQ(sprite.position, D3DXVECTOR3(1409.0f, 892.0f, 0.0f));
        EXPECT_EQ(sprite.halfWidth, 50.0f);
        EXPECT_EQ(sprite.halfHeight, 25.0f);
        EXPECT_NEAR(sprite.right.x, c.right.x, 1e-6);
        EXPECT_NEAR(sprite.right.y, c.right.y, 1e-6);
        EXPECT_NEAR(sprite.up.x, c.up.x, 1e-6);
        EXPECT_NEAR(sprite.up.y, c.up.y, 1e-6);
        EXPECT_EQ(placed.spriteRect.left.Value(), c.left);
        EXPECT_EQ(placed.spriteRect.right.Value(), c.right_);
        EXPECT_EQ(placed.spriteRect.top.Value(), c.top);
        EXPECT_EQ(placed.spriteRect.bottom.Value(), c.bottom);
        // A static sprite never moves.
        placed.StepTime(0.1f);
        placed.UpdateParticle(sprite);
        EXPECT_EQ(sprite.position, D3DXVECTOR3(1409.0f, 892.0f, 0.0f));
    }
}

TEST_F(PlacedSprites, TheScreenQuadIsTheRectangleInQuadOrder) {
    QV_StatObjConstructor placed;
    placed.spriteRect.left.SetSilently(10);
    placed.spriteRect.right.SetSilently(30);
    placed.spriteRect.top.SetSilently(5);
    placed.spriteRect.bottom.SetSilently(45);
    ScreenQuad quad;
    placed.GetScreenQuad(quad);
    const float corners[4][2] = {{10, 45}, {10, 5}, {30, 45}, {30, 5}};
    for (int i = 0; i < ScreenQuad::kCorners; ++i) {
        EXPECT_EQ(quad.corners[i].x, corners[i][0]) << i;
        EXPECT_EQ(quad.corners[i].y, corners[i][1]) << i;
    }
}

TEST_F(PlacedSprites, AFlowerSwaysFromItsFoot) {
    struct Case {
        float scaledTime;  // sin of it is the sway's share
        float shear;
    };
    // Sway 1.5: upright at lean 90, 91.5 degrees at the top of the swing.
    for (const Case& c : {Case{0.0f, 0.0f}, Case{kSinglePi / 2.0f, 0.0261859f}, Case{-kSinglePi / 2.0f, -0.0261859f}}) {
        SCOPED_TRACE(c.scaledTime);
        QV_FlowerConstructor flower;
        flower.spriteRect.further1.SetSilently(100);
        flower.spriteRect.further2.SetSilently(200);
        flower.size.SetSilently(100);
        SpriteParticle sprite = Wide();
        flower.InitParticle(sprite);
        sprite.motion[1] = c.scaledTime;  // the phase stands in for the clock, still at 0
        flower.UpdateParticle(sprite);
        EXPECT_NEAR(sprite.up.x, c.shear, 1e-6);
        EXPECT_NEAR(sprite.position.x, 100.0f - 25.0f * c.shear, 1e-4);
        EXPECT_FLOAT_EQ(sprite.position.y, 200.0f);
    }
}

TEST_F(PlacedSprites, ADischargeNeverShowsTheSameFrameTwiceInARow) {
    QV_DischargeConstructor discharge;
    discharge.frameCount = 4;
    std::set<int> seen;
    for (int i = 0; i < 200; ++i) {
        const int next = discharge.NextFrame(2);
        EXPECT_NE(next, 2);
        EXPECT_LT(next, 4);
        seen.insert(next);
    }
    EXPECT_EQ(seen, (std::set<int>{0, 1, 3}));
    // No other frame to go to: the frame stays, rather than a division by zero or a loop.
    for (uint32_t frames : {0u, 1u}) {
        discharge.frameCount = frames;
        EXPECT_EQ(discharge.NextFrame(0), 0) << frames;
    }
}

TEST_F(PlacedSprites, AnOrdinarySheetStepsToItsNextFrameAndWraps) {
    QV_StatObjConstructor placed;
    placed.frameCount = 3;
    EXPECT_EQ(placed.NextFrame(0), 1);
    EXPECT_EQ(placed.NextFrame(2), 0);
}

}  // namespace
