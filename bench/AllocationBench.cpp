// Heap allocations of steady-state frames of the default scene: every operator new of this
// program is counted (the platform's DLLs allocate through their own heaps and are not).
#include <cstdio>
#include <string>

#include "AllocationCounter.h"
#include "RunningScene.h"
#include "FigureLine.h"
#include "TestDevice.h"
#include "document/CurrentDevice.h"
#include "player/PictureView.h"

namespace {

constexpr int kWarmUpFrames = 60;
constexpr float kSceneSecondsPerFrame = 0.2f;

}  // namespace

int main() {
    vgtest::TestDevice device(1024, 768);
    if (!device.Device()) {
        std::fprintf(stderr, "no Direct3D 9 device, hr=0x%08lx\n", static_cast<unsigned long>(device.CreationResult()));
        return 1;
    }
    CurrentDevice = device.Device();
    vgtest::RunningScene scene;
    if (FAILED(scene.OpenOwnDocument())) {
        std::fprintf(stderr, "the default scene does not open\n");
        return 1;
    }
    scene.PrepareSlides();
    scene.SetFitMode(2);
    float t = 0;
    for (int i = 0; i < kWarmUpFrames; ++i, t += 1.0f / 30) scene.DrawFrame(t);
    const long before = vgtest::AllocationCount();
    // A fifth of a second of scene time a frame over a whole round: every slide and switch.
    const int counted = int(scene.RoundSeconds() / kSceneSecondsPerFrame) + 10;
    for (int i = 0; i < counted; ++i, t += kSceneSecondsPerFrame) scene.DrawFrame(t);
    const long allocations = vgtest::AllocationCount() - before;
    bench::PrintFigure("allocations per frame, default 1024 x 768",
                       bench::Format(double(allocations) / counted, 2),
                       std::to_string(allocations) + " in " + std::to_string(counted) +
                           " frames after " + std::to_string(kWarmUpFrames) + " of warm-up" +
                           (allocations == 0 ? " (target 0 met)" : " (target 0 MISSED)"));
    scene.Close();
    GetPictureView().ReleaseDeviceObjects(device.Device());
    CurrentDevice = nullptr;
    return 0;
}
