// The frame loop over two fake units: ordering, device loss, reset, and the timer.
#include "SaverFixture.h"

namespace vgtest {
namespace {

class TwoUnits : public SaverFixture {
protected:
    TwoUnits() {
        OneMonitor();
        SecondMonitor();
        Start(L"/s");
        saver.OpenScreenUnits();
        EXPECT_EQ(saver.unitCount, 2u);
        platform.log.clear();
    }
    FakeDevice& Device(int i) { return *d3d.devices[i]; }
    std::vector<std::string> Frame() {
        platform.log.clear();
        saver.RenderFrame();
        return platform.log;
    }
};

TEST_F(TwoUnits, AFrameRendersEveryUnitThenPresentsThemAll) {
    const std::vector<std::string> expected = {
        "UpdateFrame",
        "device0 TestCooperativeLevel", "RenderCurrentUnit device0",
        "device1 TestCooperativeLevel", "RenderCurrentUnit device1",
        "device0 Present", "device1 Present"};
    EXPECT_EQ(Frame(), expected);
}

TEST_F(TwoUnits, ALostSecondDeviceSkipsPresentingTheFrame) {
    Device(1).levels = {D3DERR_DEVICELOST};
    const std::vector<std::string> expected = {
        "UpdateFrame", "device0 TestCooperativeLevel", "RenderCurrentUnit device0",
        "device1 TestCooperativeLevel"};
    EXPECT_EQ(Frame(), expected);
    EXPECT_EQ(Frame().size(), 7u);  // the next turn renders again
}

TEST_F(TwoUnits, ADeviceNotResetIsResetOnceAndRenderedInTheSameFrame) {
    Device(0).levels = {D3DERR_DEVICENOTRESET};
    const std::vector<std::string> expected = {
        "UpdateFrame",
        "device0 TestCooperativeLevel", "InvalidateUnitObjects device0", "device0 Reset",
        "RestoreUnitObjects device0", "RenderCurrentUnit device0",
        "device1 TestCooperativeLevel", "RenderCurrentUnit device1",
        "device0 Present", "device1 Present"};
    EXPECT_EQ(Frame(), expected);
    EXPECT_TRUE(saver.units[0].objectsRestored);
    EXPECT_FALSE(saver.errorMode);
    EXPECT_EQ(Count("device0 Reset"), 1);
    EXPECT_EQ(Frame().size(), 7u);
}

TEST_F(TwoUnits, AFailedResetEntersErrorModeAfterFinishingTheFrame) {
    Device(1).levels = {D3DERR_DEVICENOTRESET};
    Device(1).resetResult = D3DERR_INVALIDCALL;
    const std::vector<std::string> expected = {
        "UpdateFrame",
        "device0 TestCooperativeLevel", "RenderCurrentUnit device0",
        "device1 TestCooperativeLevel", "InvalidateUnitObjects device1", "device1 Reset",
        "RenderCurrentUnit device1", "device0 Present", "device1 Present"};
    EXPECT_EQ(Frame(), expected);
    EXPECT_TRUE(saver.errorMode);
    EXPECT_EQ(saver.errorCode, S_OK);  // the code stays what it was
    EXPECT_FALSE(saver.units[1].objectsRestored);
}

TEST_F(TwoUnits, AFailedRestoreAfterResetEntersErrorMode) {
    Device(0).levels = {D3DERR_DEVICENOTRESET};
    saver.restoreResult = E_FAIL;
    Frame();
    EXPECT_TRUE(saver.errorMode);
    EXPECT_FALSE(saver.units[0].objectsRestored);
}

TEST_F(TwoUnits, AfterAFailedResetTheLoopShowsTheErrorBoxAndRendersNoMore) {
    Device(0).levels = {D3DERR_DEVICENOTRESET};
    Device(0).resetResult = D3DERR_INVALIDCALL;
    platform.onPause = [this](int pauses) {
        if (pauses == 3) platform.PostQuit();
    };
    EXPECT_EQ(saver.FrameLoop(), S_OK);
    EXPECT_EQ(Count("UpdateFrame"), 1);  // only the frame of the failure
    EXPECT_EQ(saver.unitCount, 0u);      // the error box released the units
    EXPECT_GT(saver.monitors[0].boxWidth, 0.0f);
    EXPECT_STREQ(saver.errorText, L"text 2100");
}

TEST_F(SaverFixture, FrameLoopTellsTheSystemAndStopsOnQuit) {
    OneMonitor();
    Start(L"/s");
    // A stream of waiting messages delays the frames but each is dispatched.
    for (int i = 0; i < 3; ++i) platform.Post(saver.mainWindow, WM_NULL, 0, 0);
    platform.onPause = [this](int pauses) {
        if (pauses == 2) platform.PostQuit();
    };
    EXPECT_EQ(saver.FrameLoop(), S_OK);
    EXPECT_EQ(platform.dispatched.size(), 3u);
    EXPECT_EQ(Count("UpdateFrame"), 2);
    EXPECT_TRUE(Logged("ScreensaverRunning on"));
    EXPECT_LT(std::find(platform.log.begin(), platform.log.end(), "InitOnce"),
              std::find(platform.log.begin(), platform.log.end(), "CreateUnitObjects device0"));
}

TEST_F(SaverFixture, FrameLoopReturnsTheFailureOfInitOnce) {
    OneMonitor();
    Start(L"/t");
    saver.initOnceResult = E_OUTOFMEMORY;
    EXPECT_EQ(saver.FrameLoop(), E_OUTOFMEMORY);
    EXPECT_EQ(d3d.creates.size(), 0u);
    EXPECT_EQ(saver.Execute(), 0);
    EXPECT_TRUE(Logged("MessageBox text 2110"));
}

TEST(FrameTimerTest, TimesComeFromTheCounterOrTheMillisecondClock) {
    for (bool counter : {true, false}) {
        FakeShellPlatform platform;
        platform.hasCounter = counter;
        FrameTimer timer(platform);
        timer.Start();
        platform.Pause(500);
        EXPECT_FLOAT_EQ(timer.ApplicationTime(), 0.5f) << counter;
        EXPECT_FLOAT_EQ(timer.ElapsedTime(), 0.5f) << counter;
        platform.Pause(30);
        EXPECT_NEAR(timer.ApplicationTime(), 0.53f, 1e-5f) << counter;
        EXPECT_NEAR(timer.ElapsedTime(), 0.03f, 1e-5f) << counter;
        // The clock itself: 5 s of counter or 100 s of milliseconds at the start.
        EXPECT_NEAR(timer.AbsoluteTime(), counter ? 5.53f : 100.53f, 1e-4f) << counter;
        EXPECT_EQ(platform.frequencyQueries, 1);
    }
}

TEST_F(TwoUnits, FrameStatsAreFirstComputedOnTheFirstFrameThenAboutOnceASecond) {
    saver.useDepthBuffer = TRUE;
    saver.adapters[0]->deviceTypes[0].modes[saver.adapters[0]->deviceTypes[0].chosenMode]
        .depthFormat = D3DFMT_D24S8;
    saver.UpdateFrameStats();  // the clock reads 5 s, the last update 0
    EXPECT_FLOAT_EQ(saver.framesPerSecond, 0.2f);
    EXPECT_STREQ(saver.units[0].frameStats, L"0.20 fps (1600x1200x32) (D24S8)");
    EXPECT_STREQ(saver.units[1].frameStats, L"0.20 fps (1024x768x32)");
    for (int i = 0; i < 10; ++i) {
        platform.Pause(50);
        saver.UpdateFrameStats();
    }
    EXPECT_FLOAT_EQ(saver.framesPerSecond, 0.2f);  // half a second: not yet
    for (int i = 0; i < 11; ++i) {
        platform.Pause(50);
        saver.UpdateFrameStats();
    }
    EXPECT_NEAR(saver.framesPerSecond, 21 / 1.05f, 0.01f);
}

}  // namespace
}  // namespace vgtest
