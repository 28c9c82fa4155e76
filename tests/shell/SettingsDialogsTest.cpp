// The settings dialogs opened for real and driven from inside their message loops, over an
// in-memory key store.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "DialogScript.h"
#include "DialogWorld.h"
#include "resources/SaverDialogs.h"
#include "shell/ConfigDialog.h"
#include "shell/DialogPicture.h"
#include "shell/DisplaySettingsDialog.h"
#include "shell/SaverSettings.h"
#include "shell/SettingsTable.h"
#include "shell/SoundSettingsDialog.h"

namespace vgtest {
namespace {

// GDI+ for the configuration dialog's picture and the common controls, as the saver has them.
class DialogEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&token_, &input, nullptr);
    }
    void TearDown() override { Gdiplus::GdiplusShutdown(token_); }

private:
    ULONG_PTR token_ = 0;
};
const auto* const theEnvironment = ::testing::AddGlobalTestEnvironment(new DialogEnvironment);

std::wstring StringResource(UINT id) {
    wchar_t text[512] = L"";
    LoadStringW(GetModuleHandleW(nullptr), id, text, 512);
    return text;
}

int TrackbarPosition(HWND dialog) {
    return static_cast<int>(SendDlgItemMessageW(dialog, IDC_VOLUME, TBM_GETPOS, 0, 0));
}

class SettingsDialogs : public ::testing::Test, public DialogWorld {
protected:
    DWORD Stored(const std::wstring& key, const wchar_t* name) const {
        DWORD value = 0xDEAD;
        store.GetDword(key, name, value);
        return value;
    }
    INT_PTR RunConfig(std::vector<DialogScript::Step> steps) {
        DialogScript script(std::move(steps));
        ConfigDialog dialog(saver, table);
        const INT_PTR result = dialog.Show();
        EXPECT_TRUE(script.Finished());
        EXPECT_EQ(script.LeftOpen(), 0);
        return result;
    }
    INT_PTR RunDisplay(std::vector<DialogScript::Step> steps) {
        DialogScript script(std::move(steps));
        const INT_PTR result = ShowDisplaySettingsDialog(saver, nullptr);
        EXPECT_TRUE(script.Finished());
        EXPECT_EQ(script.LeftOpen(), 0);
        return result;
    }
    INT_PTR RunSound(std::vector<DialogScript::Step> steps) {
        DialogScript script(std::move(steps));
        const INT_PTR result = ShowSoundSettingsDialog(saver.instance, nullptr);
        EXPECT_TRUE(script.Finished());
        EXPECT_EQ(script.LeftOpen(), 0);
        return result;
    }
    SettingsTable table;
};

// First in the file: the sound values are process-wide and this reads them fresh.
TEST_F(SettingsDialogs, SoundDialogStartsLoudAndUnmutedAndKeepsWhatAnEarlierOpeningRead) {
    int thumb = -1;
    bool mute = true;
    EXPECT_EQ(RunSound({[&](HWND d) {
                  thumb = TrackbarPosition(d);
                  mute = Checked(d, IDC_MUTE);
                  Click(d, IDOK);
              }}),
              IDOK);
    EXPECT_EQ(thumb, 0);  // the top of the vertical trackbar is loud
    EXPECT_FALSE(mute);
    EXPECT_EQ(Stored(kSaverKey, L"\"SoundVolume\""), 100u);
    EXPECT_EQ(Stored(kSaverKey, L"\"SoundBalance\""), 50u);
    EXPECT_EQ(Stored(kSaverKey, L"\"MuteSound\""), 0u);

    store.PutDword(kSaverKey, L"\"SoundVolume\"", 30);
    store.PutDword(kSaverKey, L"\"SoundBalance\"", 70);
    EXPECT_EQ(RunSound({[&](HWND d) { Click(d, IDCANCEL); }}), IDCANCEL);
    store.values.clear();
    EXPECT_EQ(RunSound({[&](HWND d) {
                  thumb = TrackbarPosition(d);
                  Click(d, IDOK);
              }}),
              IDOK);
    EXPECT_EQ(thumb, 70);
    EXPECT_EQ(Stored(kSaverKey, L"\"SoundVolume\""), 30u);
    EXPECT_EQ(Stored(kSaverKey, L"\"SoundBalance\""), 70u);
}

TEST_F(SettingsDialogs, SoundDialogShowsAndStoresTheVolumeAndMute) {
    struct Case {
        const char* name;
        DWORD volume, balance, mute;
        int shownThumb;
        bool shownMute;
        int newThumb;  // -1: left alone
        bool toggleMute;
        bool ok;
        DWORD storedVolume, storedMute;
    } cases[] = {
        {"changes are stored on OK", 30, 70, 1, 70, true, 20, true, true, 80, 0},
        {"Cancel stores nothing", 30, 70, 1, 70, true, 20, true, false, 30, 1},
        {"a volume above 100 is 100", 500, 50, 0, 0, false, -1, false, true, 100, 0},
        {"any non-zero mute is checked", 60, 50, 9, 40, true, -1, false, true, 60, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        store.values.clear();
        store.PutDword(kSaverKey, L"\"SoundVolume\"", c.volume);
        store.PutDword(kSaverKey, L"\"SoundBalance\"", c.balance);
        store.PutDword(kSaverKey, L"\"MuteSound\"", c.mute);
        int thumb = -1;
        bool mute = false;
        RunSound({[&](HWND d) {
            thumb = TrackbarPosition(d);
            mute = Checked(d, IDC_MUTE);
            if (c.newThumb >= 0) SendDlgItemMessageW(d, IDC_VOLUME, TBM_SETPOS, TRUE, c.newThumb);
            if (c.toggleMute) Click(d, IDC_MUTE);
            Click(d, c.ok ? IDOK : IDCANCEL);
        }});
        EXPECT_EQ(thumb, c.shownThumb);
        EXPECT_EQ(mute, c.shownMute);
        EXPECT_EQ(Stored(kSaverKey, L"\"SoundVolume\""), c.storedVolume);
        EXPECT_EQ(Stored(kSaverKey, L"\"SoundBalance\""), c.balance);
        EXPECT_EQ(Stored(kSaverKey, L"\"MuteSound\""), c.storedMute);
    }
}

TEST_F(SettingsDialogs, ConfigDialogWritesEverythingOnOpeningAndThePicturePositionOnOk) {
    AdapterRecord& first = AddMonitor(L"First");
    AddMonitor(L"Second");
    first.userWidth = 800;
    first.userHeight = 600;
    first.userFormat = D3DFMT_X8R8G8B8;
    SetPicturePosition(1);
    std::wstring caption, items[3];
    LRESULT selection = -1;
    DWORD widthOnOpening = 0;
    EXPECT_EQ(RunConfig({[&](HWND d) {
                  wchar_t text[200] = L"";
                  GetWindowTextW(d, text, 200);
                  caption = text;
                  for (int i = 0; i < 3; ++i) items[i] = ListItemText(d, IDC_PICTURE_POSITION, i);
                  selection = SendDlgItemMessageW(d, IDC_PICTURE_POSITION, CB_GETCURSEL, 0, 0);
                  widthOnOpening = Stored(ScreenKey(0), L"Width");
                  ChooseListItem(d, IDC_PICTURE_POSITION, 0);
                  Click(d, IDOK);
              }}),
              IDOK);
    EXPECT_EQ(caption, L"Velmora Glow");
    EXPECT_EQ(items[0], L"Stretch");
    EXPECT_EQ(items[1], L"Fit");
    EXPECT_EQ(items[2], L"Fill");
    EXPECT_EQ(selection, 1);
    EXPECT_EQ(widthOnOpening, 800u);
    EXPECT_EQ(GetPicturePosition(), 0u);
    EXPECT_EQ(Stored(kSaverKey, L"\"PicPos\""), 0u);
    EXPECT_EQ(Stored(ScreenKey(1), L"Leave Black"), 0u);
    EXPECT_EQ(Stored(kSaverKey, L"AllScreensSame"), 0u);
}

// The dialog shows the position the player uses: a stored one that names no entry is Fill.
TEST_F(SettingsDialogs, AStoredPicturePositionThatNamesNoEntryShowsFill) {
    for (DWORD stored : {7u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(stored);
        SetPicturePosition(stored);
        EXPECT_EQ(GetPicturePosition(), 2u);
        LRESULT selection = -1;
        RunConfig({[&](HWND d) {
            selection = SendDlgItemMessageW(d, IDC_PICTURE_POSITION, CB_GETCURSEL, 0, 0);
            Click(d, IDOK);
        }});
        EXPECT_EQ(selection, 2);
        EXPECT_EQ(GetPicturePosition(), 2u);
    }
}

TEST_F(SettingsDialogs, DisplayChangesKeptByOkInTheMonitorDialogAreDroppedByCancel) {
    AdapterRecord& first = AddMonitor(L"First");
    AddMonitor(L"Second");
    HWND config = nullptr;
    BOOL afterDisplayOk = FALSE;
    EXPECT_EQ(RunConfig({[&](HWND d) {
                             config = d;
                             PostClick(d, IDC_DISPLAY_SETTINGS);
                         },
                         [&](HWND d) {
                             EXPECT_NE(d, config);
                             EXPECT_EQ(GetWindow(d, GW_OWNER), config);
                             Click(d, IDC_LEAVE_BLACK);
                             Click(d, IDOK);
                         },
                         [&](HWND d) {
                             EXPECT_EQ(d, config);
                             afterDisplayOk = first.leaveBlack;
                             Click(d, IDCANCEL);
                         }}),
              IDCANCEL);
    EXPECT_TRUE(afterDisplayOk);
    EXPECT_FALSE(first.leaveBlack);
    EXPECT_EQ(Stored(ScreenKey(0), L"Leave Black"), 0u);
}

TEST_F(SettingsDialogs, TheSoundButtonOpensTheSoundDialogOverTheConfigDialog) {
    store.PutDword(kSaverKey, L"\"SoundVolume\"", 90);
    HWND config = nullptr, owner = nullptr;
    std::wstring caption;
    RunConfig({[&](HWND d) {
                   config = d;
                   PostClick(d, IDC_SOUND_SETTINGS);
               },
               [&](HWND d) {
                   owner = GetWindow(d, GW_OWNER);
                   wchar_t text[64] = L"";
                   GetWindowTextW(d, text, 64);
                   caption = text;
                   SendDlgItemMessageW(d, IDC_VOLUME, TBM_SETPOS, TRUE, 75);
                   Click(d, IDOK);
               },
               [&](HWND d) { Click(d, IDCANCEL); }});
    EXPECT_EQ(owner, config);
    EXPECT_EQ(caption, L"Sound Settings");
    // The sound dialog writes on its own OK; the configuration dialog's Cancel keeps that.
    EXPECT_EQ(Stored(kSaverKey, L"\"SoundVolume\""), 25u);
}

TEST_F(SettingsDialogs, TheConfigDialogDrawsItsPictureAtTheTopLeft) {
    UINT width = 0, height = 0;
    COLORREF inside = 0, outside = 0;
    RunConfig({[&](HWND d) {
        auto* self = reinterpret_cast<ConfigDialog*>(GetWindowLongPtrW(d, DWLP_USER));
        ASSERT_NE(self->Picture(), nullptr);
        width = self->Picture()->Width();
        height = self->Picture()->Height();
        RedrawWindow(d, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        HDC dc = GetDC(d);
        inside = GetPixel(dc, 12 + 72, 12 + 20);  // the sky
        outside = GetPixel(dc, 12 + static_cast<int>(width) + 4, 12 + 20);
        ReleaseDC(d, dc);
        Click(d, IDCANCEL);
    }});
    EXPECT_EQ(width, 144u);
    EXPECT_EQ(height, 108u);
    EXPECT_EQ(outside, GetSysColor(COLOR_BTNFACE));
    EXPECT_NE(inside, GetSysColor(COLOR_BTNFACE));
}

TEST_F(SettingsDialogs, TheMonitorsDialogShowsEachMonitorAndCancelRestoresIt) {
    AdapterRecord& first = AddMonitor(L"First adapter");
    AddMonitor(L"Second adapter");
    std::wstring tabs[2], name, status, modes[4];
    LRESULT modeCount = 0, selection = -1;
    bool usedChecked = false, listEnabledBefore = false, listEnabledAfter = true;
    BOOL leaveBlackInDialog = FALSE;
    DWORD sameInDialog = 0;
    EXPECT_EQ(RunDisplay({[&](HWND d) {
                  HWND tabControl = GetDlgItem(d, IDC_MONITOR_TABS);
                  ASSERT_NE(tabControl, nullptr);
                  for (int i = 0; i < 2; ++i) {
                      wchar_t text[32] = L"";
                      TCITEMW item = {};
                      item.mask = TCIF_TEXT;
                      item.pszText = text;
                      item.cchTextMax = 32;
                      SendMessageW(tabControl, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
                      tabs[i] = text;
                  }
                  name = ControlText(d, IDC_ADAPTER_NAME);
                  status = ControlText(d, IDC_RENDERING_STATUS);
                  modeCount = SendDlgItemMessageW(d, IDC_MODE_LIST, CB_GETCOUNT, 0, 0);
                  for (int i = 0; i < 4; ++i) modes[i] = ListItemText(d, IDC_MODE_LIST, i);
                  selection = SendDlgItemMessageW(d, IDC_MODE_LIST, CB_GETCURSEL, 0, 0);
                  usedChecked = Checked(d, IDC_USE_MONITOR);
                  listEnabledBefore = Enabled(d, IDC_MODE_LIST);
                  Click(d, IDC_LEAVE_BLACK);
                  listEnabledAfter = Enabled(d, IDC_MODE_LIST);
                  leaveBlackInDialog = first.leaveBlack;
                  Click(d, IDC_ALL_SCREENS_SAME);
                  sameInDialog = saver.allScreensSame;
                  Click(d, IDCANCEL);
              }}),
              IDCANCEL);
    EXPECT_EQ(tabs[0], L"Monitor 1");
    EXPECT_EQ(tabs[1], L"Monitor 2");
    EXPECT_EQ(name, L"First adapter");
    EXPECT_EQ(status, StringResource(IDS_STATUS_HARDWARE));
    EXPECT_EQ(modeCount, 4);
    EXPECT_EQ(modes[0], L"Automatic");
    EXPECT_EQ(modes[1], L"640 by 480, 16 bit color");
    EXPECT_EQ(modes[2], L"800 by 600, 32 bit color");
    EXPECT_EQ(modes[3], L"1024 by 768, 32 bit color");
    EXPECT_EQ(selection, 0);
    EXPECT_TRUE(usedChecked);
    EXPECT_TRUE(listEnabledBefore);
    EXPECT_FALSE(listEnabledAfter);
    EXPECT_TRUE(leaveBlackInDialog);
    EXPECT_EQ(sameInDialog, 1u);
    EXPECT_FALSE(first.leaveBlack);
    EXPECT_EQ(saver.allScreensSame, 0u);
}

TEST_F(SettingsDialogs, ChoicesOnAnotherTabStayInMemoryOnOk) {
    AdapterRecord& first = AddMonitor(L"First adapter");
    AdapterRecord& second = AddMonitor(L"Second adapter");
    first.userWidth = 1024;
    first.userHeight = 768;
    first.userFormat = D3DFMT_X8R8G8B8;
    LRESULT firstSelection = -1;
    std::wstring secondName;
    EXPECT_EQ(RunDisplay({[&](HWND d) {
                  firstSelection = SendDlgItemMessageW(d, IDC_MODE_LIST, CB_GETCURSEL, 0, 0);
                  HWND tabs = GetDlgItem(d, IDC_MONITOR_TABS);
                  SendMessageW(tabs, TCM_SETCURSEL, 1, 0);
                  NMHDR change = {tabs, IDC_MONITOR_TABS, static_cast<UINT>(TCN_SELCHANGE)};
                  SendMessageW(d, WM_NOTIFY, IDC_MONITOR_TABS, reinterpret_cast<LPARAM>(&change));
                  secondName = ControlText(d, IDC_ADAPTER_NAME);
                  ChooseListItem(d, IDC_MODE_LIST, 2);
                  Click(d, IDOK);
              }}),
              IDOK);
    EXPECT_EQ(firstSelection, 3);
    EXPECT_EQ(secondName, L"Second adapter");
    EXPECT_EQ(second.userWidth, 800u);
    EXPECT_EQ(second.userHeight, 600u);
    EXPECT_EQ(second.userFormat, D3DFMT_X8R8G8B8);
    EXPECT_EQ(first.userWidth, 1024u);
    EXPECT_TRUE(store.values.empty());  // only memory changes

    RunDisplay({[&](HWND d) {
        HWND tabs = GetDlgItem(d, IDC_MONITOR_TABS);
        SendMessageW(tabs, TCM_SETCURSEL, 1, 0);
        NMHDR change = {tabs, IDC_MONITOR_TABS, static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageW(d, WM_NOTIFY, IDC_MONITOR_TABS, reinterpret_cast<LPARAM>(&change));
        ChooseListItem(d, IDC_MODE_LIST, 0);
        Click(d, IDOK);
    }});
    EXPECT_EQ(second.userWidth, 0u);
    EXPECT_EQ(second.userFormat, D3DFMT_UNKNOWN);
}

TEST_F(SettingsDialogs, DisablingHardwareFallsBackToSoftwareOrLeavesTheMonitorBlack) {
    struct Case {
        const char* name;
        AdapterShape shape;
        UINT status;
        bool usageEnabled, leaveBlackChecked, listEnabled;
    } cases[] = {
        {"with a software renderer", {true, true, true, true, {}}, IDS_STATUS_SOFTWARE, true, false, true},
        {"hardware only", {true, true, false, false, {}}, IDS_STATUS_NONE, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DialogWorld world;
        AdapterRecord& first = world.AddMonitor(L"First", c.shape);
        world.AddMonitor(L"Second");
        std::wstring status;
        bool usageEnabled = false, leaveBlack = false, listEnabled = false;
        DialogScript script({[&](HWND d) {
            Click(d, IDC_DISABLE_HARDWARE);
            status = ControlText(d, IDC_RENDERING_STATUS);
            usageEnabled = Enabled(d, IDC_LEAVE_BLACK);
            leaveBlack = Checked(d, IDC_LEAVE_BLACK);
            listEnabled = Enabled(d, IDC_MODE_LIST);
            Click(d, IDOK);
        }});
        ShowDisplaySettingsDialog(world.saver, nullptr);
        EXPECT_TRUE(script.Finished());
        EXPECT_TRUE(first.disableHardware);
        EXPECT_EQ(status, StringResource(c.status));
        EXPECT_EQ(usageEnabled, c.usageEnabled);
        EXPECT_EQ(leaveBlack, c.leaveBlackChecked);
        EXPECT_EQ(listEnabled, c.listEnabled);
    }
}

TEST_F(SettingsDialogs, HelpShowsTheMonitorsTextCaptionedWithItsAdapter) {
    AddMonitor(L"First adapter", {false, false, true, true, {}});
    AddMonitor(L"Second adapter");
    std::wstring caption, text;
    HWND owner = nullptr, display = nullptr;
    RunDisplay({[&](HWND d) {
                    display = d;
                    PostClick(d, IDC_DISPLAY_HELP);
                },
                [&](HWND box) {
                    wchar_t title[64] = L"";
                    GetWindowTextW(box, title, 64);
                    caption = title;
                    text = ControlText(box, 0xFFFF);
                    owner = GetWindow(box, GW_OWNER);
                    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                },
                [&](HWND d) { Click(d, IDOK); }});
    EXPECT_EQ(caption, L"First adapter");
    EXPECT_EQ(text, StringResource(IDS_HELP_SOFTWARE));
    EXPECT_EQ(owner, display);
}

TEST_F(SettingsDialogs, OneMonitorPageShowsTheMonitorThatCanBeUsed) {
    struct Case {
        const char* name;
        bool oneScreenOnly;
        bool bareFirst;
        const wchar_t* shown;
    } cases[] = {
        {"one adapter after a monitor without one", false, true, L"Driven"},
        {"one screen only shows the best adapter", true, false, L"Driven"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DialogWorld world;
        if (c.bareFirst) world.AddBareMonitor(L"Detached");
        else world.AddMonitor(L"Software", {false, false, true, true, {}});
        world.AddMonitor(L"Driven");
        world.saver.oneScreenOnly = c.oneScreenOnly;
        EXPECT_EQ(DisplaySettingsDialog::TemplateFor(world.saver), UINT(IDD_DISPLAY_ONE_MONITOR));
        std::wstring name;
        HWND tabs = HWND(1);
        DialogScript script({[&](HWND d) {
            tabs = GetDlgItem(d, IDC_MONITOR_TABS);
            name = ControlText(d, IDC_ADAPTER_NAME);
            Click(d, IDOK);
        }});
        ShowDisplaySettingsDialog(world.saver, nullptr);
        EXPECT_EQ(tabs, nullptr);
        EXPECT_EQ(name, c.shown);
    }
}

TEST_F(SettingsDialogs, TableItemsMoveIntoAndOutOfTheirControls) {
    table.items[0] = {SettingCheckBox, 1, L"", 9001, L"Check"};
    table.items[1] = {SettingText, 0, L"C:\\shown", 9002, L"Text"};
    table.items[2] = {SettingTrackbar, 6, L"", 9003, L"Track"};
    HWND dialog = CreateDialogParamW(saver.instance, MAKEINTRESOURCEW(9000), nullptr,
                                     [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    ASSERT_NE(dialog, nullptr);
    SendDlgItemMessageW(dialog, 9003, TBM_SETRANGE, TRUE, MAKELPARAM(0, 20));
    table.MoveToControls(dialog);
    EXPECT_TRUE(Checked(dialog, 9001));
    EXPECT_EQ(ControlText(dialog, 9002), L"C:\\shown");
    EXPECT_EQ(SendDlgItemMessageW(dialog, 9003, TBM_GETPOS, 0, 0), 5);

    CheckDlgButton(dialog, 9001, BST_UNCHECKED);
    SetDlgItemTextW(dialog, 9002, L"D:\\typed");
    SendDlgItemMessageW(dialog, 9003, TBM_SETPOS, TRUE, 11);
    table.ReadFromControls(dialog);
    EXPECT_EQ(table.items[0].value, 0u);
    EXPECT_STREQ(table.items[1].text, L"D:\\typed");
    EXPECT_EQ(table.items[2].value, 12u);

    // A hidden text is stored but never shown or read back.
    table.items[1].kind = SettingHiddenText;
    wcscpy(table.items[1].text, L"kept");
    SetDlgItemTextW(dialog, 9002, L"");
    table.MoveToControls(dialog);
    EXPECT_EQ(ControlText(dialog, 9002), L"");
    SetDlgItemTextW(dialog, 9002, L"typed");
    table.ReadFromControls(dialog);
    EXPECT_STREQ(table.items[1].text, L"kept");
    DestroyWindow(dialog);
}

TEST(DisplaySettingsTexts, HelpAndStatusFollowTheAdaptersRenderers) {
    struct Case {
        bool hal, halUsable, sw, swUsable, disabled;
        UINT help, status;
    } cases[] = {
        {true, true, false, false, false, IDS_HELP_HARDWARE, IDS_STATUS_HARDWARE},
        {true, false, true, true, false, IDS_HELP_HARDWARE_LACKS_SOFTWARE, IDS_STATUS_SOFTWARE},
        {true, false, true, false, false, IDS_HELP_HARDWARE_LACKS_BOTH, IDS_STATUS_NONE},
        {true, false, false, false, false, IDS_HELP_HARDWARE_LACKS_NO_SOFTWARE, IDS_STATUS_NONE},
        {false, false, true, true, false, IDS_HELP_SOFTWARE, IDS_STATUS_SOFTWARE},
        {false, false, true, false, false, IDS_HELP_SOFTWARE_LACKS, IDS_STATUS_NONE},
        {false, false, false, false, false, IDS_HELP_NO_RENDERER, IDS_STATUS_NONE},
        {true, true, true, true, true, IDS_HELP_DISABLED_SOFTWARE, IDS_STATUS_SOFTWARE},
        {true, true, true, false, true, IDS_HELP_DISABLED_SOFTWARE_LACKS, IDS_STATUS_NONE},
        {true, true, false, false, true, IDS_HELP_DISABLED_NO_SOFTWARE, IDS_STATUS_NONE},
    };
    MonitorRecord monitor;
    monitor.monitor = reinterpret_cast<HMONITOR>(1);
    for (const Case& c : cases) {
        AdapterRecord adapter;
        adapter.halPresent = c.hal;
        adapter.halUsable = c.halUsable;
        adapter.swPresent = c.sw;
        adapter.swUsable = c.swUsable;
        adapter.disableHardware = c.disabled;
        EXPECT_EQ(DisplayHelpTextId(monitor, &adapter), c.help) << c.help;
        EXPECT_EQ(RenderingStatusTextId(&adapter), c.status) << c.help;
    }
    AdapterRecord usable;
    usable.halPresent = usable.halUsable = TRUE;
    EXPECT_EQ(DisplayHelpTextId(MonitorRecord(), &usable), UINT(IDS_HELP_NO_RENDERER));
    EXPECT_EQ(DisplayHelpTextId(monitor, nullptr), UINT(IDS_HELP_NO_RENDERER));
    EXPECT_EQ(RenderingStatusTextId(nullptr), UINT(IDS_STATUS_NONE));
    for (UINT id = IDS_HELP_HARDWARE; id <= IDS_STATUS_NONE; ++id)
        EXPECT_FALSE(StringResource(id).empty()) << id;
}

TEST(DisplaySettingsTexts, ModesNameTheirDepthAs32Or16Bits) {
    EXPECT_EQ(ModeListBitDepth(D3DFMT_X8R8G8B8), 32);
    EXPECT_EQ(ModeListBitDepth(D3DFMT_A8R8G8B8), 32);
    EXPECT_EQ(ModeListBitDepth(D3DFMT_R8G8B8), 32);
    EXPECT_EQ(ModeListBitDepth(D3DFMT_R5G6B5), 16);
    EXPECT_EQ(ModeListBitDepth(D3DFMT_A2R10G10B10), 16);
}

TEST(DialogPictureTest, OnlyADecodablePictureIsDrawn) {
    HINSTANCE module = GetModuleHandleW(nullptr);
    const DialogPicture missing(module, 999, L"KDV");
    const DialogPicture notPicture(module, 9100, L"KDV");
    const DialogPicture picture(module, IDR_CONFIG_PICTURE, L"KDV");
    EXPECT_FALSE(missing.IsLoaded());
    EXPECT_FALSE(notPicture.IsLoaded());
    ASSERT_TRUE(picture.IsLoaded());

    // Draw each into a white bitmap: only the picture leaves a mark.
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 200, -150, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(bitmap, nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    auto* pixels = static_cast<DWORD*>(bits);
    const auto countMarked = [&](const DialogPicture& drawn) {
        std::fill(pixels, pixels + 200 * 150, 0x00FFFFFFu);
        Gdiplus::GpGraphics* graphics = nullptr;
        EXPECT_EQ(Gdiplus::DllExports::GdipCreateFromHDC(dc, &graphics), Gdiplus::Ok);
        drawn.Draw(graphics, 12, 12);
        Gdiplus::DllExports::GdipDeleteGraphics(graphics);
        int marked = 0, outside = 0;
        for (int y = 0; y < 150; ++y)
            for (int x = 0; x < 200; ++x)
                if ((pixels[y * 200 + x] & 0xFFFFFF) != 0xFFFFFF) {
                    ++marked;
                    if (x < 12 || y < 12 || x >= 12 + 144 || y >= 12 + 108) ++outside;
                }
        EXPECT_EQ(outside, 0);
        return marked;
    };
    EXPECT_EQ(countMarked(missing), 0);
    EXPECT_EQ(countMarked(notPicture), 0);
    EXPECT_GT(countMarked(picture), 144 * 108 / 2);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST(SaverResources, TheSaverCarriesTheDialogsTheirTextsAndThePicture) {
    HMODULE saver = LoadLibraryExW(VG_SAVER_PATH, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(saver, nullptr);
    for (UINT id : {IDD_CONFIG, IDD_DISPLAY_ONE_MONITOR, IDD_DISPLAY_MONITORS, IDD_SOUND})
        EXPECT_NE(FindResourceW(saver, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5)), nullptr) << id;
    for (UINT id = IDS_HELP_HARDWARE; id <= IDS_STATUS_NONE; ++id) {
        wchar_t text[512] = L"";
        EXPECT_GT(LoadStringW(saver, id, text, 512), 0) << id;
        EXPECT_EQ(std::wstring(text), StringResource(id)) << id;
    }
    {
        const DialogPicture picture(saver, IDR_CONFIG_PICTURE, L"KDV");
        EXPECT_TRUE(picture.IsLoaded());
        EXPECT_EQ(picture.Width(), 144u);
    }
    FreeLibrary(saver);
}

}  // namespace
}  // namespace vgtest
