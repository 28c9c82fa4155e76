// The sprite helpers: colour and alpha bytes, the pulse, the area tests.
#include <gtest/gtest.h>

#include <limits>

#include "SpriteTesting.h"
#include "objects/QV_SparkleConstructor.h"

namespace {

class SpriteHelpers : public ::testing::Test {
protected:
    void SetUp() override { spritetest::PublishPicture(800, 600); }
};

TEST_F(SpriteHelpers, TheColourTakesTheTransparencysAlphaByteTimesTheAlpha) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Case {
        unsigned int transparency;
        float alpha;
        unsigned int a;
    };
    const Case cases[] = {
        {40, 1.0f, 153}, {40, 0.5f, 76}, {0, 0.0f, 0}, {0, 1.0f, 255},
        // An alpha above 1 or below 0, or not a number, stays within the alpha byte.
        {0, 1.5f, 255}, {0, -0.5f, 0}, {0, nan, 0},
    };
    QV_SparkleConstructor d;
    d.colour.SetSilently(0x00336699);  // red 0x99, green 0x66, blue 0x33
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.transparency << " " << c.alpha);
        d.transparency.Assign(c.transparency, nullptr);
        SpriteParticle sprite;
        sprite.alpha = c.alpha;
        sprite.UpdateColor(d);
        EXPECT_EQ(sprite.colour, D3DCOLOR(c.a << 24 | 0x996633));
    }
}

TEST_F(SpriteHelpers, TheTimeLineScalesOnlyTheAlphaByteAndKeepsItWithinIt) {
    const float infinity = std::numeric_limits<float>::infinity();
    struct Case {
        int mode;
        bool brokenWindow;  // opens with an opacity that is not a number
        D3DCOLOR drawn;
    };
    const Case cases[] = {
        {QV_TimeLineControl::kAlwaysVisible, false, 0xC0123456},
        {QV_TimeLineControl::kTimeWindows, false, 0x00123456},
        {QV_TimeLineControl::kTimeWindows, true, 0x00123456},
    };
    for (const Case& c : cases) {
        QV_SparkleConstructor d;
        d.TimeLine().Mode().SetSilently(c.mode);
        if (c.brokenWindow) d.TimeLine().AddWindow({-infinity, infinity, 1.0f, 2.0f});
        EXPECT_EQ(d.ApplyTimeLineAlpha(0xC0123456), c.drawn) << c.mode << c.brokenWindow;
    }
}

TEST_F(SpriteHelpers, ThePulseTurnsAtItsBoundsAndRespawnsBelowItsMinimum) {
    struct Case {
        float alpha, speed;
        bool respawn;
        float alphaAfter, speedAfter;
        bool placedAnew;
    };
    const Case cases[] = {
        {0.79f, 1.0f, true, 0.8f, -1.0f, false},   // reaches alpha max: turns
        {0.5f, 1.0f, true, 0.55f, 1.0f, false},
        {0.22f, -1.0f, false, 0.2f, 1.0f, false},  // reaches alpha min: turns
        {0.22f, -1.0f, true, 0.2f, 1.0f, true},    // and a respawning sprite is placed anew
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.alpha << " " << c.respawn);
        QV_SparkleConstructor d;
        d.alphaMin = 0.2f;
        d.alphaMax = 0.8f;
        d.StepTime(0.05f);
        SpriteParticle sprite;
        sprite.alpha = c.alpha;
        sprite.pulseSpeed = c.speed;
        sprite.position = D3DXVECTOR3(-5.0f, -5.0f, 0.0f);
        sprite.StepPulse(d, c.respawn);
        EXPECT_FLOAT_EQ(sprite.alpha, c.alphaAfter);
        EXPECT_EQ(sprite.pulseSpeed, c.speedAfter);
        EXPECT_EQ(sprite.position.x != -5.0f, c.placedAnew);
    }
}

TEST_F(SpriteHelpers, ANewSpritesPulseHasTheDescriptionsSpeedWithARandomSign) {
    QV_SparkleConstructor d;
    d.pulseSpeed = 0.75f;
    int positive = 0;
    for (int i = 0; i < 40; ++i) {
        SpriteParticle sprite;
        sprite.owningEdge = 2;
        sprite.frozen = true;
        sprite.InitPulse(d);
        EXPECT_EQ(std::abs(sprite.pulseSpeed), 0.75f);
        EXPECT_EQ(sprite.alpha, 1.0f);
        EXPECT_EQ(sprite.owningEdge, -1);
        EXPECT_FALSE(sprite.frozen);
        positive += sprite.pulseSpeed > 0.0f;
    }
    EXPECT_GT(positive, 0);
    EXPECT_LT(positive, 40);
}

TEST_F(SpriteHelpers, AreaTestsTellWhollyBeyondFromReachingOver) {
    QV_SparkleConstructor d;
    d.SetRelative({0.25f, 0.75f, 0.25f, 0.75f});  // 200..600 × 150..450
    struct Case {
        float x, y;
        bool left, right, above, below, crossesLeft, crossesRight, crossesTop, crossesBottom;
    };
    const Case cases[] = {
        {400, 300, false, false, false, false, false, false, false, false},
        {195, 300, false, false, false, false, true, false, false, false},  // reaching over the left
        {189, 300, true, false, false, false, true, false, false, false},   // wholly left
        {611, 300, false, true, false, false, false, true, false, false},
        {400, 145, false, false, false, false, false, false, true, false},
        {400, 461, false, false, false, true, false, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        SpriteParticle sprite;
        sprite.position = D3DXVECTOR3(c.x, c.y, 0.0f);
        sprite.halfWidth = -10.0f;  // mirrored: the whole-sprite tests take its size
        sprite.halfHeight = 10.0f;
        const PixelSides area = d.GetPixelSides();
        EXPECT_EQ(sprite.IsLeftOfArea(area), c.left);
        EXPECT_EQ(sprite.IsRightOfArea(area), c.right);
        EXPECT_EQ(sprite.IsAboveArea(area), c.above);
        EXPECT_EQ(sprite.IsBelowArea(area), c.below);
        EXPECT_EQ(sprite.CrossesTop(area), c.crossesTop);
        EXPECT_EQ(sprite.CrossesBottom(area), c.crossesBottom);
        sprite.halfWidth = 10.0f;
        EXPECT_EQ(sprite.CrossesLeft(area), c.crossesLeft);
        EXPECT_EQ(sprite.CrossesRight(area), c.crossesRight);
    }
}

}  // namespace
