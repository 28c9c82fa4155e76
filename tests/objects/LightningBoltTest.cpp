// The lightning bolt with the shared generator seeded: chains, passes, branch levels, the
// random numbers a build draws, seeded repeats, the layers' budget, the built flag and how
// lit each point is by the time line's state. No device is made.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "base/CurrentDevice.h"
#include "document/NumericHelpers.h"
#include "document/QV_DocResManager.h"
#include "document/SharedRandom.h"
#include "objects/QV_LightningGN.h"
#include "objects/QV_ParticlesObj.h"

namespace {

const D3DXVECTOR3 kStart(40, 10, 0);
const D3DXVECTOR3 kEnd(40, 310, 0);

LightningShape Shape(uint32_t passes, std::array<uint32_t, 3> counts = {}) {
    return LightningShape{.start = kStart, .end = kEnd, .passes = passes, .displacement = 0.2f,
                          .branchLength = 0.8f, .branchAngle = kSinglePi / 4, .taper = 0.5f,
                          .branchCounts = counts};
}

std::vector<LightningPoint> Chain(const LightningBolt& bolt, size_t index) {
    const LightningChain& chain = bolt.Chains()[index];
    std::vector<LightningPoint> points;
    for (size_t k = 0; k < chain.count; ++k) points.push_back(bolt.Point(chain, k));
    return points;
}

uint32_t SeedAfter(uint32_t seed, int draws) {
    for (int i = 0; i < draws; ++i) seed = seed * 214013u + 2531011u;
    return seed;
}

class LightningBoltTest : public testing::Test {
protected:
    void SetUp() override {
        CurrentDevice = nullptr;
        CurrentDocResManager = nullptr;
        SharedRandom::Seed(1);
    }
};

TEST_F(LightningBoltTest, TestThatDetailZeroGivesOneSegmentTwoCapsAndTwoSpots) {
    LightningBolt bolt;
    bolt.Build(Shape(0, {0, 4, 4}));
    ASSERT_EQ(bolt.Chains().size(), 1u);
    EXPECT_EQ(bolt.CountSegments(), 1u);  // one core and one glow quad
    EXPECT_EQ(bolt.CountChainEnds(), 2u);  // two caps with the core, two spots
    const std::vector<LightningPoint> points = Chain(bolt, 0);
    ASSERT_EQ(points.size(), 2u);
    // The start stays; the end is pulled back by a third of the segment.
    EXPECT_EQ(points[0].position, kStart);
    EXPECT_EQ(points[1].position, kStart + (kEnd - kStart) * 0.67f);
}

TEST_F(LightningBoltTest, TestThatEachPassDoublesTheSegmentsAndSmoothingLeavesTwiceTheirPoints) {
    for (uint32_t passes = 0; passes <= 5; ++passes) {
        SCOPED_TRACE(passes);
        LightningBolt bolt;
        bolt.Build(Shape(passes));
        const std::vector<LightningPoint> points = Chain(bolt, 0);
        ASSERT_EQ(points.size(), size_t(2) << passes);  // 2^passes + 1 points, smoothed to 2n − 2
        EXPECT_EQ(points.front().position, kStart);
        // From the end back to the start the width grows from the taper, the phase from 0.
        EXPECT_EQ(points.back().width, 0.5f);
        EXPECT_EQ(points.back().phase, 0.0f);
        EXPECT_EQ(points.front().phase, 1.0f);
        for (size_t k = 1; k < points.size(); ++k) EXPECT_LE(points[k].width, points[k - 1].width);
    }
}

TEST_F(LightningBoltTest, TestThatTheBranchCountsShapeTheTree) {
    struct Case {
        const char* tree;
        uint32_t passes;
        std::array<uint32_t, 3> counts;
        size_t minChains, maxChains;
    };
    const Case cases[] = {
        {"no first level: no branches at all", 4, {0, 5, 5}, 1, 1},
        {"no second level: the third is dropped", 4, {1, 0, 9}, 2, 2},
        {"one node on each level", 4, {1, 1, 1}, 4, 4},
        // Forty nodes on a two-point trunk: nodes on the same point make one branch.
        {"nodes sharing a point", 0, {40, 0, 0}, 2, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tree);
        LightningBolt bolt;
        bolt.Build(Shape(c.passes, c.counts));
        EXPECT_GE(bolt.Chains().size(), c.minChains);
        EXPECT_LE(bolt.Chains().size(), c.maxChains);
    }
}

TEST_F(LightningBoltTest, TestThatABranchHasOnePassFewerThanItsTrunkAndLeavesWithItsPoint) {
    LightningBolt bolt;
    bolt.Build(Shape(1, {3, 0, 0}));
    ASSERT_GE(bolt.Chains().size(), 2u);
    const std::vector<LightningPoint> trunk = Chain(bolt, 0);
    for (const LightningPoint& point : trunk) {
        if (point.branch < 0) continue;
        const std::vector<LightningPoint> branch = Chain(bolt, size_t(point.branch));
        ASSERT_EQ(branch.size(), 2u);  // detail 1: the first level is single segments
        EXPECT_EQ(branch[0].position, point.position);
        EXPECT_EQ(branch[0].phase, point.phase);
        EXPECT_EQ(branch[1].width, 0.5f * point.width);
    }
}

TEST_F(LightningBoltTest, TestThatABuildDrawsTheRandomNumbersItShould) {
    struct Case {
        const char* bolt;
        uint32_t passes;
        std::array<uint32_t, 3> counts;
        int draws;
    };
    const Case cases[] = {
        // Three midpoints, two numbers each.
        {"two passes, no branches", 2, {0, 0, 0}, 6},
        // A midpoint, the node's point, the branch's side and length.
        {"one branch", 1, {1, 0, 0}, 5},
        // The third and second levels' parents, then per level a node's point and a branch.
        {"a branch on each level", 1, {1, 1, 1}, 13},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bolt);
        SharedRandom::Seed(4242);
        LightningBolt bolt;
        bolt.Build(Shape(c.passes, c.counts));
        EXPECT_EQ(SharedRandom::CurrentSeed(), SeedAfter(4242, c.draws));
    }
}

std::unique_ptr<QV_LightningGN> Lightning(int randomFlag) {
    auto lightning = std::make_unique<QV_LightningGN>();
    lightning->start.SetSilently(kStart);
    lightning->end.SetSilently(kEnd);
    lightning->detail.SetSilently(4);
    lightning->seed.SetSilently(77);
    lightning->displacement.Assign(50, nullptr);
    lightning->branchLength.Assign(60, nullptr);
    lightning->branchCounts[0].SetSilently(3);
    lightning->branchCounts[1].SetSilently(2);
    lightning->randomFlag.SetSilently(randomFlag);
    return lightning;
}

std::vector<D3DXVECTOR3> Positions(const LightningBolt& bolt) {
    std::vector<D3DXVECTOR3> positions;
    for (const LightningChain& chain : bolt.Chains())
        for (size_t k = 0; k < chain.count; ++k) positions.push_back(bolt.Point(chain, k).position);
    return positions;
}

TEST_F(LightningBoltTest, TestThatRandomFlagZeroRepeatsTheBoltAndTheSequenceWhileOtherFlagsDoNot) {
    for (int flag : {0, 1}) {
        SCOPED_TRACE(flag);
        auto lightning = Lightning(flag);
        lightning->Regenerate();
        const std::vector<D3DXVECTOR3> first = Positions(lightning->Bolt());
        const uint32_t seedAfterFirst = SharedRandom::CurrentSeed();
        SharedRandom::Next();  // other objects draw in between
        lightning->Regenerate();
        EXPECT_EQ(Positions(lightning->Bolt()) == first, flag == 0);
        EXPECT_EQ(SharedRandom::CurrentSeed() == seedAfterFirst, flag == 0);
    }
}

TEST_F(LightningBoltTest, TestThatTheMostDetailedBoltWithTheMostBranchesStillFitsItsLayers) {
    LightningBolt bolt;
    const uint32_t most = LightningBolt::kMaxBranchCount;
    bolt.Build(Shape(LightningBolt::kMaxPasses, {most, most, most}));
    EXPECT_GT(bolt.Chains().size(), 1u);
    EXPECT_LE(bolt.CountSegments() + bolt.CountChainEnds(), size_t(QV_ParticlesObj::kMaxLayerQuads));
}

TEST_F(LightningBoltTest, TestThatABoltFromAPointToItselfStaysFinite) {
    LightningShape shape = Shape(3, {4, 3, 2});
    shape.end = shape.start;
    LightningBolt bolt;
    bolt.Build(shape);
    for (const D3DXVECTOR3& p : Positions(bolt))
        EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z));
}

TEST_F(LightningBoltTest, TestThatANewBoltIsBuiltOnTheFirstUpdateAfterEveryHiddenPhase) {
    auto lightning = Lightning(1);
    std::unique_ptr<QV_ABObj> object(lightning->CreateObject());
    auto& clone = static_cast<QV_LightningGN&>(static_cast<QV_ParticlesObj&>(*object).Generator());
    // Built once by the object's preparation, without the flag.
    EXPECT_FALSE(clone.Built());
    struct Step {
        int mode;
        bool built, newBolt;
    } steps[] = {
        {QV_TimeLineControl::kAlwaysVisible, true, true},
        {QV_TimeLineControl::kAlwaysVisible, true, false},
        {QV_TimeLineControl::kTimeWindows, false, false},  // hidden: no window
        {QV_TimeLineControl::kTimeWindows, false, false},
        {QV_TimeLineControl::kAlwaysVisible, true, true},
    };
    float t = 0;
    for (const Step& step : steps) {
        clone.TimeLine().Mode().Assign(step.mode, nullptr);
        const uint32_t seed = SharedRandom::CurrentSeed();
        object->Update(t += 0.1f);
        EXPECT_EQ(clone.Built(), step.built) << t;
        EXPECT_EQ(SharedRandom::CurrentSeed() != seed, step.newBolt) << t;
    }
}

TEST_F(LightningBoltTest, TestThatEachPointIsLitByItsPhaseInTheTimeLinesState) {
    struct Case {
        int state;
        float opacity, phase, alpha;
    };
    const Case cases[] = {
        {AnimationState::kFadingIn, 0.5f, 0.6f, 1.0f},              // opacity past 1 − phase
        {AnimationState::kFadingIn, 0.5f, 0.4f, (0.9f - 0.666f) * 3},  // not yet
        {AnimationState::kFadingIn, 0.1f, 0.0f, (0.1f - 0.666f) * 3},  // below 0 until clamped
        {AnimationState::kFadingOut, 0.5f, 0.3f, 0.25f},
        {AnimationState::kVisible, 0.2f, 0.3f, 0.75f},  // the frame's flicker
        {AnimationState::kHidden, 0.0f, 1.0f, 0.0f},
    };
    for (const Case& c : cases) {
        const PhaseLight light{c.state, c.opacity, 0.75f};
        EXPECT_FLOAT_EQ(light.Alpha(c.phase), c.alpha) << c.state << " " << c.phase;
    }
    // Without flicker a shown bolt is fully lit; with it, its light moves with the time.
    EXPECT_EQ(PhaseLight::Flicker(3.7f, 0.0f), 1.0f);
    float lowest = 2, highest = -2;
    for (float t = 0; t < 2; t += 0.037f) {
        lowest = std::min(lowest, PhaseLight::Flicker(t, 0.5f));
        highest = std::max(highest, PhaseLight::Flicker(t, 0.5f));
    }
    EXPECT_GT(highest - lowest, 0.2f);
}

}  // namespace
