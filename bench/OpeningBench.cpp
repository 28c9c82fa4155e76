// Opening a document (reading it and preparing its slides on a real device) against making
// the picture decodes that opening makes, alone, measured in alternation within one run.
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "BenchDocuments.h"
#include "RunningScene.h"
#include "FigureLine.h"
#include "GpuFence.h"
#include "BenchScene.h"
#include "PictureDecodes.h"
#include "TestDevice.h"
#include "base/CurrentDevice.h"
#include "player/PictureView.h"

namespace {

constexpr int kRounds = 5;
constexpr double kOpeningTarget = 1.5;

using vgtest::RunningScene;

// Seconds of one call, up to the device having finished what it was given.
double Timed(bench::GpuFence& fence, const std::function<void()>& work) {
    const double start = bench::WallSeconds();
    work();
    fence.WaitSpinning();
    return bench::WallSeconds() - start;
}

// A first opening, recorded, gives the decodes to compare with: every picture it decodes
// (the document's, the GUID pictures, the modules' and the built-in one), with the same
// arguments. It and a first round warm the decoders and the driver up and are not counted.
bool MeasureOpening(const std::string& name, const std::function<HRESULT(RunningScene&)>& open,
                    bench::GpuFence& fence) {
    RunningScene scene;
    bench::PictureDecodes decodes;
    if (!decodes.StartRecording()) {
        std::fprintf(stderr, "the picture decoder is not among the program's imports\n");
        return false;
    }
    const bool opened = SUCCEEDED(open(scene));
    if (opened) scene.PrepareSlides();
    decodes.StopRecording();
    if (!opened) {
        std::fprintf(stderr, "%s: the document does not open\n", name.c_str());
        return false;
    }
    scene.Close();
    fence.WaitSpinning();

    std::vector<double> opening, decoding, ratios;
    std::vector<ComHolder<IDirect3DTexture9>> textures;
    for (int round = 0; round <= kRounds; ++round) {
        auto openOnce = [&] {
            const double seconds = Timed(fence, [&] {
                open(scene);
                scene.PrepareSlides();
            });
            scene.Close();
            // The device frees what was closed on its own thread: that is over before the next.
            fence.WaitSpinning();
            return seconds;
        };
        auto decodeOnce = [&] {
            const double seconds = Timed(fence, [&] { decodes.Replay(CurrentDevice, textures); });
            textures.clear();
            fence.WaitSpinning();
            return seconds;
        };
        // Alternating which goes first keeps a drift of the machine out of the ratio.
        double open = 0, decode = 0;
        if (round % 2) {
            open = openOnce();
            decode = decodeOnce();
        } else {
            decode = decodeOnce();
            open = openOnce();
        }
        if (round == 0) continue;
        opening.push_back(open);
        decoding.push_back(decode);
        ratios.push_back(open / decode);
    }
    const double ratio = bench::Median(ratios);
    bench::PrintFigure("opening, " + name, bench::Format(bench::Median(opening) * 1000, 1, "ms"),
                       "decode only " + bench::Format(bench::Median(decoding) * 1000, 1, "ms") + " of " +
                           std::to_string(decodes.Count()) + " pictures, median ratio " + bench::Format(ratio, 2) +
                           (ratio <= kOpeningTarget ? " (target <= 1.5 met)" : " (target <= 1.5 MISSED)"));
    return true;
}

}  // namespace

// Argument: the 50-picture document written at build time.
int main(int argc, char** argv) {
    std::vector<uint8_t> album;
    if (argc != 2 || !bench::ReadFileBytes(argv[1], album)) {
        std::fprintf(stderr, "usage: bench_opening DOCUMENT (a readable scene document)\n");
        return 2;
    }
    vgtest::TestDevice device(1024, 768);
    if (!bench::DeviceReady(device)) return 1;
    CurrentDevice = device.Device();
    bench::GpuFence fence(device.Device());
    bool ok = MeasureOpening("default scene", [](RunningScene& scene) { return scene.OpenOwnDocument(); }, fence);
    ok = MeasureOpening("50 pictures of 1024 x 768", [&](RunningScene& scene) { return scene.OpenBytes(album); },
                        fence) && ok;
    GetPictureView().ReleaseDeviceObjects(device.Device());
    CurrentDevice = nullptr;
    return ok ? 0 : 1;
}
