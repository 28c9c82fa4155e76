// Fish, birds and ghosts: turning back at the sides, bouncing at the top and bottom, the
// birds' speed clamp and the ghosts' time line.
#include <gtest/gtest.h>

#include "SpriteTesting.h"
#include "objects/QV_BirdConstructor.h"
#include "objects/QV_GhostConstructor.h"

namespace {

class Wanderers : public ::testing::Test {
protected:
    void SetUp() override { spritetest::PublishPicture(800, 600); }
};

// A sprite of half size 10 at (x, y) with velocity (vx, vy).
SpriteParticle Swimming(float x, float y, float vx, float vy) {
    SpriteParticle sprite;
    sprite.position = D3DXVECTOR3(x, y, 0.0f);
    sprite.halfWidth = vx < 0.0f ? -10.0f : 10.0f;
    sprite.halfHeight = 10.0f;
    sprite.motion[0] = vx;
    sprite.motion[1] = vy;
    return sprite;
}

TEST_F(Wanderers, AFishFacesItsWayAndTurnsBackOnlyOnceWhollyOutsideASide) {
    QV_FishConstructor fish;
    fish.StepTime(0.1f);
    struct Case {
        float x, vx;
        float turnedVx, halfWidth;
    };
    const Case cases[] = {
        {-5.0f, -30.0f, -30.0f, -10.0f},  // to x = -8: still reaching in
        {-8.0f, -30.0f, 30.0f, 10.0f},    // to x = -11: wholly out on the left, faces right
        {812.0f, 30.0f, -30.0f, -10.0f},  // wholly out on the right, faces left
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        SpriteParticle sprite = Swimming(c.x, 300.0f, c.vx, 0.0f);
        fish.UpdateParticle(sprite);
        EXPECT_EQ(sprite.motion[0], c.turnedVx);
        EXPECT_EQ(sprite.halfWidth, c.halfWidth);
    }
}

TEST_F(Wanderers, NewFishFaceLeftWhenTheySwimLeft) {
    QV_FishConstructor fish;
    fish.size.SetSilently(40);
    for (int i = 0; i < 20; ++i) {
        SpriteParticle sprite;
        fish.InitParticle(sprite);
        EXPECT_EQ(sprite.halfWidth < 0.0f, sprite.motion[0] < 0.0f);
        EXPECT_LE(std::abs(sprite.motion[0]), 80.0f);
        EXPECT_LE(std::abs(sprite.motion[1]), 50.0f);
    }
}

TEST_F(Wanderers, TheTopAndBottomBounceAsSoonAsTheSpriteTouchesThem) {
    QV_FishConstructor fish;
    fish.StepTime(0.1f);
    SpriteParticle top = Swimming(400.0f, 11.0f, 0.0f, -20.0f);  // to y = 9, reaching over
    fish.UpdateParticle(top);
    EXPECT_EQ(top.motion[1], 20.0f);
    SpriteParticle bottom = Swimming(400.0f, 589.0f, 0.0f, 20.0f);
    fish.UpdateParticle(bottom);
    EXPECT_EQ(bottom.motion[1], -20.0f);
}

TEST_F(Wanderers, DirectionChangesComeAtMostOnceASecondOfLocalTimeAndKeepTheFacing) {
    QV_FishConstructor fish;
    SpriteParticle sprite = Swimming(400.0f, 300.0f, -30.0f, 0.0f);
    float lastChange = 0.0f;
    for (int frame = 1; frame <= 100; ++frame) {
        fish.StepTime(0.05f * float(frame));
        const float before = sprite.motion[0];
        fish.UpdateParticle(sprite);
        if (sprite.motion[0] == before) continue;
        EXPECT_GT(fish.LastTime() - lastChange, 1.0f);
        EXPECT_LE(sprite.motion[0], 0.0f);  // still facing left
        lastChange = fish.LastTime();
    }
    EXPECT_GT(lastChange, 0.0f);
}

TEST_F(Wanderers, BirdsKeepFast) {
    QV_BirdConstructor bird;  // maximum speeds 80 and 50
    struct Case {
        float vy, clampedVy;
    };
    for (const Case& c : {Case{10.0f, 39.285713f}, Case{-10.0f, 30.714287f}, Case{40.0f, 40.0f}}) {
        SpriteParticle sprite = Swimming(400.0f, 300.0f, 70.0f, c.vy);
        bird.UpdateParticle(sprite);
        EXPECT_FLOAT_EQ(sprite.motion[1], c.clampedVy) << c.vy;
    }
    for (int i = 0; i < 20; ++i) {
        SpriteParticle sprite = Swimming(400.0f, 300.0f, -20.0f, 45.0f);
        bird.UpdateParticle(sprite);
        EXPECT_GE(sprite.motion[0], -80.0f);
        EXPECT_LE(sprite.motion[0], -56.0f);
    }
}

TEST_F(Wanderers, GhostsFollowTheOpacityAndArePlacedAnewWhileHidden) {
    QV_GhostConstructor ghost;
    // Windows, none of them open: hidden.
    ghost.TimeLine().Mode().SetSilently(QV_TimeLineControl::kTimeWindows);
    SpriteParticle sprite = Swimming(400.0f, 300.0f, 0.0f, 0.0f);
    ghost.UpdateParticle(sprite);
    EXPECT_NE(sprite.position, D3DXVECTOR3(400.0f, 300.0f, 0.0f));
    EXPECT_EQ(sprite.alpha, 0.0f);
    EXPECT_EQ(sprite.colour >> 24, 0u);

    // Always visible: never placed anew; alpha 1, its alpha byte the transparency's 127.
    QV_GhostConstructor shown;
    SpriteParticle still = Swimming(400.0f, 300.0f, 0.0f, 0.0f);
    shown.UpdateParticle(still);
    EXPECT_EQ(still.position, D3DXVECTOR3(400.0f, 300.0f, 0.0f));
    EXPECT_EQ(still.alpha, 1.0f);
    EXPECT_EQ(still.colour >> 24, 127u);
}

}  // namespace
