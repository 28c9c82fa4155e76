// A unit's playlist driving the real filter graph: each completion event of the graph,
// handed to the player context as the saver window does it, starts the next track.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "AudioFileFixture.h"
#include "GraphEvents.h"
#include "MemoryKeyStore.h"
#include "TestDevice.h"
#include "audio/MusicFolder.h"
#include "audio/MusicGraph.h"
#include "base/CurrentDevice.h"
#include "document/QV_DocResManager.h"
#include "document/ResourceBuffer.h"
#include "player/SceneDocument.h"
#include "player/ScreenPlayerContext.h"
#include "settings/SettingsAccess.h"
#include "tools/scene_writer/DocumentRecords.h"
#include "tools/scene_writer/SlideRecords.h"

namespace vgtest {
namespace {

using namespace scenewriter;

// The document the context opens.
std::vector<uint8_t> playlistDocument;

HRESULT OpenPlaylistDocument(QV_SlideShow_Light** scene) {
    ResourceBuffer buffer(playlistDocument.data(), playlistDocument.size());
    return LoadSceneDocument(buffer, scene);
}

// What the graph holds: how many filters, and the source whose output is connected.
struct GraphContents {
    int filters = 0;
    int sources = 0;  // file sources, connected or not
    IBaseFilter* playing = nullptr;  // not held; the graph keeps it
    std::wstring playingFile;
};

GraphContents Contents(IGraphBuilder* graph) {
    GraphContents contents;
    ComHolder<IEnumFilters> filters;
    if (FAILED(graph->EnumFilters(filters.Receive()))) return contents;
    IBaseFilter* filter = nullptr;
    while (filters->Next(1, &filter, nullptr) == S_OK) {
        ++contents.filters;
        ComHolder<IFileSourceFilter> source;
        ComHolder<IPin> output, peer;
        if (SUCCEEDED(filter->QueryInterface(IID_IFileSourceFilter,
                                             reinterpret_cast<void**>(source.Receive())))) {
            ++contents.sources;
        }
        if (source && SUCCEEDED(filter->FindPin(L"Output", output.Receive())) &&
            SUCCEEDED(output->ConnectedTo(peer.Receive()))) {
            LPOLESTR name = nullptr;
            if (SUCCEEDED(source->GetCurFile(&name, nullptr)) && name) {
                contents.playingFile = name;
                CoTaskMemFree(name);
            }
            contents.playing = filter;
        }
        filter->Release();
    }
    return contents;
}

class MusicPlaylistTest : public PrivateTempFolder {
protected:
    void SetUp() override {
        PrivateTempFolder::SetUp();
        VG_REQUIRE_DEVICE(device_);
        UseKeyStore(&store_);
        CurrentDevice = device_.Device();
        window_ = CreateWindowExW(0, L"STATIC", L"music events", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                  nullptr, nullptr, nullptr);
        ASSERT_NE(window_, nullptr);
        ASSERT_EQ(graph_.InitAudioGraph(window_), S_OK);
    }
    void TearDown() override {
        context_.reset();
        graph_.ReleaseAudioGraph();
        DestroyWindow(window_);
        CurrentDocResManager = nullptr;
        CurrentDevice = nullptr;
        UseKeyStore(nullptr);
        PrivateTempFolder::TearDown();
    }

    // Starts a context on a document holding the tones as its tracks (one format for all:
    // Wine 8's renderer faults when reconnected at another sample rate).
    void Start(const std::vector<std::pair<std::string, double>>& tones, uint32_t milliseconds = 300) {
        std::vector<AudioTrack> tracks;
        for (const auto& [name, frequency] : tones) {
            Bytes wave = SineWave(22050, 1, milliseconds, frequency);
            tracks.push_back({"C:\\music\\" + name, std::vector<uint8_t>(wave.begin(), wave.end())});
        }
        SlideRecord slide;
        slide.layer = MakeLayer(LayerRecord());
        playlistDocument = MakeDocument({MakeSlide(slide)}, tracks, {});
        context_ = std::make_unique<ScreenPlayerContext>(&graph_, &folder_);
        context_->SetSceneOpener(&OpenPlaylistDocument);
        ASSERT_EQ(context_->Start(), S_OK);
    }

    // Where the context put track i of its list.
    std::wstring TrackPath(size_t i) const {
        return context_->Scene()->AudioFiles()[i]->Data().Name();
    }

    // The graph's end of a track, passed on as the saver window passes it.
    void CompleteTrack() {
        ASSERT_TRUE(WaitForGraphEvent(graph_, window_, EC_COMPLETE));
        context_->OnMediaEvent(EC_COMPLETE);
    }

    MemoryKeyStore store_;
    TestDevice device_{640, 480};
    HWND window_ = nullptr;
    MusicFolder folder_;
    MusicGraph graph_;
    std::unique_ptr<ScreenPlayerContext> context_;
};

TEST_F(MusicPlaylistTest, TwoTracksPlayInTurnAfterEachCompletion) {
    Start({{"first.wav", 440}, {"second.wav", 660}});
    ASSERT_NE(TrackPath(0), TrackPath(1));
    const size_t expected[] = {0, 1, 0};
    for (size_t play = 0; play < std::size(expected); ++play) {
        SCOPED_TRACE(play);
        if (play > 0) CompleteTrack();
        if (HasFatalFailure()) return;
        EXPECT_EQ(Contents(graph_.Graph()).playingFile, TrackPath(expected[play]));
    }
    CompleteTrack();  // and the one played last ends too
}

TEST_F(MusicPlaylistTest, OneTrackRewindsWithTheSameSourceFilter) {
    Start({{"only.wav", 440}});
    const GraphContents first = Contents(graph_.Graph());
    ASSERT_NE(first.playing, nullptr);
    EXPECT_EQ(first.playingFile, TrackPath(0));
    for (int rewind = 0; rewind < 2; ++rewind) {
        SCOPED_TRACE(rewind);
        CompleteTrack();
        if (HasFatalFailure()) return;
        const GraphContents again = Contents(graph_.Graph());
        EXPECT_EQ(again.filters, first.filters);
        EXPECT_EQ(again.playing, first.playing);
    }
    CompleteTrack();  // the rewound track plays to its end again
}

// A looping playlist runs all night: each track change must not leave the source of the
// track before it in the graph (each one holds its file and a thread).
TEST_F(MusicPlaylistTest, ManyTrackChangesKeepOneSourcePerFileAtMost) {
    Start({{"first.wav", 440}, {"second.wav", 660}, {"third.wav", 550}}, 60);
    for (int change = 0; change < 3; ++change) CompleteTrack();
    if (HasFatalFailure()) return;
    const GraphContents afterOneCycle = Contents(graph_.Graph());
    EXPECT_LE(afterOneCycle.sources, 3);
    for (int change = 3; change < 100; ++change) {
        CompleteTrack();
        if (HasFatalFailure()) return;
    }
    const GraphContents afterMany = Contents(graph_.Graph());
    EXPECT_LE(afterMany.filters, afterOneCycle.filters);
    EXPECT_LE(afterMany.sources, 3);
    EXPECT_EQ(afterMany.playingFile, TrackPath(100 % 3));
}

}  // namespace
}  // namespace vgtest
