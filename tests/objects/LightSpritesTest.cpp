// God rays, sparkles, fog, flashes and grass.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "SpriteTesting.h"
#include "document/NumericHelpers.h"
#include "document/SharedRandom.h"
#include "objects/QV_FogConstructor.h"
#include "objects/QV_GodRayConstructor.h"
#include "objects/QV_GrassConstructor.h"
#include "objects/QV_LightingConstructor.h"
#include "objects/QV_SparkleConstructor.h"

namespace {

class LightSprites : public ::testing::Test {
protected:
    void SetUp() override { spritetest::PublishPicture(800, 600); }
};

TEST_F(LightSprites, GodRaysLeanByTheirTiltAndSpanThePictureHeight) {
    struct Case {
        unsigned int tilt;
        float shear;
    };
    // 0 and 180 would lie flat: they stand upright.
    const Case cases[] = {{80, -0.17632698f}, {270, 0.0f}, {200, -2.7474774f}, {0, 0.0f}, {180, 0.0f}, {90, 0.0f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tilt);
        QV_GodRayConstructor rays;
        rays.tilt.SetSilently(c.tilt);
        rays.size.SetSilently(30);
        rays.SetRelative({0.0f, 1.0f, 0.2f, 0.8f});
        SpriteParticle sprite;
        rays.InitParticle(sprite);
        EXPECT_NEAR(sprite.up.x, c.shear, 1e-5);
        EXPECT_EQ(sprite.up.y, 1.0f);
        EXPECT_TRUE(std::isfinite(sprite.up.x));
        EXPECT_EQ(sprite.right, D3DXVECTOR3(1.0f, 0.0f, 0.0f));
        // Half the rectangle's height (180 of 600), not its middle (300).
        EXPECT_FLOAT_EQ(sprite.position.y, 180.0f);
        EXPECT_EQ(sprite.halfWidth, 15.0f);
        EXPECT_EQ(sprite.halfHeight, 300.0f);
        EXPECT_GE(sprite.motion[0], -10.0f);
        EXPECT_LE(sprite.motion[0], 10.0f);
    }
}

// The draws of one frame of a ray, from seed 1 (41, 18467, 6334, 26500, 19169, 15724, ...)
// after `skipped` draws, over a rectangle 200..600 × 120..480 in a step of 0.1. A drift
// change is due 0.25 after the last: an odd draw picks a new velocity from the next. A pulse
// below alpha min places the ray anew (x, velocity, alpha in that order), then holds its
// alpha at alpha min.
TEST_F(LightSprites, GodRaysDrawTheirDriftAndTheirRespawnInOrder) {
    struct Case {
        const char* label;
        uint32_t skipped;
        float lastChange, alpha, pulseSpeed;
        float x, y, velocity, alphaAfter, pulseAfter, lastChangeAfter;
        int nextDraw;  // shows how many draws the frame took
    };
    const Case cases[] = {
        {"no change due", 0, 0.0f, 0.5f, 1.0f, 300.5f, 240.0f, 5.0f, 0.6f, 1.0f, 0.0f, 41},
        {"odd: a new drift", 0, -1.0f, 0.5f, 1.0f, 300.12717f, 240.0f, 1.2717066f, 0.6f, 1.0f, 0.1f, 6334},
        {"even: the drift stays", 2, -1.0f, 0.5f, 1.0f, 300.5f, 240.0f, 5.0f, 0.6f, 1.0f, 0.1f, 26500},
        {"placed anew", 0, 0.0f, 0.05f, -1.0f, 200.5005f, 180.0f, 1.2717066f, 0.1f, 1.0f, 0.0f, 26500},
        {"a new drift, then placed anew", 0, -1.0f, 0.05f, -1.0f, 277.32169f, 180.0f, 6.1748104f, 0.1f, 1.0f, 0.1f,
         15724},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        QV_GodRayConstructor rays;
        rays.SetRelative({0.25f, 0.75f, 0.2f, 0.8f});
        rays.size.SetSilently(30);
        rays.alphaMin = 0.1f;
        rays.StepTime(0.1f);
        SpriteParticle ray;
        ray.position = D3DXVECTOR3(300.0f, 240.0f, 0.0f);
        ray.motion[0] = 5.0f;
        ray.lastChange = c.lastChange;
        ray.alpha = c.alpha;
        ray.pulseSpeed = c.pulseSpeed;
        SharedRandom::Seed(1);
        SharedRandom::Skip(c.skipped);
        rays.UpdateParticle(ray);
        EXPECT_FLOAT_EQ(ray.position.x, c.x);
        EXPECT_FLOAT_EQ(ray.position.y, c.y);
        EXPECT_FLOAT_EQ(ray.motion[0], c.velocity);
        EXPECT_FLOAT_EQ(ray.alpha, c.alphaAfter);
        EXPECT_EQ(ray.pulseSpeed, c.pulseAfter);
        EXPECT_FLOAT_EQ(ray.lastChange, c.lastChangeAfter);
        EXPECT_EQ(SharedRandom::Next(), c.nextDraw);
    }
}

// From seed 1 a new sparkle draws 41 and 18467 for its velocity, 6334 and 26500 for its
// place in the rectangle 200..600 × 120..480, and 19169 for its alpha.
TEST_F(LightSprites, ASparkleDrawsItsVelocityThenItsPlaceThenItsAlpha) {
    QV_SparkleConstructor sparkles;
    sparkles.SetRelative({0.25f, 0.75f, 0.2f, 0.8f});
    SpriteParticle sprite;
    sprite.factor = D3DXVECTOR3(1.0f, 1.0f, 1.0f);
    sprite.motion[2] = 7.0f;
    SharedRandom::Seed(1);
    sparkles.InitParticle(sprite);
    EXPECT_FLOAT_EQ(sprite.motion[0], -24.937437f);
    EXPECT_FLOAT_EQ(sprite.motion[1], 3.1792679f);
    EXPECT_EQ(sprite.motion[2], 0.0f);
    EXPECT_EQ(sprite.factor, D3DXVECTOR3(0.0f, 0.0f, 0.0f));
    EXPECT_FLOAT_EQ(sprite.position.x, 277.32169f);
    EXPECT_FLOAT_EQ(sprite.position.y, 411.14658f);
    EXPECT_FLOAT_EQ(sprite.alpha, 0.58500934f);
    EXPECT_EQ(SharedRandom::Next(), 15724);
}

// A new puff draws its place (two draws), its velocities within ± the maximum speeds (30
// and 10 here), its alpha and its turn per frame, r × 0.008 − 0.004 radians: the seeds of
// the last two rows make that sixth draw 0 and 32767, the ends of the range.
TEST_F(LightSprites, AFogPuffDrawsItsPlaceVelocityAlphaAndSpinInOrder) {
    struct Case {
        uint32_t seed;  // its draws in the comment
        float x, y, vx, vy, alpha, spin;
        int nextDraw;
    };
    const Case cases[] = {
        // 41, 18467, 6334, 26500, 19169, 15724
        {1, 200.5005f, 322.89072f, -18.401745f, 6.1748104f, 0.58500934f, -0.00016101566f, 11478},
        // 15650, 2485, 24492, 20645, 29518, 0
        {3457835462u, 391.04587f, 147.30186f, 14.847561f, 2.6010923f, 0.90084535f, -0.004f, 15256},
        // 18781, 4356, 17855, 10860, 16889, 32767
        {2830197190u, 429.26724f, 167.85791f, 2.6944809f, -3.3713799f, 0.51542711f, 0.004f, 30619},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seed);
        QV_FogConstructor fog;
        fog.SetRelative({0.25f, 0.75f, 0.2f, 0.8f});
        fog.maxSpeedX = 30.0f;
        fog.maxSpeedY = 10.0f;
        SpriteParticle puff;
        SharedRandom::Seed(c.seed);
        fog.InitParticle(puff);
        EXPECT_FLOAT_EQ(puff.position.x, c.x);
        EXPECT_FLOAT_EQ(puff.position.y, c.y);
        EXPECT_FLOAT_EQ(puff.motion[0], c.vx);
        EXPECT_FLOAT_EQ(puff.motion[1], c.vy);
        EXPECT_FLOAT_EQ(puff.alpha, c.alpha);
        EXPECT_NEAR(std::atan2(puff.spin._12, puff.spin._11), c.spin, 1e-9);
        EXPECT_EQ(SharedRandom::Next(), c.nextDraw);
    }
}

TEST_F(LightSprites, ASparkleIsHalfItsSizeAtAlphaZeroAndFullAtOne) {
    QV_SparkleConstructor sparkles;
    sparkles.size.SetSilently(40);
    for (float alpha : {0.0f, 1.0f}) {
        SpriteParticle sprite;
        sprite.alpha = alpha;
        sprite.aspect = 0.25f;  // square whatever the image
        sparkles.UpdateParticle(sprite);
        EXPECT_EQ(sprite.halfWidth, 10.0f * (1.0f + alpha));
        EXPECT_EQ(sprite.halfHeight, sprite.halfWidth);
    }
}

TEST_F(LightSprites, FogTurnsBackOnlyWhenItsCentreCrossesAnEdgeAndKeepsItsPuffs) {
    QV_FogConstructor fog;
    fog.pulseSpeed = 1.0f;
    fog.StepTime(0.1f);
    SpriteParticle puff;
    puff.halfWidth = puff.halfHeight = 50.0f;
    puff.position = D3DXVECTOR3(795.0f, 300.0f, 0.0f);  // half outside, centre inside
    puff.motion[0] = 40.0f;
    puff.alpha = 0.15f;  // below alpha min 0.2
    puff.pulseSpeed = -1.0f;
    D3DXMatrixRotationZ(&puff.spin, 0.004f);
    fog.UpdateParticle(puff);
    EXPECT_FLOAT_EQ(puff.position.x, 799.0f);
    EXPECT_EQ(puff.motion[0], 40.0f);  // still outwards
    EXPECT_EQ(puff.alpha, 0.2f);       // the pulse turned, the puff was not placed anew
    EXPECT_EQ(puff.pulseSpeed, 1.0f);
    fog.UpdateParticle(puff);
    EXPECT_FLOAT_EQ(puff.position.x, 803.0f);
    EXPECT_EQ(puff.motion[0], -40.0f);
    // Two frames, two turns of 0.004 radians.
    EXPECT_NEAR(std::atan2(puff.right.y, puff.right.x), 0.008, 1e-6);
}

TEST_F(LightSprites, AFlashFadesInASixthUnlessItFlickersThenPausesWithinTheHiddenRange) {
    QV_LightingConstructor flashes;
    flashes.size.SetSilently(20);
    SpriteParticle sprite;
    sprite.alpha = 1.0f;
    sprite.lastChange = 0.0f;
    flashes.StepTime(0.1f);  // not yet 0.15 since the last change: no flicker
    flashes.UpdateParticle(sprite);
    EXPECT_FLOAT_EQ(sprite.alpha, 0.4f);
    std::set<int> pauses;
    for (int i = 0; i < 300; ++i) {
        sprite.alpha = 0.01f;
        sprite.lastChange = flashes.ScaledTime();
        flashes.UpdateParticle(sprite);  // fades below 0
        EXPECT_EQ(sprite.alpha, 0.0f);
        EXPECT_EQ(sprite.lastChange, flashes.LastTime());
        pauses.insert(int(std::lround(sprite.pause * 100.0f)));
    }
    EXPECT_GE(*pauses.begin(), 100);
    EXPECT_LE(*pauses.rbegin(), 500);
    EXPECT_GT(pauses.size(), 100u);
}

TEST_F(LightSprites, AFlashWaitsItsPauseThenFlashesSomewhereElse) {
    QV_LightingConstructor flashes;
    flashes.size.SetSilently(20);
    SpriteParticle sprite;
    sprite.alpha = 0.0f;
    sprite.pause = 0.25f;
    sprite.position = D3DXVECTOR3(-1000.0f, -1000.0f, 0.0f);
    flashes.StepTime(0.2f);
    flashes.UpdateParticle(sprite);
    EXPECT_EQ(sprite.alpha, 0.0f);  // 0.2 is not past the pause
    flashes.StepTime(0.4f);
    flashes.UpdateParticle(sprite);
    EXPECT_EQ(sprite.alpha, 1.0f);
    EXPECT_GE(sprite.position.x, 10.0f);  // inset by its half size
    EXPECT_LE(sprite.position.x, 790.0f);
    // Turned by at most 22.5 degrees either way, mirrored or not.
    const float turn = std::atan2(-sprite.up.x, sprite.up.y);
    EXPECT_LE(std::fabs(turn), kSinglePi / 8.0f + 1e-6f);
    EXPECT_NEAR(std::fabs(sprite.right.x), std::cos(turn), 1e-6);
}

TEST_F(LightSprites, AHiddenRangeGivenUpsideDownStillGivesPausesWithinIt) {
    QV_LightingConstructor flashes;
    flashes.TimeLine().HiddenMin().SetSilently(300);
    flashes.TimeLine().HiddenMax().SetSilently(200);
    SpriteParticle sprite;
    for (int i = 0; i < 50; ++i) {
        sprite.alpha = -0.5f;
        flashes.UpdateParticle(sprite);
        EXPECT_GE(sprite.pause, 2.0f);
        EXPECT_LE(sprite.pause, 3.0f);
    }
}

TEST_F(LightSprites, TheTimeLineFadesFlashesNeverAndGrassOnlyInAlphaMode) {
    const D3DCOLOR colour = 0xC0123456;
    QV_LightingConstructor flashes;
    QV_GrassConstructor grass;
    for (QV_BaseSpriteProp* d : {static_cast<QV_BaseSpriteProp*>(&flashes), static_cast<QV_BaseSpriteProp*>(&grass)}) {
        d->TimeLine().Mode().SetSilently(QV_TimeLineControl::kTimeWindows);  // opacity 0
        EXPECT_EQ(d->ApplyTimeLineAlpha(colour), colour);
    }
    grass.TimeLine().TimeMode().SetSilently(QV_TimeLineControl::kAlphaByOpacity);
    EXPECT_EQ(grass.ApplyTimeLineAlpha(colour), 0x00123456u);
}

TEST_F(LightSprites, GrassLeansFromItsFoot) {
    QV_GrassConstructor grass;  // sway 3
    SpriteParticle blade;
    blade.halfHeight = 50.0f;
    blade.position.x = 0.0f;
    blade.motion[2] = 0.0f;             // base
    blade.motion[1] = kSinglePi / 2.0f;  // s = sin(π/2) = 1 at T 0 and x 0
    grass.UpdateParticle(blade);
    EXPECT_NEAR(blade.up.x, 0.0524078f, 1e-5);  // lean 93 degrees
    EXPECT_NEAR(blade.position.x, -2.6204f, 1e-3);
}

// The sway's wave runs once across the picture; a picture without width has none, and its
// blades sway by their own phase alone instead of losing their place.
TEST_F(LightSprites, GrassOnAPictureWithoutWidthSwaysByItsPhaseAlone) {
    struct Case {
        int width;
        float x, phase;  // each gives s = 1: lean 93 degrees
    };
    const Case cases[] = {{800, 200.0f, 0.0f}, {0, 0.0f, kSinglePi / 2.0f}, {0, 37.0f, kSinglePi / 2.0f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "width " << c.width << " x " << c.x);
        spritetest::PublishPicture(c.width, 600);
        QV_GrassConstructor grass;  // sway 3
        SpriteParticle blade;
        blade.halfHeight = 50.0f;
        blade.position.x = c.x;
        blade.motion[2] = 100.0f;  // base
        blade.motion[1] = c.phase;
        grass.UpdateParticle(blade);
        EXPECT_NEAR(blade.up.x, 0.0524078f, 1e-5);
        EXPECT_NEAR(blade.position.x, 100.0f - 2.6204f, 1e-3);
    }
}

TEST_F(LightSprites, NewBladesStandOnTheRectanglesBottom) {
    QV_GrassConstructor grass;
    grass.SetRelative({0.5f, 1.0f, 0.0f, 0.75f});
    for (int i = 0; i < 20; ++i) {
        SpriteParticle blade;
        blade.halfHeight = 30.0f;
        grass.InitParticle(blade);
        EXPECT_EQ(blade.position.y, 450.0f - 30.0f);
        EXPECT_EQ(blade.motion[2], blade.position.x);
        EXPECT_GE(blade.position.x, 400.0f);
        EXPECT_EQ(std::fabs(blade.right.x), 1.0f);
    }
}

}  // namespace
