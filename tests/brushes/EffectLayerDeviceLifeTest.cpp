// The effect backgrounds over a device reset: every default-pool object goes before it (or the
// reset fails), nothing leaks, and the next frame is the one they would have drawn anyway.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "EffectLayerRecords.h"
#include "EffectLayerScene.h"
#include "MemoryKeyStore.h"
#include "base/CurrentDevice.h"
#include "brushes/GlassBallOptics.h"
#include "document/QV_DocResManager.h"
#include "document/ResourceBuffer.h"
#include "document/SharedRandom.h"
#include "player/PictureView.h"
#include "player/SceneDocument.h"
#include "player/ScreenPlayerContext.h"
#include "settings/SettingsAccess.h"

namespace {

using namespace scenewriter;

constexpr UINT kWidth = 320, kHeight = 240;
const LinkValue kSlide{"C:\\slide.png", 1};

ULONG References(IUnknown* object) {
    object->AddRef();
    return object->Release();
}

std::vector<uint8_t> testDocument;
HRESULT OpenTestDocument(QV_SlideShow_Light** scene) {
    ResourceBuffer buffer(testDocument.data(), testDocument.size());
    return LoadSceneDocument(buffer, scene);
}

struct Frames {
    std::vector<uint32_t> afterRestore;
    ULONG referencesBefore = 0, referencesAfter = 0;
};

// Nine restores: under Wine a light left enabled over the eighth reset stopped lighting.
constexpr int kRestores = 9;

// Two frames of a fresh screen unit with its device objects let go and restored kRestores times
// between them, the device reset each time or not; randomness and the shared scroll start alike.
Frames AcrossRestores(vgtest::TestDevice& device, bool resetDevice) {
    SharedRandom::Seed(7);
    SharedScrollClock() = ScrollClock{};
    Frames frames;
    auto context = std::make_unique<ScreenPlayerContext>();
    context->SetSceneOpener(&OpenTestDocument);
    EXPECT_EQ(context->Start(), S_OK);
    context->Scene()->FrameMove(1.0f);
    context->DrawScene();
    frames.referencesBefore = References(device.Device());
    for (int i = 0; i < kRestores; ++i) {
        context->InvalidateDeviceObjects();
        context->Manager()->OnLostDevice();
        if (resetDevice) {
            EXPECT_EQ(device.Reset(), D3D_OK);
        }
        EXPECT_EQ(context->Start(), S_OK);
    }
    context->Scene()->FrameMove(2.0f);
    context->DrawScene();
    frames.referencesAfter = References(device.Device());
    frames.afterRestore = device.ReadBack();
    return frames;
}

class EffectLayerDeviceLife : public ::testing::Test {
protected:
    void SetUp() override {
        VG_REQUIRE_DEVICE(device);
        CurrentDevice = device.Device();
        UseKeyStore(&store);
    }
    void TearDown() override {
        UseKeyStore(nullptr);
        GetPictureView().ReleaseDeviceObjects(device.Device());
        CurrentDocResManager = nullptr;
        CurrentDevice = nullptr;
    }

    vgtest::TestDevice device{kWidth, kHeight};
    vgtest::MemoryKeyStore store;
};

TEST_F(EffectLayerDeviceLife, ResetsLeakNothingAndTheLayerDrawsOnAsBefore) {
    struct Case {
        std::string name;
        SceneWriter layer;
    } cases[] = {
        // Scrolling right: the scroll quads hold a render target between frames.
        {"glass ball", MakeGlassBall({.showStand = 1, .scrollMode = 2, .gradientTop = Rgb(20, 40, 90),
                                      .layer = {.picture = kSlide}})},
        // Over the finished slide: the surface's default-pool buffers and the targets.
        {"water rings", MakeWaterRings({.waveHeight = 30, .mode = 1, .layer = {.picture = kSlide}})},
        {"falling glyphs", MakeGlyphRain({.density = 100, .rainMode = 0, .trailColour = Rgb(0, 255, 0),
                                          .headColour = Rgb(255, 255, 255), .layer = {.picture = kSlide}})},
    };
    const auto picture = vgtest::MakePatternPicture(device.Device(), kWidth, kHeight, D3DXIFF_PNG, [](UINT x, UINT y) {
        return D3DCOLOR_XRGB(x * 255 / kWidth, y * 255 / kHeight, 128);
    });
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        testDocument = vgtest::OneSlideDocument(c.layer, {vgtest::StoredPicture("C:\\slide.png", 1, picture)});
        const Frames restored = AcrossRestores(device, false);
        const Frames reset = AcrossRestores(device, true);
        EXPECT_EQ(reset.referencesAfter, reset.referencesBefore);
        EXPECT_EQ(reset.afterRestore, restored.afterRestore);
        int black = 0;
        for (uint32_t pixel : reset.afterRestore) black += (pixel & 0xFFFFFF) == 0;
        EXPECT_LT(black, int(kWidth * kHeight / 2));
    }
}

}  // namespace
