// The saver's own scene through repeated device resets on each of its slides, taken as the
// saver takes them: nothing leaks, and the frame after a reset is the one the slide draws at
// that moment without any reset.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "MemoryKeyStore.h"
#include "TestDevice.h"
#include "base/CurrentDevice.h"
#include "brushes/GlassBallOptics.h"
#include "brushes/QV_WaterRingLight.h"
#include "document/QV_DocResManager.h"
#include "document/SharedRandom.h"
#include "objects/LocalClock.h"
#include "player/PictureView.h"
#include "player/ScreenPlayerContext.h"
#include "settings/SettingsAccess.h"

namespace {

constexpr UINT kWidth = 320, kHeight = 240;
constexpr unsigned kSlides = 17;
constexpr int kWarmUpFrames = 10;
constexpr float kFrameStep = 1.0f / 20;
// 100 a slide, as many frames as stay within every slide's showing; VG_SHOWCASE_RESETS asks
// for fewer (at least 3) in a quick run.
int ResetCount() {
    const char* asked = std::getenv("VG_SHOWCASE_RESETS");
    const int count = asked ? std::atoi(asked) : 100;
    return std::clamp(count, 3, 100);
}

// The frame after every reset is read back (a few milliseconds beside the reset's first frame,
// which Wine takes a fifth of a second or more to draw) and checked through a checksum of its
// pixels. A few are kept whole, to tell how many pixels differ: those after the first reset, the
// second (of objects restored once already), one in the middle and the last.
bool KeptWhole(int reset, int resets) { return reset <= 2 || reset == resets / 2 || reset == resets; }

uint64_t Checksum(const std::vector<uint32_t>& pixels) {
    uint64_t hash = 14695981039346656037ull;
    for (uint32_t pixel : pixels) hash = (hash ^ pixel) * 1099511628211ull;
    return hash;
}

ULONG References(IUnknown* object) {
    object->AddRef();
    return object->Release();
}

std::vector<ULONG> References(const std::vector<IUnknown*>& objects) {
    std::vector<ULONG> counts;
    for (IUnknown* object : objects) counts.push_back(References(object));
    return counts;
}

bool FixedTime(std::tm& local) {
    local = {};
    local.tm_hour = 10;
    local.tm_min = 8;
    return true;
}

// How often the unit goes through the saver's reset path: invalidate, the manager's lost
// device, IDirect3DDevice9::Reset, and the restoring start.
enum class Path {
    kUntouched,
    kRestarted,  // the restoring start alone, as when a slide starts
    kReset,
};

struct Played {
    struct Frame {
        int afterReset;
        std::vector<uint32_t> pixels;
    };
    std::vector<uint64_t> checksums;  // of the frame after each reset
    std::vector<Frame> whole;
    ULONG deviceBefore = 0, deviceAfter = 0;
    std::vector<ULONG> heldBefore, heldAfter;
    HRESULT reset = D3D_OK;  // the first failing Reset
};

// Plays the show without drawing until `slide` is current; returns the moment it is fully
// faded in.
float ShowSlide(QV_SlideShow_Light& show, unsigned slide) {
    float start = -float(show.SlideAt(0)->FadeIn());
    show.FrameMove(0.0f);
    for (unsigned i = 1; i <= slide; ++i) {
        const QV_SlideContainer& previous = *show.SlideAt(i - 1).Get();
        start += float(previous.FadeIn() + previous.ShowTime() + previous.FadeOut()) + 0.01f;
        show.FrameMove(start);
    }
    return start + float(show.SlideAt(slide)->FadeIn());
}

int DifferentPixels(const std::vector<uint32_t>& frame, const std::vector<uint32_t>& expected) {
    int count = 0;
    for (size_t i = 0; i < frame.size() && i < expected.size(); ++i)
        count += frame[i] != expected[i];
    return count;
}

bool RestartsWhenRestored(const QV_SlideShow_Light& show, unsigned slide) {
    return dynamic_cast<QV_WaterRingLight*>(show.SlideAt(slide)->GetLight().Get()) != nullptr;
}

class ShowcaseReset : public ::testing::TestWithParam<unsigned> {
protected:
    void SetUp() override {
        VG_REQUIRE_DEVICE(device_);
        CurrentDevice = device_.Device();
        UseKeyStore(&store_);
        SetLocalTimeSource(&FixedTime);
    }
    void TearDown() override {
        SetLocalTimeSource(nullptr);
        UseKeyStore(nullptr);
        GetPictureView().ReleaseDeviceObjects(device_.Device());
        CurrentDocResManager = nullptr;
        CurrentDevice = nullptr;
    }

    // A fresh unit from the same randomness and scroll, its slide shown for a few frames and
    // then as many more as there are resets, each after the path's reset. The frames to compare with take no
    // reset, except on a slide whose layer starts again when restored (the water rings' surface
    // starts flat with a new drop): there they restart at the same moments.
    Played Play(unsigned slide, bool resetting) {
        SharedRandom::Seed(SharedRandom::kInitialSeed);
        SharedScrollClock() = ScrollClock{};
        Played played;
        ScreenPlayerContext context;
        EXPECT_EQ(context.Start(), S_OK);
        QV_SlideShow_Light& show = *context.Scene();
        const bool restarts = RestartsWhenRestored(show, slide);
        const Path path = resetting ? Path::kReset : restarts ? Path::kRestarted : Path::kUntouched;
        const float begin = ShowSlide(show, slide);
        auto frame = [&](int i) {
            show.FrameMove(begin + float(i) * kFrameStep);
            context.DrawScene();
        };
        auto loseDevice = [&] {
            context.InvalidateDeviceObjects();
            context.Manager()->OnLostDevice();
        };
        for (int i = 0; i < kWarmUpFrames; ++i) frame(i);
        const std::vector<IUnknown*> held = context.Manager()->HeldDeviceObjects();
        played.deviceBefore = References(device_.Device());
        const int resets = ResetCount();
        for (int n = 1; n <= resets; ++n) {
            if (path == Path::kReset) {
                loseDevice();
                // Effects hold the textures last bound to them until the device is lost, so
                // the shared objects are counted at that moment, before the first reset and
                // after the last.
                if (n == 1) played.heldBefore = References(held);
                played.reset = device_.Reset();
                if (FAILED(played.reset)) break;
            }
            if (path != Path::kUntouched) {
                EXPECT_EQ(context.Start(), S_OK);
            }
            frame(kWarmUpFrames + n - 1);
            std::vector<uint32_t> pixels = device_.ReadBack();
            played.checksums.push_back(Checksum(pixels));
            if (KeptWhole(n, resets)) played.whole.push_back({n, std::move(pixels)});
        }
        played.deviceAfter = References(device_.Device());
        if (path == Path::kReset) {
            loseDevice();
            played.heldAfter = References(held);
        }
        return played;
    }

    vgtest::TestDevice device_{kWidth, kHeight};
    vgtest::MemoryKeyStore store_;
};

TEST_P(ShowcaseReset, ResetsLeakNothingAndEveryObjectDrawsAgain) {
    const unsigned slide = GetParam();
    const Played expected = Play(slide, false);
    const Played reset = Play(slide, true);

    ASSERT_EQ(reset.reset, D3D_OK) << "a default-pool object outlived the invalidation";
    EXPECT_EQ(reset.deviceAfter, reset.deviceBefore);
    ASSERT_EQ(reset.heldAfter.size(), reset.heldBefore.size());
    for (size_t i = 0; i < reset.heldBefore.size(); ++i)
        EXPECT_EQ(reset.heldAfter[i], reset.heldBefore[i]) << "shared device object " << i;
    ASSERT_EQ(reset.checksums.size(), size_t(ResetCount()));
    ASSERT_EQ(reset.checksums.size(), expected.checksums.size());
    std::string differing;
    for (size_t i = 0; i < reset.checksums.size(); ++i)
        if (reset.checksums[i] != expected.checksums[i]) differing += " " + std::to_string(i + 1);
    EXPECT_EQ(differing, "") << "the frames after these resets differ from those drawn without resets";
    ASSERT_EQ(reset.whole.size(), expected.whole.size());
    for (size_t i = 0; i < reset.whole.size(); ++i) {
        SCOPED_TRACE("after reset " + std::to_string(reset.whole[i].afterReset));
        ASSERT_EQ(reset.whole[i].pixels.size(), size_t(kWidth * kHeight));
        EXPECT_EQ(DifferentPixels(reset.whole[i].pixels, expected.whole[i].pixels), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(EverySlide, ShowcaseReset, ::testing::Range(0u, kSlides),
                         [](const ::testing::TestParamInfo<unsigned>& info) {
                             return "Slide" + std::to_string(info.param);
                         });

}  // namespace
