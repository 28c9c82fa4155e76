// Falling objects without a device: the drift directions, the re-entry at the opposite edge,
// the speed, the wobble, and how the children follow the count.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "MeshTestScene.h"
#include "document/SharedRandom.h"
#include "objects/QV_3D_in_2D_array.h"
#include "objects/QV_3D_in_2D_array_Constructor.h"
#include "objects/QV_SreamAnim.h"

namespace {

constexpr float kWidth = 800, kHeight = 600;

TEST(DirectionVectors, ZeroMovesRightAndNinetyUp) {
    struct Case {
        int32_t angle;
        float direction[2], perpendicular[2];
    } cases[] = {
        {0, {1, 0}, {0, -1}}, {90, {0, -1}, {-1, 0}}, {180, {-1, 0}, {0, 1}}, {270, {0, 1}, {1, 0}},
        {450, {0, -1}, {-1, 0}},
    };
    for (const Case& c : cases) {
        DirectionVectors vectors;
        vectors.SetAngle(c.angle);
        SCOPED_TRACE(c.angle);
        EXPECT_EQ(vectors.angle, c.angle);
        for (int i = 0; i < 2; ++i) {
            EXPECT_NEAR(vectors.direction[i], c.direction[i], 2e-3f);
            EXPECT_NEAR(vectors.perpendicular[i], c.perpendicular[i], 2e-3f);
        }
    }
}

StreamAnimParams Stream(int32_t angle, unsigned int size, unsigned int speed = 50) {
    StreamAnimParams params;
    params.direction.SetAngle(angle);
    params.size.SetSilently(size);
    params.speed.SetSilently(speed);
    return params;
}

// An object past the edge it moves toward (by more than half its size) comes back at the
// opposite edge, at a random place along it, without moving in that step.
TEST(DriftStep, ObjectsReEnterAtTheOppositeEdge) {
    struct Case {
        const char* label;
        int32_t angle;
        float x, y;
        float expectedX, expectedY;  // NAN: the random place
    } cases[] = {
        {"right, past the edge", 0, 821, 300, -20, NAN},
        {"right, not yet past", 0, 819, 300, 819 + 12.5f, 300},
        {"up", 90, 400, -21, NAN, 620},
        {"down", 270, 400, 621, NAN, -20},
        {"left", 180, -21, 300, 820, NAN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SharedRandom::Seed(99);
        const float random = RandomRange(0, std::isnan(c.expectedX) ? kWidth : kHeight);
        SharedRandom::Seed(99);
        DriftState state{.x = c.x, .y = c.y, .sideways = 0, .speedFactor = 0.1f};
        DriftStep(state, Stream(c.angle, 40), 0.05f, kWidth, kHeight);
        EXPECT_NEAR(state.x, std::isnan(c.expectedX) ? random : c.expectedX, 1e-3f);
        EXPECT_NEAR(state.y, std::isnan(c.expectedY) ? random : c.expectedY, 1e-3f);
    }
}

TEST(DriftStep, SpeedFiftyWithFactorATenthMoves250PixelsASecond) {
    DriftState state{.x = 100, .y = 300, .sideways = 0.5f, .speedFactor = 0.1f};
    const StreamAnimParams straight = Stream(0, 40);
    for (int i = 0; i < 20; ++i) DriftStep(state, straight, 0.05f, kWidth, kHeight);
    EXPECT_NEAR(state.x, 350, 1e-3f);
    // Without wobble the sideways factor does not bend the path.
    EXPECT_NEAR(state.y, 300, 1e-3f);

    // With wobble 50 half of it goes toward the perpendicular (up, for 0°).
    StreamAnimParams wobbly = Stream(0, 40);
    wobbly.wobble.SetSilently(50);
    DriftStep(state, wobbly, 0.2f, kWidth, kHeight);
    EXPECT_NEAR(state.x, 400, 1e-3f);
    EXPECT_NEAR(state.y, 275, 1e-3f);
}

class FallingObjectsTest : public ::testing::Test {
protected:
    void SetUp() override {
        vgtest::PublishPictureSize(int(kWidth), int(kHeight));
        SharedRandom::Seed(5);
        StreamAnimTime = 0;
        description_.Stream().size.SetSilently(40);
    }
    void TearDown() override { SharedRandom::Seed(SharedRandom::kInitialSeed); }

    std::unique_ptr<QV_3D_in_2D_array> Make(unsigned int count) {
        description_.Count().SetSilently(count);
        return std::unique_ptr<QV_3D_in_2D_array>(static_cast<QV_3D_in_2D_array*>(description_.CreateObject()));
    }
    static QV_LeafFallAnim& Leaf(QV_3D_in_2D_array& object, size_t i) {
        return static_cast<QV_LeafFallAnim&>(*object.Mesh().children[i]->animation);
    }

    QV_3D_in_2D_array_Constructor description_;
};

TEST_F(FallingObjectsTest, ObjectsStartAnywhereWithTheirOwnFactors) {
    // The draws of one object: x, y, sideways, speed factor, then its spins.
    SharedRandom::Seed(31);
    const float x = SharedRandom::NextUnit() * kWidth, y = SharedRandom::NextUnit() * kHeight;
    const float sideways = SharedRandom::NextUnit() * 2 - 1, factor = SharedRandom::NextUnit() * 0.06f + 0.07f;
    SharedRandom::Seed(31);
    auto object = Make(3);
    ASSERT_EQ(object->Mesh().children.size(), 3u);
    const DriftState& first = Leaf(*object, 0).State();
    EXPECT_FLOAT_EQ(first.x, x);
    EXPECT_FLOAT_EQ(first.y, y);
    EXPECT_FLOAT_EQ(first.sideways, sideways);
    EXPECT_FLOAT_EQ(first.speedFactor, factor);
    for (size_t i = 0; i < 3; ++i) {
        const QV_LeafFallAnim& leaf = Leaf(*object, i);
        for (int k = 0; k < 3; ++k) {
            EXPECT_GE(std::fabs(leaf.Tumble(k).speed), 7.0f);
            EXPECT_LE(std::fabs(leaf.Tumble(k).speed), 10.0f);
        }
        for (int k = 0; k < 2; ++k) {
            const float speed = std::fabs(leaf.Swing(k).speed);
            EXPECT_TRUE(speed == 0 || (speed >= 3 && speed <= 7)) << speed;
        }
    }
    EXPECT_NE(Leaf(*object, 1).State().x, first.x);
}

TEST_F(FallingObjectsTest, AFrameMovesAtMostAFifthOfASecond) {
    auto object = Make(1);
    DriftState& state = Leaf(*object, 0).State();
    state = {.x = 100, .y = 300, .sideways = 0, .speedFactor = 0.1f};
    object->Update(0.1f);
    EXPECT_NEAR(state.x, 125, 1e-3f);
    object->Update(5.0f);  // a pause of almost 5 s counts as 0.2 s
    EXPECT_NEAR(state.x, 175, 1e-3f);
}

TEST_F(FallingObjectsTest, WithoutWobbleTheSwingsAndTheSidewaysFactorStay) {
    auto object = Make(2);
    const QV_LeafFallAnim& leaf = Leaf(*object, 0);
    const float swing = leaf.Swing(0).angle, tumble = leaf.Tumble(0).angle, sideways = leaf.State().sideways;
    for (int frame = 1; frame <= 60; ++frame) object->Update(0.05f * float(frame));
    EXPECT_EQ(leaf.Swing(0).angle, swing);
    EXPECT_EQ(leaf.State().sideways, sideways);
    // The tumble turns at speed × tumble (100) × 0.4 degrees a second, here for 3 s.
    EXPECT_NEAR(leaf.Tumble(0).angle - tumble, leaf.Tumble(0).speed * 40 * 3, 0.05f);
}

TEST_F(FallingObjectsTest, TheWobbleFrequencyLetsTheSidewaysFactorChange) {
    description_.Stream().wobble.SetSilently(50);
    description_.Stream().wobbleFrequency.SetSilently(100);  // a chance every 0.2 s at speed 50
    auto object = Make(4);
    float changed = 0;
    std::vector<float> before;
    for (size_t i = 0; i < 4; ++i) before.push_back(Leaf(*object, i).State().sideways);
    for (float t = 0.05f; t < 5; t += 0.05f) object->Update(t);
    for (size_t i = 0; i < 4; ++i) changed += Leaf(*object, i).State().sideways != before[i] ? 1 : 0;
    EXPECT_GT(changed, 0);
}

TEST_F(FallingObjectsTest, ALowerCountRemovesTheOldestChildrenFirst) {
    EXPECT_TRUE(Make(0)->Mesh().children.empty());
    auto object = Make(4);
    const QV_Frame* newest = object->Mesh().children[3];
    const QV_Frame* previous = object->Mesh().children[2];
    static_cast<QV_3D_in_2D_array_Constructor&>(object->Description()).Count().Assign(2, nullptr);
    object->SyncChildren();
    ASSERT_EQ(object->Mesh().children.size(), 2u);
    EXPECT_EQ(object->Mesh().children[0], previous);
    EXPECT_EQ(object->Mesh().children[1], newest);
}

// The runtime object works on a copy of the description; a copy of that copy belongs to no
// object until one is made over it.
TEST_F(FallingObjectsTest, ACopyOfAWorkingDescriptionKeepsItsValuesButBelongsToNoObject) {
    description_.Stream().direction.SetAngle(90);
    auto object = Make(3);
    auto& working = static_cast<QV_3D_in_2D_array_Constructor&>(object->Description());
    ASSERT_EQ(working.RuntimeObject(), object.get());
    QV_3D_in_2D_array_Constructor copy(working);
    EXPECT_EQ(copy.RuntimeObject(), nullptr);
    EXPECT_EQ(copy.Count().Value(), 3u);
    EXPECT_EQ(copy.Stream().size.Value(), 40u);
    EXPECT_EQ(copy.Stream().direction.angle, 90);
}

// A mesh whose bounding sphere has no radius is scaled as if it had radius 1.
TEST_F(FallingObjectsTest, AMeshWithoutRadiusGetsAFiniteScale) {
    EXPECT_FLOAT_EQ(LeafScale(40, 20), 1.0f);
    EXPECT_FLOAT_EQ(LeafScale(40, 0), 20.0f);
    EXPECT_FLOAT_EQ(LeafScale(40, -3), 20.0f);
    auto object = Make(1);  // no manager: the mesh did not load and its radius is 0
    object->Update(0.1f);
    for (float value : object->Mesh().children[0]->world.m[0]) EXPECT_TRUE(std::isfinite(value));
}

}  // namespace
