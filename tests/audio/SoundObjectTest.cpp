// Sound descriptions as the document stores them, and runtime sounds on the null DirectSound
// device: they play and loop by their time lines, stop when deactivated, and stay silent
// without usable WAVE bytes.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "ArchiveOver.h"
#include "DocumentRecords.h"
#include "GuardedBytes.h"
#include "RunningScene.h"
#include "SlideRecords.h"
#include "SoundRecords.h"
#include "TestDevice.h"
#include "WaveBytes.h"
#include "audio/QV_Sound.h"
#include "audio/QV_WAV_Constructor.h"
#include "audio/SoundDevice.h"
#include "base/CurrentDevice.h"
#include "document/QV_DocResManager.h"
#include "document/QV_ImageFileLink.h"
#include "document/ReaderRegistry.h"
#include "player/QV_SlideShow_Light.h"

namespace vgtest {
namespace {

using namespace scenewriter;

// ---- Records -------------------------------------------------------------------------

struct RecordCase {
    const char* label;
    int32_t soundVersion;
    int32_t baseVersion;
    int expectedMode;
    unsigned int expectedHiddenMin, expectedHiddenMax;
};

WaveSoundRecord Record(const RecordCase& c) {
    WaveSoundRecord record;
    record.wave = {"C:\\Sounds\\bell.wav", 1700000123};
    record.sound.version = c.soundVersion;
    record.sound.volume = 35;
    record.sound.balance = 80;
    record.sound.legacyMode = 1;
    record.sound.legacyHiddenMin = 2;
    record.sound.legacyHiddenMax = 5;
    record.sound.base.version = c.baseVersion;
    record.sound.base.name = "Bell";
    record.sound.base.timeLine.mode = 2;
    record.sound.base.timeLine.hiddenMin = 150;
    record.sound.base.timeLine.hiddenMax = 250;
    record.sound.base.timeLine.fadeOut = 70;
    return record;
}

TEST(SoundRecordTest, EveryVersionReadsWhatItHolds) {
    const RecordCase cases[] = {
        {"current", 3, 2, 2, 150, 250},
        // A version above the newest known reads like the newest.
        {"newer", 4, 2, 2, 150, 250},
        // The old sections hold mode and hidden range in seconds; the base has no time line.
        {"old", 2, 1, 1, 200, 500},
        {"oldest", 1, 1, 1, 200, 500},
        // The base's time line comes after the old fields and replaces them.
        {"oldWithTimeLine", 2, 2, 2, 150, 250},
        // Neither: the time line keeps its defaults.
        {"currentWithoutTimeLine", 3, 1, 0, 100, 100},
    };
    for (const RecordCase& c : cases) {
        SCOPED_TRACE(c.label);
        SceneWriter writer = MakeWaveSound(Record(c));
        writer.Int(-1);
        ArchiveOver bytes(writer.Bytes());
        std::unique_ptr<QV_ABObj_Constructor> object(ReadTaggedObject(bytes.Archive()));
        ASSERT_NE(object, nullptr);
        EXPECT_FALSE(bytes.Failed());
        EXPECT_EQ(bytes.Buffer().BytesLeft(), 4u);
        auto* sound = dynamic_cast<QV_WAV_Constructor*>(object.get());
        ASSERT_NE(sound, nullptr);
        EXPECT_EQ(sound->Link().Value().path, L"C:\\Sounds\\bell.wav");
        EXPECT_EQ(sound->Link().Value().stamp, 1700000123);
        EXPECT_EQ(sound->Volume().Value(), 35u);
        EXPECT_EQ(sound->Balance().Value(), 80u);
        EXPECT_EQ(sound->Name(), L"Bell");
        QV_TimeLineControl& timeLine = sound->TimeLine();
        EXPECT_EQ(timeLine.Mode().Value(), c.expectedMode);
        EXPECT_EQ(timeLine.HiddenMin().Value(), c.expectedHiddenMin);
        EXPECT_EQ(timeLine.HiddenMax().Value(), c.expectedHiddenMax);
        EXPECT_EQ(timeLine.FadeOut().Value(), c.baseVersion > 1 ? 70u : 50u);
        EXPECT_FALSE(sound->Buffer());
    }
}

TEST(SoundRecordTest, AFreshDescriptionHasTheDefaults) {
    QV_WAV_Constructor sound;
    EXPECT_EQ(sound.Volume().Value(), 100u);
    EXPECT_EQ(sound.Balance().Value(), 50u);
    EXPECT_EQ(sound.TimeLine().Mode().Value(), 0);
    EXPECT_FALSE(sound.Buffer());
    // The icon: resource 2016 of the built-in module, one link for every sound.
    TextureFrameInfo info;
    info.frameLayout = 7;
    sound.GetTextureFrameInfo(info);
    ASSERT_NE(info.imageLink, nullptr);
    EXPECT_EQ(info.imageLink->Value().path, L"common_res.dll");
    EXPECT_EQ(info.imageLink->Value().stamp, 2016);
    EXPECT_EQ(info.frameLayout, 0);
    EXPECT_EQ(info.firstFrame, 0);
    EXPECT_EQ(info.frameFraction, 1.0f);
    TextureFrameInfo again;
    QV_WAV_Constructor().GetTextureFrameInfo(again);
    EXPECT_EQ(again.imageLink, info.imageLink);
}

TEST(SoundRecordTest, ACutRecordFailsTheArchiveWithoutReadingPastIt) {
    const std::vector<uint8_t> whole = MakeWaveSound(Record({"old", 2, 2, 0, 0, 0})).Bytes();
    for (size_t length = 0; length < whole.size(); ++length) {
        GuardedBytes bytes(std::vector<uint8_t>(whole.begin(), whole.begin() + length));
        ResourceBuffer buffer(bytes.Data(), bytes.Size());
        QV_IOF_R<ResourceBuffer> archive(&buffer);
        std::unique_ptr<QV_ABObj_Constructor> object(ReadTaggedObject(archive));
        EXPECT_TRUE(buffer.Failed()) << length;
    }
}

// ---- Runtime sounds ------------------------------------------------------------------

const FileKey kWaveKey(L"C:\\Sounds\\tone.wav", 1700000200);

class SoundObjectTest : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = CreateWindowExW(0, L"STATIC", L"sounds", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(window_, nullptr);
        ASSERT_EQ(SoundDevice::Shared().InitDirectSound(window_), S_OK);
    }
    void TearDown() override {
        CurrentDocResManager = nullptr;
        // The manager's shared samples go before the device that made them.
        manager_.reset();
        SoundDevice::Shared().ReleasePrimaryBuffer();
        SoundDevice::Shared().ReleaseDevice();
        DestroyWindow(window_);
    }

    // A manager whose buffers hold the bytes under kWaveKey, published as the current one.
    void StoreWave(const Bytes& wave) {
        ResourceSection section;
        section.buffers = {StoreEntry{"C:\\Sounds\\tone.wav", kWaveKey.stamp,
                                      {StoredFile{0, "", wave, "C:\\Sounds\\tone.wav"}}}};
        SceneWriter out;
        WriteResourceSection(out, section);
        ArchiveOver in(out.Bytes());
        std::wstring tag;
        in.Archive().ReadString(tag);
        uint32_t version = in.Archive().ReadVersion();
        manager_ = std::make_unique<QV_DocResManager>();
        ASSERT_EQ(manager_->Load(in.Archive(), version), S_OK);
        CurrentDocResManager = manager_.get();
    }

    // A runtime sound made as a slide makes it, from a description linked to kWaveKey.
    std::unique_ptr<QV_Sound> MakeSound(int mode, unsigned int volume = 100, unsigned int balance = 50,
                                        const FileKey& link = kWaveKey) {
        QV_WAV_Constructor description;
        description.Link().SetSilently(link);
        description.Volume().SetSilently(volume);
        description.Balance().SetSilently(balance);
        description.TimeLine().Mode().SetSilently(mode);
        return std::unique_ptr<QV_Sound>(static_cast<QV_Sound*>(description.CreateObject()));
    }

    static QV_WAV_Constructor& Wav(QV_Sound& sound) { return static_cast<QV_WAV_Constructor&>(sound.Sound()); }

    static DWORD Status(QV_Sound& sound) {
        DWORD status = 0;
        EXPECT_EQ(Wav(sound).Buffer().Get()->GetStatus(&status), S_OK);
        return status;
    }
    static bool Playing(QV_Sound& sound) { return Status(sound) & DSBSTATUS_PLAYING; }

    HWND window_ = nullptr;
    std::unique_ptr<QV_DocResManager> manager_;
};

TEST_F(SoundObjectTest, TheVisiblePhaseBecomesOnePlayWithoutFades) {
    struct Case {
        uint32_t milliseconds;
        unsigned int hundredths;
    } cases[] = {{1000, 100}, {500, 50}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.milliseconds);
        StoreWave(SineWave(22050, 2, c.milliseconds));
        std::unique_ptr<QV_Sound> sound = MakeSound(1);
        ASSERT_TRUE(Wav(*sound).Buffer());
        QV_TimeLineControl& timeLine = sound->Description().TimeLine();
        EXPECT_EQ(timeLine.VisibleMin().Value(), c.hundredths);
        EXPECT_EQ(timeLine.VisibleMax().Value(), c.hundredths);
        EXPECT_EQ(timeLine.FadeIn().Value(), 0u);
        EXPECT_EQ(timeLine.FadeOut().Value(), 0u);
        EXPECT_EQ(timeLine.FadeIn().Result(), 0.0f);
        EXPECT_EQ(timeLine.FadeOut().Result(), 0.0f);
        EXPECT_EQ(sound->GetKind(), QV_ABObj::kSound);
        EXPECT_FALSE(sound->NeedsBackground());
    }
}

TEST_F(SoundObjectTest, AnAlwaysVisibleSoundLoopsUntilItsSlideDeactivatesIt) {
    StoreWave(SineWave(22050, 1, 2000));
    std::unique_ptr<QV_Sound> sound = MakeSound(QV_TimeLineControl::kAlwaysVisible);
    ASSERT_TRUE(Wav(*sound).Buffer());
    EXPECT_FALSE(Playing(*sound));
    sound->SetEnabled(1);
    sound->UpdateByTimeLine(0.0f);
    EXPECT_TRUE(Status(*sound) & DSBSTATUS_LOOPING);
    sound->UpdateByTimeLine(0.5f);
    EXPECT_TRUE(Status(*sound) & DSBSTATUS_LOOPING);

    sound->SetEnabled(0);
    EXPECT_FALSE(Playing(*sound));
    // Inactive, frames leave it silent.
    sound->UpdateByTimeLine(1.0f);
    EXPECT_FALSE(Playing(*sound));
    // The slide shows again: it loops again.
    sound->SetEnabled(1);
    sound->UpdateByTimeLine(1.5f);
    EXPECT_TRUE(Status(*sound) & DSBSTATUS_LOOPING);
}

TEST_F(SoundObjectTest, ALoopingSoundStopsWhenItsTimeLineHidesIt) {
    StoreWave(SineWave(22050, 1, 2000));
    std::unique_ptr<QV_Sound> sound = MakeSound(QV_TimeLineControl::kAlwaysVisible);
    ASSERT_TRUE(Wav(*sound).Buffer());
    sound->UpdateByTimeLine(0.0f);
    ASSERT_TRUE(Status(*sound) & DSBSTATUS_LOOPING);
    // The time line turns to a cycle that starts hidden.
    QV_TimeLineControl& timeLine = sound->Description().TimeLine();
    timeLine.Mode().Assign(QV_TimeLineControl::kRandomCycle, nullptr);
    sound->Description().ResetTimeLine();
    ASSERT_EQ(timeLine.GetState(), 1);
    sound->Update(0.0f);
    EXPECT_FALSE(Playing(*sound));
}

TEST_F(SoundObjectTest, ACyclingSoundPlaysOnceEachVisiblePhaseAndIsNotCutOff) {
    StoreWave(SineWave(22050, 1, 5000));
    std::unique_ptr<QV_Sound> sound = MakeSound(QV_TimeLineControl::kRandomCycle);
    ASSERT_TRUE(Wav(*sound).Buffer());
    QV_TimeLineControl& timeLine = sound->Description().TimeLine();
    sound->Description().ResetTimeLine();

    sound->UpdateByTimeLine(10.0f);  // fading in, for no time
    EXPECT_EQ(timeLine.GetState(), 2);
    EXPECT_FALSE(Playing(*sound));
    sound->UpdateByTimeLine(10.5f);  // visible until 15.5
    EXPECT_EQ(timeLine.GetState(), 0);
    DWORD status = Status(*sound);
    EXPECT_TRUE(status & DSBSTATUS_PLAYING);
    EXPECT_FALSE(status & DSBSTATUS_LOOPING);
    sound->UpdateByTimeLine(16.0f);  // fading out
    sound->UpdateByTimeLine(16.5f);  // hidden until 17.5
    EXPECT_EQ(timeLine.GetState(), 1);
    EXPECT_TRUE(Playing(*sound));

    // Once it has ended it stays silent while hidden, and plays again when visible.
    Wav(*sound).Stop();
    sound->UpdateByTimeLine(17.0f);
    EXPECT_FALSE(Playing(*sound));
    sound->UpdateByTimeLine(18.0f);  // fading in
    EXPECT_FALSE(Playing(*sound));
    sound->UpdateByTimeLine(18.5f);
    EXPECT_EQ(timeLine.GetState(), 0);
    EXPECT_TRUE(Playing(*sound));
}

// Cycle after cycle on a simulated clock with a hidden range of 1 to 3 s: every hidden phase
// is silent for 1 to 3 s and every visible phase, one play long, starts one play.
TEST_F(SoundObjectTest, ACyclingSoundIsSilentOneToThreeSecondsBetweenPlays) {
    StoreWave(SineWave(22050, 1, 500));
    std::unique_ptr<QV_Sound> sound = MakeSound(QV_TimeLineControl::kRandomCycle);
    ASSERT_TRUE(Wav(*sound).Buffer());
    QV_TimeLineControl& timeLine = sound->Description().TimeLine();
    timeLine.HiddenMin().SetSilently(100);
    timeLine.HiddenMax().SetSilently(300);
    sound->Description().ResetTimeLine();

    const float step = 0.01f;
    std::vector<float> silences, visibles;
    float phaseStart = 0.0f;
    int previous = -1;
    for (int frame = 0; frame < 3000; ++frame) {  // 30 simulated seconds
        const float t = frame * step;
        sound->UpdateByTimeLine(t);
        const int state = timeLine.GetState();
        if (state != previous) {
            if (previous == 1 && frame > 0) silences.push_back(t - phaseStart);
            if (previous == 0) visibles.push_back(t - phaseStart);
            if (state == 1) {
                // The visible phase was one play long: the play has ended by now.
                Wav(*sound).Stop();
            }
            phaseStart = t;
        }
        if (state == 1) {
            ASSERT_FALSE(Playing(*sound)) << "hidden at " << t;
        }
        if (state == 0) {
            ASSERT_TRUE(Playing(*sound)) << "visible at " << t;
        }
        previous = state;
    }
    // The first hidden phase starts at the reset, before the clock's first frame.
    ASSERT_GE(silences.size(), 6u);
    for (size_t i = 1; i < silences.size(); ++i) {
        EXPECT_GE(silences[i], 1.0f - step) << "silence " << i;
        EXPECT_LE(silences[i], 3.0f + 2 * step) << "silence " << i;
    }
    for (float visible : visibles) EXPECT_NEAR(visible, 0.5f, 2 * step);
}

TEST_F(SoundObjectTest, VolumeAndBalanceReachTheBuffer) {
    struct Case {
        unsigned int volume, balance;
        LONG expectedVolume, expectedPan;
    } cases[] = {{100, 50, 0, 0}, {50, 0, -2500, -5000}, {0, 100, -5000, 5000}};
    StoreWave(SineWave(22050, 1, 200));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.volume);
        std::unique_ptr<QV_Sound> sound = MakeSound(0, c.volume, c.balance);
        ASSERT_TRUE(Wav(*sound).Buffer());
        LONG volume = 1, pan = 1;
        ASSERT_EQ(Wav(*sound).Buffer().Get()->GetVolume(&volume), S_OK);
        ASSERT_EQ(Wav(*sound).Buffer().Get()->GetPan(&pan), S_OK);
        EXPECT_EQ(volume, c.expectedVolume);
        EXPECT_EQ(pan, c.expectedPan);
    }
}

// Every sound of one WAVE file plays on its own buffer over one copy of the samples: what is
// written into one buffer's memory is there in another's.
TEST_F(SoundObjectTest, SoundsOfOneWaveShareItsSamplesButPlayOnTheirOwn) {
    for (size_t formatBytes : {16, 18}) {
        SCOPED_TRACE(formatBytes);
        StoreWave(RiffFile({{"fmt ", PcmFormat(22050, 1, 16, formatBytes)},
                            {"data", SineSamples(22050, 1, 1000)}}));
        std::vector<std::unique_ptr<QV_Sound>> sounds;
        for (int i = 0; i < 300; ++i) sounds.push_back(MakeSound(QV_TimeLineControl::kAlwaysVisible));
        IDirectSoundBuffer8* first = Wav(*sounds.front()).Buffer().Get();
        IDirectSoundBuffer8* last = Wav(*sounds.back()).Buffer().Get();
        ASSERT_NE(first, nullptr);
        ASSERT_NE(last, nullptr);
        EXPECT_NE(first, last);
        EXPECT_EQ(sounds.back()->Description().TimeLine().VisibleMin().Value(), 100u);

        void* bytes = nullptr;
        DWORD size = 0;
        ASSERT_EQ(first->Lock(0, 4, &bytes, &size, nullptr, nullptr, 0), S_OK);
        std::memcpy(bytes, "mark", 4);
        first->Unlock(bytes, size, nullptr, 0);
        ASSERT_EQ(last->Lock(0, 4, &bytes, &size, nullptr, nullptr, 0), S_OK);
        EXPECT_EQ(std::memcmp(bytes, "mark", 4), 0);
        last->Unlock(bytes, size, nullptr, 0);

        sounds.back()->UpdateByTimeLine(0.0f);
        EXPECT_TRUE(Playing(*sounds.back()));
        EXPECT_FALSE(Playing(*sounds.front()));
    }
}

// Letting a playing buffer go waits on the mixer, which mixes every other playing one: the
// sounds are silenced when the saver ends, and a slide silences all before it lets any go.
TEST_F(SoundObjectTest, EndingShowsAndSlidesSilenceTheirSounds) {
    TestDevice device(64, 64);
    VG_REQUIRE_DEVICE(device);
    CurrentDevice = device.Device();
    SlideRecord slide;
    slide.layer = MakeLayer(LayerRecord());
    for (int i = 0; i < 3; ++i) {
        WaveSoundRecord sound;
        sound.wave = {"C:\\Sounds\\tone.wav", kWaveKey.stamp};
        slide.sounds.push_back(MakeWaveSound(sound));
    }
    ResourceSection section;
    section.buffers = {StoreEntry{"C:\\Sounds\\tone.wav", kWaveKey.stamp,
                                  {StoredFile{0, "", SineWave(22050, 1, 2000), "C:\\Sounds\\tone.wav"}}}};
    const struct {
        const char* label;
        void (*end)(RunningScene& scene);
    } cases[] = {
        {"the saver ends", [](RunningScene& scene) { scene.Show()->StopSounds(); }},
        {"the slide goes", [](RunningScene& scene) { scene.Close(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        RunningScene scene;
        ASSERT_EQ(scene.OpenBytes(MakeDocument({MakeSlide(slide)}, {}, section)), S_OK);
        scene.PrepareSlides();
        scene.DrawFrame(0.0f);
        // One of them may outlive its slide.
        CountedHolder<QV_ABObj> kept = scene.Show()->SlideAt(0)->RuntimeSounds()[1];
        auto& sound = static_cast<QV_Sound&>(*kept.Get());
        ASSERT_TRUE(Status(sound) & DSBSTATUS_LOOPING);
        c.end(scene);
        EXPECT_FALSE(Playing(sound));
    }
    CurrentDevice = nullptr;
}

TEST_F(SoundObjectTest, ClonesShareTheBufferAndKeepItAlive) {
    StoreWave(SineWave(22050, 1, 200));
    std::unique_ptr<QV_Sound> sound = MakeSound(0, 40, 60);
    ASSERT_TRUE(Wav(*sound).Buffer());
    std::unique_ptr<QV_Sound_Ctrl> clone(Wav(*sound).Clone());
    auto& copy = static_cast<QV_WAV_Constructor&>(*clone);
    EXPECT_EQ(copy.Buffer().Get(), Wav(*sound).Buffer().Get());
    EXPECT_EQ(copy.Volume().Value(), 40u);
    EXPECT_EQ(copy.Balance().Value(), 60u);
    EXPECT_EQ(copy.Link().Value(), kWaveKey);
    EXPECT_EQ(copy.TimeLine().VisibleMin().Value(), Wav(*sound).TimeLine().VisibleMin().Value());
    sound.reset();
    DWORD status = 0;
    EXPECT_EQ(copy.Buffer().Get()->GetStatus(&status), S_OK);
}

// Each of these leaves a silent sound object whose operations do nothing, and its time
// line as the document gave it.
struct SilentCase {
    const char* label;
    Bytes stored;
    FileKey link;
};

TEST_F(SoundObjectTest, WithoutUsableWaveBytesTheSoundIsSilent) {
    const Bytes good = SineWave(22050, 1, 200);
    const SilentCase cases[] = {
        {"NotInTheStore", good, FileKey(L"C:\\Sounds\\other.wav", 5)},
        {"ModuleWithoutTheResource", good, FileKey(L"no_such_module.dll", 31999)},
        {"NotRiff", Bytes(80, 'q'), kWaveKey},
        {"FormatShorterThanPcm", RiffFile({{"fmt ", PcmFormat(22050, 1, 16, 15)}, {"data", Bytes(400, 0)}}),
         kWaveKey},
        {"NoData", RiffFile({{"fmt ", PcmFormat(22050, 1, 16)}}), kWaveKey},
        {"EmptyData", RiffFile({{"fmt ", PcmFormat(22050, 1, 16)}, {"data", {}}}), kWaveKey},
        {"NoBytes", {}, kWaveKey},
    };
    for (const SilentCase& c : cases) {
        SCOPED_TRACE(c.label);
        StoreWave(c.stored);
        std::unique_ptr<QV_Sound> sound = MakeSound(0, 100, 50, c.link);
        ASSERT_NE(sound, nullptr);
        EXPECT_FALSE(Wav(*sound).Buffer());
        // An empty data chunk is a sound of no length: only the buffer cannot be made.
        const unsigned int visible = std::string(c.label) == "EmptyData" ? 0u : 100u;
        EXPECT_EQ(sound->Description().TimeLine().VisibleMin().Value(), visible);
        sound->SetEnabled(1);
        sound->UpdateByTimeLine(0.5f);
        sound->SetEnabled(0);
        Wav(*sound).Stop();
    }
}

TEST_F(SoundObjectTest, WithoutADeviceOrAManagerTheSoundIsSilent) {
    std::unique_ptr<QV_Sound> unmanaged = MakeSound(0);
    EXPECT_FALSE(Wav(*unmanaged).Buffer());
    StoreWave(SineWave(22050, 1, 200));
    SoundDevice::Shared().ReleasePrimaryBuffer();
    SoundDevice::Shared().ReleaseDevice();
    std::unique_ptr<QV_Sound> sound = MakeSound(0);
    EXPECT_FALSE(Wav(*sound).Buffer());
    EXPECT_EQ(sound->Description().TimeLine().VisibleMin().Value(), 100u);
    sound->UpdateByTimeLine(0.5f);
    sound->SetEnabled(0);
}

}  // namespace
}  // namespace vgtest
