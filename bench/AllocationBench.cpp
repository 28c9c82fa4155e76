// Heap allocations of the default scene's frames, slide by slide: every operator new of this
// program is counted (the platform's DLLs allocate through their own heaps and are not). A
// slide's frames are steady once it has shown for a second past its fade-in; the frames
// before, from the switch to it on, are its switch and are counted apart.
#include <cstdio>
#include <string>
#include <vector>

#include "AllocationCounter.h"
#include "FigureLine.h"
#include "RunningScene.h"
#include "ShowPosition.h"
#include "BenchScene.h"
#include "TestDevice.h"
#include "base/CurrentDevice.h"
#include "player/PictureView.h"

namespace {

// The saver's frame rate.
constexpr float kFrameStep = 1.0f / 30;

struct Count {
    long allocations = 0;
    int frames = 0;
};

struct SlideCounts {
    Count steady, switching;
};

// One round of the show from its first frame, and the switch back to the first slide.
std::vector<SlideCounts> CountRound(vgtest::RunningScene& scene, bench::ShowPosition& position) {
    std::vector<SlideCounts> counts(scene.Show()->SlideCount());
    bool left = false;
    for (float t = 0;; t += kFrameStep) {
        const long before = vgtest::AllocationCount();
        position.DrawFrame(t);
        const bool steady = t >= position.SteadyFrom();
        if (left && position.Slide() == 0 && steady) break;
        left = left || position.Slide() != 0;
        Count& count = steady ? counts[position.Slide()].steady : counts[position.Slide()].switching;
        count.allocations += vgtest::AllocationCount() - before;
        ++count.frames;
    }
    return counts;
}

std::string PerFrame(const Count& count) {
    return bench::Format(count.frames ? double(count.allocations) / count.frames : 0.0, 2);
}

}  // namespace

int main() {
    vgtest::TestDevice device(1024, 768);
    if (!bench::DeviceReady(device)) return 1;
    CurrentDevice = device.Device();
    {
        vgtest::RunningScene scene;
        if (!bench::OpenDefaultScene(scene)) return 1;
        bench::ShowPosition position(scene);
        const std::vector<SlideCounts> counts = CountRound(scene, position);
        Count steady;
        for (unsigned i = 0; i < counts.size(); ++i) {
            const SlideCounts& slide = counts[i];
            bench::PrintFigure("allocations per steady frame, " + position.Label(i), PerFrame(slide.steady),
                               std::to_string(slide.steady.allocations) + " in " + std::to_string(slide.steady.frames) +
                                   " frames; its switch and fade-in: " + std::to_string(slide.switching.allocations) +
                                   " in " + std::to_string(slide.switching.frames) + " frames");
            steady.allocations += slide.steady.allocations;
            steady.frames += slide.steady.frames;
        }
        bench::PrintFigure("allocations per steady frame, 1024 x 768", PerFrame(steady),
                           std::to_string(steady.allocations) + " in " + std::to_string(steady.frames) +
                               " frames of every slide" + (steady.allocations == 0 ? " (target 0 met)" : " (target 0 MISSED)"));
    }
    GetPictureView().ReleaseDeviceObjects(device.Device());
    CurrentDevice = nullptr;
    return 0;
}
