// What hostile or careless documents cost: the time to read a long time line, the memory a
// refused document takes, the time and memory of a document whose picture declares far too
// many pixels, the memory of many sound objects of one WAVE file, and the time music tracks
// add to a start. Each memory figure runs in a process of its own (the peak is per process):
//   bench_limits windows | inflated | budget | picture LARGE_PNG | sounds COUNT | tracks COUNT
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "BenchDocuments.h"
#include "DocumentRecords.h"
#include "FigureLine.h"
#include "ProcessMemory.h"
#include "RunningScene.h"
#include "SlideRecords.h"
#include "SoundRecords.h"
#include "BenchScene.h"
#include "TestDevice.h"
#include "audio/MusicFolder.h"
#include "audio/SoundDevice.h"
#include "base/CurrentDevice.h"
#include "document/QV_IOF_Virtual.h"
#include "document/ResourceBuffer.h"
#include "player/PictureView.h"
#include "player/SceneDocument.h"
#include "player/ScreenPlayerContext.h"

using namespace scenewriter;

namespace {

constexpr double kMiB = 1024.0 * 1024.0;

std::string Verdict(bool met, const char* target) {
    return std::string(" (target ") + target + (met ? " met)" : " MISSED)");
}

SceneWriter SoundObject(const LinkValue& wave, const TimeLineRecord& timeLine = {}) {
    WaveSoundRecord record;
    record.wave = wave;
    record.sound.base.timeLine = timeLine;
    return MakeWaveSound(record);
}

std::vector<uint8_t> OneSlide(std::vector<SceneWriter> sounds, const std::vector<AudioTrack>& tracks,
                              const ResourceSection& section) {
    SlideRecord slide;
    slide.layer = MakeLayer(LayerRecord());
    slide.sounds = std::move(sounds);
    return MakeDocument({MakeSlide(slide)}, tracks, section);
}

// Seconds to read the document (no device objects are made for a time line).
double ReadingSeconds(const std::vector<uint8_t>& document) {
    vgtest::RunningScene scene;
    const double start = bench::WallSeconds();
    const HRESULT result = scene.OpenBytes(document);
    const double seconds = bench::WallSeconds() - start;
    if (FAILED(result)) std::fprintf(stderr, "the document does not open\n");
    return seconds;
}

int TimeLineWindows() {
    for (bool descending : {false, true}) {
        TimeLineRecord timeLine;
        timeLine.mode = 2;
        const int count = 100000;
        for (int i = 0; i < count; ++i) {
            const float start = float(descending ? count - i : i) * 2;
            timeLine.windows.push_back({start, start + 1, start, start + 1});
        }
        const std::vector<uint8_t> document = OneSlide({SoundObject({"C:\\s\\a.wav", 1}, timeLine)}, {}, {});
        const double seconds = ReadingSeconds(document);
        bench::PrintFigure(std::string("reading 100,000 windows, ") + (descending ? "last first" : "in order"),
                           bench::Format(seconds * 1000, 1, "ms"),
                           "a time line of " + bench::Format(document.size() / kMiB, 1, "MiB") +
                               Verdict(seconds < 0.2, "< 200 ms"));
    }
    return 0;
}

// An image entry whose record count the bytes left could just hold in empty 16-byte records,
// and the bytes are such records (zeros), so that the document ends right after them and is
// refused. Made in one allocation: the process's peak before opening is the document.
std::vector<uint8_t> InflatedDocument(uint32_t count) {
    SceneWriter out;
    WriteDocumentHead(out);
    WriteSlideShow(out, {}, {});
    out.Section("QV_DocResManager", 3).UInt(1).String("C:\\pics\\many.png").Int64(1).UInt(count);
    std::vector<uint8_t> document;
    document.reserve(out.Size() + size_t(count) * 16);
    document = out.Bytes();
    document.resize(out.Size() + size_t(count) * 16, 0);
    return document;
}

// 48 MiB of records, whose count the budget refuses at once; or as many as the budget allows,
// read in full before the missing end refuses the document.
int InflatedCount(bool withinBudget) {
    // Within the budget: all of it but the one entry of the image section.
    const uint32_t count = withinBudget ? QV_IOF_Virtual::kEntryBudget - 1 : (48u << 20) / 16;
    const std::vector<uint8_t> document = InflatedDocument(count);
    const bench::ProcessMemory before = bench::CurrentProcessMemory();
    vgtest::RunningScene scene;
    const double start = bench::WallSeconds();
    const HRESULT result = scene.OpenBytes(document);
    const double seconds = bench::WallSeconds() - start;
    const double peak = bench::CurrentProcessMemory().peak - before.working;
    const double size = document.size() / kMiB;
    bench::PrintFigure(std::string("refused document of ") + std::to_string(count) + " empty records",
                       bench::Format(peak, 1, "MiB"),
                       "peak above the baseline for " + bench::Format(size, 1, "MiB") + ", " +
                           (FAILED(result) ? "refused" : "OPENED") + " in " + bench::Format(seconds * 1000, 0, "ms") +
                           (withinBudget ? "" : Verdict(peak < 2 * size, "< twice its size")));
    return 0;
}

// A slide whose background is the picture.
int LargePicture(const char* path) {
    std::vector<uint8_t> png;
    if (!bench::ReadFileBytes(path, png)) {
        std::fprintf(stderr, "usage: bench_limits picture LARGE_PNG\n");
        return 2;
    }
    SlideRecord slide;
    LayerRecord layer;
    layer.picture = {"C:\\pics\\huge.png", 1};
    slide.layer = MakeLayer(layer);
    ResourceSection section;
    section.images = {{"C:\\pics\\huge.png", 1, {StoredFile{0, "", png, "C:\\pics\\huge.png"}}}};
    const std::vector<uint8_t> document = MakeDocument({MakeSlide(slide)}, {}, section);
    const bench::ProcessMemory before = bench::CurrentProcessMemory();
    vgtest::RunningScene scene;
    const double start = bench::WallSeconds();
    const HRESULT result = scene.OpenBytes(document);
    if (SUCCEEDED(result)) scene.PrepareSlides();
    const double seconds = bench::WallSeconds() - start;
    const double peak = bench::CurrentProcessMemory().peak - before.working;
    bench::PrintFigure("opening, a 16384 x 16384 PNG picture", bench::Format(seconds * 1000, 0, "ms"),
                       bench::Format(png.size() / 1024.0, 0, "KiB") + " of PNG, peak " + bench::Format(peak, 1, "MiB") +
                           " above the baseline" + Verdict(seconds < 1 && peak < 100, "< 1 s and < 100 MB"));
    return SUCCEEDED(result) ? 0 : 1;
}

// Sound objects of one WAVE file of 1 MiB of samples, made as their slide is prepared.
int SoundObjects(int count) {
    const HWND window = CreateWindowExW(0, L"STATIC", L"sounds", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    if (FAILED(SoundDevice::Shared().InitDirectSound(window))) {
        std::fprintf(stderr, "no DirectSound device\n");
        return 1;
    }
    const std::vector<uint8_t> document = bench::SoundObjectsDocument(count);

    const bench::ProcessMemory before = bench::CurrentProcessMemory();
    vgtest::RunningScene scene;
    if (FAILED(scene.OpenBytes(document))) return 1;
    scene.PrepareSlides();
    const double added = bench::CurrentProcessMemory().working - before.working;
    bench::PrintFigure("sound objects of one 1 MiB WAVE, " + std::to_string(count),
                       bench::Format(added, 1, "MiB"), "in memory after their slide is prepared, document bytes included");
    scene.Close();
    SoundDevice::Shared().ReleasePrimaryBuffer();
    SoundDevice::Shared().ReleaseDevice();
    DestroyWindow(window);
    return 0;
}

// A context's start with the tracks written to the run's music folder, against the same
// start of a document without tracks.
int MusicTracks(int count) {
    static std::vector<uint8_t> document;
    double seconds[2] = {};
    for (int withTracks = 0; withTracks < 2; ++withTracks) {
        std::vector<AudioTrack> tracks;
        for (int i = 0; withTracks && i < count; ++i)
            tracks.push_back({"C:\\music\\theme.mp3", std::vector<uint8_t>(16384, uint8_t(i))});
        document = OneSlide({}, tracks, {});
        MusicFolder folder;
        ScreenPlayerContext context(nullptr, &folder);
        context.SetSceneOpener([](QV_SlideShow_Light** scene) {
            ResourceBuffer buffer(document.data(), document.size());
            return LoadSceneDocument(buffer, scene);
        });
        const double start = bench::WallSeconds();
        context.Start();
        seconds[withTracks] = bench::WallSeconds() - start;
    }
    bench::PrintFigure("start with " + std::to_string(count) + " music tracks of 16 KiB",
                       bench::Format(seconds[1] * 1000, 0, "ms"),
                       "without tracks " + bench::Format(seconds[0] * 1000, 0, "ms") +
                           Verdict(seconds[1] - seconds[0] < 1, "< 1 s more"));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string figure = argc > 1 ? argv[1] : "";
    vgtest::TestDevice device(640, 480);
    if (!bench::DeviceReady(device)) return 1;
    CurrentDevice = device.Device();
    int result = 2;
    if (figure == "windows") result = TimeLineWindows();
    else if (figure == "inflated") result = InflatedCount(false);
    else if (figure == "budget") result = InflatedCount(true);
    else if (figure == "picture" && argc == 3) result = LargePicture(argv[2]);
    else if (figure == "sounds" && argc == 3) result = SoundObjects(std::atoi(argv[2]));
    else if (figure == "tracks" && argc == 3) result = MusicTracks(std::atoi(argv[2]));
    else std::fprintf(stderr, "usage: bench_limits windows | inflated | budget | picture LARGE_PNG | sounds COUNT | tracks COUNT\n");
    GetPictureView().ReleaseDeviceObjects(device.Device());
    CurrentDevice = nullptr;
    return result;
}
