// Steady-state frame cost of the default scene against an empty frame (a clear only) on the
// same device, measured in alternating blocks within one run: the scene as it plays, and each
// of its slides held on screen.
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "FigureLine.h"
#include "GpuFence.h"
#include "RunningScene.h"
#include "ShowPosition.h"
#include "TestDevice.h"
#include "base/CurrentDevice.h"
#include "player/PictureView.h"
#include "player/QV_2D_Light.h"
#include "player/QV_SlideShow_Light.h"

namespace {

constexpr int kWarmUpFrames = 60;
constexpr double kTickSeconds = 0.010;
// The saver's frame rate: the scene advances by a thirtieth of a second a frame.
constexpr float kFrameStep = 1.0f / 30;
constexpr double kCpuTargetMs = 2.0;

struct Size {
    UINT width, height;
};

// How much is measured: rounds of four blocks (scene CPU, empty CPU, scene wall, empty wall).
// Thread times come in 10 ms ticks, so the CPU blocks add up many frames; wall times are exact
// and need fewer.
struct Plan {
    int rounds;
    int cpuFramesPerBlock;
    int wallFramesPerBlock;
};
// The show as it plays: 3000 frames resolve 0.003 ms a frame.
constexpr Plan kShowPlan{5, 600, 100};
// Each held slide: under llvmpipe the heaviest take a tenth of a second a frame at 1920 × 1080,
// so 300 frames (resolving 0.033 ms) keep the seventeen slides within a few minutes.
constexpr Plan kSlidePlan{3, 100, 30};

struct Blocks {
    std::vector<double> sceneCpu, emptyCpu, sceneWall, emptyWall;
};

// CPU time of the calling thread in the frames of a block, the waits between them left out:
// Wine's query polling costs CPU in proportion to the device's drawing time, which under
// llvmpipe would count the rendering itself. The wait keeps the device's queue from filling
// (a full queue spins). Each frame's share is a difference of 10 ms ticks; their sum over
// the block is the figure.
double CpuOfBlock(const std::function<void()>& frame, bench::GpuFence& fence, int frames) {
    double total = 0;
    for (int i = 0; i < frames; ++i) {
        const double start = bench::ThreadCpuSeconds();
        frame();
        total += bench::ThreadCpuSeconds() - start;
        fence.WaitSleeping();
    }
    return total;
}

// Elapsed time per frame up to the device having finished drawing it.
double WallPerFrame(const std::function<void()>& frame, bench::GpuFence& fence, int frames) {
    const double start = bench::WallSeconds();
    for (int i = 0; i < frames; ++i) {
        frame();
        fence.WaitSpinning();
    }
    return (bench::WallSeconds() - start) / frames;
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

Blocks MeasureBlocks(const Plan& plan, const std::function<void()>& sceneFrame,
                     const std::function<void()>& emptyFrame, bench::GpuFence& fence) {
    Blocks blocks;
    for (int round = 0; round < plan.rounds; ++round) {
        blocks.sceneCpu.push_back(CpuOfBlock(sceneFrame, fence, plan.cpuFramesPerBlock));
        blocks.emptyCpu.push_back(CpuOfBlock(emptyFrame, fence, plan.cpuFramesPerBlock));
        blocks.sceneWall.push_back(WallPerFrame(sceneFrame, fence, plan.wallFramesPerBlock));
        blocks.emptyWall.push_back(WallPerFrame(emptyFrame, fence, plan.wallFramesPerBlock));
    }
    return blocks;
}

struct Figures {
    double cpu, wall;  // seconds a frame
};

Figures Report(const std::string& name, const Plan& plan, const Blocks& blocks, bool againstTarget) {
    const double cpuFrames = double(plan.rounds) * plan.cpuFramesPerBlock;
    const double cpu = Sum(blocks.sceneCpu) / cpuFrames, cpuEmpty = Sum(blocks.emptyCpu) / cpuFrames;
    std::string note = " (resolution " + bench::Format(kTickSeconds / cpuFrames * 1000, 3, "ms");
    if (againstTarget) note += cpu * 1000 <= kCpuTargetMs ? "; target <= 2 ms met" : "; target <= 2 ms MISSED";
    bench::PrintFigure("frame main-thread CPU, " + name, bench::Format(cpu * 1000, 3, "ms"),
                       Comparison(cpuEmpty, "ratio " + bench::Format(cpuEmpty > 0 ? cpu / cpuEmpty : 0, 1) + note + ")"));
    // Wall: the median of the blocks' means, and of their ratios.
    const double wall = bench::Median(blocks.sceneWall);
    bench::PrintFigure("frame wall to GPU done, " + name, bench::Format(wall * 1000, 3, "ms"),
                       Comparison(bench::Median(blocks.emptyWall),
                                  "median ratio " + bench::Format(bench::Median(Ratios(blocks.sceneWall, blocks.emptyWall)), 1)));
    return {cpu, wall};
}

// A windowed back buffer may be larger than the screen: the figures name what was made.
std::string MadeSize() {
    const D3DSURFACE_DESC backBuffer = GetBackBufferDesc();
    return std::to_string(backBuffer.Width) + " x " + std::to_string(backBuffer.Height);
}

// The device and the default scene open on it, ready to play.
class Stage {
public:
    explicit Stage(Size size) : device_(size.width, size.height) {
        if (!device_.Device()) {
            std::fprintf(stderr, "no Direct3D 9 device of %ux%u, hr=0x%08lx\n", size.width, size.height,
                         static_cast<unsigned long>(device_.CreationResult()));
            return;
        }
        CurrentDevice = device_.Device();
        fence_ = std::make_unique<bench::GpuFence>(device_.Device());
        if (FAILED(scene_.OpenOwnDocument())) {
            std::fprintf(stderr, "the default scene does not open\n");
            return;
        }
        scene_.PrepareSlides();
        scene_.SetFitMode(2);
        ready_ = true;
    }
    ~Stage() {
        scene_.Close();
        if (device_.Device()) GetPictureView().ReleaseDeviceObjects(device_.Device());
        CurrentDevice = nullptr;
    }

    bool Ready() const { return ready_; }
    vgtest::RunningScene& Scene() { return scene_; }
    bench::GpuFence& Fence() { return *fence_; }
    void EmptyFrame() {
        IDirect3DDevice9* d = device_.Device();
        d->BeginScene();
        d->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
        d->EndScene();
    }

private:
    vgtest::TestDevice device_;
    std::unique_ptr<bench::GpuFence> fence_;
    vgtest::RunningScene scene_;
    bool ready_ = false;
};

bool MeasureShow(Size size) {
    Stage stage(size);
    if (!stage.Ready()) return false;
    float t = 0;
    auto sceneFrame = [&] {
        stage.Scene().DrawFrame(t);
        t += kFrameStep;
    };
    auto emptyFrame = [&] { stage.EmptyFrame(); };
    for (int i = 0; i < kWarmUpFrames; ++i) {
        sceneFrame();
        emptyFrame();
        stage.Fence().WaitSpinning();
    }
    Report("default " + MadeSize(), kShowPlan, MeasureBlocks(kShowPlan, sceneFrame, emptyFrame, stage.Fence()),
           size.width >= 1920);
    return true;
}

// Every slide in the show's order, each held on screen: played from its start until its
// frames are steady, then its time stepped back whenever it would reach its
// fade-out. A jump past its end brings the next slide.
bool MeasureSlides(Size size) {
    Stage stage(size);
    if (!stage.Ready()) return false;
    bench::ShowPosition position(stage.Scene());
    auto emptyFrame = [&] { stage.EmptyFrame(); };
    float t = 0;
    position.DrawFrame(t);
    struct Heaviest {
        std::string label;
        unsigned slide = 0;
        double value = -1;
    } byWall, byCpu;
    double largestCover = 0, largestObjectCover = 0;
    const unsigned count = unsigned(stage.Scene().Show()->SlideCount());
    for (unsigned n = 0; n < count; ++n) {
        const unsigned slide = position.Slide();
        const float held = position.SteadyFrom();
        const float holdEnd = position.ShowEnd();
        while (t < held) position.DrawFrame(t += kFrameStep);
        auto sceneFrame = [&] {
            position.DrawFrame(t);
            t += kFrameStep;
            if (t > holdEnd) t = held;
        };
        const std::string label = position.Label(slide);
        const Figures figures = Report(label + ", " + MadeSize(), kSlidePlan,
                                       MeasureBlocks(kSlidePlan, sceneFrame, emptyFrame, stage.Fence()), false);
        bench::PrintFigure("largest frame cover, " + label, bench::Format(position.LargestFrameCover(), 2, "screens"),
                           "one object at most " + bench::Format(position.LargestObjectCover(), 2, "screens") +
                               "; budgets " + bench::Format(QV_2D_Light::kFrameBudgetScreens, 0) + " and " +
                               bench::Format(QV_2D_Light::kObjectBudgetScreens, 0));
        largestCover = std::max(largestCover, position.LargestFrameCover());
        largestObjectCover = std::max(largestObjectCover, position.LargestObjectCover());
        if (figures.wall > byWall.value) byWall = {label, slide, figures.wall};
        if (figures.cpu > byCpu.value) byCpu = {label, slide, figures.cpu};
        position.DrawFrame(t = position.End() + kFrameStep);
    }
    bench::PrintFigure("largest frame cover, every slide", bench::Format(largestCover, 2, "screens"),
                       "one object at most " + bench::Format(largestObjectCover, 2, "screens"));
    bench::PrintFigure("heaviest slide, wall to GPU done", std::to_string(byWall.slide),
                       byWall.label + ", " + bench::Format(byWall.value * 1000, 3, "ms"));
    bench::PrintFigure("heaviest slide, main-thread CPU", std::to_string(byCpu.slide),
                       byCpu.label + ", " + bench::Format(byCpu.value * 1000, 3, "ms") +
                           (byCpu.value * 1000 <= kCpuTargetMs ? " (target <= 2 ms met)" : " (target <= 2 ms MISSED)"));
    return true;
}

}  // namespace

// No argument: the default scene as it plays, at two sizes. "--slides": each of its slides
// held on screen at 1920 x 1080.
int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--slides") return MeasureSlides(Size{1920, 1080}) ? 0 : 1;
    bool ok = true;
    for (Size size : {Size{1024, 768}, Size{1920, 1080}}) ok = MeasureShow(size) && ok;
    return ok ? 0 : 1;
}
