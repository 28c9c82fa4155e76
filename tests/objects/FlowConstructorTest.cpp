// The flow and the rain: direction, drift, orientation, the number of sprites drawn, and the
// rain's streaks and pulse.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "SpriteTesting.h"
#include "document/SharedRandom.h"
#include "objects/QV_RainConstructor.h"

namespace {

class Flows : public ::testing::Test {
protected:
    void SetUp() override { spritetest::PublishPicture(800, 600); }
};

// A sprite of the flow at the picture's middle, with drift d.
SpriteParticle Middle(float drift) {
    SpriteParticle sprite;
    sprite.factor = D3DXVECTOR3(1.0f, 1.0f, 0.0f);
    sprite.motion[2] = drift;
    sprite.position = D3DXVECTOR3(400.0f, 300.0f, 0.0f);
    sprite.halfWidth = sprite.halfHeight = 5.0f;
    return sprite;
}

TEST_F(Flows, SpritesMoveTowardsTheAngleWithTheDriftAlongTheSideVector) {
    struct Case {
        unsigned int angle;
        float speed;
        unsigned int amplitude;  // stored: × 3
        float drift;
        float dx, dy;  // over one step of 0.1
    };
    const Case cases[] = {
        {270, 100, 0, 0.0f, 0, 10},  {90, 100, 0, 0.0f, 0, -10}, {0, 100, 0, 0.0f, 10, 0},
        {180, 100, 0, 0.0f, -10, 0}, {0, 0, 10, 0.5f, 0, 1.5f},  // A = 30, v = (0, 15)
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.angle);
        QV_FlowConstructor source;
        source.flowSpeed = c.speed;
        source.angle.SetSilently(c.angle);
        source.driftAmplitude.SetSilently(c.amplitude);
        std::unique_ptr<QV_ParticleSystemCtrl> flow(source.Clone());  // vectors follow the copy
        SpriteParticle sprite = Middle(c.drift);
        flow->StepTime(0.1f);
        flow->UpdateParticle(sprite);
        EXPECT_NEAR(sprite.position.x - 400.0f, c.dx, 1e-4);
        EXPECT_NEAR(sprite.position.y - 300.0f, c.dy, 1e-4);
    }
}

TEST_F(Flows, NewSpritesStartInTheRectangleWithUnitFactorsAndADriftWithinOne) {
    QV_FlowConstructor flow;
    flow.SetRelative({0.25f, 0.5f, 0.5f, 1.0f});
    flow.size.SetSilently(20);
    for (int i = 0; i < 50; ++i) {
        SpriteParticle sprite;
        flow.InitParticle(sprite);
        EXPECT_EQ(sprite.factor, D3DXVECTOR3(1.0f, 1.0f, 0.0f));
        EXPECT_GE(sprite.motion[2], -1.0f);
        EXPECT_LE(sprite.motion[2], 1.0f);
        EXPECT_GE(sprite.position.x, 200.0f);
        EXPECT_LE(sprite.position.x, 400.0f);
        EXPECT_GE(sprite.position.y, 300.0f);
        EXPECT_LE(sprite.position.y, 600.0f);
        EXPECT_EQ(sprite.halfWidth, 10.0f);
    }
}

TEST_F(Flows, OrientationModesTurnOrMirrorTheSprite) {
    struct Case {
        int mode;
        unsigned int angle;
        D3DXVECTOR3 right, up;
    };
    const Case cases[] = {
        {QV_FlowConstructor::kUpright, 135, {1, 0, 0}, {0, 1, 0}},
        {QV_FlowConstructor::kAlongFlow, 90, {0, -1, 0}, {1, 0, 0}},  // turned with the flow
        {QV_FlowConstructor::kMirrorLeftward, 180, {-1, 0, 0}, {0, 1, 0}},
        {QV_FlowConstructor::kMirrorLeftward, 0, {1, 0, 0}, {0, 1, 0}},
        {QV_FlowConstructor::kMirrorUpward, 90, {1, 0, 0}, {0, -1, 0}},
        {QV_FlowConstructor::kMirrorUpward, 270, {1, 0, 0}, {0, 1, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " angle " << c.angle);
        QV_FlowConstructor flow;
        flow.flowSpeed = 3.0f;
        flow.orientation.SetSilently(c.mode);
        flow.angle.Assign(c.angle, nullptr);
        SpriteParticle sprite = Middle(0.0f);
        flow.ApplyOrientation(sprite);
        flow.StepTime(0.1f);
        flow.UpdateParticle(sprite);
        EXPECT_NEAR(sprite.right.x, c.right.x, 1e-6);
        EXPECT_NEAR(sprite.right.y, c.right.y, 1e-6);
        EXPECT_NEAR(sprite.up.x, c.up.x, 1e-6);
        EXPECT_NEAR(sprite.up.y, c.up.y, 1e-6);
    }
}

TEST_F(Flows, TheDriftChangesAtMostOnceInOneOverItsRateAndNeverAtRateZero) {
    struct Case {
        unsigned int rate;  // stored: × 0.25 changes per unit of scaled time
        bool changes;
    };
    for (const Case& c : {Case{0, false}, Case{4, true}}) {
        SCOPED_TRACE(c.rate);
        QV_FlowConstructor flow;
        flow.driftRate.Assign(c.rate, nullptr);
        SpriteParticle sprite = Middle(0.25f);
        std::vector<float> changes;
        for (int frame = 1; frame <= 200; ++frame) {
            const float before = sprite.motion[2];
            flow.StepTime(0.05f * float(frame));
            flow.UpdateParticle(sprite);
            if (sprite.motion[2] != before) changes.push_back(flow.ScaledTime());
        }
        EXPECT_EQ(!changes.empty(), c.changes);
        for (size_t i = 1; i < changes.size(); ++i) EXPECT_GT(changes[i] - changes[i - 1], 1.0f);
    }
}

TEST_F(Flows, TheNumberDrawnFollowsTheOpacityAndNeverExceedsTheCount) {
    const float infinity = std::numeric_limits<float>::infinity();
    struct Case {
        unsigned int count;
        int mode;            // of the time line
        float fadeInTo;      // slide time into a one-second fade-in
        unsigned int drawn;
    };
    const Case cases[] = {
        {10, QV_TimeLineControl::kRandomCycle, 0.451f, 4},  // opacity 0.45
        {1, QV_TimeLineControl::kRandomCycle, 0.101f, 1},
        {0, QV_TimeLineControl::kAlwaysVisible, 0.0f, 0},
        {10, QV_TimeLineControl::kAlwaysVisible, 0.0f, 10},
        {10, QV_TimeLineControl::kTimeWindows, 0.0f, 0},  // an opacity that is not a number
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.count << " in mode " << c.mode);
        QV_FlowConstructor flow;
        flow.count.SetSilently(c.count);
        QV_TimeLineControl& line = flow.TimeLine();
        line.Mode().SetSilently(c.mode);
        line.HiddenMin().SetSilently(0);
        line.HiddenMax().SetSilently(0);
        line.FadeIn().Assign(100, nullptr);
        // A window from minus to plus infinity fades in by infinity over infinity.
        line.AddWindow({-infinity, infinity, 1.0f, 2.0f});
        spritetest::DriveTimeLine(line, 0.001f);  // the fade-in starts
        spritetest::DriveTimeLine(line, c.fadeInTo);
        EXPECT_EQ(flow.GetCount(), c.drawn);
    }
}

TEST_F(Flows, RainStreaksLieAlongTheFlow) {
    struct Case {
        unsigned int angle;
        D3DXVECTOR3 right, up;
    };
    const float h = std::sqrt(0.5f);
    const Case cases[] = {{270, {1, 0, 0}, {0, 1, 0}}, {315, {h, -h, 0}, {h, h, 0}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.angle);
        QV_RainConstructor rain;
        rain.angle.Assign(c.angle, nullptr);
        EXPECT_EQ(rain.flowSpeed, 2000.0f);
        EXPECT_EQ(rain.orientation.Value(), QV_FlowConstructor::kAlongFlow);
        SpriteParticle sprite;
        rain.InitParticle(sprite);
        EXPECT_NEAR(sprite.up.x, c.up.x, 1e-6);
        EXPECT_NEAR(sprite.up.y, c.up.y, 1e-6);
        EXPECT_NEAR(sprite.right.x, c.right.x, 1e-6);
        EXPECT_NEAR(sprite.right.y, c.right.y, 1e-6);
        EXPECT_GE(sprite.alpha, 0.0f);
        EXPECT_LE(sprite.alpha, 1.0f);
    }
}

TEST_F(Flows, ARainDropWhosePulseFallsBelowAlphaMinStartsAgainAtARandomPoint) {
    QV_RainConstructor source;
    source.flowSpeed = 0.0f;  // the drop would not move by itself
    source.pulseSpeed = 1.0f;
    source.alphaMin = 0.3f;
    std::unique_ptr<QV_ParticleSystemCtrl> rain(source.Clone());
    SpriteParticle sprite = Middle(0.0f);
    sprite.alpha = 0.32f;
    sprite.pulseSpeed = -1.0f;
    rain->StepTime(0.1f);
    rain->UpdateParticle(sprite);
    EXPECT_EQ(sprite.alpha, 0.3f);
    EXPECT_EQ(sprite.pulseSpeed, 1.0f);
    EXPECT_NE(sprite.position, D3DXVECTOR3(400.0f, 300.0f, 0.0f));
}

// The rain sets a drop's alpha back after every flow step, so a wrap edge's fade-out never
// ends: the edge that takes a drop keeps it, no other edge looks at it, and it flies on until
// its pulse places it anew (from seed 1: drift 41, then x 18467 and y 6334, the alpha 26500
// given up for alpha min), still owned.
TEST_F(Flows, ARainDropTakenByAWrapEdgeFliesOnUntilItsPulsePlacesItAnew) {
    QV_RainConstructor source;
    source.flowSpeed = 100.0f;  // straight down, 10 a frame
    source.pulseSpeed = 1.0f;
    source.alphaMin = 0.2f;
    std::unique_ptr<QV_ParticleSystemCtrl> rain(source.Clone());
    SpriteParticle drop = Middle(0.0f);
    drop.position = D3DXVECTOR3(400.0f, 625.0f, 0.0f);  // wholly below
    drop.alpha = 0.55f;
    drop.pulseSpeed = -1.0f;
    const float alphas[] = {0.45f, 0.35f, 0.25f};
    for (int k = 1; k <= 3; ++k) {
        SCOPED_TRACE(k);
        rain->StepTime(0.1f * float(k));
        rain->UpdateParticle(drop);
        EXPECT_EQ(drop.owningEdge, QV_BoundControl::kBottom);
        EXPECT_NEAR(drop.alpha, alphas[k - 1], 1e-5);
        EXPECT_FALSE(drop.frozen);
        EXPECT_EQ(drop.reentry, 0);
        EXPECT_NEAR(drop.position.y, 625.0f + 10.0f * float(k), 1e-3);
    }
    SharedRandom::Seed(1);
    rain->StepTime(0.4f);
    rain->UpdateParticle(drop);
    EXPECT_FLOAT_EQ(drop.motion[2], -0.9974975f);
    EXPECT_FLOAT_EQ(drop.position.x, 450.86829f);
    EXPECT_FLOAT_EQ(drop.position.y, 115.98254f);
    EXPECT_EQ(drop.alpha, 0.2f);
    EXPECT_EQ(drop.pulseSpeed, 1.0f);
    EXPECT_EQ(drop.owningEdge, QV_BoundControl::kBottom);
    EXPECT_EQ(SharedRandom::Next(), 19169);
    rain->StepTime(0.5f);
    rain->UpdateParticle(drop);
    EXPECT_EQ(drop.owningEdge, QV_BoundControl::kBottom);
    EXPECT_NEAR(drop.position.y, 125.98254f, 1e-3);
    EXPECT_NEAR(drop.alpha, 0.3f, 1e-5);
}

// A copy's direction observer is its own: turning the source leaves the copy's flow as it
// was, and turning the copy, once the source is gone, moves the copy's flow and no other.
// Its edges keep the source's modes and test their own edge.
TEST_F(Flows, ACopyTurnsWithItsOwnAngleAloneAndKeepsItsEdges) {
    struct Case {
        const char* kind;
        QV_FlowConstructor* (*make)();
    };
    const Case cases[] = {
        {"flow", [] { return new QV_FlowConstructor; }},
        {"rain", []() -> QV_FlowConstructor* { return new QV_RainConstructor; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        std::unique_ptr<QV_FlowConstructor> source(c.make());
        source->flowSpeed = 100.0f;
        source->angle.Assign(0, nullptr);  // to the right
        source->edges[QV_BoundControl::kLeft].mode.SetSilently(QV_BoundControl::kBounce);
        std::unique_ptr<QV_FlowConstructor> copy(static_cast<QV_FlowConstructor*>(source->Clone()));

        source->angle.Assign(90, nullptr);  // up
        EXPECT_NEAR(source->flow.y, -100.0f, 1e-3);
        EXPECT_NEAR(copy->flow.x, 100.0f, 1e-3);
        EXPECT_NEAR(copy->flow.y, 0.0f, 1e-3);

        source.reset();
        copy->angle.Assign(180, nullptr);  // to the left
        EXPECT_NEAR(copy->flow.x, -100.0f, 1e-3);
        EXPECT_NEAR(copy->side.y, -1.0f, 1e-3);

        for (int edge = 0; edge < 4; ++edge) EXPECT_EQ(copy->edges[edge].EdgeIndex(), edge);
        EXPECT_EQ(copy->edges[QV_BoundControl::kLeft].mode.Value(), QV_BoundControl::kBounce);
        EXPECT_EQ(copy->edges[QV_BoundControl::kTop].mode.Value(), QV_BoundControl::kWrap);
    }
}

}  // namespace
