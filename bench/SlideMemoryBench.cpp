// The process's working set as the default scene plays round after round: once after opening,
// then at each slide's first frame. It shows what each slide's first drawing adds (Wine's and
// Mesa's shaders and objects are made when a state is first drawn, not when it is prepared)
// and whether later rounds add more.
//   bench_slide_memory [rounds]      3 rounds unless given
#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <string>

#include "FigureLine.h"
#include "ProcessMemory.h"
#include "RunningScene.h"
#include "ShowPosition.h"
#include "BenchScene.h"
#include "TestDevice.h"
#include "base/CurrentDevice.h"
#include "player/PictureView.h"

namespace {

// Coarse steps keep a round short; every slide still gets its first frames drawn.
constexpr float kSceneSecondsPerFrame = 0.25f;

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    vgtest::TestDevice device(1024, 768);
    if (!bench::DeviceReady(device)) return 1;
    CurrentDevice = device.Device();
    vgtest::RunningScene scene;
    if (!bench::OpenDefaultScene(scene)) return 1;
    const double opened = bench::CurrentProcessMemory().working;
    std::printf("working set after opening and preparing: %.1f MiB\n", opened);

    const float roundSeconds = scene.RoundSeconds();
    bench::ShowPosition position(scene);
    bool first = true;
    unsigned shown = 0;
    int round = 0;
    double roundStart = opened;
    for (float t = 0; t < rounds * roundSeconds; t += kSceneSecondsPerFrame) {
        position.DrawFrame(t);
        const double now = bench::CurrentProcessMemory().working;
        if (int(t / roundSeconds) > round) {
            ++round;
            bench::PrintFigure("working set after round " + std::to_string(round), bench::Format(now, 1, "MiB"),
                               "+" + bench::Format(now - roundStart, 1, "MiB") + " over the round");
            roundStart = now;
        }
        if (!first && position.Slide() == shown) continue;
        first = false;
        shown = position.Slide();
        std::printf("round %d, %s: %7.1f MiB\n", round + 1, position.Label(shown).c_str(), now);
    }
    bench::PrintFigure("working set, last frame", bench::Format(bench::CurrentProcessMemory().working, 1, "MiB"),
                       "after opening " + bench::Format(opened, 1, "MiB"));
    scene.Close();
    GetPictureView().ReleaseDeviceObjects(device.Device());
    CurrentDevice = nullptr;
    return 0;
}
