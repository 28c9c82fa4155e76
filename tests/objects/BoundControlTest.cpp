// The flow's edge rules, frame by frame: wrap with and without fades, bounce, hold outside,
// and the owner's exclusivity.
#include <gtest/gtest.h>

#include <iterator>

#include "SpriteTesting.h"
#include "objects/QV_FlowConstructor.h"

namespace {

// A flow over the whole 800 × 600 picture, moving at `speed` towards `angle`.
class EdgeRules : public ::testing::Test {
protected:
    void SetUp() override {
        spritetest::PublishPicture(800, 600);
        sprite_.halfWidth = sprite_.halfHeight = 20.0f;
        sprite_.factor = D3DXVECTOR3(1.0f, 1.0f, 0.0f);
        sprite_.motion[2] = 0.0f;  // no drift
    }
    void Flow(unsigned int angle, float speed) {
        flow_.flowSpeed = speed;
        flow_.angle.Assign(angle, nullptr);
        flow_.OnDirectionChanged(angle);
    }
    // One frame of dt seconds of scaled time.
    void Frame(float dt) {
        t_ += dt;
        flow_.StepTime(t_);
        flow_.UpdateParticle(sprite_);
    }

    QV_FlowConstructor flow_;
    SpriteParticle sprite_;
    float t_ = 0.0f;
};

TEST_F(EdgeRules, WrapWithoutFadesTakesFiveFramesToBringASpriteBackAtTheOppositeEdge) {
    Flow(270, 100.0f);  // straight down
    sprite_.position = D3DXVECTOR3(400.0f, 625.0f, 0.0f);  // wholly below the bottom
    struct Expected {
        int owner;
        float alpha;
        bool frozen;
        int reentry;
    };
    const Expected frames[] = {
        {QV_BoundControl::kBottom, 1.0f, false, 0},  // k: the fade-out begins
        {QV_BoundControl::kBottom, 0.0f, false, 0},  // k+1: a fade of no length is over at once
        {-1, 0.0f, true, 0},                         // k+2: released, waiting out its pause
        {QV_BoundControl::kBottom, 0.0f, true, 1},   // k+3: placed above the top
        {QV_BoundControl::kBottom, 1.0f, false, 1},  // k+4: the pause is over, faded in at once
        {-1, 1.0f, false, 0},                        // k+5: released
    };
    float placedX = 0.0f;
    for (int k = 0; k < 6; ++k) {
        SCOPED_TRACE(k);
        Frame(0.1f);
        EXPECT_EQ(sprite_.owningEdge, frames[k].owner);
        EXPECT_EQ(sprite_.alpha, frames[k].alpha);
        EXPECT_EQ(sprite_.frozen, frames[k].frozen);
        EXPECT_EQ(sprite_.reentry, frames[k].reentry);
        if (k == 2) {
            EXPECT_EQ(sprite_.delayDeadline, flow_.ScaledTime());
            EXPECT_EQ(sprite_.delayTimer, flow_.ScaledTime());
        }
        if (k == 3) {
            EXPECT_EQ(sprite_.position.y, 0.0f - 20.0f + 1.0f);
            placedX = sprite_.position.x;
            EXPECT_GE(placedX, 0.0f);
            EXPECT_LE(placedX, 800.0f);
        }
    }
    // Frozen at k+4, on the move again at k+5.
    EXPECT_FLOAT_EQ(sprite_.position.y, -19.0f + 10.0f);
    EXPECT_FLOAT_EQ(sprite_.position.x, placedX);
}

TEST_F(EdgeRules, WrapWithAPauseAndAFadeInBringsTheSpriteBackStepByStep) {
    Flow(270, 100.0f);  // 12.5 down a frame
    QV_BoundControl& bottom = flow_.edges[QV_BoundControl::kBottom];
    bottom.minDelay.Assign(250, nullptr);
    bottom.maxDelay.Assign(250, nullptr);
    bottom.fadeInTime.Assign(300, nullptr);  // 0.125 × 1000 / 300 a frame
    sprite_.position = D3DXVECTOR3(400.0f, 625.0f, 0.0f);
    struct Expected {
        int owner;
        float alpha;
        bool frozen;
        int reentry;
        float y;
    };
    const Expected frames[] = {
        {QV_BoundControl::kBottom, 1.0f, false, 0, 637.5f},
        {QV_BoundControl::kBottom, 0.0f, false, 0, 650.0f},
        {-1, 0.0f, true, 0, 662.5f},                                // a pause of 0.25 from T 0.375
        {QV_BoundControl::kBottom, 0.0f, true, 1, -19.0f},          // placed above the top
        {QV_BoundControl::kBottom, 0.0f, true, 1, -19.0f},          // timer 0.5
        {QV_BoundControl::kBottom, 0.0f, true, 1, -19.0f},          // timer 0.625: not yet past
        {QV_BoundControl::kBottom, 0.41666666f, false, 1, -19.0f},  // the pause is over
        {QV_BoundControl::kBottom, 0.8333333f, false, 1, -6.5f},
        {QV_BoundControl::kBottom, 1.0f, false, 1, 6.0f},  // 1.25 held at 1
        {-1, 1.0f, false, 0, 18.5f},                       // whole: let go
    };
    for (size_t k = 0; k < std::size(frames); ++k) {
        SCOPED_TRACE(k);
        Frame(0.125f);
        EXPECT_EQ(sprite_.owningEdge, frames[k].owner);
        EXPECT_FLOAT_EQ(sprite_.alpha, frames[k].alpha);
        EXPECT_EQ(sprite_.frozen, frames[k].frozen);
        EXPECT_EQ(sprite_.reentry, frames[k].reentry);
        EXPECT_FLOAT_EQ(sprite_.position.y, frames[k].y);
    }
    EXPECT_EQ(sprite_.delayDeadline, 0.625f);
}

// A sprite that leaves the area already invisible has no fade-out, so no pause of its own: it
// is placed beyond the opposite edge at once and waits against the deadline and timer it kept
// from its last pause, moving on unseen, as it was never frozen. A new sprite has both at 0.
TEST_F(EdgeRules, AnInvisibleSpriteReentersAtOnceAndWaitsOutItsOldDeadline) {
    struct Case {
        const char* label;
        float deadline, timer;
        int hiddenFrames;  // after the one that placed it
    };
    const Case cases[] = {{"new", 0.0f, 0.0f, 0}, {"a pause still to run", 5.0f, 4.5f, 4}};
    Flow(270, 100.0f);
    const SpriteParticle start = sprite_;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        sprite_ = start;
        sprite_.alpha = 0.0f;
        sprite_.delayDeadline = c.deadline;
        sprite_.delayTimer = c.timer;
        sprite_.position = D3DXVECTOR3(400.0f, 625.0f, 0.0f);
        Frame(0.125f);
        EXPECT_EQ(sprite_.owningEdge, QV_BoundControl::kBottom);
        EXPECT_EQ(sprite_.reentry, 1);
        EXPECT_EQ(sprite_.position.y, -19.0f);
        EXPECT_EQ(sprite_.delayDeadline, c.deadline);
        EXPECT_EQ(sprite_.delayTimer, c.timer);
        for (int k = 1; k <= c.hiddenFrames; ++k) {
            Frame(0.125f);
            EXPECT_EQ(sprite_.alpha, 0.0f) << k;
            EXPECT_EQ(sprite_.delayTimer, c.timer + 0.125f * float(k)) << k;
        }
        Frame(0.125f);
        EXPECT_EQ(sprite_.alpha, 1.0f);
        EXPECT_EQ(sprite_.owningEdge, QV_BoundControl::kBottom);
        EXPECT_FLOAT_EQ(sprite_.position.y, -19.0f + 12.5f * float(c.hiddenFrames + 1));
        Frame(0.125f);
        EXPECT_EQ(sprite_.owningEdge, -1);
        EXPECT_EQ(sprite_.reentry, 0);
    }
}

TEST_F(EdgeRules, AFadeOutOfHalfASecondTakesAFifthOfTheAlphaInATenthOfASecond) {
    Flow(270, 100.0f);
    flow_.edges[QV_BoundControl::kBottom].fadeOutTime.Assign(500, nullptr);
    sprite_.position = D3DXVECTOR3(400.0f, 625.0f, 0.0f);
    Frame(0.1f);
    ASSERT_EQ(sprite_.owningEdge, QV_BoundControl::kBottom);
    Frame(0.1f);
    EXPECT_FLOAT_EQ(sprite_.alpha, 0.8f);
    EXPECT_EQ(sprite_.colour >> 24, 204u);  // the emitter's colour follows the alpha
}

TEST_F(EdgeRules, BounceTurnsTheSpriteAndPullsItBackInside) {
    Flow(0, 50.0f);  // to the right
    flow_.edges[QV_BoundControl::kRight].mode.Assign(QV_BoundControl::kBounce, nullptr);
    sprite_.position = D3DXVECTOR3(785.0f, 300.0f, 0.0f);
    Frame(0.1f);
    EXPECT_FLOAT_EQ(sprite_.position.x, 790.0f);
    EXPECT_EQ(sprite_.factor.x, -1.0f);
    EXPECT_EQ(sprite_.owningEdge, QV_BoundControl::kRight);
    // Moving back 5 leaves it at 785, still over 780 = right − half width: pulled to 779,
    // where it no longer reaches over the edge.
    Frame(0.1f);
    EXPECT_FLOAT_EQ(sprite_.position.x, 779.0f);
    EXPECT_EQ(sprite_.owningEdge, -1);
}

TEST_F(EdgeRules, HoldOutsideWaitsItsDelayBesideTheAreaAndTurnsBack) {
    Flow(180, 100.0f);  // to the left
    QV_BoundControl& left = flow_.edges[QV_BoundControl::kLeft];
    left.mode.Assign(QV_BoundControl::kHoldOutside, nullptr);
    left.minDelay.Assign(1000, nullptr);
    left.maxDelay.Assign(1000, nullptr);
    const float step = 0.125f;  // eight frames a second of scaled time, exactly
    sprite_.position = D3DXVECTOR3(-15.0f, 300.0f, 0.0f);  // reaching out, not yet wholly out
    Frame(step);
    EXPECT_FLOAT_EQ(sprite_.position.x, -27.5f);
    EXPECT_EQ(sprite_.factor.x, -1.0f);
    EXPECT_TRUE(sprite_.frozen);
    EXPECT_EQ(sprite_.delayDeadline, flow_.ScaledTime() + 1.0f);
    // Held within one half width of the area for a second of scaled time.
    for (int i = 0; i < 8; ++i) {
        Frame(step);
        EXPECT_EQ(sprite_.position.x, -20.0f + 1.0f);
        EXPECT_TRUE(sprite_.frozen) << i;
    }
    Frame(step);
    EXPECT_FALSE(sprite_.frozen);
    EXPECT_EQ(sprite_.owningEdge, -1);  // no longer wholly outside
    Frame(step);
    EXPECT_FLOAT_EQ(sprite_.position.x, -19.0f + 12.5f);  // on its way back in
}

TEST_F(EdgeRules, AnOwnedSpriteIsLeftToItsEdgeAlone) {
    Flow(270, 0.0f);
    for (QV_BoundControl& edge : flow_.edges) edge.mode.Assign(QV_BoundControl::kBounce, nullptr);
    // Reaching over every edge at once, owned by the bottom.
    sprite_.halfWidth = sprite_.halfHeight = 1000.0f;
    sprite_.position = D3DXVECTOR3(400.0f, 300.0f, 0.0f);
    sprite_.owningEdge = QV_BoundControl::kBottom;
    const D3DXVECTOR3 factor = sprite_.factor;
    for (int edge : {QV_BoundControl::kTop, QV_BoundControl::kLeft, QV_BoundControl::kRight})
        EXPECT_FALSE(flow_.edges[edge].React(sprite_, flow_, flow_.GetPixelSides())) << edge;
    EXPECT_EQ(sprite_.factor, factor);
    EXPECT_TRUE(flow_.edges[QV_BoundControl::kBottom].React(sprite_, flow_, flow_.GetPixelSides()));
}

TEST_F(EdgeRules, AnEdgeOfAnUnknownModeNeverReacts) {
    Flow(270, 100.0f);
    for (QV_BoundControl& edge : flow_.edges) edge.mode.Assign(7, nullptr);
    sprite_.position = D3DXVECTOR3(400.0f, 625.0f, 0.0f);
    for (int k = 0; k < 3; ++k) Frame(0.1f);
    EXPECT_EQ(sprite_.owningEdge, -1);
    EXPECT_FLOAT_EQ(sprite_.position.y, 655.0f);  // it flies on
}

}  // namespace
