// What the heavy documents (bench/HeavyDocuments) cost at 1024 x 768 against the same documents
// with the values a scene normally stores: their first frame (which also compiles the device's
// states), the slowest frame after it, and the resident memory they add. Each document is
// measured in a process of its own, since memory is per process; the two of a class run one
// after the other.
//   bench_bounds [CLASS...]                 every class (or those named), both documents each
//   bench_bounds measure CLASS hostile|normal
//                                           one document; prints "first-ms slowest-ms
//                                           opening-ms rise-MiB"
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "BenchScene.h"
#include "FigureLine.h"
#include "GpuFence.h"
#include "HeavyDocuments.h"
#include "ProcessMemory.h"
#include "RunningScene.h"
#include "TestDevice.h"
#include "base/CurrentDevice.h"
#include "player/PictureView.h"

namespace {

constexpr UINT kWidth = 1024, kHeight = 768;
// As many frames as the documents were first found slow in, at the saver's frame step.
constexpr int kFrames = 8;
constexpr float kFrameStep = 1.0f / 30;
constexpr double kFrameTargetMs = 100;
constexpr double kMemoryTargetMiB = 64;

struct Measured {
    bool ok = false;
    double firstMs = 0;    // the first frame, FrameMove to the device done
    double slowestMs = 0;  // the slowest of the frames after it
    double openingMs = 0;  // reading the document and preparing its slide
    double riseMiB = 0;    // working set after the frames against before the document
};

// Milliseconds from FrameMove until the device has drawn the frame.
double FrameMs(vgtest::RunningScene& scene, IDirect3DDevice9* device, bench::GpuFence& fence, float t) {
    const double start = bench::WallSeconds();
    scene.DrawFrame(t);
    device->Present(nullptr, nullptr, nullptr, nullptr);
    fence.WaitSpinning();
    return (bench::WallSeconds() - start) * 1000;
}

Measured Measure(const std::vector<uint8_t>& document, vgtest::TestDevice& device) {
    Measured measured;
    bench::GpuFence fence(device.Device());
    const double before = bench::CurrentProcessMemory().working;
    vgtest::RunningScene scene;
    const double start = bench::WallSeconds();
    if (FAILED(scene.OpenBytes(document))) return measured;
    scene.PrepareSlides();
    measured.openingMs = (bench::WallSeconds() - start) * 1000;
    for (int frame = 0; frame < kFrames; ++frame) {
        const double ms = FrameMs(scene, device.Device(), fence, float(frame) * kFrameStep);
        if (frame == 0) measured.firstMs = ms;
        else measured.slowestMs = std::max(measured.slowestMs, ms);
    }
    measured.riseMiB = bench::CurrentProcessMemory().working - before;
    measured.ok = true;
    return measured;
}

int MeasureOne(const std::string& name, bool hostile) {
    const std::vector<uint8_t> document = bench::HeavyDocument(name, hostile);
    if (document.empty()) {
        std::fprintf(stderr, "no class %s\n", name.c_str());
        return 2;
    }
    vgtest::TestDevice device(kWidth, kHeight);
    if (!bench::DeviceReady(device)) return 1;
    CurrentDevice = device.Device();
    const Measured measured = Measure(document, device);
    if (measured.ok)
        std::printf("%.1f %.1f %.1f %.1f\n", measured.firstMs, measured.slowestMs, measured.openingMs, measured.riseMiB);
    else
        std::fprintf(stderr, "the %s document does not open\n", name.c_str());
    GetPictureView().ReleaseDeviceObjects(device.Device());
    CurrentDevice = nullptr;
    return measured.ok ? 0 : 1;
}

// This program again, measuring one document; its one line of output parsed.
Measured MeasureInChild(const std::string& name, bool hostile) {
    Measured measured;
    wchar_t self[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring line = L"\"" + std::wstring(self) + L"\" measure " + std::wstring(name.begin(), name.end()) +
                        (hostile ? L" hostile" : L" normal");
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return measured;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process = {};
    const bool started =
        CreateProcessW(self, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    CloseHandle(writeEnd);
    std::string output;
    char chunk[256];
    DWORD got = 0;
    while (started && ReadFile(readEnd, chunk, sizeof chunk, &got, nullptr) && got > 0) output.append(chunk, got);
    CloseHandle(readEnd);
    if (!started) return measured;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    measured.ok = code == 0 && std::sscanf(output.c_str(), "%lf %lf %lf %lf", &measured.firstMs, &measured.slowestMs,
                                           &measured.openingMs, &measured.riseMiB) == 4;
    return measured;
}

void Report(const bench::HeavyClass& heavy, const Measured& hostile, const Measured& normal) {
    const double added = hostile.riseMiB - normal.riseMiB;
    // The first frame compiles what the device draws with, whatever the document: it is held
    // against the normal document's first frame.
    const bool met = hostile.slowestMs <= kFrameTargetMs && hostile.firstMs - normal.firstMs <= kFrameTargetMs &&
                     added <= kMemoryTargetMiB;
    bench::PrintFigure(std::string("heavy document, ") + heavy.what + ": slowest frame after the first",
                       bench::Format(hostile.slowestMs, 1, "ms"),
                       "normal values " + bench::Format(normal.slowestMs, 1, "ms") + "; first frame " +
                           bench::Format(hostile.firstMs, 1, "ms") + " (normal " + bench::Format(normal.firstMs, 1, "ms") +
                           "); memory " + bench::Format(added, 1, "MiB") + " over the normal document's " +
                           bench::Format(normal.riseMiB, 1, "MiB") + "; opening " +
                           bench::Format(hostile.openingMs, 0, "ms") + " (normal " +
                           bench::Format(normal.openingMs, 0, "ms") + ")" +
                           (met ? " (targets met)" : " (targets MISSED)"));
    std::fflush(stdout);
}

int MeasureClasses(const std::vector<std::string>& names) {
    int status = 0;
    const bench::HeavyClass* slowest = nullptr;
    const bench::HeavyClass* heaviest = nullptr;
    double slowestMs = -1, heaviestMiB = -1;
    for (const bench::HeavyClass& heavy : bench::HeavyClasses()) {
        if (!names.empty() && std::find(names.begin(), names.end(), heavy.name) == names.end()) continue;
        const Measured hostile = MeasureInChild(heavy.name, true);
        const Measured normal = MeasureInChild(heavy.name, false);
        if (!hostile.ok || !normal.ok) {
            std::fprintf(stderr, "%s: a document could not be measured\n", heavy.name);
            status = 1;
            continue;
        }
        Report(heavy, hostile, normal);
        if (hostile.slowestMs > slowestMs) slowestMs = hostile.slowestMs, slowest = &heavy;
        if (hostile.riseMiB - normal.riseMiB > heaviestMiB) heaviestMiB = hostile.riseMiB - normal.riseMiB, heaviest = &heavy;
    }
    if (slowest && heaviest) {
        bench::PrintFigure("heavy documents, the slowest frame after the first", bench::Format(slowestMs, 1, "ms"),
                           slowest->what);
        bench::PrintFigure("heavy documents, the most memory over normal values", bench::Format(heaviestMiB, 1, "MiB"),
                           heaviest->what);
    }
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "measure") return MeasureOne(argv[2], std::string(argv[3]) == "hostile");
    return MeasureClasses(std::vector<std::string>(argv + 1, argv + argc));
}
