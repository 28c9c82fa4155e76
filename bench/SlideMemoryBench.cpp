// The process's working set as the default scene plays round after round: once after opening,
// then at each slide's first frame. It shows what each slide's first drawing adds (Wine's and
// Mesa's shaders and objects are made when a state is first drawn, not when it is prepared)
// and whether later rounds add more.
//   bench_slide_memory [rounds]      3 rounds unless given
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <string>

#include "FigureLine.h"
#include "RunningScene.h"
#include "BenchScene.h"
#include "TestDevice.h"
#include "document/CurrentDevice.h"
#include "player/PictureView.h"
#include "player/QV_SlideShow_Light.h"

namespace {

// Coarse steps keep a round short; every slide still gets its first frames drawn.
constexpr float kSceneSecondsPerFrame = 0.25f;

double WorkingSetMiB() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return counters.WorkingSetSize / 1048576.0;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    vgtest::TestDevice device(1024, 768);
    if (!bench::DeviceReady(device)) return 1;
    CurrentDevice = device.Device();
    vgtest::RunningScene scene;
    if (!bench::OpenDefaultScene(scene)) return 1;
    const double opened = WorkingSetMiB();
    std::printf("working set after opening and preparing: %.1f MiB\n", opened);

    const float roundSeconds = scene.RoundSeconds();
    const QV_SlideContainer* shown = nullptr;
    int slide = -1, round = 0;
    double roundStart = opened;
    for (float t = 0; t < rounds * roundSeconds; t += kSceneSecondsPerFrame) {
        scene.DrawFrame(t);
        const double now = WorkingSetMiB();
        if (int(t / roundSeconds) > round) {
            ++round;
            bench::PrintFigure("working set after round " + std::to_string(round), bench::Format(now, 1, "MiB"),
                               "+" + bench::Format(now - roundStart, 1, "MiB") + " over the round");
            roundStart = now;
        }
        const QV_SlideContainer* current = scene.Show()->CurrentSlide().Get();
        if (current == shown) continue;
        shown = current;
        std::printf("round %d, slide %2d: %7.1f MiB\n", round + 1, ++slide, now);
    }
    bench::PrintFigure("working set, last frame", bench::Format(WorkingSetMiB(), 1, "MiB"),
                       "after opening " + bench::Format(opened, 1, "MiB"));
    scene.Close();
    GetPictureView().ReleaseDeviceObjects(device.Device());
    CurrentDevice = nullptr;
    return 0;
}
