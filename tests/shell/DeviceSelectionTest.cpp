// Monitors, adapter enumeration, formats, the mode choice, step-down and the screen units.
#include "SaverFixture.h"
#include "MemoryKeyStore.h"
#include "settings/SettingsAccess.h"

namespace vgtest {
namespace {

TEST_F(SaverFixture, MirroringDevicesGetNoRecordAndDetachedOnesNoMonitor) {
    OneMonitor();
    FakeDisplay mirror;
    mirror.name = L"mirror";
    mirror.flags = DISPLAY_DEVICE_MIRRORING_DRIVER | DISPLAY_DEVICE_ATTACHED_TO_DESKTOP;
    platform.AddDisplay(mirror);
    FakeDisplay detached;
    detached.name = L"detached";
    detached.adapterText = L"Detached adapter";
    detached.flags = 0;
    platform.AddDisplay(detached);
    saver.ListMonitors();
    ASSERT_EQ(saver.monitorCount, 2u);
    EXPECT_EQ(saver.monitors[0].monitor, platform.displays[0].monitor);
    EXPECT_STREQ(saver.monitors[0].adapterText, L"Fake Display Adapter");
    EXPECT_STREQ(saver.monitors[0].monitorText, L"Fake Monitor");
    EXPECT_EQ(saver.monitors[0].screenRect.right, 1600);
    EXPECT_STREQ(saver.monitors[1].adapterText, L"Detached adapter");
    EXPECT_EQ(saver.monitors[1].monitor, nullptr);
    EXPECT_TRUE(IsRectEmpty(&saver.monitors[1].screenRect));
    EXPECT_EQ(saver.monitors[1].adapterIndex, -1);
}

TEST_F(SaverFixture, EnumerationKeepsDistinctModesOfAtLeast640By400InOrder) {
    OneMonitor();
    d3d.adapters[0].types[0].formats = {D3DFMT_X8R8G8B8, D3DFMT_R5G6B5};
    Start(L"/s");
    const AdapterRecord& adapter = *saver.adapters[0];
    EXPECT_EQ(adapter.monitorIndex, 0);
    EXPECT_EQ(saver.monitors[0].adapterIndex, 0);
    ASSERT_EQ(adapter.deviceTypeCount, 1u);
    const DeviceTypeRecord& hal = adapter.deviceTypes[0];
    const std::vector<std::tuple<UINT, UINT, D3DFORMAT>> expected = {
        {640, 400, D3DFMT_X8R8G8B8},    {640, 480, D3DFMT_X8R8G8B8},
        {800, 600, D3DFMT_X8R8G8B8},    {1024, 768, D3DFMT_R5G6B5},
        {1024, 768, D3DFMT_X8R8G8B8},   {1280, 1024, D3DFMT_X8R8G8B8},
        {1600, 1200, D3DFMT_R5G6B5},    {1600, 1200, D3DFMT_X8R8G8B8},
    };
    ASSERT_EQ(hal.modeCount, expected.size());
    for (UINT i = 0; i < hal.modeCount; ++i) {
        EXPECT_EQ(hal.modes[i].width, std::get<0>(expected[i])) << i;
        EXPECT_EQ(hal.modes[i].height, std::get<1>(expected[i])) << i;
        EXPECT_EQ(hal.modes[i].format, std::get<2>(expected[i])) << i;
        EXPECT_EQ(hal.modes[i].behaviourFlags,
                  static_cast<DWORD>(D3DCREATE_HARDWARE_VERTEXPROCESSING | D3DCREATE_PUREDEVICE));
        EXPECT_EQ(hal.modes[i].depthFormat, D3DFMT_UNKNOWN);  // no depth buffer asked for
    }
    EXPECT_EQ(hal.chosenMode, 1u);  // the only 640 x 480 mode
    EXPECT_TRUE(hal.desktopFormatUsable);
    EXPECT_TRUE(adapter.halPresent && adapter.halUsable);
    EXPECT_FALSE(adapter.swPresent || adapter.swUsable);
}

TEST_F(SaverFixture, TheChosen640By480ModePrefers16Bits) {
    OneMonitor();
    d3d.adapters[0].modes = {{640, 480, 60, D3DFMT_X8R8G8B8}, {640, 480, 60, D3DFMT_R5G6B5},
                             {640, 480, 60, D3DFMT_A8R8G8B8}, {800, 600, 60, D3DFMT_X8R8G8B8}};
    d3d.adapters[0].types[0].formats = {D3DFMT_X8R8G8B8, D3DFMT_R5G6B5, D3DFMT_A8R8G8B8};
    Start(L"/s");
    const DeviceTypeRecord& hal = saver.adapters[0]->deviceTypes[0];
    EXPECT_EQ(hal.modes[hal.chosenMode].format, D3DFMT_R5G6B5);

    SaverWorld without;
    without.OneMonitor();
    without.d3d.adapters[0].modes = {{640, 480, 60, D3DFMT_X8R8G8B8},
                                     {640, 480, 60, D3DFMT_A8R8G8B8},
                                     {800, 600, 60, D3DFMT_X8R8G8B8}};
    without.d3d.adapters[0].types[0].formats = {D3DFMT_X8R8G8B8, D3DFMT_A8R8G8B8};
    without.Start(L"/s");
    const DeviceTypeRecord& last = without.saver.adapters[0]->deviceTypes[0];
    EXPECT_EQ(last.chosenMode, 1u);  // the last 640 x 480 one (formats descend)
}

TEST(DeviceSelection, BehaviourFlagsFollowTheCapsAndTheAcceptHook) {
    struct Case {
        DWORD devCaps;
        DWORD refusedBelow;  // AcceptDevice refuses flags with a larger value than this
        bool multithreaded;
        DWORD expected;
    };
    const Case cases[] = {
        {D3DDEVCAPS_HWTRANSFORMANDLIGHT | D3DDEVCAPS_PUREDEVICE, 0xFFFF, false, 0x50},
        {D3DDEVCAPS_HWTRANSFORMANDLIGHT, 0xFFFF, false, 0x40},
        {D3DDEVCAPS_HWTRANSFORMANDLIGHT | D3DDEVCAPS_PUREDEVICE, 0x40, false, 0x40},
        {D3DDEVCAPS_HWTRANSFORMANDLIGHT | D3DDEVCAPS_PUREDEVICE, 0x20, false, 0x20},
        {D3DDEVCAPS_HWTRANSFORMANDLIGHT, 0x30, false, 0x20},
        {0, 0xFFFF, false, 0x20},
        {0, 0xFFFF, true, 0x24},
    };
    for (const Case& c : cases) {
        SaverWorld world;
        world.OneMonitor();
        world.d3d.adapters[0].types[0].devCaps = c.devCaps;
        world.saver.multithreaded = c.multithreaded;
        const DWORD limit = c.refusedBelow;
        world.saver.acceptDevice = [limit](const D3DCAPS9&, DWORD flags, D3DFORMAT) {
            return (flags & ~DWORD{D3DCREATE_MULTITHREADED}) <= limit ? S_OK : E_FAIL;
        };
        world.Start(L"/s");
        ASSERT_EQ(world.saver.adapters[0]->deviceTypeCount, 1u);
        EXPECT_EQ(world.saver.adapters[0]->deviceTypes[0].modes[0].behaviourFlags, c.expected)
            << std::hex << c.devCaps << " " << c.refusedBelow;
    }
}

TEST(DeviceSelection, DepthFormatsAreTriedInOrderWithinTheMinimumBits) {
    struct Case {
        DWORD depthBits, stencilBits;
        std::vector<D3DFORMAT> tried;  // when the device accepts none of them
    };
    const Case cases[] = {
        {16, 0, {D3DFMT_D16, D3DFMT_D24X8, D3DFMT_D24S8, D3DFMT_D24X4S4, D3DFMT_D32}},
        {15, 1, {D3DFMT_D15S1, D3DFMT_D24S8, D3DFMT_D24X4S4}},
        {24, 4, {D3DFMT_D24S8, D3DFMT_D24X4S4}},
        {32, 0, {D3DFMT_D32}},
    };
    for (const Case& c : cases) {
        SaverWorld world;
        world.OneMonitor();
        world.saver.d3d = &world.d3d;
        world.d3d.adapters[0].types[0].depthFormats = {};
        world.saver.minDepthBits = c.depthBits;
        world.saver.minStencilBits = c.stencilBits;
        D3DFORMAT found = D3DFMT_UNKNOWN;
        EXPECT_FALSE(world.saver.PickDepthStencilFormat(0, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8, found));
        EXPECT_EQ(world.d3d.depthTried, c.tried) << c.depthBits << "/" << c.stencilBits;
        world.saver.d3d = nullptr;
    }
    SaverWorld world;
    world.OneMonitor();
    world.saver.d3d = &world.d3d;
    world.d3d.adapters[0].types[0].depthFormats = {D3DFMT_D24X8, D3DFMT_D32};
    D3DFORMAT found = D3DFMT_UNKNOWN;
    EXPECT_TRUE(world.saver.PickDepthStencilFormat(0, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8, found));
    EXPECT_EQ(found, D3DFMT_D24X8);
    world.saver.d3d = nullptr;
}

TEST_F(SaverFixture, ADeviceTypeWithoutADepthFormatIsDropped) {
    OneMonitor();
    FakeDeviceType software;
    software.type = D3DDEVTYPE_SW;
    software.depthFormats = {D3DFMT_D16};
    d3d.adapters[0].types[0].depthFormats = {};
    d3d.adapters[0].types.push_back(software);
    saver.useDepthBuffer = TRUE;
    Start(L"/s");
    const AdapterRecord& adapter = *saver.adapters[0];
    ASSERT_EQ(adapter.deviceTypeCount, 1u);
    EXPECT_EQ(adapter.deviceTypes[0].type, D3DDEVTYPE_SW);
    EXPECT_EQ(adapter.deviceTypes[0].modes[0].depthFormat, D3DFMT_D16);
    EXPECT_TRUE(adapter.halPresent);
    EXPECT_FALSE(adapter.halUsable);
    EXPECT_TRUE(adapter.swUsable);
}

TEST_F(SaverFixture, FullScreenUnitUsesTheDesktopSize) {
    OneMonitor();
    Start(L"/s");
    saver.OpenScreenUnits();
    ASSERT_FALSE(saver.errorMode);
    ASSERT_EQ(saver.unitCount, 1u);
    ASSERT_EQ(d3d.creates.size(), 1u);
    const CreateCall& call = d3d.creates[0];
    EXPECT_EQ(call.type, D3DDEVTYPE_HAL);
    EXPECT_EQ(call.focus, saver.mainWindow);
    EXPECT_EQ(call.parameters.BackBufferWidth, 1600u);
    EXPECT_EQ(call.parameters.BackBufferHeight, 1200u);
    EXPECT_EQ(call.parameters.BackBufferFormat, D3DFMT_X8R8G8B8);
    EXPECT_EQ(call.parameters.SwapEffect, D3DSWAPEFFECT_DISCARD);
    EXPECT_FALSE(call.parameters.Windowed);
    EXPECT_EQ(call.parameters.PresentationInterval, static_cast<UINT>(D3DPRESENT_INTERVAL_ONE));
    EXPECT_EQ(call.parameters.hDeviceWindow, saver.monitors[0].window);
    EXPECT_FALSE(saver.windowed);
    EXPECT_TRUE(saver.units[0].objectsCreated && saver.units[0].objectsRestored);
    EXPECT_STREQ(saver.units[0].description, L"HAL (pure hw vp): Fake HAL adapter");
    EXPECT_TRUE(platform.placedTopmost.count(saver.monitors[0].window));
    EXPECT_EQ(saver.clientRect.right, 1600);
}

TEST_F(SaverFixture, WindowedUnitUsesTheWindowAndCopy) {
    OneMonitor();
    saver.useDepthBuffer = TRUE;
    Start(L"/t");
    saver.OpenScreenUnits();
    ASSERT_EQ(saver.unitCount, 1u);
    const CreateCall& call = d3d.creates.at(0);
    EXPECT_EQ(call.parameters.BackBufferWidth, 0u);
    EXPECT_EQ(call.parameters.BackBufferFormat, D3DFMT_X8R8G8B8);
    EXPECT_EQ(call.parameters.SwapEffect, D3DSWAPEFFECT_COPY);
    EXPECT_TRUE(call.parameters.Windowed);
    EXPECT_TRUE(call.parameters.EnableAutoDepthStencil);
    EXPECT_EQ(call.parameters.AutoDepthStencilFormat, D3DFMT_D24S8);
    EXPECT_EQ(call.parameters.hDeviceWindow, saver.mainWindow);
    EXPECT_EQ(call.parameters.PresentationInterval, static_cast<UINT>(D3DPRESENT_INTERVAL_DEFAULT));
    EXPECT_TRUE(saver.windowed);
}

TEST(DeviceSelection, WindowedUnitFailuresGiveTheirCodes) {
    struct Case {
        const wchar_t* arguments;
        HRESULT code;
    };
    for (const Case& c : {Case{L"/t", kNoDevice}, Case{L"/p", kNoPreview}}) {
        SaverWorld world;
        world.OneMonitor();
        world.d3d.createResult = [](const CreateCall&) { return D3DERR_NOTAVAILABLE; };
        HWND parent = world.platform.AddForeignWindow(100, 80);
        std::wstring arguments = c.arguments;
        if (arguments == L"/p") arguments += L" " + std::to_wstring(reinterpret_cast<UINT_PTR>(parent));
        world.Start(arguments);
        world.saver.OpenScreenUnits();
        EXPECT_EQ(world.saver.unitCount, 0u);
        EXPECT_TRUE(world.saver.errorMode);
        EXPECT_EQ(world.saver.errorCode, c.code);
        EXPECT_FALSE(world.Logged("CreateUnitObjects none"));
    }
}

TEST(DeviceSelection, StepDownPrefersSixteenBitsAtTheSameSizeThenTheLargestSmallerArea) {
    struct Case {
        std::vector<std::tuple<UINT, UINT, D3DFORMAT>> modes;
        UINT from;
        bool stepped;
        UINT to;
    };
    const D3DFORMAT X = D3DFMT_X8R8G8B8, R = D3DFMT_R5G6B5;
    const Case cases[] = {
        {{{640, 480, X}, {1024, 768, R}, {1024, 768, X}}, 2, true, 1},
        {{{640, 480, X}, {800, 600, X}, {1024, 768, X}}, 2, true, 1},
        {{{640, 480, X}, {800, 600, R}, {800, 600, X}, {1024, 768, R}}, 3, true, 2},
        // A smaller 32-bit mode wins over a larger 16-bit best.
        {{{800, 600, R}, {640, 480, X}, {1024, 768, R}}, 2, true, 1},
        {{{640, 480, R}, {800, 600, R}, {1024, 768, R}}, 2, true, 1},
        {{{640, 480, X}, {1024, 768, X}}, 0, false, 0},
        {{{1024, 768, R}, {1024, 768, X}}, 0, false, 0},
    };
    for (const Case& c : cases) {
        DeviceTypeRecord type;
        for (const auto& [w, h, f] : c.modes) {
            type.modes[type.modeCount].width = w;
            type.modes[type.modeCount].height = h;
            type.modes[type.modeCount].format = f;
            ++type.modeCount;
        }
        type.chosenMode = c.from;
        EXPECT_EQ(type.StepDownMode(), c.stepped) << c.from;
        EXPECT_EQ(type.chosenMode, c.to) << c.from;
    }
}

TEST(DeviceSelection, CompareDisplayModesOrdersWidthHeightThenFormatDescending) {
    const D3DDISPLAYMODE a = {800, 600, 0, D3DFMT_X8R8G8B8};
    EXPECT_EQ(CSaverFramework::CompareDisplayModes(a, {1024, 400, 0, D3DFMT_X8R8G8B8}), -1);
    EXPECT_EQ(CSaverFramework::CompareDisplayModes(a, {800, 480, 0, D3DFMT_X8R8G8B8}), 1);
    EXPECT_EQ(CSaverFramework::CompareDisplayModes(a, {800, 600, 0, D3DFMT_R5G6B5}), 1);
    EXPECT_EQ(CSaverFramework::CompareDisplayModes(a, {800, 600, 0, D3DFMT_A8R8G8B8}), -1);
    EXPECT_EQ(CSaverFramework::CompareDisplayModes(a, a), 0);
}

class StepDownFixture : public SaverFixture {
protected:
    StepDownFixture() {
        UseKeyStore(&store);
        wcscpy(saver.SaverKeyPath, L"Software\\Test\\");
    }
    ~StepDownFixture() override { UseKeyStore(nullptr); }
    MemoryKeyStore store;
};

TEST_F(StepDownFixture, AStepDownIsStoredForTheMonitor) {
    OneMonitor();
    // Only 1024 x 768 and smaller can be made.
    d3d.createResult = [](const CreateCall& call) {
        return call.parameters.BackBufferWidth > 1024 ? D3DERR_OUTOFVIDEOMEMORY : D3D_OK;
    };
    Start(L"/s");
    saver.OpenScreenUnits();
    ASSERT_EQ(saver.unitCount, 1u);
    ASSERT_GE(d3d.creates.size(), 2u);
    EXPECT_EQ(d3d.creates.back().parameters.BackBufferWidth, 1024u);
    DWORD width = 0, height = 0, format = 0;
    EXPECT_TRUE(store.GetDword(L"Software\\Test\\Screen 1", L"Width", width));
    EXPECT_TRUE(store.GetDword(L"Software\\Test\\Screen 1", L"Height", height));
    EXPECT_TRUE(store.GetDword(L"Software\\Test\\Screen 1", L"Format", format));
    EXPECT_EQ(width, 1024u);
    EXPECT_EQ(height, 768u);
    EXPECT_EQ(format, static_cast<DWORD>(d3d.creates.back().parameters.BackBufferFormat));
    const auto id = store.values.find({L"Software\\Test\\Screen 1", L"Adapter ID"});
    ASSERT_NE(id, store.values.end());
    EXPECT_EQ(id->second.type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(id->second.bytes.size(), sizeof(GUID));
    EXPECT_EQ(saver.adapters[0]->userWidth, 1024u);
}

TEST_F(StepDownFixture, WithoutAStepDownNothingIsStored) {
    OneMonitor();
    Start(L"/s");
    saver.OpenScreenUnits();
    EXPECT_TRUE(store.values.empty());
}

TEST_F(StepDownFixture, NoModeThatWorksLeavesTheMonitorInErrorMode) {
    OneMonitor();
    d3d.createResult = [](const CreateCall&) { return D3DERR_OUTOFVIDEOMEMORY; };
    Start(L"/s");
    saver.OpenScreenUnits();
    EXPECT_EQ(saver.unitCount, 0u);
    EXPECT_TRUE(saver.errorMode);
    EXPECT_EQ(saver.errorCode, kNoDevice);
    EXPECT_TRUE(store.values.empty());
}

TEST_F(SaverFixture, AStoredModeIsUsedAndAnUnlistedOneIgnored) {
    OneMonitor();
    d3d.adapters[0].types[0].formats = {D3DFMT_X8R8G8B8, D3DFMT_R5G6B5};
    Start(L"/s");
    saver.adapters[0]->userWidth = 1024;
    saver.adapters[0]->userHeight = 768;
    saver.adapters[0]->userFormat = D3DFMT_R5G6B5;
    saver.OpenScreenUnits();
    ASSERT_EQ(d3d.creates.size(), 1u);
    EXPECT_EQ(d3d.creates[0].parameters.BackBufferWidth, 1024u);
    EXPECT_EQ(d3d.creates[0].parameters.BackBufferFormat, D3DFMT_R5G6B5);

    SaverWorld stale;
    stale.OneMonitor();
    stale.Start(L"/s");
    stale.saver.adapters[0]->userWidth = 1152;
    stale.saver.adapters[0]->userHeight = 864;
    stale.saver.adapters[0]->userFormat = D3DFMT_X8R8G8B8;
    stale.saver.OpenScreenUnits();
    ASSERT_EQ(stale.d3d.creates.size(), 1u);
    EXPECT_EQ(stale.d3d.creates[0].parameters.BackBufferWidth, 1600u);
}

TEST(DeviceSelection, TheSoftwareTypeTakesTheSmallestHeightButNot400) {
    SaverWorld world;
    world.OneMonitor();
    world.d3d.adapters[0].types[0].type = D3DDEVTYPE_SW;
    world.d3d.adapters[0].types[0].formats = {D3DFMT_X8R8G8B8, D3DFMT_R5G6B5};
    world.d3d.adapters[0].modes = {{640, 400, 0, D3DFMT_X8R8G8B8}, {640, 480, 0, D3DFMT_X8R8G8B8},
                                   {640, 480, 0, D3DFMT_R5G6B5}, {800, 480, 0, D3DFMT_X8R8G8B8}};
    world.Start(L"/s");
    world.saver.OpenScreenUnits();
    ASSERT_EQ(world.d3d.creates.size(), 1u);
    // Sorted: 640x400 X8, 640x480 X8, 640x480 R5G6B5, 800x480 X8. The 16-bit pick holds.
    EXPECT_EQ(world.d3d.creates[0].parameters.BackBufferWidth, 640u);
    EXPECT_EQ(world.d3d.creates[0].parameters.BackBufferFormat, D3DFMT_R5G6B5);
    EXPECT_STREQ(world.saver.units[0].description, L"SW (simulated pure hw vp)");
}

TEST(DeviceSelection, UserChoicesDecideWhichMonitorsShow) {
    struct Case {
        const char* name;
        bool oneScreenOnly;
        bool secondLeaveBlack;
        bool secondDisableHardware;
        bool secondHasSoftware;
        std::vector<UINT> unitAdapters;
        std::vector<D3DDEVTYPE> unitTypes;
    };
    const Case cases[] = {
        {"both", false, false, false, false, {0, 1}, {D3DDEVTYPE_HAL, D3DDEVTYPE_HAL}},
        {"leave black", false, true, false, false, {0}, {D3DDEVTYPE_HAL}},
        {"disable hardware without software", false, false, true, false, {0}, {D3DDEVTYPE_HAL}},
        {"disable hardware with software", false, false, true, true, {0, 1},
         {D3DDEVTYPE_HAL, D3DDEVTYPE_SW}},
        {"one screen only", true, false, false, false, {0}, {D3DDEVTYPE_HAL}},
    };
    for (const Case& c : cases) {
        SaverWorld world;
        world.OneMonitor();
        world.SecondMonitor();
        if (c.secondHasSoftware) {
            FakeDeviceType software;
            software.type = D3DDEVTYPE_SW;
            world.d3d.adapters[1].types.push_back(software);
        }
        world.saver.oneScreenOnly = c.oneScreenOnly;
        world.Start(L"/s");
        world.saver.adapters[1]->leaveBlack = c.secondLeaveBlack;
        world.saver.adapters[1]->disableHardware = c.secondDisableHardware;
        world.saver.OpenScreenUnits();
        EXPECT_FALSE(world.saver.errorMode) << c.name;
        ASSERT_EQ(world.saver.unitCount, c.unitAdapters.size()) << c.name;
        for (UINT i = 0; i < world.saver.unitCount; ++i) {
            EXPECT_EQ(world.saver.units[i].adapterIndex, c.unitAdapters[i]) << c.name;
            EXPECT_EQ(world.saver.units[i].deviceType, c.unitTypes[i]) << c.name;
        }
        const RECT expected = {0, 0, c.unitAdapters.size() == 2 ? 2624 : 1600, 1200};
        EXPECT_TRUE(EqualRect(&world.saver.clientRect, &expected)) << c.name;
    }
}

TEST(DeviceSelection, OneScreenOnlyPrefersTheFirstHardwareAdapter) {
    SaverWorld world;
    world.OneMonitor();
    world.SecondMonitor();
    world.d3d.adapters[0].types[0].type = D3DDEVTYPE_SW;
    world.saver.oneScreenOnly = TRUE;
    world.Start(L"/s");
    world.saver.OpenScreenUnits();
    ASSERT_EQ(world.saver.unitCount, 1u);
    EXPECT_EQ(world.saver.units[0].adapterIndex, 1u);
    EXPECT_TRUE(world.saver.adapters[0]->leaveBlack);
}

TEST_F(SaverFixture, FailingUnitObjectsEnterErrorModeButEveryUnitIsTried) {
    OneMonitor();
    SecondMonitor();
    saver.createResult = E_FAIL;
    Start(L"/s");
    saver.OpenScreenUnits();
    EXPECT_TRUE(saver.errorMode);
    EXPECT_EQ(saver.errorCode, kUnitObjectsFailed);
    EXPECT_EQ(Count("CreateUnitObjects device0"), 1);
    EXPECT_EQ(Count("CreateUnitObjects device1"), 1);
    EXPECT_EQ(Count("RestoreUnitObjects device0"), 0);
    EXPECT_FALSE(saver.units[0].objectsCreated);
}

TEST_F(SaverFixture, ReleasingUnitsUndoesWhatWasDoneAndLetsDirect3DGo) {
    OneMonitor();
    SecondMonitor();
    Start(L"/s");
    saver.OpenScreenUnits();
    platform.log.clear();
    saver.ReleaseScreenUnits();
    const std::vector<std::string> expected = {
        "InvalidateUnitObjects device0", "DeleteUnitObjects device0",
        "InvalidateUnitObjects device1", "DeleteUnitObjects device1"};
    EXPECT_EQ(platform.log, expected);
    EXPECT_EQ(saver.unitCount, 0u);
    EXPECT_EQ(saver.d3d, nullptr);
    for (const auto& device : d3d.devices) EXPECT_EQ(device->references, 0u);
    EXPECT_EQ(d3d.references, 1u);
}

}  // namespace
}  // namespace vgtest
