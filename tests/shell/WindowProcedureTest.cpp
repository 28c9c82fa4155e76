// The window procedure's table, ending on input, the failure texts and the error box.
#include "SaverFixture.h"

namespace vgtest {
namespace {

LPARAM At(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

class SaverInMode : public SaverFixture {
protected:
    void Open(const std::wstring& arguments) {
        OneMonitor();
        parent = platform.AddForeignWindow(200, 150);
        Start(arguments == L"/p" ? L"/p " + std::to_wstring(reinterpret_cast<UINT_PTR>(parent))
                                 : arguments);
        saver.OpenScreenUnits();
        platform.log.clear();
        platform.defaultHandled.clear();
    }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return saver.WindowProcedure(saver.mainWindow, message, wParam, lParam);
    }
    bool Ended() const { return Logged("PostQuit"); }
    HWND parent = nullptr;
};

TEST_F(SaverInMode, TheSixthDistinctMousePositionEndsFullScreen) {
    Open(L"/s");
    Send(WM_MOUSEMOVE, 0, At(-1, -1));  // the starting position itself does not count
    Send(WM_MOUSEMOVE, 0, At(10, 10));      // the first real move counts
    Send(WM_MOUSEMOVE, 0, At(10, 10));      // the same position again does not
    for (int i = 1; i <= 4; ++i) Send(WM_MOUSEMOVE, 0, At(10 + i, -20 * i));
    EXPECT_EQ(saver.mouseMoveCount, 5);
    EXPECT_FALSE(Ended());
    Send(WM_MOUSEMOVE, 0, At(300, 300));
    EXPECT_TRUE(Ended());
    // The window is hidden first and what plays stops before the units go.
    const std::vector<std::string> ending = {"ScreensaverRunning off",        "HideWindow",
                                             "OnSaverEnding",                 "InvalidateUnitObjects device0",
                                             "DeleteUnitObjects device0",     "OnSaverEnd",
                                             "PostQuit"};
    EXPECT_EQ(platform.log, ending);
}

TEST_F(SaverFixture, MovesWhileTheDevicesAreMadeDoNotCount) {
    OneMonitor();
    Start(L"/s");
    for (int i = 0; i < 5; ++i)
        saver.WindowProcedure(saver.mainWindow, WM_MOUSEMOVE, 0, At(i, i));
    EXPECT_EQ(saver.mouseMoveCount, 5);
    saver.OpenScreenUnits();
    EXPECT_EQ(saver.mouseMoveCount, 0);
    saver.WindowProcedure(saver.mainWindow, WM_MOUSEMOVE, 0, At(50, 50));
    EXPECT_FALSE(Logged("PostQuit"));
}

TEST_F(SaverInMode, TheVeryFirstMoveCountsWhenItIsNotAtTheStartingPosition) {
    Open(L"/s");
    Send(WM_MOUSEMOVE, 0, At(0, 0));
    EXPECT_EQ(saver.mouseMoveCount, 1);
}

struct MessageCase {
    const wchar_t* mode;
    UINT message;
    WPARAM wParam;
    bool ends;
    bool toDefault;
    LRESULT result;
};

const MessageCase kMessageCases[] = {
    {L"/s", WM_KEYDOWN, 'A', true, true, 0},
    {L"/s", WM_LBUTTONDOWN, 0, true, true, 0},
    {L"/s", WM_RBUTTONDOWN, 0, true, true, 0},
    {L"/s", WM_MBUTTONDOWN, 0, true, true, 0},
    {L"/s", WM_ACTIVATEAPP, FALSE, true, true, 0},
    {L"/s", WM_ACTIVATEAPP, TRUE, false, true, 0},
    {L"/s", WM_POWERBROADCAST, PBT_APMSUSPEND, true, true, 0},
    {L"/s", WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, false, true, 0},
    {L"/s", WM_SYSCOMMAND, SC_SCREENSAVE, false, false, 0},
    {L"/s", WM_SYSCOMMAND, SC_CLOSE, false, false, 0},
    {L"/s", WM_SYSCOMMAND, SC_NEXTWINDOW, false, false, 0},
    {L"/s", WM_SYSCOMMAND, SC_PREVWINDOW, false, false, 0},
    {L"/s", WM_SYSCOMMAND, SC_MINIMIZE, false, true, 0},
    {L"/s", WM_SETCURSOR, 0, false, false, 1},
    {L"/s", WM_ERASEBKGND, 0, false, false, 1},
    {L"/s", WM_DESTROY, 0, false, true, 0},
    {L"/t", WM_KEYDOWN, 'A', false, true, 0},
    {L"/t", WM_LBUTTONDOWN, 0, false, true, 0},
    {L"/t", WM_ACTIVATEAPP, FALSE, false, true, 0},
    {L"/t", WM_POWERBROADCAST, PBT_APMSUSPEND, true, true, 0},
    {L"/t", WM_SYSCOMMAND, SC_CLOSE, false, true, 0},
    {L"/t", WM_SETCURSOR, 0, false, true, 0},
    {L"/t", WM_DESTROY, 0, true, true, 0},
    {L"/p", WM_KEYDOWN, 'A', false, true, 0},
    {L"/p", WM_LBUTTONDOWN, 0, false, true, 0},
    {L"/p", WM_POWERBROADCAST, PBT_APMSUSPEND, false, true, 0},
    {L"/p", WM_DESTROY, 0, true, true, 0},
};

TEST(WindowProcedure, EveryMessageDoesWhatItsModeSays) {
    for (const MessageCase& c : kMessageCases) {
        SaverWorld world;
        world.OneMonitor();
        HWND parent = world.platform.AddForeignWindow(200, 150);
        std::wstring arguments = c.mode;
        if (arguments == L"/p") arguments += L" " + std::to_wstring(reinterpret_cast<UINT_PTR>(parent));
        world.Start(arguments);
        world.saver.OpenScreenUnits();
        world.platform.log.clear();
        const LRESULT result =
            world.saver.WindowProcedure(world.saver.mainWindow, c.message, c.wParam, 0);
        const std::string name = FakeShellPlatform::Narrow(c.mode) + " message " +
                                 std::to_string(c.message) + " " + std::to_string(c.wParam);
        EXPECT_EQ(world.Logged("PostQuit"), c.ends) << name;
        EXPECT_EQ(world.Logged("OnSaverEnd"), c.ends) << name;
        EXPECT_EQ(!world.platform.defaultHandled.empty(), c.toDefault) << name;
        EXPECT_EQ(result, c.result) << name;
        if (c.ends) {
            EXPECT_EQ(world.saver.unitCount, 0u) << name;
        }
    }
}

TEST_F(SaverInMode, MouseMovesNeverEndTheTestWindow) {
    Open(L"/t");
    for (int i = 0; i < 10; ++i) Send(WM_MOUSEMOVE, 0, At(i * 7, i * 3));
    EXPECT_EQ(saver.mouseMoveCount, 0);
    EXPECT_FALSE(Ended());
}

TEST_F(SaverInMode, FullScreenHidesTheCursor) {
    Open(L"/s");
    EXPECT_EQ(Send(WM_SETCURSOR), 1);
    EXPECT_EQ(platform.cursorHidden, 1);
}

TEST_F(SaverInMode, ThePreviewTimerPairClearsTheWait) {
    Open(L"/t");
    saver.previewWait = TRUE;
    Send(WM_USER);
    EXPECT_TRUE(platform.timers.count(1));
    Send(WM_TIMER, 1);
    EXPECT_FALSE(saver.previewWait);
    EXPECT_FALSE(platform.timers.count(1));
}

TEST_F(SaverInMode, EachAppMessageHandsOneEventOn) {
    struct Music : SaverMusic {
        long GetAudioEvent() override { return events.empty() ? -1 : Next(); }
        long Next() {
            long e = events.front();
            events.erase(events.begin());
            return e;
        }
        std::vector<long> events = {13, 1};
    } music;
    saver.SetMusic(&music);
    Open(L"/t");
    Send(WM_APP);
    Send(WM_APP);
    Send(WM_APP);
    EXPECT_EQ(saver.mediaEvents, (std::vector<long>{13, 1, -1}));
    saver.SetMusic(nullptr);
}

TEST_F(SaverInMode, AnExceptionInTheProcedureBecomesOne) {
    struct Throwing : RecordingSaver {
        using RecordingSaver::RecordingSaver;
        LRESULT WindowProcedure(HWND, UINT, WPARAM, LPARAM) override { throw 42; }
    };
    std::vector<std::string> log;
    Throwing throwing(platform, log);
    EXPECT_EQ(CSaverFramework::SaverWindowThunk(nullptr, WM_PAINT, 0, 0), 1);
}

TEST(ErrorText, EveryCodeHasItsEntryAndUnknownCodesTheGeneralOne) {
    const std::pair<HRESULT, UINT> cases[] = {
        {E_FAIL, 2100},
        {static_cast<HRESULT>(0x82000001), 2101}, {static_cast<HRESULT>(0x82000007), 2102},
        {static_cast<HRESULT>(0x8200000E), 2103}, {static_cast<HRESULT>(0x82000003), 2104},
        {static_cast<HRESULT>(0x82000005), 2105}, {static_cast<HRESULT>(0x82000006), 2106},
        {static_cast<HRESULT>(0x82000009), 2107}, {static_cast<HRESULT>(0x8200000B), 2108},
        {static_cast<HRESULT>(0x8200000C), 2109}, {E_OUTOFMEMORY, 2110},
        {D3DERR_OUTOFVIDEOMEMORY, 2111},          {static_cast<HRESULT>(0x8200000F), 2112},
        {static_cast<HRESULT>(0x8200000D), 2100}, {E_INVALIDARG, 2100},
        {S_OK, 2100},
    };
    SaverWorld world;
    for (const auto& [code, id] : cases) {
        wchar_t text[64];
        EXPECT_EQ(world.saver.GetErrorText(code, text, 64), id != 2100) << std::hex << code;
        EXPECT_EQ(std::wstring(text), L"text " + std::to_wstring(id)) << std::hex << code;
    }
}

class ErrorBox : public SaverInMode {
protected:
    void Step(DWORD milliseconds) {
        platform.Pause(milliseconds);
        saver.StepErrorBox();
    }
};

TEST_F(ErrorBox, StartsCentredOn1600By1200AndBouncesAtTheEdges) {
    Open(L"/s");
    saver.EnterErrorMode(kNoDevice);
    saver.StepErrorBox();
    MonitorRecord& box = saver.monitors[0];
    EXPECT_EQ(saver.unitCount, 0u);
    EXPECT_STREQ(saver.errorText, L"text 2103");
    EXPECT_FLOAT_EQ(box.boxX, 650);
    EXPECT_FLOAT_EQ(box.boxY, 525);
    EXPECT_FLOAT_EQ(box.boxWidth, 300);
    EXPECT_FLOAT_EQ(box.boxHeight, 150);
    EXPECT_FLOAT_EQ(box.boxSpeedX, 160);
    EXPECT_FLOAT_EQ(box.boxSpeedY, 60);
    platform.invalidated.clear();
    Step(1000);
    EXPECT_FLOAT_EQ(box.boxX, 810);
    EXPECT_FLOAT_EQ(box.boxY, 585);
    EXPECT_EQ(platform.invalidated.size(), 2u);
    // Right edge: 810 + 300 + 160 * 4 > 1600, so the box turns before moving.
    Step(4000);
    EXPECT_FLOAT_EQ(box.boxSpeedX, -160);
    EXPECT_FLOAT_EQ(box.boxX, 170);
    EXPECT_FLOAT_EQ(box.boxY, 825);
    // Left edge (170 - 160 * 5 < 0) and bottom edge (825 + 150 + 60 * 5 > 1200) at once.
    Step(5000);
    EXPECT_FLOAT_EQ(box.boxSpeedX, 160);
    EXPECT_FLOAT_EQ(box.boxSpeedY, -60);
    EXPECT_FLOAT_EQ(box.boxX, 970);
    EXPECT_FLOAT_EQ(box.boxY, 525);
}

// What the devices left in the windows (the splash) must not stay around the box's path.
TEST_F(ErrorBox, PlacingTheBoxRepaintsTheWholeScreenAtOnce) {
    for (const wchar_t* mode : {L"/s", L"/t"}) {
        SCOPED_TRACE(FakeShellPlatform::Narrow(mode));
        SaverWorld world;
        world.OneMonitor();
        world.Start(mode);
        world.saver.OpenScreenUnits();
        world.saver.EnterErrorMode(kNoDevice);
        world.saver.StepErrorBox();
        RECT area = world.saver.clientRect;
        if (std::wstring(mode) == L"/s") area = {0, 0, 1600, 1200};
        ASSERT_EQ(world.platform.invalidated.size(), 1u);
        EXPECT_TRUE(EqualRect(&world.platform.invalidated[0], &area));
        EXPECT_EQ(world.platform.updates, 1);
    }
}

TEST_F(ErrorBox, AStillPositionInvalidatesNothing) {
    Open(L"/s");
    saver.EnterErrorMode(kNoDevice);
    saver.StepErrorBox();
    platform.invalidated.clear();
    Step(1);  // 0.16 px: the integer position stays
    EXPECT_TRUE(platform.invalidated.empty());
}

TEST_F(ErrorBox, InPreviewTheTextFillsTheWindowAndStaysStill) {
    Open(L"/p");
    saver.EnterErrorMode(kNoPreview);
    saver.StepErrorBox();
    MonitorRecord& box = saver.monitors[0];
    EXPECT_FLOAT_EQ(box.boxX, 0);
    EXPECT_FLOAT_EQ(box.boxWidth, 200);
    EXPECT_FLOAT_EQ(box.boxHeight, 150);
    EXPECT_EQ(platform.updates, 1);
    Step(1000);
    EXPECT_FLOAT_EQ(box.boxX, 0);
    EXPECT_FLOAT_EQ(box.boxY, 0);
}

TEST_F(ErrorBox, PaintingDrawsTheBoxTextCentredThenBlackAround) {
    Open(L"/s");
    saver.EnterErrorMode(kNoDevice);
    saver.StepErrorBox();
    Send(WM_PAINT);
    ASSERT_EQ(platform.paints.size(), 5u);
    const RECT box = {650, 525, 950, 675};
    EXPECT_EQ(platform.paints[0].what, "box");
    EXPECT_TRUE(EqualRect(&platform.paints[0].rect, &box));
    EXPECT_EQ(platform.paints[1].what, "frame");
    EXPECT_EQ(platform.paints[2].what, "text text 2103");
    EXPECT_EQ(platform.paints[2].rect.top, (525 + 675 - 32) / 2);
    EXPECT_EQ(platform.paints[3].what, "exclude");
    EXPECT_EQ(platform.paints[4].what, "black");
    const RECT screen = {0, 0, 1600, 1200};
    EXPECT_TRUE(EqualRect(&platform.paints[4].rect, &screen));
}

TEST_F(ErrorBox, APreviewOutsideErrorModeIsFilledBlack) {
    Open(L"/p");
    Send(WM_PAINT);
    ASSERT_EQ(platform.paints.size(), 1u);
    EXPECT_EQ(platform.paints[0].what, "black");
}

}  // namespace
}  // namespace vgtest
