// Butterflies in flight, without a device: the shared generator seeded and the object's
// clock stepped by hand, checking the flap rates, the steering at the area's edges, the
// pitch when slow, and how instances come and go with the count.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "MeshTestScene.h"
#include "document/SharedRandom.h"
#include "objects/AC_Butterfly.h"
#include "objects/ApproachValue.h"
#include "objects/QV_ButterflyConstructor.h"

namespace {

using vgtest::ControllerOf;

constexpr int kWidth = 1000, kHeight = 500;

TEST(ApproachValue, StepsTowardTheTargetAndStopsThere) {
    struct Case {
        const char* label;
        ApproachValue start;
        float dt;
        float expected;
    } cases[] = {
        {"part of the way up", {.value = 0, .target = 10, .rate = 4}, 1.0f, 4.0f},
        {"never past the target", {.value = 0, .target = 10, .rate = 4}, 3.0f, 10.0f},
        {"down to the target", {.value = 10, .target = 0, .rate = -4}, 5.0f, 0.0f},
        {"at the target it stays", {.value = 3, .target = 3, .rate = 4}, 1.0f, 3.0f},
    };
    for (const Case& c : cases) {
        ApproachValue value = c.start;
        value.Step(c.dt);
        EXPECT_FLOAT_EQ(value.value, c.expected) << c.label;
    }
}

TEST(ApproachValue, ANewTargetTurnsTheRateTowardIt) {
    struct Case {
        const char* label;
        float rate, target, newRate, expectedRate;
    } cases[] = {
        {"a rate of 0 keeps the magnitude, up", -3, 5, 0, 3},
        {"a rate of 0 keeps the magnitude, down", 3, -5, 0, -3},
        {"a given rate's sign does not matter", 1, 5, -7, 7},
        {"a target at the value counts as below", 2, 0, 0, -2},
    };
    for (const Case& c : cases) {
        ApproachValue value{.value = 0, .target = 0, .rate = c.rate};
        value.SetTarget(c.target, c.newRate);
        EXPECT_FLOAT_EQ(value.target, c.target) << c.label;
        EXPECT_FLOAT_EQ(value.rate, c.expectedRate) << c.label;
    }
}

class ButterflyTest : public ::testing::Test {
protected:
    void SetUp() override {
        vgtest::PublishPictureSize(kWidth, kHeight);
        SharedRandom::Seed(2024);
        // The area: x from 200 to 800, y from 100 to 400.
        description_.SetRelative({.left = 0.2f, .right = 0.8f, .top = 0.2f, .bottom = 0.8f});
    }
    void TearDown() override { SharedRandom::Seed(SharedRandom::kInitialSeed); }

    std::unique_ptr<QV_3DObjArray> Make(unsigned int count) {
        description_.Count().SetSilently(count);
        return vgtest::MakeObject(description_);
    }
    // Frames of `step` seconds after `start`; returns the time reached.
    static float Run(QV_3DObjArray& object, float start, float step, int frames) {
        float t = start;
        for (int i = 0; i < frames; ++i) object.Update(t += step);
        return t;
    }

    QV_ButterflyConstructor description_;
};

TEST_F(ButterflyTest, StartsAtARandomPointOfItsAreaWithARandomHeading) {
    // The draws in order: x, y, then the heading.
    SharedRandom::Seed(77);
    const float u1 = SharedRandom::NextUnit(), u2 = SharedRandom::NextUnit(), u3 = SharedRandom::NextUnit();
    SharedRandom::Seed(77);
    auto object = Make(1);
    ButterflyFlight& flight = ControllerOf<AC_Butterfly>(*object, 0).Flight();
    EXPECT_FLOAT_EQ(flight.position.x, 200 + u1 * 600);
    EXPECT_FLOAT_EQ(flight.position.y, 100 + u2 * 300);
    EXPECT_FLOAT_EQ(flight.heading.value, u3 * 360);
    EXPECT_EQ(flight.heading.target, flight.heading.value);
}

TEST_F(ButterflyTest, FlapsUpAt700AndDownAt1120DegreesASecondBetweenTheLimits) {
    auto object = Make(1);
    AC_Butterfly& butterfly = ControllerOf<AC_Butterfly>(*object, 0);
    // Frames of 0.01 s at time scale 50: +7° a frame up to past 55°, then −11.2° a frame down
    // to past −55°, then up again. Within 0.25 s no new behaviour is drawn.
    struct Expected {
        int frame;
        float flap;
    } expected[] = {{1, 7}, {5, 35}, {8, 56}, {9, 44.8f}, {13, 0}, {18, -56}, {19, -49}};
    int frame = 0;
    float t = 0;
    for (const Expected& e : expected) {
        while (frame < e.frame) {
            object->Update(t += 0.01f);
            ++frame;
        }
        EXPECT_NEAR(butterfly.Flight().flap, e.flap, 1e-3f) << "frame " << e.frame;
    }
}

TEST_F(ButterflyTest, TurnsBackIntoItsAreaAtTheEdges) {
    struct Case {
        const char* label;
        D3DXVECTOR3 position;
        int behaviour;
        float verticalTarget;
        float headingTarget, headingRate;
        float forwardTarget;
    } cases[] = {
        // Above the area it glides down at up to 100, below it climbs at up to 190.
        {"above", {500, 40, 0}, ButterflyFlight::kGliding, 100, 90, 350, 50},
        {"below", {500, 460, 0}, ButterflyFlight::kFlapping, -190, 90, 350, 50},
        // Beside it, it heads back (0° is rightward) at 350°/unit and speeds up toward 300.
        {"left", {100, 250, 0}, ButterflyFlight::kFlapping, 50, 0, -350, 300},
        {"right", {900, 250, 0}, ButterflyFlight::kFlapping, 50, -180, -350, 300},
        {"inside", {500, 250, 0}, ButterflyFlight::kFlapping, 50, 90, 350, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        auto object = Make(1);
        ButterflyFlight& flight = ControllerOf<AC_Butterfly>(*object, 0).Flight();
        flight.position = c.position;
        flight.heading = {.value = 90, .target = 90, .rate = 350};
        object->Update(0.001f);
        EXPECT_EQ(flight.behaviour, c.behaviour);
        EXPECT_FLOAT_EQ(flight.verticalSpeed.target, c.verticalTarget);
        EXPECT_FLOAT_EQ(flight.heading.target, c.headingTarget);
        EXPECT_FLOAT_EQ(flight.heading.rate, c.headingRate);
        EXPECT_FLOAT_EQ(flight.forwardSpeed.target, c.forwardTarget);
    }
}

TEST_F(ButterflyTest, SteersToTheHeadingAndSpeedItWasGiven) {
    auto object = Make(1);
    ButterflyFlight& flight = ControllerOf<AC_Butterfly>(*object, 0).Flight();
    flight.position = {100, 250, 0};  // left of the area
    flight.heading = {.value = 90, .target = 90, .rate = 350};
    // The first frame sets the targets; in the next 0.1 s the heading turns 35° toward 0 and
    // the speed grows by 35 toward 300.
    Run(*object, 0, 0.01f, 11);
    EXPECT_NEAR(flight.heading.value, 55, 1e-3f);
    EXPECT_NEAR(flight.forwardSpeed.value, 85, 1e-3f);
    // The turn banks the body away from it, at 50°/unit toward −25°.
    EXPECT_FLOAT_EQ(flight.bank.target, -25);
    EXPECT_NEAR(flight.bank.value, -5, 1e-3f);
}

// The body's nose is the mesh's +Z axis; with heading 0 it points right, up by the tilt of
// 10° and, when slow, by up to 15° more.
TEST_F(ButterflyTest, PitchesUpWhenSlow) {
    struct Case {
        float speed;
        float noseUpDegrees;
    } cases[] = {{0, 25}, {50, 17.5f}, {100, 10}, {250, 10}};
    for (const Case& c : cases) {
        auto object = Make(1);
        ButterflyFlight& flight = ControllerOf<AC_Butterfly>(*object, 0).Flight();
        flight.heading = {.value = 0, .target = 0, .rate = 350};
        flight.forwardSpeed = {.value = c.speed, .target = c.speed, .rate = 350};
        object->Update(0);  // no time passes: nothing moves or flaps
        const D3DXMATRIX& world = object->Instances()[0]->world;
        const float up = std::atan2(-world._32, world._31) * 180 / 3.14159265f;
        EXPECT_NEAR(up, c.noseUpDegrees, 1e-3f) << "speed " << c.speed;
    }
}

TEST_F(ButterflyTest, TheSizeRescalesEveryButterflyAtOnce) {
    auto object = Make(2);
    object->Update(0);
    // The length of the body's x axis in the world.
    auto scale = [](const D3DXMATRIX& world) { return std::hypot(world._11, world._12, world._13); };
    std::vector<float> before;
    for (const OwnedFrameTree& root : object->Instances()) before.push_back(scale(root->world));
    static_cast<QV_ButterflyConstructor&>(object->Description()).Size().Assign(250, nullptr);
    object->Update(0);
    for (size_t i = 0; i < 2; ++i) EXPECT_NEAR(scale(object->Instances()[i]->world), before[i] * 2.5f, 1e-4f);
}

TEST_F(ButterflyTest, EachInstanceFliesOnItsOwnAndTheOldestLeaveFirst) {
    auto none = Make(0);
    EXPECT_TRUE(none->Instances().empty());
    for (const MeshBatch& batch : none->Batches()) EXPECT_TRUE(batch.drawList.empty());

    auto object = Make(3);
    ASSERT_EQ(object->Instances().size(), 3u);
    // Bodies in batch 0, wings in batch 1.
    EXPECT_EQ(object->Batches()[0].drawList.size(), 3u);
    EXPECT_EQ(object->Batches()[1].drawList.size(), 6u);
    EXPECT_TRUE(object->Batches()[1].Transparent());
    EXPECT_FALSE(object->Batches()[0].Transparent());
    for (size_t i = 1; i < 3; ++i)
        EXPECT_NE(ControllerOf<AC_Butterfly>(*object, i).Flight().position.x,
                  ControllerOf<AC_Butterfly>(*object, 0).Flight().position.x);

    // Each butterfly watches the size; lowering the count to 1 keeps the newest and leaves
    // no watcher of a deleted butterfly behind.
    QV_ABObj_Constructor& clone = object->Description();
    auto& size = static_cast<QV_ButterflyConstructor&>(clone).Size();
    const size_t watchers = size.Observers().size();
    const QV_Frame* newest = object->Instances()[2].get();
    static_cast<QV_ButterflyConstructor&>(clone).Count().Assign(1, nullptr);
    ASSERT_EQ(object->Instances().size(), 1u);
    EXPECT_EQ(object->Instances()[0].get(), newest);
    EXPECT_EQ(size.Observers().size(), watchers - 2);
    EXPECT_EQ(object->Batches()[0].drawList, std::vector<QV_Frame*>{object->Instances()[0].get()});
    size.Assign(80, nullptr);
    object->Update(0.01f);
}

TEST_F(ButterflyTest, GlidesWhenAskedOnceTheWingsHaveSunk) {
    auto object = Make(1);
    ButterflyFlight& flight = ControllerOf<AC_Butterfly>(*object, 0).Flight();
    flight.position = {500, 250, 0};
    flight.behaviour = ButterflyFlight::kGliding;
    // The wings rise no more and sink at 1120°/s; below half the minimum they are held.
    float t = Run(*object, 0, 0.01f, 1);
    EXPECT_EQ(flight.flapMax, 0.0f);
    EXPECT_FALSE(flight.gliding);
    while (!flight.gliding && t < 0.2f) t = Run(*object, t, 0.01f, 1);
    ASSERT_TRUE(flight.gliding);
    EXPECT_LT(flight.flap, -27.5f);
    EXPECT_LT(std::fabs(flight.flapRate), 2.0f);
}

// The draws of one frame's behaviour, from seed 1 (41, 18467, 6334, 26500, 19169, 15724,
// 11478, 29358, 26962, 24464, 5705, ...; 19718, 19895, 5447, 21726, 14771 after 28) after
// `skipped` draws. A change is due 0.25 after the last one: k := draw % 5 picks what
// changes, then the ranges draw in order; a turn (3 or 4) draws its rate, then the side by
// parity (even: back), then the heading. Between changes only the end of a glide draws, its
// new flap rate.
TEST_F(ButterflyTest, BehaviourChangesDrawInOrder) {
    struct Case {
        const char* label;
        uint32_t skipped;
        bool due;
        int behaviour;
        bool gliding;
        float headingTarget, forwardSpeed;  // the heading's value is 90
        int behaviourAfter;
        float verticalTarget, forwardTarget, headingTargetAfter, headingRate, flapRate, flapMax;
        int nextDraw;
    };
    constexpr int kFlapping = ButterflyFlight::kFlapping, kGliding = ButterflyFlight::kGliding;
    const Case cases[] = {
        {"not due", 0, false, kFlapping, false, 90, 50, kFlapping, 50, 50, 90, 350, 100, 55, 41},
        {"k 0: sink", 3, true, kFlapping, false, 90, 50, kFlapping, -78.848228f, 50, 90, 350, 100, 55, 15724},
        {"k 1: glide up", 0, true, kFlapping, false, 90, 50, kGliding, 128.17926f, 50, 90, 350, 100, 55, 6334},
        {"k 2: speed", 1, true, kFlapping, false, 90, 50, kFlapping, 50, 37.823879f, 90, 350, 100, 55, 26500},
        {"k 3, even: back", 6, true, kFlapping, false, 90, 50, kFlapping, 50, 50, 192.33025f, 318.78873f, 100, 55,
         5705},
        {"k 3, odd: ahead", 28, true, kFlapping, false, 90, 50, kFlapping, 50, 50, 8.1522560f, -232.14972f, 100, 55,
         14771},
        {"k 4, odd: ahead", 2, true, kFlapping, false, 90, 50, kFlapping, 50, 50, -1.0063477f, -292.62214f, 100, 55,
         11478},
        {"k 4, still turning", 5, true, kFlapping, false, 120, 50, kFlapping, 50, 50, 120, 350, 100, 55, 11478},
        // A held glide (flap maximum 0) turns the wings down in this frame's flap.
        {"k 3, gliding", 6, true, kGliding, true, 90, 50, kGliding, 50, 50, 90, 350, -160, 0, 29358},
        {"the glide ends", 0, false, kFlapping, true, 90, 50, kFlapping, 50, 50, 90, 350, -159.84151f, 55, 18467},
        {"the glide ends slowly", 0, false, kFlapping, true, 90, 20, kFlapping, 50, 20, 90, 350, 160, 55, 41},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        auto object = Make(1);
        ButterflyFlight& flight = ControllerOf<AC_Butterfly>(*object, 0).Flight();
        flight.position = {500, 250, 0};  // inside the area: no steering
        flight.heading = {.value = 90, .target = c.headingTarget, .rate = 350};
        flight.forwardSpeed = {.value = c.forwardSpeed, .target = c.forwardSpeed, .rate = 350};
        flight.behaviour = c.behaviour;
        flight.gliding = c.gliding;
        flight.flapMax = c.gliding ? 0.0f : 55.0f;
        flight.lastBehaviourTime = c.due ? -1.0f : 0.0f;
        SharedRandom::Seed(1);
        SharedRandom::Skip(c.skipped);
        object->Update(0.01f);
        EXPECT_EQ(flight.behaviour, c.behaviourAfter);
        EXPECT_FLOAT_EQ(flight.verticalSpeed.target, c.verticalTarget);
        EXPECT_FLOAT_EQ(flight.forwardSpeed.target, c.forwardTarget);
        EXPECT_FLOAT_EQ(flight.heading.target, c.headingTargetAfter);
        EXPECT_FLOAT_EQ(flight.heading.rate, c.headingRate);
        EXPECT_FLOAT_EQ(flight.flapRate, c.flapRate);
        EXPECT_EQ(flight.flapMax, c.flapMax);
        EXPECT_FLOAT_EQ(flight.lastBehaviourTime, c.due ? 0.01f : 0.0f);
        EXPECT_EQ(SharedRandom::Next(), c.nextDraw);
    }
}

}  // namespace
