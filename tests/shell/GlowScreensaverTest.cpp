// The application over the framework: which devices it takes, what each unit's frames do,
// and where the current unit's device and resource manager are published.
#include <gtest/gtest.h>

#include "FakeShellPlatform.h"
#include "StubDirect3D9.h"
#include "TestDevice.h"
#include "base/CurrentDevice.h"
#include "document/QV_DocResManager.h"
#include "settings/SettingsAccess.h"
#include "shell/CGlowScreensaver.h"

namespace {

class FormatCheckingDirect3D : public vgtest::StubDirect3D9 {
public:
    HRESULT STDMETHODCALLTYPE CheckDeviceFormat(UINT, D3DDEVTYPE, D3DFORMAT, DWORD, D3DRESOURCETYPE type,
                                                D3DFORMAT check) override {
        lastChecked = check;
        return type == D3DRTYPE_TEXTURE && check == D3DFMT_V8U8 && bumpTextures ? D3D_OK : D3DERR_NOTAVAILABLE;
    }
    bool bumpTextures = true;
    D3DFORMAT lastChecked = D3DFMT_UNKNOWN;
};

class GlowScreensaverTest : public ::testing::Test {
protected:
    void TearDown() override {
        app_.d3d = nullptr;
        CurrentDevice = nullptr;
        CurrentDocResManager = nullptr;
    }
    vgtest::FakeShellPlatform platform_;
    CGlowScreensaver app_{platform_};
};

TEST_F(GlowScreensaverTest, SettingsOfTheApplication) {
    EXPECT_STREQ(app_.SaverKeyPath, L"Software\\Larkspire\\Glimmerforge\\Screensaver\\");
    EXPECT_STREQ(::SaverKeyPath, L"Software\\Larkspire\\Glimmerforge\\Screensaver\\");
    EXPECT_TRUE(app_.useDepthBuffer);
    EXPECT_FALSE(app_.oneScreenOnly);
    EXPECT_EQ(app_.UpdateFrame(), S_OK);
}

TEST_F(GlowScreensaverTest, OnlyDevicesWithBumpMappingAndV8U8TexturesAreTaken) {
    FormatCheckingDirect3D d3d;
    app_.d3d = &d3d;
    struct {
        DWORD textureOps;
        bool bumpTextures;
        HRESULT expected;
    } cases[] = {
        {D3DTEXOPCAPS_BUMPENVMAP | D3DTEXOPCAPS_MODULATE, true, S_OK},
        {D3DTEXOPCAPS_MODULATE, true, E_FAIL},
        {D3DTEXOPCAPS_BUMPENVMAP, false, E_FAIL},
    };
    for (const auto& c : cases) {
        D3DCAPS9 caps = {};
        caps.TextureOpCaps = c.textureOps;
        d3d.bumpTextures = c.bumpTextures;
        for (DWORD behaviour : {DWORD(D3DCREATE_HARDWARE_VERTEXPROCESSING), DWORD(D3DCREATE_SOFTWARE_VERTEXPROCESSING)})
            EXPECT_EQ(app_.AcceptDevice(caps, behaviour, D3DFMT_X8R8G8B8), c.expected) << c.textureOps;
    }
    EXPECT_EQ(d3d.lastChecked, D3DFMT_V8U8);
}

TEST_F(GlowScreensaverTest, UnitSelectionPublishesItsDeviceAndKeepsTheLastManager) {
    vgtest::TestDevice first(64, 48), second(64, 48);
    ASSERT_NE(first.Device(), nullptr);
    QV_DocResManager previous;
    CurrentDocResManager = &previous;
    app_.currentDevice = first.Device();
    app_.OnUnitSelected(0);
    EXPECT_EQ(CurrentDevice, first.Device());
    EXPECT_EQ(app_.CurrentContext(), &app_.Context(0));
    app_.currentDevice = second.Device();
    app_.OnUnitSelected(1);
    EXPECT_EQ(CurrentDevice, second.Device());
    // The unit has no scene yet: the manager of the previous unit stays published.
    EXPECT_EQ(CurrentDocResManager, &previous);
}

// This test binary carries no scene document: the third frame's start enters the error mode.
TEST_F(GlowScreensaverTest, SplashStartAndTheMissingDocument) {
    vgtest::TestDevice device(320, 240);
    ASSERT_NE(device.Device(), nullptr);
    app_.currentDevice = device.Device();
    app_.OnUnitSelected(0);
    ScreenPlayerContext& context = app_.Context(0);

    app_.RenderCurrentUnit();
    EXPECT_TRUE(context.SplashDrawn());
    EXPECT_FALSE(context.Started());
    EXPECT_FALSE(app_.errorMode);

    app_.RenderCurrentUnit();
    EXPECT_TRUE(context.Started());
    EXPECT_TRUE(app_.errorMode);
    EXPECT_EQ(app_.errorCode, HRESULT(0x8200000B));
    EXPECT_EQ(context.Scene(), nullptr);
}

TEST_F(GlowScreensaverTest, ResetsTakeTheUnitBackToItsStart) {
    vgtest::TestDevice device(64, 48);
    app_.currentDevice = device.Device();
    app_.OnUnitSelected(0);
    app_.RenderCurrentUnit();  // splash
    app_.RenderCurrentUnit();  // start (fails here, no document)
    EXPECT_EQ(app_.InvalidateUnitObjects(), S_OK);
    EXPECT_FALSE(app_.Context(0).Started());
    EXPECT_EQ(app_.RestoreUnitObjects(), S_OK);
    EXPECT_FALSE(app_.Music().HasGraph());  // no scene: the music is not made again
}

}  // namespace
