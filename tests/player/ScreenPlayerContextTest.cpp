// One screen unit's player: splash, start, scene frames, and the music playlist.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "DocumentRecords.h"
#include "MemoryKeyStore.h"
#include "SlideRecords.h"
#include "TestDevice.h"
#include "audio/MusicFolder.h"
#include "audio/MusicPlayback.h"
#include "audio/QV_AudioFile.h"
#include "base/CurrentDevice.h"
#include "document/QV_DocResManager.h"
#include "document/ResourceBuffer.h"
#include "player/SceneDocument.h"
#include "player/ScreenPlayerContext.h"
#include "settings/SettingsAccess.h"

using namespace scenewriter;

namespace {

class RecordingMusic : public MusicPlayback {
public:
    void PlayAudioFile(const QV_AudioFile& file) override {
        calls.push_back("play " + std::string(file.FileName().begin(), file.FileName().end()));
    }
    void RestartAudio() override { calls.push_back("restart"); }
    void SetAudioVolume(bool muted, uint32_t volume) override {
        calls.push_back("volume " + std::to_string(muted) + " " + std::to_string(volume));
    }
    std::vector<std::string> calls;
};

// The document a test's opener reads, in place of the module's own.
std::vector<uint8_t> testDocument;

HRESULT OpenTestDocument(QV_SlideShow_Light** scene) {
    ResourceBuffer buffer(testDocument.data(), testDocument.size());
    return LoadSceneDocument(buffer, scene);
}

HRESULT OpenNothing(QV_SlideShow_Light** scene) {
    *scene = nullptr;
    return kSceneDocumentFailure;
}

std::vector<uint8_t> DocumentWithTracks(std::vector<std::string> names) {
    std::vector<AudioTrack> tracks;
    for (const std::string& name : names) tracks.push_back({"C:\\music\\" + name, {1, 2, 3}});
    SlideRecord slide;
    slide.layer = MakeLayer(LayerRecord());
    return MakeDocument({MakeSlide(slide)}, tracks, {});
}

class ScreenPlayerContextTest : public ::testing::Test {
protected:
    void SetUp() override {
        UseKeyStore(&store_);
        ASSERT_NE(device_.Device(), nullptr) << "no Direct3D 9 device";
        CurrentDevice = device_.Device();
    }
    void TearDown() override {
        context_.reset();
        CurrentDocResManager = nullptr;
        CurrentDevice = nullptr;
        UseKeyStore(nullptr);
    }
    ScreenPlayerContext& Started(std::vector<std::string> tracks) {
        testDocument = DocumentWithTracks(tracks);
        context_ = std::make_unique<ScreenPlayerContext>(&music_);
        context_->SetSceneOpener(&OpenTestDocument);
        EXPECT_EQ(context_->Start(), S_OK);
        return *context_;
    }

    vgtest::MemoryKeyStore store_;
    vgtest::TestDevice device_{1024, 768};
    RecordingMusic music_;
    std::unique_ptr<ScreenPlayerContext> context_;
};

TEST_F(ScreenPlayerContextTest, TwoTracksPlayInTurnAndWrap) {
    ScreenPlayerContext& context = Started({"a.wav", "b.wav"});
    context.OnMediaEvent(1);
    context.OnMediaEvent(13);  // other graph events change nothing
    context.OnMediaEvent(1);
    EXPECT_EQ(music_.calls, (std::vector<std::string>{"play C:\\music\\a.wav", "volume 0 100",
                                                      "play C:\\music\\b.wav", "volume 0 100",
                                                      "play C:\\music\\a.wav", "volume 0 100"}));
}

TEST_F(ScreenPlayerContextTest, OneTrackRewindsWithoutReadingTheSettingsAgain) {
    ScreenPlayerContext& context = Started({"only.mp3"});
    WriteSettingDword(1, kMuteSoundValue);
    context.OnMediaEvent(1);
    context.OnMediaEvent(1);
    EXPECT_EQ(music_.calls,
              (std::vector<std::string>{"play C:\\music\\only.mp3", "volume 0 100", "restart", "restart"}));
}

// A start writes the track it plays, not all of them: each is written when its turn comes,
// and a track played again is not written again.
TEST_F(ScreenPlayerContextTest, EachTrackIsWrittenWhenItIsAboutToPlay) {
    testDocument = DocumentWithTracks({"a.wav", "b.wav", "c.wav"});
    MusicFolder folder;
    context_ = std::make_unique<ScreenPlayerContext>(&music_, &folder);
    context_->SetSceneOpener(&OpenTestDocument);
    ASSERT_EQ(context_->Start(), S_OK);
    const auto& tracks = context_->Scene()->AudioFiles();
    auto written = [&] {
        std::vector<bool> onDisk;
        for (const auto& track : tracks) onDisk.push_back(track->Data().Size() == 0);
        return onDisk;
    };
    EXPECT_EQ(written(), (std::vector<bool>{true, false, false}));
    const std::wstring first = tracks[0]->Data().Name();
    EXPECT_EQ(first.rfind(folder.Path(), 0), 0u) << first;
    context_->OnMediaEvent(1);
    EXPECT_EQ(written(), (std::vector<bool>{true, true, false}));
    context_->OnMediaEvent(1);
    context_->OnMediaEvent(1);
    EXPECT_EQ(written(), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(tracks[0]->Data().Name(), first);
    context_.reset();
}

TEST_F(ScreenPlayerContextTest, SettingsReachTheMusicAndAnEmptyPlaylistPlaysNothing) {
    WriteSettingDword(1, kMuteSoundValue);
    WriteSettingDword(40, kSoundVolumeValue);
    Started({"a.wav"});
    EXPECT_EQ(music_.calls, (std::vector<std::string>{"play C:\\music\\a.wav", "volume 1 40"}));

    music_.calls.clear();
    ScreenPlayerContext& silent = Started({});
    silent.OnMediaEvent(1);
    EXPECT_TRUE(music_.calls.empty());
}

TEST_F(ScreenPlayerContextTest, MissingDocumentFailsTheStartWithItsCode) {
    ScreenPlayerContext context(&music_);
    context.SetSceneOpener(&OpenNothing);
    EXPECT_EQ(context.Start(), kSceneDocumentFailure);
    EXPECT_EQ(context.Scene(), nullptr);
    context.OnMediaEvent(1);
    EXPECT_TRUE(music_.calls.empty());
}

// The frames of a unit, with the saver's own scene and splash picture.
TEST_F(ScreenPlayerContextTest, SplashThenStartThenTheScene) {
    ScreenPlayerContext context(&music_);
    IDirect3DDevice9* d = device_.Device();

    context.DrawSplash();
    ASSERT_TRUE(context.SplashDrawn());
    auto& splash = const_cast<TexturedQuad<ScreenTexVertex>&>(context.SplashQuad());
    ASSERT_TRUE(splash.texture);
    ScreenTexVertex* v = splash.Lock();
    ASSERT_NE(v, nullptr);
    EXPECT_FLOAT_EQ(v[1].x, 256.0f);  // top-left: side 512, centred
    EXPECT_FLOAT_EQ(v[1].y, 128.0f);
    EXPECT_FLOAT_EQ(v[2].x, 768.0f);
    EXPECT_FLOAT_EQ(v[2].y, 640.0f);
    splash.Unlock();
    EXPECT_EQ(device_.PixelAt(100, 384) & 0xFFFFFF, 0u);    // black around the square
    EXPECT_GT(device_.PixelAt(512, 384) & 0xFFFFFF, 0x808080u);  // the bright centre of the orb

    d->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF123456, 1.0f, 0);
    ASSERT_EQ(context.Start(), S_OK);  // the running module's scene
    EXPECT_EQ(device_.PixelAt(512, 384), 0xFF123456u);  // the start draws nothing
    ASSERT_NE(context.Scene(), nullptr);
    EXPECT_EQ(context.Manager(), CurrentDocResManager);
    EXPECT_EQ(music_.calls.front(), "play C:\\Velmora\\Music\\evening.wav");

    context.Scene()->FrameMove(1.0f);
    context.DrawScene();
    // The first slide's dusk picture fills the screen (the default picture position).
    const uint32_t top = device_.PixelAt(512, 5), bottom = device_.PixelAt(512, 760);
    EXPECT_NE(top, 0xFF123456u);
    EXPECT_GT(top & 0xFF, (top >> 16) & 0xFF);  // a blue-violet sky above ...
    EXPECT_LT(bottom & 0xFF, 0x60u);            // ... dark hills below

    context.InvalidateDeviceObjects();
    EXPECT_FALSE(context.Started());
    ASSERT_EQ(context.Start(), S_OK);  // after a reset: restore and play on
    EXPECT_EQ(music_.calls.size(), 4u);
}

}  // namespace
