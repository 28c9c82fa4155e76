#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

#include "ArchiveOver.h"
#include "SceneWriter.h"
#include "SectionReading.h"
#include "document/QV_TimeLineControl.h"
#include "document/SharedRandom.h"

namespace {

using scenewriter::SceneWriter;

float Step(QV_TimeLineControl& line, float t) {
    return AnimationStateCycle::LocalTime(line, line.Cycle(), t);
}

TEST(TimeLine, ModeZeroIsAlwaysVisibleAndRunsWithTheSlide) {
    QV_TimeLineControl line;
    EXPECT_EQ(line.GetOpacity(), 1.0f);
    EXPECT_EQ(line.GetState(), 0);
    EXPECT_FLOAT_EQ(Step(line, 2.0f), 2.0f);
    EXPECT_FLOAT_EQ(Step(line, 2.5f), 2.5f);
    // A step back subtracts.
    EXPECT_FLOAT_EQ(Step(line, 2.25f), 2.25f);
    EXPECT_EQ(line.GetState(), 0);
}

TEST(TimeLine, ModeOneCyclesThroughItsStatesFromTheSlideTime) {
    QV_TimeLineControl line;
    line.Mode().Assign(QV_TimeLineControl::kRandomCycle, nullptr);
    line.Cycle().Reset();
    struct Row {
        float t;
        int state;
        float end;  // of the state entered by then
    };
    const Row rows[] = {
        {10.0f, 2, 10.5f}, {10.4f, 2, 10.5f}, {10.6f, 0, 11.6f}, {11.6f, 0, 11.6f},
        {11.7f, 3, 12.2f}, {12.3f, 1, 13.3f}, {13.4f, 2, 13.9f},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.t);
        Step(line, row.t);
        EXPECT_EQ(line.GetState(), row.state);
        EXPECT_FLOAT_EQ(line.Cycle().Current().End(), row.end);
    }
}

TEST(TimeLine, FadeOpacityFollowsTheLastStepUnclamped) {
    QV_TimeLineControl line;
    line.Mode().Assign(QV_TimeLineControl::kRandomCycle, nullptr);
    Step(line, 10.0f);
    EXPECT_FLOAT_EQ(line.GetOpacity(), 0.0f);
    Step(line, 10.25f);
    EXPECT_FLOAT_EQ(line.GetOpacity(), 0.5f);
    Step(line, 10.5f);  // not past the end yet: still fading in
    EXPECT_FLOAT_EQ(line.GetOpacity(), 1.0f);
    Step(line, 10.6f);
    EXPECT_EQ(line.GetOpacity(), 1.0f);
    Step(line, 11.7f);
    Step(line, 11.825f);
    EXPECT_NEAR(line.GetOpacity(), 0.75f, 1e-5);
}

TEST(TimeLine, OneStatePerStepHoweverFarTheTimeMoves) {
    QV_TimeLineControl line;
    line.Mode().Assign(QV_TimeLineControl::kRandomCycle, nullptr);
    Step(line, 1.0f);
    EXPECT_EQ(line.GetState(), 2);
    Step(line, 6.0f);
    EXPECT_EQ(line.GetState(), 0);
    EXPECT_FLOAT_EQ(line.Cycle().Current().End(), 7.0f);
}

TEST(TimeLine, TimeModeTwoRunsTheLocalClockAtTheOpacity) {
    QV_TimeLineControl line;
    line.Mode().Assign(QV_TimeLineControl::kRandomCycle, nullptr);
    line.TimeMode().Assign(QV_TimeLineControl::kRunAtOpacity, nullptr);
    // From the reset: the first step enters the fade-in at 10.0, opacity 0, so nothing moves.
    EXPECT_EQ(Step(line, 10.0f), 0.0f);
    // Halfway through the fade the step of 0.25 s counts half.
    EXPECT_FLOAT_EQ(Step(line, 10.25f), 0.125f);
    Step(line, 10.6f);  // visible: full rate
    EXPECT_NEAR(line.Cycle().Local(), 0.475f, 1e-5);
    Step(line, 11.7f);   // fade-out at opacity 1
    Step(line, 12.3f);   // hidden: opacity 0
    float hiddenStart = line.Cycle().Local();
    EXPECT_EQ(Step(line, 12.8f), hiddenStart);
}

TEST(TimeLine, RandomDurationsDrawOncePerStateFromTheSharedGenerator) {
    QV_TimeLineControl line;
    line.Mode().Assign(QV_TimeLineControl::kRandomCycle, nullptr);
    line.VisibleMin().Assign(100, nullptr);
    line.VisibleMax().Assign(300, nullptr);
    SharedRandom::Seed(1);
    Step(line, 0.0f + 1.0f);  // fade-in: no draw
    EXPECT_EQ(SharedRandom::CurrentSeed(), 1u);
    Step(line, 2.0f);  // visible: one draw, 41 from seed 1
    EXPECT_FLOAT_EQ(line.Cycle().Current().End(), 2.0f + float(100 + 41 % 201) * 0.01f);
    SharedRandom::Seed(1);
    SharedRandom::Next();
    EXPECT_EQ(SharedRandom::CurrentSeed(), 2745024u);
}

TEST(TimeLine, UpsideDownRangeIsUsedWithItsEndsOrdered) {
    struct Case {
        unsigned int min, max;
    };
    // 101..100 would divide by zero; 300..100 by a negative number.
    for (Case c : {Case{101, 100}, Case{300, 100}, Case{0, 0xFFFFFFFFu}}) {
        SCOPED_TRACE(c.min);
        QV_TimeLineControl line;
        line.Mode().Assign(QV_TimeLineControl::kRandomCycle, nullptr);
        line.VisibleMin().Assign(c.min, nullptr);
        line.VisibleMax().Assign(c.max, nullptr);
        SharedRandom::Seed(1);  // next draw 41
        float duration = line.DrawVisibleDuration();
        unsigned int low = std::min(c.min, c.max);
        unsigned int high = std::max(c.min, c.max);
        unsigned int span = high - low + 1u;
        float expected = float(low + (span == 0 ? 41u : 41u % span)) * 0.01f;
        EXPECT_EQ(duration, expected);
    }
}

TEST(TimeLine, ZeroLengthFadeIsCompleteAtOnce) {
    QV_TimeLineControl line;
    line.Mode().Assign(QV_TimeLineControl::kRandomCycle, nullptr);
    line.FadeIn().Assign(0, nullptr);
    line.FadeOut().Assign(0, nullptr);
    Step(line, 1.0f);
    EXPECT_EQ(line.GetState(), 2);
    EXPECT_EQ(line.GetOpacity(), 1.0f);
    Step(line, 1.1f);  // visible to 2.1
    Step(line, 2.2f);
    EXPECT_EQ(line.GetState(), 3);
    EXPECT_EQ(line.GetOpacity(), 0.0f);
}

TEST(TimeLine, WindowsAnswerForWindowTimeZero) {
    struct Case {
        const char* name;
        std::vector<TimeWindow> windows;
        float opacity;
        int state;
    };
    const Case cases[] = {
        {"starts at 0 with a fade-in", {{0.0f, 10.0f, 2.0f, 8.0f}}, 0.0f, 2},
        {"starts at 0 without a fade-in", {{0.0f, 10.0f, 0.0f, 8.0f}}, 1.0f, 0},
        {"starts within 3 s", {{2.0f, 10.0f, 3.0f, 8.0f}}, 0.0f, 1},
        {"starts after 3 s", {{3.5f, 10.0f, 4.0f, 8.0f}}, 0.0f, 1},
        {"none", {}, 0.0f, 1},
        {"at 0 a fade-out of no length is over", {{0.0f, 0.0f, 0.0f, 0.0f}}, 0.0f, 3},
        {"first in order decides", {{5.0f, 9.0f, 6.0f, 8.0f}, {0.0f, 4.0f, 0.0f, 3.0f}}, 1.0f, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QV_TimeLineControl line;
        line.Mode().Assign(QV_TimeLineControl::kTimeWindows, nullptr);
        for (const TimeWindow& w : c.windows) EXPECT_TRUE(line.AddWindow(w));
        EXPECT_EQ(line.GetOpacity(), c.opacity);
        EXPECT_EQ(line.GetState(), c.state);
        Step(line, 50.0f);  // the slide time does not move the window time
        EXPECT_EQ(line.GetOpacity(), c.opacity);
        EXPECT_EQ(line.GetState(), c.state);
    }
}

TEST(TimeWindow, OpacityAndStateAcrossTheWindow) {
    const TimeWindow window{2.0f, 10.0f, 4.0f, 8.0f};
    struct Case {
        float x, opacity;
        int state;
    };
    const Case cases[] = {{1.0f, 0.0f, 1}, {2.0f, 0.0f, 2}, {3.0f, 0.5f, 2}, {4.0f, 1.0f, 0},
                          {7.9f, 1.0f, 0}, {9.0f, 0.5f, 3}, {10.0f, 0.0f, 3}, {10.5f, 0.0f, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_FLOAT_EQ(window.Opacity(c.x), c.opacity);
        EXPECT_EQ(window.State(c.x), c.state);
    }
}

std::vector<float> Starts(const QV_TimeLineControl& line) {
    std::vector<float> starts;
    for (const TimeWindow& window : line.Windows()) starts.push_back(window.start);
    return starts;
}

TEST(TimeLine, OverlappingOrTouchingWindowsKeepTheFirst) {
    QV_TimeLineControl line;
    EXPECT_TRUE(line.AddWindow({5.0f, 8.0f, 5.0f, 8.0f}));
    EXPECT_FALSE(line.AddWindow({7.0f, 9.0f, 7.0f, 9.0f}));
    EXPECT_FALSE(line.AddWindow({8.0f, 9.0f, 8.0f, 9.0f}));
    EXPECT_FALSE(line.AddWindow({1.0f, 20.0f, 1.0f, 20.0f}));
    EXPECT_TRUE(line.AddWindow({0.0f, 4.0f, 0.0f, 4.0f}));
    EXPECT_TRUE(line.AddWindow({9.0f, 12.0f, 9.0f, 12.0f}));
    // Spanning the gap between two kept windows overlaps both.
    EXPECT_FALSE(line.AddWindow({3.0f, 6.0f, 3.0f, 6.0f}));
    EXPECT_EQ(Starts(line), (std::vector<float>{0.0f, 5.0f, 9.0f}));
}

TEST(TimeLine, WindowsThatEndBeforeTheyStartAreNeverKept) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    QV_TimeLineControl line;
    EXPECT_FALSE(line.AddWindow({6.0f, 2.0f, 6.0f, 2.0f}));
    EXPECT_FALSE(line.AddWindow({nan, 2.0f, 0.0f, 0.0f}));
    EXPECT_FALSE(line.AddWindow({1.0f, nan, 0.0f, 0.0f}));
    // None of them stands in the way of a proper window.
    EXPECT_TRUE(line.AddWindow({1.0f, 7.0f, 1.0f, 7.0f}));
    EXPECT_EQ(Starts(line), (std::vector<float>{1.0f}));
}

SceneWriter TimeLineSection(int32_t mode, uint32_t fadeIn, const std::vector<TimeWindow>& windows) {
    SceneWriter w;
    w.Section("QV_TimeLineControl", 1)
        .Long(mode)
        .Long(2)
        .UInt(150)
        .UInt(250)
        .UInt(350)
        .UInt(450)
        .UInt(fadeIn)
        .UInt(80)
        .Int(int32_t(windows.size()));
    for (const TimeWindow& window : windows)
        w.Float(window.start).Float(window.end).Float(window.fadeInEnd).Float(window.fadeOutStart);
    return w;
}

TEST(TimeLine, SectionReadsEveryFieldWithoutNotification) {
    SceneWriter writer = TimeLineSection(2, 120, {{0, 4, 1, 3}, {2, 5, 3, 4}, {6, 9, 7, 8}});
    writer.Int(0x1234);  // what follows the section stays unread
    vgtest::ArchiveOver bytes(writer.Bytes());
    QV_TimeLineControl line;
    vgtest::ReadTaggedSection(line, bytes.Archive());
    EXPECT_FALSE(bytes.Failed());
    EXPECT_EQ(bytes.Buffer().BytesLeft(), 4u);
    EXPECT_EQ(line.Mode().Value(), 2);
    EXPECT_EQ(line.TimeMode().Value(), 2);
    EXPECT_EQ(line.HiddenMin().Value(), 150u);
    EXPECT_EQ(line.HiddenMax().Value(), 250u);
    EXPECT_EQ(line.VisibleMin().Value(), 350u);
    EXPECT_EQ(line.VisibleMax().Value(), 450u);
    EXPECT_EQ(line.FadeIn().Value(), 120u);
    EXPECT_EQ(line.FadeOut().Value(), 80u);
    // Read silently: the seconds are still those of the defaults...
    EXPECT_EQ(line.FadeIn().Result(), 0.5f);
    // ...and the overlapping second window was dropped.
    EXPECT_EQ(Starts(line), (std::vector<float>{0.0f, 6.0f}));

    // A copy recomputes the seconds, keeps windows and settings, and starts a new cycle.
    Step(line, 3.0f);
    QV_TimeLineControl copy(line);
    EXPECT_FLOAT_EQ(copy.FadeIn().Result(), 1.2f);
    EXPECT_FLOAT_EQ(copy.FadeOut().Result(), 0.8f);
    EXPECT_EQ(copy.Windows().size(), 2u);
    EXPECT_EQ(copy.VisibleMax().Value(), 450u);
    EXPECT_EQ(copy.Cycle().Last(), 0.0f);
    EXPECT_EQ(copy.Cycle().Local(), 0.0f);
    EXPECT_EQ(copy.Cycle().Current().StateCode(), 1);
}

TEST(TimeLine, ImpossibleWindowCountFailsWithoutReadingOn) {
    SceneWriter writer = TimeLineSection(0, 50, {});
    std::vector<uint8_t> bytes = writer.Bytes();
    // Count of a million windows in a stream that holds none.
    bytes[bytes.size() - 4] = 0x40;
    bytes[bytes.size() - 3] = 0x42;
    bytes[bytes.size() - 2] = 0x0F;
    SceneWriter mutated;
    mutated.Raw(bytes);
    vgtest::ArchiveOver archive(mutated.Bytes());
    QV_TimeLineControl line;
    vgtest::ReadTaggedSection(line, archive.Archive());
    EXPECT_TRUE(archive.Failed());
    EXPECT_TRUE(line.Windows().empty());
    EXPECT_EQ(line.FadeOut().Value(), 80u);
}

}  // namespace
