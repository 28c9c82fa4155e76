// Clocks without a device: the hands' angles from an injected local time, the dial's square
// rectangle that follows the size, its screen quad and hit test.
#include <gtest/gtest.h>

#include <cmath>

#include "MeshTestScene.h"
#include "TestDevice.h"
#include "objects/AC_ClockArrow.h"
#include "objects/LocalClock.h"
#include "objects/QV_ClockConstructor.h"
#include "document/ScreenQuad.h"

namespace {

std::tm injectedTime = {};
bool timeAvailable = true;

bool InjectedTime(std::tm& local) {
    local = injectedTime;
    return timeAvailable;
}

std::tm At(int hour, int minute, int second) {
    std::tm time = {};
    time.tm_hour = hour;
    time.tm_min = minute;
    time.tm_sec = second;
    return time;
}

TEST(ClockHandAngle, HandsFollowTheTime) {
    struct Case {
        std::tm time;
        float hour, minute;
    } cases[] = {
        {At(3, 30, 0), 105, 180},
        // The hour hand does not use the seconds; the minute hand does.
        {At(12, 0, 30), 0, 3},
        {At(0, 0, 0), 0, 0},
        {At(23, 59, 59), 359.5f, 359.9f},
        {At(15, 0, 0), 90, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.time.tm_hour * 10000 + c.time.tm_min * 100 + c.time.tm_sec);
        EXPECT_NEAR(ClockHandAngle(true, c.time), c.hour, 1e-3f);
        EXPECT_NEAR(ClockHandAngle(false, c.time), c.minute, 1e-3f);
    }
}

// Published before the fixture's description is made, which centres itself on the picture.
struct PublishedPicture {
    PublishedPicture(int width, int height) { vgtest::PublishPictureSize(width, height); }
};

class ClockTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetLocalTimeSource(&InjectedTime);
        timeAvailable = true;
    }
    void TearDown() override { SetLocalTimeSource(nullptr); }

    QV_ClockConstructor& Clone(QV_3DObjArray& object) { return static_cast<QV_ClockConstructor&>(object.Description()); }
    // Where a hand's far end (the disc's edge along +Z) points from the dial's centre on the
    // screen (y downward), in degrees clockwise from up.
    static float PointsTo(const QV_Frame& dial, int hand) {
        const D3DXVECTOR3 tip(0, 0, 50), origin(0, 0, 0);
        D3DXVECTOR3 end, centre;
        D3DXVec3TransformCoord(&end, &tip, &dial.children[size_t(hand)]->world);
        D3DXVec3TransformCoord(&centre, &origin, &dial.world);
        return std::atan2(end.x - centre.x, centre.y - end.y) * 180 / 3.14159265f;
    }
    // How far apart two directions are, in degrees.
    static float Gap(float a, float b) { return std::fabs(std::remainder(a - b, 360.0f)); }

    PublishedPicture picture_{801, 601};
    QV_ClockConstructor description_;
};

TEST_F(ClockTest, AFreshClockIsASquareOf400AroundThePictureCentre) {
    auto object = vgtest::MakeObject(description_);
    ASSERT_EQ(object->Instances().size(), 1u);
    MediaRectangle& r = Clone(*object).ClockRectangle();
    EXPECT_EQ(r.further1.Value(), 400);
    EXPECT_EQ(r.further2.Value(), 300);
    EXPECT_EQ(r.left.Value(), 200);
    EXPECT_EQ(r.right.Value(), 600);
    EXPECT_EQ(r.top.Value(), 100);
    EXPECT_EQ(r.bottom.Value(), 500);
    // The sides are stored without a word to their observers, but their undo copies follow.
    EXPECT_EQ(r.left.UndoControl().Copy(), 200);
}

TEST_F(ClockTest, TheSizeResquaresTheRectangleAndScalesTheDial) {
    auto object = vgtest::MakeObject(description_);
    Clone(*object).Size().Assign(101, nullptr);
    MediaRectangle& r = Clone(*object).ClockRectangle();
    EXPECT_EQ(r.left.Value(), 350);
    EXPECT_EQ(r.right.Value(), 450);
    EXPECT_EQ(r.top.Value(), 250);
    EXPECT_EQ(r.bottom.Value(), 350);
    object->Update(0);
    // The dial disc of radius 50 spans size × 0.01 × 50 pixels, centred on the rectangle.
    const D3DXMATRIX& dial = object->Instances()[0]->world;
    D3DXVECTOR3 edge, centre;
    const D3DXVECTOR3 rim(50, 0, 0), middle(0, 0, 0);
    D3DXVec3TransformCoord(&edge, &rim, &dial);
    D3DXVec3TransformCoord(&centre, &middle, &dial);
    EXPECT_NEAR(centre.x, 400, 1e-3f);
    EXPECT_NEAR(centre.y, 300, 1e-3f);
    EXPECT_NEAR(edge.x - centre.x, 50.5f, 1e-3f);
}

TEST_F(ClockTest, HandsPointWhereTheLocalTimeSays) {
    auto object = vgtest::MakeObject(description_);
    struct Case {
        std::tm time;
        float hour, minute;  // clockwise from 12 o'clock on the screen
    } cases[] = {{At(3, 30, 0), 105, 180}, {At(12, 0, 30), 0, 3}, {At(9, 45, 0), 292.5f, 270}};
    for (const Case& c : cases) {
        injectedTime = c.time;
        object->Update(0);
        const QV_Frame& dial = *object->Instances()[0];
        EXPECT_LT(Gap(PointsTo(dial, 0), c.hour), 0.01f) << c.time.tm_hour;
        EXPECT_LT(Gap(PointsTo(dial, 1), c.minute), 0.01f) << c.time.tm_hour;
    }
    // A time that cannot be read leaves the hands where they were, frame after frame.
    const D3DXMATRIX before = object->Instances()[0]->children[1]->world;
    timeAvailable = false;
    injectedTime = At(6, 0, 0);
    object->Update(0);
    object->Update(0);
    const D3DXMATRIX after = object->Instances()[0]->children[1]->world;
    for (int i = 0; i < 16; ++i) EXPECT_FLOAT_EQ(after.m[i / 4][i % 4], before.m[i / 4][i % 4]);
}

TEST_F(ClockTest, ItsScreenQuadAndHitTestAreItsRectangle) {
    auto object = vgtest::MakeObject(description_);
    Clone(*object).Size().Assign(100, nullptr);  // 350..450 by 250..350
    ScreenQuad quad;
    Clone(*object).GetScreenQuad(quad);
    const float expected[4][2] = {{350, 350}, {350, 250}, {450, 350}, {450, 250}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(quad.corners[i].x, expected[i][0]) << i;
        EXPECT_EQ(quad.corners[i].y, expected[i][1]) << i;
    }
    // The hit test takes window points: on a back buffer of the picture's size they are
    // picture pixels.
    vgtest::TestDevice device(801, 601);
    VG_REQUIRE_DEVICE(device);
    CurrentDevice = device.Device();
    vgtest::PublishPictureSize(801, 601);
    struct Case {
        LONG x, y;
        bool hit;
    } cases[] = {{400, 300, true}, {350, 250, true}, {450, 350, true}, {349, 300, false}, {400, 351, false}};
    for (const Case& c : cases) EXPECT_EQ(object->HitTest(POINT{c.x, c.y}), c.hit) << c.x << "," << c.y;
    CurrentDevice = nullptr;
}

}  // namespace
