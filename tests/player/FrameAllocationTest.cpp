// Steady-state frames of the default scene allocate nothing on the heap. This binary counts
// every operator new of its own code (the platform's DLLs allocate through their own heaps).
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>

#include "TestDevice.h"
#include "document/CurrentDevice.h"
#include "document/QV_DocResManager.h"
#include "document/SceneDocument.h"
#include "player/QV_SlideShow_Light.h"

namespace {
std::atomic<long> allocations{0};
}  // namespace

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

TEST(FrameAllocations, SteadyStateFramesAllocateNothing) {
    vgtest::TestDevice device(320, 240);
    VG_REQUIRE_DEVICE(device);
    CurrentDevice = device.Device();
    QV_SlideShow_Light* raw = nullptr;
    ASSERT_EQ(LoadSceneDocument(&raw), S_OK);
    std::unique_ptr<QV_SlideShow_Light> show(raw);
    std::unique_ptr<QV_DocResManager> manager(CurrentDocResManager);
    show->PrepareSlides();
    show->SetFitMode(2);

    auto frame = [&](float t) {
        show->FrameMove(t);
        device.Device()->BeginScene();
        show->Render(false);
        device.Device()->EndScene();
    };
    float t = 0;
    for (int i = 0; i < 60; ++i, t += 1.0f / 30) frame(t);
    const long before = allocations.load();
    ASSERT_GT(before, 0) << "the counter must see the loading's allocations";
    // 300 frames at 5 per second of scene time: they cross two slide switches.
    for (int i = 0; i < 300; ++i, t += 0.2f) frame(t);
    EXPECT_EQ(allocations.load() - before, 0);
    show.reset();
    manager.reset();
    CurrentDevice = nullptr;
}

}  // namespace
