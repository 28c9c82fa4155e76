#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "ScribbledParam.h"
#include "ArchiveOver.h"
#include "SceneWriter.h"
#include "SectionReading.h"
#include "document/MediaColor.h"
#include "document/MediaDirection.h"
#include "document/MediaFloat.h"
#include "document/MediaQuad.h"
#include "document/MediaRectangle.h"
#include "document/MediaSector.h"
#include "document/MediaSpeedParam.h"
#include "document/NumericHelpers.h"
#include "document/ParamObserverList.h"
#include "document/SharedRandom.h"
#include "document/TimeParam.h"
#include "document/UINTSclaleTo.h"

namespace {

using scenewriter::SceneWriter;

TEST(UINTSclaleTo, ByteResultIsTheLowEightBitsOfTheTruncatedSum) {
    struct Case {
        unsigned int value;
        unsigned char alpha;
    };
    // The transparency rule: scale −2.55, offset 255; 101 % truncates to −2 and wraps to 254.
    const Case cases[] = {{0, 255}, {1, 252}, {10, 229}, {50, 127},
                          {99, 2},  {100, 0}, {101, 254}, {200, 2}};
    UINTSclaleTo<unsigned char> alpha;
    alpha.SetScale(-2.55f);
    alpha.SetOffset(255.0f);
    alpha.OnParamChanged(nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        alpha.Assign(c.value, nullptr);
        EXPECT_EQ(int(alpha.Result()), int(c.alpha));
    }
}

TEST(UINTSclaleTo, FloatResultIsRoundedOnceFromDoublePrecision) {
    struct Case {
        unsigned int value;
        float scale;
        float offset;
        float expected;
    };
    const Case cases[] = {
        {50, 0.01f, 0.0f, 0.5f},
        {1000, 0.01f, 0.0f, 10.0f},
        // Large unsigned values keep their magnitude (not taken as negative).
        {0xFFFFFFFFu, 1.0f, 0.0f, 4294967295.0f},
        // A sum whose float steps would round twice: 16777217 × 1 + 0.5 rounds once.
        {16777217u, 1.0f, 0.5f, float(16777217.5)},
        {3, 0.1f, -1.0f, float(3.0 * double(0.1f) - 1.0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        UINTSclaleTo<float> param;
        param.SetScale(c.scale);
        param.SetOffset(c.offset);
        param.Assign(c.value, nullptr);
        EXPECT_EQ(param.Result(), c.expected);
    }
}

TEST(UINTSclaleTo, CopyKeepsValueScaleOffsetResultAndObservesItself) {
    UINTSclaleTo<float> source;
    source.SetScale(2.0f);
    source.SetOffset(1.0f);
    source.Assign(10, nullptr);
    UINTSclaleTo<float> copy(source);
    EXPECT_EQ(copy.Value(), 10u);
    EXPECT_EQ(copy.Scale(), 2.0f);
    EXPECT_EQ(copy.Offset(), 1.0f);
    EXPECT_EQ(copy.Result(), 21.0f);
    copy.Assign(20, nullptr);
    EXPECT_EQ(copy.Result(), 41.0f);
    EXPECT_EQ(source.Result(), 21.0f);
    // Undo control, then the self-observer; nothing of the source.
    ASSERT_EQ(copy.Observers().size(), 2u);
    EXPECT_EQ(copy.Owner(), static_cast<MediaParamT<unsigned int>*>(&copy));
}

TEST(UINTSclaleTo, OutsideObserverSurvivesTheParameter) {
    struct Target {
        std::vector<unsigned int> seen;
        void OnValue(unsigned int v) { seen.push_back(v); }
    } target;
    ParamObserverList<Target> list;
    list.SetTarget(&target);
    {
        ScribbledParam<UINTSclaleTo<float>> param;
        (*param).Assign(3, nullptr);
        ConnectParamObserver(list, &Target::OnValue, *param);
    }
    EXPECT_EQ(target.seen, std::vector<unsigned int>{3});
}

TEST(MediaFloat, FollowsTheFloatRule) {
    MediaFloat<unsigned int> param;
    param.SetScale(0.5f);
    param.SetOffset(0.25f);
    param.Assign(3, nullptr);
    EXPECT_EQ(param.Result(), 1.75f);
}

TEST(TimeParam, HundredthsBecomeSeconds) {
    struct Case {
        unsigned int hundredths;
        float seconds;
    };
    for (Case c : {Case{50, 0.5f}, Case{1000, 10.0f}, Case{0, 0.0f}, Case{1, 0.01f}}) {
        SCOPED_TRACE(c.hundredths);
        TimeParam time;
        time.Assign(c.hundredths, nullptr);
        EXPECT_EQ(time.Result(), c.seconds);
    }
}

TEST(MediaSpeedParam, AdvanceCapsEachStepAndRestartsWhenTheClockGoesBack) {
    struct Step {
        float now;
        float expectedTime;
        float expectedLast;
    };
    struct Case {
        const char* name;
        unsigned int value;  // result = value × 0.01
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"real time", 100, {{0.1f, 0.1f, 0.1f}, {0.1f, 0.1f, 0.1f}, {0.25f, 0.25f, 0.25f}}},
        {"gap of 5 s adds 0.2 × result", 200, {{1.0f, 0.4f, 1.0f}, {6.0f, 0.8f, 6.0f}}},
        {"clock goes back", 100, {{1.0f, 0.2f, 1.0f}, {0.5f, 0.2f, 0.5f}, {0.6f, 0.3f, 0.6f}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MediaSpeedParam speed;
        speed.SetScale(0.01f);
        speed.Assign(c.value, nullptr);
        for (const Step& step : c.steps) {
            speed.Advance(step.now);
            EXPECT_FLOAT_EQ(speed.Time(), step.expectedTime);
            EXPECT_EQ(speed.Last(), step.expectedLast);
        }
    }
}

TEST(MediaSpeedParam, CopyCarriesTheClock) {
    MediaSpeedParam speed;
    speed.Assign(1, nullptr);
    speed.Advance(0.1f);
    MediaSpeedParam copy(speed);
    EXPECT_EQ(copy.Time(), speed.Time());
    EXPECT_EQ(copy.Last(), 0.1f);
    EXPECT_EQ(copy.Result(), 1.0f);
}

TEST(MediaColor, DefaultsAndTransparencyGiveTheAlphaByte) {
    MediaColor colour;
    EXPECT_EQ(colour.Value(), 0xFFFFFFul);
    EXPECT_EQ(colour.Alpha(), 255);
    colour.Transparency().Assign(50, nullptr);
    colour.Assign(0x0000FFul, nullptr);
    MediaColor copy(colour);
    EXPECT_EQ(copy.Value(), 0x0000FFul);
    EXPECT_EQ(copy.Alpha(), 127);
    copy.Transparency().Assign(100, nullptr);
    EXPECT_EQ(copy.Alpha(), 0);
    EXPECT_EQ(colour.Alpha(), 127);
}

TEST(MediaRectangle, ReadsSixSignedValuesWithoutNotification) {
    SceneWriter writer;
    writer.Long(-5).Long(250).Long(7).Long(450).Long(12).Long(-13).Int(0x55);
    vgtest::ArchiveOver bytes(writer.Bytes());
    MediaRectangle rectangle;
    struct Counter : MediaControl {
        int count = 0;
        void OnParamChanged(MediaControl*) override { ++count; }
    } counter;
    rectangle.left.Attach(&counter);
    vgtest::ReadFields(rectangle, bytes.Archive());
    rectangle.left.Detach(&counter);
    EXPECT_EQ(counter.count, 0);
    EXPECT_EQ(rectangle.left.Value(), -5);
    EXPECT_EQ(rectangle.right.Value(), 250);
    EXPECT_EQ(rectangle.top.Value(), 7);
    EXPECT_EQ(rectangle.bottom.Value(), 450);
    EXPECT_EQ(rectangle.further1.Value(), 12);
    EXPECT_EQ(rectangle.further2.Value(), -13);
    EXPECT_EQ(bytes.Buffer().BytesLeft(), 4u);

    MediaRectangle copy(rectangle);
    EXPECT_EQ(copy.further2.Value(), -13);
    EXPECT_EQ(copy.left.Observers().size(), 1u);
}

TEST(MediaRectangle, PicturePointInsideIncludesTheBounds) {
    MediaRectangle rectangle;
    rectangle.left.SetSilently(10);
    rectangle.right.SetSilently(20);
    rectangle.top.SetSilently(30);
    rectangle.bottom.SetSilently(40);
    struct Case {
        float x, y;
        bool inside;
    };
    const Case cases[] = {{10, 30, true}, {20, 40, true},    {15, 35, true},
                          {9.9f, 35, false}, {15, 40.1f, false}, {21, 29, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        EXPECT_EQ(rectangle.ContainsPicturePoint(c.x, c.y), c.inside);
    }
}

TEST(MediaQuad, ReadsTwelveFloatsCornerByCorner) {
    SceneWriter writer;
    for (int i = 0; i < 12; ++i) writer.Float(float(i) + 0.5f);
    vgtest::ArchiveOver bytes(writer.Bytes());
    MediaQuad quad;
    EXPECT_EQ(quad.corners[3].Value().z, 0.0f);
    vgtest::ReadFields(quad, bytes.Archive());
    for (int corner = 0; corner < MediaQuad::kCorners; ++corner) {
        EXPECT_EQ(quad.corners[corner].Value().x, float(corner * 3) + 0.5f);
        EXPECT_EQ(quad.corners[corner].Value().y, float(corner * 3 + 1) + 0.5f);
        EXPECT_EQ(quad.corners[corner].Value().z, float(corner * 3 + 2) + 0.5f);
    }
    EXPECT_EQ(bytes.Buffer().BytesLeft(), 0u);
}

TEST(MediaQuad, ShortStreamLeavesTheRestAtZero) {
    SceneWriter writer;
    writer.Float(1.0f).Float(2.0f).Float(3.0f).Float(4.0f);
    vgtest::ArchiveOver bytes(writer.Bytes());
    MediaQuad quad;
    vgtest::ReadFields(quad, bytes.Archive());
    EXPECT_EQ(quad.corners[0].Value().z, 3.0f);
    EXPECT_EQ(quad.corners[1].Value().x, 4.0f);
    EXPECT_EQ(quad.corners[1].Value().y, 0.0f);
    EXPECT_EQ(quad.corners[3].Value().x, 0.0f);
}

TEST(MediaSector, RandomDirectionLiesInTheSector) {
    struct Case {
        unsigned int angle;
        unsigned int spread;
        uint32_t seed;
    };
    const Case cases[] = {{90, 0, 1}, {0, 0, 7}, {180, 0, 3}, {45, 30, 1}, {300, 90, 12345}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.angle << " ± " << c.spread);
        MediaSector sector;
        sector.SetSilently(c.angle);
        sector.Spread().SetSilently(c.spread);
        SharedRandom::Seed(c.seed);
        uint32_t before = SharedRandom::CurrentSeed();
        D3DXVECTOR3 direction = sector.RandomDirection();
        // Exactly one draw, and the one it made decides the angle.
        SharedRandom::Seed(before);
        float spread = float(c.spread);
        float u = -spread + SharedRandom::NextUnit() * (2.0f * spread);
        double a = double(DegreesToRadians(float(c.angle) + u));
        EXPECT_NEAR(direction.x, std::cos(a), 1e-5);
        EXPECT_NEAR(direction.y, -std::sin(a), 1e-5);
        EXPECT_EQ(direction.z, 0.0f);
        EXPECT_NEAR(std::hypot(direction.x, direction.y), 1.0, 1e-5);
    }
    MediaSector up;
    up.SetSilently(90);
    D3DXVECTOR3 direction = up.RandomDirection();
    EXPECT_NEAR(direction.x, 0.0f, 1e-6);
    EXPECT_NEAR(direction.y, -1.0f, 1e-6);
}

TEST(MediaSector, CopyCarriesAngleAndSpread) {
    MediaSector sector;
    sector.Assign(33, nullptr);
    sector.Spread().Assign(12, nullptr);
    MediaSector copy(sector);
    EXPECT_EQ(copy.Value(), 33u);
    EXPECT_EQ(copy.Spread().Value(), 12u);
}

TEST(MediaDirection, AxesFollowTheAngle) {
    struct Case {
        unsigned int angle;
        float c, s;
    };
    for (Case k : {Case{0, 1, 0}, Case{90, 0, 1}, Case{180, -1, 0}, Case{30, 0.8660254f, 0.5f}}) {
        SCOPED_TRACE(k.angle);
        MediaDirection direction;
        direction.SetSilently(k.angle);
        direction.UpdateAxes();
        EXPECT_NEAR(direction.FirstAxis().x, k.c, 1e-6);
        EXPECT_NEAR(direction.FirstAxis().y, k.s, 1e-6);
        EXPECT_EQ(direction.FirstAxis().w, 0.0f);
        EXPECT_NEAR(direction.SecondAxis().x, -k.s, 1e-6);
        EXPECT_NEAR(direction.SecondAxis().y, k.c, 1e-6);
    }
}

TEST(NumericHelpers, RoundToIntTiesToEvenAndDegreesUseSinglePi) {
    struct Case {
        float value;
        int expected;
    };
    for (Case c : {Case{0.5f, 0}, Case{1.5f, 2}, Case{2.5f, 2}, Case{-0.5f, 0}, Case{-1.5f, -2},
                   Case{2.4f, 2}, Case{-2.6f, -3}}) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(RoundToInt(c.value), c.expected);
    }
    EXPECT_EQ(double(kSinglePi), 3.1415927410125732);
    EXPECT_EQ(DegreesToRadians(180.0f), kSinglePi);
    EXPECT_EQ(TruncateToInt(-2.9), -2);
    EXPECT_EQ(TruncateToInt(1e20), INT_MIN);
    EXPECT_EQ(TruncateToInt(std::nan("")), INT_MIN);
}

}  // namespace
