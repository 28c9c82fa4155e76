#include <gtest/gtest.h>

#include "AudioFileFixture.h"
#include "GraphEvents.h"
#include "audio/MusicGraph.h"
#include "audio/MusicFolder.h"

namespace vgtest {
namespace {

// Long enough to be a real track, short enough to keep the test quick.
const uint32_t kTrackMilliseconds = 300;

class MusicGraphTest : public PrivateTempFolder {
protected:
    void SetUp() override {
        PrivateTempFolder::SetUp();
        window_ = CreateWindowExW(0, L"STATIC", L"music events", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                  nullptr, nullptr, nullptr);
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override {
        graph_.ReleaseAudioGraph();
        DestroyWindow(window_);
        PrivateTempFolder::TearDown();
    }

    void InitGraph() {
        HRESULT hr = graph_.InitAudioGraph(window_);
        ASSERT_EQ(hr, S_OK) << std::hex << static_cast<unsigned long>(hr);
        ASSERT_TRUE(graph_.HasGraph());
    }

    // A track of the document, extracted as the player does it.
    QV_AudioFile Track(const std::wstring& storedPath, const Bytes& bytes) {
        QV_AudioFile file = MakeAudioFile(storedPath, bytes);
        file.ExtractToTempFile(folder_);
        return file;
    }

    bool WaitForEvent(long wanted) { return WaitForGraphEvent(graph_, window_, wanted, &appMessages_); }

    OAFilterState GraphState() {
        ComHolder<IMediaControl> control;
        EXPECT_EQ(graph_.Graph()->QueryInterface(IID_IMediaControl,
                                                 reinterpret_cast<void**>(control.Receive())),
                  S_OK);
        OAFilterState state = -1;
        control->GetState(1000, &state);
        return state;
    }

    MusicGraph graph_;
    MusicFolder folder_;
    HWND window_ = nullptr;
    int appMessages_ = 0;
};

TEST_F(MusicGraphTest, WithoutAGraphEveryOperationDoesNothing) {
    QV_AudioFile track = Track(L"C:\\m\\a.wav", SineWave(22050, 1, kTrackMilliseconds));
    graph_.PlayAudioFile(track);
    graph_.RestartAudio();
    graph_.SetAudioVolume(true, 10);
    graph_.StopAudio();
    EXPECT_FALSE(graph_.HasGraph());
    EXPECT_EQ(graph_.GetAudioEvent(), -1);
    EXPECT_EQ(graph_.RenderAudioFile(track.Data().Name()), E_POINTER);
    EXPECT_TRUE(FAILED(graph_.RenderSourceOutputPin(nullptr)));
}

TEST_F(MusicGraphTest, AWavTrackPlaysToItsEndAndTellsTheWindow) {
    InitGraph();
    QV_AudioFile track = Track(L"C:\\m\\tone.wav", SineWave(22050, 2, kTrackMilliseconds));
    graph_.PlayAudioFile(track);
    EXPECT_EQ(GraphState(), State_Running);
    EXPECT_TRUE(WaitForEvent(EC_COMPLETE));
    EXPECT_GT(appMessages_, 0);
}

TEST_F(MusicGraphTest, RestartPlaysTheEndedTrackAgain) {
    InitGraph();
    QV_AudioFile track = Track(L"C:\\m\\tone.wav", SineWave(22050, 1, kTrackMilliseconds));
    graph_.PlayAudioFile(track);
    ASSERT_TRUE(WaitForEvent(EC_COMPLETE));
    graph_.RestartAudio();
    EXPECT_EQ(GraphState(), State_Running);
    EXPECT_TRUE(WaitForEvent(EC_COMPLETE));
}

// Tracks follow one another in one graph; the list starts over with its first track.
TEST_F(MusicGraphTest, TracksPlayOneAfterAnotherAndTheFirstAgain) {
    InitGraph();
    std::vector<QV_AudioFile> tracks;
    tracks.push_back(Track(L"C:\\m\\first.wav", SineWave(22050, 1, kTrackMilliseconds)));
    // One format for all: Wine 8's audio renderer faults when a reused renderer is
    // connected again at another sample rate.
    tracks.push_back(Track(L"C:\\m\\second.wav", SineWave(22050, 1, kTrackMilliseconds)));
    tracks.push_back(Track(L"C:\\m\\third.wav", SineWave(22050, 1, kTrackMilliseconds)));
    for (int play = 0; play < 4; ++play) {
        graph_.PlayAudioFile(tracks[play % 3]);
        ASSERT_EQ(GraphState(), State_Running) << "track " << play;
        ASSERT_TRUE(WaitForEvent(EC_COMPLETE)) << "track " << play;
    }
}

TEST_F(MusicGraphTest, AFileThatCannotPlayLeavesTheGraphStopped) {
    InitGraph();
    QV_AudioFile noise = Track(L"C:\\m\\noise.wav", Bytes(4000, 0x5a));
    graph_.PlayAudioFile(noise);
    EXPECT_EQ(GraphState(), State_Stopped);
    QV_AudioFile missing = MakeAudioFile(Folder() + L"missing.wav", {});
    graph_.PlayAudioFile(missing);
    EXPECT_EQ(GraphState(), State_Stopped);
    EXPECT_TRUE(FAILED(graph_.RenderAudioFile(Folder() + L"missing.wav")));
}

TEST(MusicVolumeTest, SettingsMapToHundredthsOfADecibel) {
    struct Case {
        bool muted;
        uint32_t volume;
        long expected;
    } cases[] = {{false, 100, 0},   {false, 99, -40},  {false, 50, -2000},
                 {false, 0, -4000}, {true, 0, -10000}, {true, 100, -10000}};
    for (const Case& c : cases) {
        EXPECT_EQ(MusicGraph::MusicVolume(c.muted, c.volume), c.expected)
            << "muted " << c.muted << " volume " << c.volume;
    }
}

TEST_F(MusicGraphTest, VolumeReachesTheRenderer) {
    InitGraph();
    QV_AudioFile track = Track(L"C:\\m\\tone.wav", SineWave(22050, 1, 2000));
    graph_.PlayAudioFile(track);
    ComHolder<IBasicAudio> audio;
    ASSERT_EQ(graph_.Graph()->QueryInterface(IID_IBasicAudio,
                                             reinterpret_cast<void**>(audio.Receive())),
              S_OK);
    for (auto [muted, volume] : {std::pair{false, 50u}, {true, 50u}, {false, 0u}, {false, 100u}}) {
        graph_.SetAudioVolume(muted, volume);
        long applied = 1;
        ASSERT_EQ(audio->get_Volume(&applied), S_OK);
        EXPECT_EQ(applied, MusicGraph::MusicVolume(muted, volume)) << muted << " " << volume;
    }
}

TEST_F(MusicGraphTest, ReleaseLetsGoOfEverything) {
    InitGraph();
    graph_.ReleaseAudioGraph();
    EXPECT_FALSE(graph_.HasGraph());
    EXPECT_EQ(graph_.GetAudioEvent(), -1);
}

}  // namespace
}  // namespace vgtest
