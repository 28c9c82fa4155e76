// What Wine's audio driver really played. This binary runs with ALSA_CONFIG_PATH naming a
// configuration (written by CMake into the build tree) whose default pcm converts every
// stream to 48 kHz 16-bit stereo and writes it raw to "tone.raw" beside the configuration,
// then discards it. A tone played through the music graph or a sound buffer must show up
// there at its own frequency.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "ArchiveOver.h"
#include "AudioFileFixture.h"
#include "DocumentRecords.h"
#include "GraphEvents.h"
#include "audio/MemoryWave.h"
#include "audio/MusicFolder.h"
#include "audio/MusicGraph.h"
#include "audio/QV_Sound.h"
#include "audio/QV_WAV_Constructor.h"
#include "audio/SoundBuffer.h"
#include "audio/SoundDevice.h"
#include "document/QV_DocResManager.h"

namespace vgtest {
namespace {

// The capture's layout, as the configuration converts it.
const double kCaptureRate = 48000.0;
const size_t kCaptureChannels = 2;
// 20 ms: long enough to tell 110 Hz steps apart.
const size_t kWindowFrames = 960;
// Frequencies a window's loudest component is picked from; both tones are among them.
const double kProbeFrequencies[] = {220, 330, 440, 550, 660, 770, 880, 990, 1100};
// A window counts as sound above this RMS (the tones peak at 12000).
const double kLoudRms = 1000.0;
const uint32_t kToneMilliseconds = 600;

// The Windows name of the capture file: "tone.raw" beside the configuration.
std::wstring CaptureFile() {
    const char* config = std::getenv("ALSA_CONFIG_PATH");
    if (!config) return {};
    std::string unixPath(config);
    unixPath = unixPath.substr(0, unixPath.rfind('/') + 1) + "tone.raw";
    using DosName = WCHAR* (*)(const char*);
    // Wine's own export: the tests always run under Wine.
    auto toDos = reinterpret_cast<DosName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
    if (!toDos) return {};
    WCHAR* dos = toDos(unixPath.c_str());
    if (!dos) return {};
    std::wstring path(dos);
    HeapFree(GetProcessHeap(), 0, dos);
    return path;
}

// The power of one frequency in the samples (Goertzel).
double PowerAt(const int16_t* samples, size_t count, double frequency) {
    const double coefficient = 2.0 * std::cos(2.0 * 3.14159265358979 * frequency / kCaptureRate);
    double previous = 0, beforePrevious = 0;
    for (size_t i = 0; i < count; ++i) {
        const double current = samples[i] + coefficient * previous - beforePrevious;
        beforePrevious = previous;
        previous = current;
    }
    return previous * previous + beforePrevious * beforePrevious -
           coefficient * previous * beforePrevious;
}

struct ToneWindows {
    int loud = 0;      // windows with sound in them
    int matching = 0;  // loud windows whose loudest probe is the tone
};

// Walks the left channel in windows and finds each loud window's loudest probe frequency.
ToneWindows FindTone(const Bytes& capture, double frequency) {
    const size_t frames = capture.size() / (2 * kCaptureChannels);
    std::vector<int16_t> left(frames);
    for (size_t i = 0; i < frames; ++i) {
        std::memcpy(&left[i], &capture[i * 2 * kCaptureChannels], 2);
    }
    ToneWindows found;
    for (size_t start = 0; start + kWindowFrames <= frames; start += kWindowFrames) {
        const int16_t* window = &left[start];
        double energy = 0;
        for (size_t i = 0; i < kWindowFrames; ++i) energy += double(window[i]) * window[i];
        if (energy < kLoudRms * kLoudRms * kWindowFrames) continue;
        ++found.loud;
        double loudest = 0, loudestPower = -1;
        for (double probe : kProbeFrequencies) {
            const double power = PowerAt(window, kWindowFrames, probe);
            if (power > loudestPower) loudestPower = power, loudest = probe;
        }
        if (loudest == frequency) ++found.matching;
    }
    return found;
}

enum class Path { MusicGraph, SoundBuffer, SoundObject };

struct ToneCase {
    const char* label;
    Path path;
    double frequency;
    size_t formatBytes;  // the plain PCM block of most files is 16 bytes long
};

void PrintTo(const ToneCase& c, std::ostream* out) { *out << c.label; }

// A resource manager whose store holds the WAVE bytes under kLink, published as the current.
class DocumentWithWave {
public:
    static inline const FileKey kLink{L"C:\\Sounds\\tone.wav", 1700000300};

    explicit DocumentWithWave(const Bytes& wave) {
        scenewriter::ResourceSection section;
        section.buffers = {{"C:\\Sounds\\tone.wav", kLink.stamp,
                            {scenewriter::StoredFile{0, "", wave, "C:\\Sounds\\tone.wav"}}}};
        scenewriter::SceneWriter out;
        WriteResourceSection(out, section);
        ArchiveOver in(out.Bytes());
        in.Archive().ReadSectionHead();
        manager_.Load(in.Archive(), 3);
        CurrentDocResManager = &manager_;
    }
    ~DocumentWithWave() { CurrentDocResManager = nullptr; }

private:
    QV_DocResManager manager_;
};

class CapturedToneTest : public PrivateTempFolder, public ::testing::WithParamInterface<ToneCase> {
protected:
    void SetUp() override {
        PrivateTempFolder::SetUp();
        capture_ = CaptureFile();
        ASSERT_FALSE(capture_.empty()) << "run through ctest: ALSA_CONFIG_PATH names the capture";
        // The driver creates the file afresh when it opens the device.
        DeleteFileW(capture_.c_str());
        window_ = CreateWindowExW(0, L"STATIC", L"captured tone", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                  nullptr, nullptr, nullptr);
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override {
        DestroyWindow(window_);
        PrivateTempFolder::TearDown();
    }

    // One track of the document, played to its end; the graph is gone afterwards.
    void PlayThroughMusicGraph(const Bytes& wave) {
        MusicGraph graph;
        ASSERT_EQ(graph.InitAudioGraph(window_), S_OK);
        MusicFolder folder;
        QV_AudioFile track = MakeAudioFile(L"C:\\music\\tone.wav", wave);
        track.ExtractToTempFile(folder);
        graph.PlayAudioFile(track);
        graph.SetAudioVolume(false, 100);
        ASSERT_TRUE(WaitForGraphEvent(graph, window_, EC_COMPLETE));
        graph.StopAudio();
        graph.ReleaseAudioGraph();
    }

    // One play of a sound buffer made from the bytes; device and buffer are gone afterwards.
    void PlayThroughSoundBuffer(const Bytes& wave) {
        SoundDevice device;
        ASSERT_EQ(device.InitDirectSound(window_), S_OK);
        MemoryWave parsed;
        ASSERT_EQ(parsed.Read(wave.data(), static_cast<uint32_t>(wave.size())), S_OK);
        {
            SoundBuffer buffer;
            ASSERT_EQ(buffer.Create(device, parsed), S_OK);
            PlayOnce(buffer);
        }
        device.ReleasePrimaryBuffer();
        device.ReleaseDevice();
    }

    // One play of a sound object of a document that holds the bytes, on the shared device.
    void PlayThroughSoundObject(const Bytes& wave) {
        SoundDevice& device = SoundDevice::Shared();
        ASSERT_EQ(device.InitDirectSound(window_), S_OK);
        {
            const DocumentWithWave document(wave);
            QV_WAV_Constructor description;
            description.Link().SetSilently(DocumentWithWave::kLink);
            std::unique_ptr<QV_ABObj> sound(description.CreateObject());
            const auto& object = static_cast<QV_WAV_Constructor&>(static_cast<QV_Sound&>(*sound).Sound());
            ASSERT_TRUE(object.Buffer());
            PlayOnce(object.Buffer());
        }
        device.ReleasePrimaryBuffer();
        device.ReleaseDevice();
    }

    static void PlayOnce(const SoundBuffer& buffer) {
        buffer.Get()->SetVolume(DSBVOLUME_MAX);
        buffer.Get()->SetPan(DSBPAN_CENTER);
        buffer.Get()->SetCurrentPosition(0);
        ASSERT_EQ(buffer.Get()->Play(0, 0, 0), S_OK);
        // Generous bound on the one play; never a measure of anything.
        for (int wait = 0; wait < 1000; ++wait) {
            DWORD status = 0;
            ASSERT_EQ(buffer.Get()->GetStatus(&status), S_OK);
            if (!(status & DSBSTATUS_PLAYING)) break;
            Sleep(20);
        }
    }

    std::wstring capture_;
    HWND window_ = nullptr;
};

TEST_P(CapturedToneTest, TheDriverPlaysTheTonesFrequency) {
    const ToneCase& c = GetParam();
    const Bytes wave = RiffFile({{"fmt ", PcmFormat(22050, 1, 16, c.formatBytes)},
                                 {"data", SineSamples(22050, 1, kToneMilliseconds, c.frequency)}});
    switch (c.path) {
    case Path::MusicGraph: PlayThroughMusicGraph(wave); break;
    case Path::SoundBuffer: PlayThroughSoundBuffer(wave); break;
    case Path::SoundObject: PlayThroughSoundObject(wave); break;
    }
    if (HasFatalFailure()) return;
    const Bytes captured = ReadFileBytes(capture_);
    const ToneWindows found = FindTone(captured, c.frequency);
    // At least a fifth of the tone reached the file, and nearly all of what did is the tone.
    EXPECT_GE(found.loud * kWindowFrames, kCaptureRate * kToneMilliseconds / 1000 / 5)
        << captured.size() << " bytes captured";
    EXPECT_GE(found.matching * 10, found.loud * 9)
        << found.matching << " of " << found.loud << " loud windows at " << c.frequency << " Hz";
}

const ToneCase kToneCases[] = {
    {"MusicGraph440", Path::MusicGraph, 440, 18},
    {"MusicGraph660", Path::MusicGraph, 660, 16},
    {"SoundBuffer440", Path::SoundBuffer, 440, 18},
    {"SoundBuffer660", Path::SoundBuffer, 660, 18},
    {"SoundObjectPlainPcm550", Path::SoundObject, 550, 16},
};

INSTANTIATE_TEST_SUITE_P(Capture, CapturedToneTest, ::testing::ValuesIn(kToneCases),
                         [](const ::testing::TestParamInfo<ToneCase>& info) {
                             return std::string(info.param.label);
                         });

}  // namespace
}  // namespace vgtest
