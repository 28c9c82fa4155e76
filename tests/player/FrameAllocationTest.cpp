// Steady-state frames of the default scene allocate nothing on the heap.
#include <gtest/gtest.h>

#include <memory>

#include "AllocationCounter.h"
#include "RunningScene.h"
#include "TestDevice.h"
#include "base/CurrentDevice.h"
#include "document/QV_DocResManager.h"
#include "player/QV_SlideShow_Light.h"
#include "player/SceneDocument.h"

namespace {

TEST(FrameAllocations, SteadyStateFramesAllocateNothing) {
    vgtest::TestDevice device(320, 240);
    VG_REQUIRE_DEVICE(device);
    CurrentDevice = device.Device();
    vgtest::RunningScene scene;
    ASSERT_EQ(scene.OpenOwnDocument(), S_OK);
    scene.PrepareSlides();
    scene.SetFitMode(2);
    auto frame = [&](float t) { scene.DrawFrame(t); };
    float t = 0;
    for (int i = 0; i < 60; ++i, t += 1.0f / 30) frame(t);
    const long before = vgtest::AllocationCount();
    ASSERT_GT(before, 0) << "the counter must see the loading's allocations";
    // 5 frames a second of scene time over a whole round: every slide and every switch.
    const int frames = int(scene.RoundSeconds() / 0.2f) + 10;
    ASSERT_GE(frames, 300);
    for (int i = 0; i < frames; ++i, t += 0.2f) frame(t);
    EXPECT_EQ(vgtest::AllocationCount() - before, 0);
    scene.Close();
    CurrentDevice = nullptr;
}

}  // namespace
