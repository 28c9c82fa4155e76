// Steady-state frame cost of the default scene against an empty frame (a clear only) on the
// same device, measured in alternating blocks within one run: the scene as it plays, and its
// slide of FX brushes held on screen.
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "RunningScene.h"
#include "FigureLine.h"
#include "GpuFence.h"
#include "TestDevice.h"
#include "document/CurrentDevice.h"
#include "player/PictureView.h"
#include "player/QV_SlideShow_Light.h"
#include "player/RenderTargetPair.h"

namespace {

constexpr int kRounds = 5;
// The brush slide draws six passes over the whole picture: under llvmpipe a frame takes tens
// of milliseconds, so it gets fewer rounds (and a run of its own in scripts/bench).
constexpr int kBrushSlideRounds = 3;
constexpr int kWarmUpFrames = 60;
// Thread times come in 10 ms ticks: the CPU figures add up every block of a kind, 3000
// frames, which resolves 0.003 ms a frame. Wall times are exact and need fewer frames.
constexpr int kCpuFramesPerBlock = 600;
constexpr int kWallFramesPerBlock = 100;
constexpr double kTickSeconds = 0.010;
// The saver's frame rate: the scene advances by a thirtieth of a second a frame.
constexpr float kFrameStep = 1.0f / 30;
constexpr double kCpuTargetMs = 2.0;
// The default scene's slide of FX brushes, and the part of its show time it is held in.
constexpr unsigned kBrushSlide = 1;
constexpr float kBrushSlideEnter = 3.0f, kBrushSlideHold = 9.0f;

struct Size {
    UINT width, height;
};

// CPU time of the calling thread in the frames of a block, the waits between them left out:
// Wine's query polling costs CPU in proportion to the device's drawing time, which under
// llvmpipe would count the rendering itself. The wait keeps the device's queue from filling
// (a full queue spins). Each frame's share is a difference of 10 ms ticks; their sum over
// the block is the figure.
double CpuOfBlock(const std::function<void()>& frame, bench::GpuFence& fence) {
    double total = 0;
    for (int i = 0; i < kCpuFramesPerBlock; ++i) {
        const double start = bench::ThreadCpuSeconds();
        frame();
        total += bench::ThreadCpuSeconds() - start;
        fence.WaitSleeping();
    }
    return total;
}

// Elapsed time per frame up to the device having finished drawing it.
double WallPerFrame(const std::function<void()>& frame, bench::GpuFence& fence) {
    const double start = bench::WallSeconds();
    for (int i = 0; i < kWallFramesPerBlock; ++i) {
        frame();
        fence.WaitSpinning();
    }
    return (bench::WallSeconds() - start) / kWallFramesPerBlock;
}

double Sum(const std::vector<double>& values) {
    double sum = 0;
    for (double value : values) sum += value;
    return sum;
}

std::vector<double> Ratios(const std::vector<double>& a, const std::vector<double>& b) {
    std::vector<double> ratios;
    for (size_t i = 0; i < a.size(); ++i) ratios.push_back(b[i] > 0 ? a[i] / b[i] : 0);
    return ratios;
}

std::string Comparison(double empty, const std::string& ratio) {
    return "empty frame " + bench::Format(empty * 1000, 3, "ms") + ", " + ratio;
}

// Plays the show until its slide of brushes has shown for a while; its time from then on.
float EnterBrushSlide(vgtest::RunningScene& scene) {
    float t = 0;
    const QV_SlideShow_Light& show = *scene.Show();
    while (show.CurrentSlide().Get() != show.SlideAt(kBrushSlide).Get() && t < 60) scene.DrawFrame(t += kFrameStep);
    const float entered = t;
    while (t < entered + kBrushSlideEnter) scene.DrawFrame(t += kFrameStep);
    return t;
}

bool MeasureFrames(Size size, bool brushSlide) {
    const int rounds = brushSlide ? kBrushSlideRounds : kRounds;
    vgtest::TestDevice device(size.width, size.height);
    if (!device.Device()) {
        std::fprintf(stderr, "no Direct3D 9 device of %ux%u, hr=0x%08lx\n", size.width, size.height,
                     static_cast<unsigned long>(device.CreationResult()));
        return false;
    }
    IDirect3DDevice9* d = device.Device();
    CurrentDevice = d;
    bench::GpuFence fence(d);
    vgtest::RunningScene scene;
    if (FAILED(scene.OpenOwnDocument())) {
        std::fprintf(stderr, "the default scene does not open\n");
        return false;
    }
    scene.PrepareSlides();
    scene.SetFitMode(2);

    // The brush slide is held by stepping its time back within its show time.
    const float held = brushSlide ? EnterBrushSlide(scene) : 0.0f;
    float t = held;
    auto sceneFrame = [&] {
        scene.DrawFrame(t);
        t += kFrameStep;
        if (brushSlide && t > held + kBrushSlideHold) t = held;
    };
    auto emptyFrame = [&] {
        d->BeginScene();
        d->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
        d->EndScene();
    };
    for (int i = 0; i < kWarmUpFrames; ++i) {
        sceneFrame();
        emptyFrame();
        fence.WaitSpinning();
    }
    std::vector<double> sceneCpu, emptyCpu, sceneWall, emptyWall;
    for (int round = 0; round < rounds; ++round) {
        sceneCpu.push_back(CpuOfBlock(sceneFrame, fence));
        emptyCpu.push_back(CpuOfBlock(emptyFrame, fence));
        sceneWall.push_back(WallPerFrame(sceneFrame, fence));
        emptyWall.push_back(WallPerFrame(emptyFrame, fence));
    }
    // A windowed back buffer may be larger than the screen: the figures name what was made.
    const D3DSURFACE_DESC backBuffer = GetBackBufferDesc();
    const std::string name = std::string(brushSlide ? "brush slide " : "default ") + std::to_string(backBuffer.Width) +
                             " x " + std::to_string(backBuffer.Height);
    const double cpuFrames = double(rounds) * kCpuFramesPerBlock;
    const double cpu = Sum(sceneCpu) / cpuFrames, cpuEmpty = Sum(emptyCpu) / cpuFrames;
    std::string note = " (resolution " + bench::Format(kTickSeconds / cpuFrames * 1000, 3, "ms");
    if (size.width >= 1920) note += cpu * 1000 <= kCpuTargetMs ? "; target <= 2 ms met" : "; target <= 2 ms MISSED";
    bench::PrintFigure("frame main-thread CPU, " + name, bench::Format(cpu * 1000, 3, "ms"),
                       Comparison(cpuEmpty, "ratio " + bench::Format(cpuEmpty > 0 ? cpu / cpuEmpty : 0, 1) + note + ")"));
    // Wall: the median of the blocks' means, and of their ratios.
    bench::PrintFigure("frame wall to GPU done, " + name, bench::Format(bench::Median(sceneWall) * 1000, 3, "ms"),
                       Comparison(bench::Median(emptyWall),
                                  "median ratio " + bench::Format(bench::Median(Ratios(sceneWall, emptyWall)), 1)));

    scene.Close();
    GetPictureView().ReleaseDeviceObjects(d);
    CurrentDevice = nullptr;
    return true;
}

}  // namespace

// No argument: the default scene as it plays, at two sizes. "--brush-slide": its slide of
// brushes held on screen at 1920 x 1080.
int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--brush-slide") return MeasureFrames(Size{1920, 1080}, true) ? 0 : 1;
    bool ok = true;
    for (Size size : {Size{1024, 768}, Size{1920, 1080}}) ok = MeasureFrames(size, false) && ok;
    return ok ? 0 : 1;
}
