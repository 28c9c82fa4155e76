// The command line, the order of start-up with its failure codes, and what each mode runs.
#include "SaverFixture.h"

namespace vgtest {
namespace {

struct SwitchCase {
    const wchar_t* line;
    SaverMode mode;
    UINT_PTR window;
};

const SwitchCase kSwitchCases[] = {
    {L"", Config, 0},
    {L"VelmoraGlow.scr", Config, 0},
    {L"\"C:\\Program Files\\Velmora Glow\\VelmoraGlow.scr\" /p 1234", Preview, 1234},
    {L"\"C:\\Program Files\\Velmora Glow\\VelmoraGlow.scr\" /P:1234", Preview, 1234},
    {L"\"C:\\Program Files\\Velmora Glow\\VelmoraGlow.scr\" -p1234", Preview, 1234},
    {L"saver.scr /c", Config, 0},
    {L"saver.scr /c:77", Config, 77},
    {L"saver.scr /s", FullScreen, 0},
    {L"saver.scr /S", FullScreen, 0},
    {L"saver.scr /x", FullScreen, 0},
    {L"saver.scr /", FullScreen, 0},
    {L"saver.scr -", FullScreen, 0},
    {L"saver.scr /a 12", ChangePassword, 12},
    {L"saver.scr /r", None, 0},
    {L"saver.scr /t", TestWindow, 0},
    {L"saver.scr /t 55", TestWindow, 0},
    {L"saver.scr 1234", Config, 0},
    // The program name is only what precedes the first blank; a switch after more blanks.
    {L"saver.scr    /s", FullScreen, 0},
    // An unclosed quote swallows the whole line.
    {L"\"saver.scr /s", Config, 0},
    // Numbers that no window handle can carry name no window.
    {L"saver.scr /p 99999999999999999999999", Preview, 0},
    {L"saver.scr /c:4294967296", Config, 0},
    {L"saver.scr /c:4294967295", Config, 0xFFFFFFFFu},
};

TEST_F(SaverFixture, SwitchesChooseTheModeAndTheWindow) {
    for (const SwitchCase& c : kSwitchCases) {
        saver.commandLineWindow = reinterpret_cast<HWND>(UINT_PTR{999});
        EXPECT_EQ(saver.ParseSwitches(c.line), c.mode) << FakeShellPlatform::Narrow(c.line);
        EXPECT_EQ(reinterpret_cast<UINT_PTR>(saver.commandLineWindow), c.window)
            << FakeShellPlatform::Narrow(c.line);
    }
}

TEST_F(SaverFixture, FullScreenStartUpRunsItsStepsInOrder) {
    OneMonitor();
    Start(L"/s");
    const std::vector<std::string> expected = {
        "SetIdlePriority", "RegisterSaverClass GlowSaverWndClass", "CreateSaverWindow",
        "CreateDirect3D",  "BeforeEnumeration",                    "LoadSettings",
    };
    EXPECT_EQ(platform.log, expected);
    EXPECT_EQ(saver.mode, FullScreen);
    EXPECT_FALSE(saver.errorMode);
    EXPECT_EQ(saver.adapterCount, 1u);
}

TEST_F(SaverFixture, PreviewWaitsForItsTimerBeforeDirect3D) {
    OneMonitor();
    HWND parent = platform.AddForeignWindow(152, 112);
    Start(L"/p " + std::to_wstring(reinterpret_cast<UINT_PTR>(parent)));
    ASSERT_EQ(saver.mode, Preview);
    const std::vector<std::string> expected = {
        "SetIdlePriority", "RegisterSaverClass GlowSaverWndClass",
        "CreateSaverWindow", "StartTimer 500", "StopTimer", "CreateDirect3D",
        "BeforeEnumeration", "LoadSettings",
    };
    EXPECT_EQ(platform.log, expected);
    EXPECT_FALSE(saver.previewWait);
    const FakeWindow& child = platform.windows[saver.mainWindow];
    EXPECT_EQ(child.parent, parent);
    EXPECT_EQ(child.style, static_cast<DWORD>(WS_CHILD | WS_VISIBLE));
    EXPECT_TRUE(EqualRect(&child.rect, &platform.windows[parent].client));
    EXPECT_EQ(saver.clientRect.right, 152);
    EXPECT_EQ(saver.clientRect.bottom, 112);
}

TEST_F(SaverFixture, PreviewWaitEndsWhenTheMessageLoopEnds) {
    OneMonitor();
    HWND parent = platform.AddForeignWindow(152, 112);
    platform.Post(nullptr, WM_QUIT, 0, 0);  // the quit arrives before the timer
    Start(L"/p " + std::to_wstring(reinterpret_cast<UINT_PTR>(parent)));
    EXPECT_TRUE(saver.previewWait);
    EXPECT_TRUE(Logged("PostQuit"));
    EXPECT_TRUE(Logged("CreateDirect3D"));
}

TEST_F(SaverFixture, PreviewWithoutAUsableParentShowsNothing) {
    OneMonitor();
    for (const wchar_t* arguments : {L"/p", L"/p 4660", L"/p 99999999999999999999"}) {
        platform.log.clear();
        platform.created.clear();
        Start(arguments);
        EXPECT_EQ(saver.mode, None) << FakeShellPlatform::Narrow(arguments);
        EXPECT_TRUE(platform.created.empty());
        EXPECT_EQ(saver.Execute(), 0);
        EXPECT_FALSE(Logged("MessageBox text 2101"));
    }
}

TEST_F(SaverFixture, TestWindowHasA600By400ClientAreaAt50) {
    OneMonitor();
    Start(L"/t");
    const FakeWindow& window = platform.windows[saver.mainWindow];
    EXPECT_EQ(window.parent, nullptr);
    EXPECT_EQ(window.style,
              static_cast<DWORD>(WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));
    EXPECT_EQ(window.rect.left + FakeShellPlatform::kBorder, 50);
    EXPECT_EQ(window.rect.top + FakeShellPlatform::kCaption, 50);
    EXPECT_EQ(saver.clientRect.right, 600);
    EXPECT_EQ(saver.clientRect.bottom, 400);
    EXPECT_EQ(saver.monitors[0].window, saver.mainWindow);
}

TEST_F(SaverFixture, MissingDirect3DEndsStartUpWithItsCode) {
    OneMonitor();
    platform.direct3D = nullptr;
    Start(L"/s");
    EXPECT_TRUE(saver.errorMode);
    EXPECT_EQ(saver.errorCode, kNoDirect3D);
    EXPECT_FALSE(Logged("BeforeEnumeration"));
    EXPECT_FALSE(Logged("LoadSettings"));
    EXPECT_NE(saver.mainWindow, nullptr);  // the windows are there to show the error
}

TEST_F(SaverFixture, ConfigWithMissingDirect3DShowsTheTextInAMessageBox) {
    OneMonitor();
    platform.direct3D = nullptr;
    Start(L"/c");
    EXPECT_EQ(saver.Execute(), 0);
    EXPECT_TRUE(Logged("MessageBox text 2101"));
    EXPECT_FALSE(Logged("ShowConfigDialog"));
    EXPECT_EQ(platform.messageBoxCaption, L"Screen Saver");
}

TEST_F(SaverFixture, ConfigShowsTheDialogAndReleasesDirect3D) {
    OneMonitor();
    Start(L"");
    EXPECT_EQ(saver.Execute(), 0);
    EXPECT_TRUE(Logged("ShowConfigDialog"));
    EXPECT_EQ(saver.d3d, nullptr);
    EXPECT_EQ(saver.adapterCount, 0u);
    EXPECT_EQ(d3d.references, 1u);  // only the test's own reference is left
}

TEST(SaverStartUp, FailingStepsEnterErrorModeWithTheirCodes) {
    struct Case {
        const char* name;
        void (*arrange)(SaverWorld&);
        HRESULT code;
        bool settingsLoaded;
    };
    const Case cases[] = {
        {"before enumeration fails",
         [](SaverWorld& w) { w.saver.beforeEnumerationResult = E_ACCESSDENIED; }, E_ACCESSDENIED,
         false},
        {"no adapter can run", [](SaverWorld& w) { w.d3d.adapters[0].types.clear(); },
         kNoCompatibleDevice, false},
        {"only a software type that is refused",
         [](SaverWorld& w) {
             w.d3d.adapters[0].types[0].type = D3DDEVTYPE_SW;
             w.saver.acceptDevice = [](const D3DCAPS9&, DWORD, D3DFORMAT) { return E_FAIL; };
         },
         kNoCompatibleDevice, false},
        {"window creation fails", [](SaverWorld& w) { w.platform.failWindowCreation = true; },
         E_FAIL, true},
    };
    for (const Case& c : cases) {
        SaverWorld world;
        world.OneMonitor();
        c.arrange(world);
        world.Start(L"/s");
        EXPECT_TRUE(world.saver.errorMode) << c.name;
        EXPECT_EQ(world.saver.errorCode, c.code) << c.name;
        EXPECT_EQ(world.Logged("LoadSettings"), c.settingsLoaded) << c.name;
    }
}

}  // namespace
}  // namespace vgtest
