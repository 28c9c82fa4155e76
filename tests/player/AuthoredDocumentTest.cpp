// A document shaped like those the authoring tool saves (this binary's resource 107, written by
// tests/fixtures/WriteAuthoredDocument.cpp) opens with our common_res.dll beside the program
// and plays: each slide in turn with every object drawing where it lies, the tool's own
// "QV_StaticAnimation" records stepped over, and its MP3 track looping.
//
// What cannot match under Wine 8: the bend brush's effect is embedded as HLSL text, which
// Wine's D3DX cannot compile (it loads only precompiled effects), so that brush has no effect
// and must leave the picture as it was. On Windows it would compile and draw.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <typeinfo>
#include <vector>

#include "AuthoredDocumentContent.h"
#include "GraphEvents.h"
#include "RunningScene.h"
#include "TestDevice.h"
#include "audio/MusicFolder.h"
#include "audio/MusicGraph.h"
#include "audio/QV_AudioFile.h"
#include "base/CurrentDevice.h"
#include "brushes/QV_BendFX.h"
#include "brushes/QV_LightFX.h"
#include "brushes/QV_MoveFX.h"
#include "brushes/QV_RotationFX.h"
#include "document/FileKey.h"
#include "document/QV_ABObj_Constructor.h"
#include "document/QV_DocResManager.h"
#include "objects/QV_FlowConstructor.h"
#include "objects/QV_StatObjConstructor.h"
#include "player/PictureView.h"
#include "player/QV_SlideContainer.h"
#include "player/QV_SlideShow_Light.h"
#include "player/ScreenPlayerContext.h"

namespace {

using authored::Area;

// Where an object may draw and whether it draws.
enum class Draws {
    kWithin,        // changes pixels inside its area and nowhere else (brushes, placed sprites)
    kMostlyWithin,  // changes pixels inside its area; drifting sprites cross its edges
    kNothing,       // changes no pixel at all
};

struct ExpectedObject {
    const std::type_info& description;
    Area area;
    Draws draws;
};

Area Bounds(const MaskRegion& r) { return {r.cx - r.rx, r.cy - r.ry, r.cx + r.rx, r.cy + r.ry}; }

// A placed sprite's picture at its size, whatever its proportions (at most twice as tall).
Area AroundCentre(int x, int y, unsigned size) {
    const double w = authored::kPictureWidth, h = authored::kPictureHeight;
    return {(x - size / 2.0) / w, (y - size * 1.0) / h, (x + size / 2.0) / w, (y + size * 1.0) / h};
}

// The runtime objects of each slide: the document's object list without its foreign records.
const std::vector<ExpectedObject> kSlides[3] = {
    {
        {typeid(QV_FlowConstructor), authored::kMagicDust, Draws::kMostlyWithin},
        {typeid(QV_FlowConstructor), authored::kSnow, Draws::kMostlyWithin},
        {typeid(QV_LightFX), Bounds(authored::kSunGlow), Draws::kWithin},
        {typeid(QV_MoveFX), Bounds(authored::kLakeDrift), Draws::kWithin},
    },
    {
        {typeid(QV_StatObjConstructor),
         AroundCentre(authored::kGlitterCentreX, authored::kGlitterCentreY, authored::kGlitterSize), Draws::kWithin},
        {typeid(QV_FlowConstructor), authored::kStars, Draws::kMostlyWithin},
        {typeid(QV_FlowConstructor), authored::kSparkles, Draws::kMostlyWithin},
        {typeid(QV_LightFX), Bounds(authored::kAurora), Draws::kWithin},
        {typeid(QV_RotationFX), Bounds(authored::kMoon), Draws::kWithin},
    },
    {
        {typeid(QV_FlowConstructor), authored::kFlurry, Draws::kMostlyWithin},
        {typeid(QV_StatObjConstructor),
         AroundCentre(authored::kFlowerCentreX, authored::kFlowerCentreY, authored::kFlowerSize), Draws::kWithin},
        {typeid(QV_MoveFX), Bounds(authored::kHarbourDrift), Draws::kWithin},
        {typeid(QV_LightFX), Bounds(authored::kHarbourMoon), Draws::kWithin},
        {typeid(QV_BendFX), Bounds(authored::kMast), Draws::kNothing},
    },
};

FileKey Module(int id) { return FileKey(L"common_res.dll", id); }

// A channel difference above this is a change; the picture itself draws identically every time.
const int kTolerance = 4;
// An object that draws changes at least this many pixels of its area.
const int kLeastChanged = 40;

class AuthoredDocument : public ::testing::Test {
protected:
    void SetUp() override {
        VG_REQUIRE_DEVICE(device);
        CurrentDevice = device.Device();
    }
    void TearDown() override {
        scene.Close();
        GetPictureView().ReleaseDeviceObjects(device.Device());
        CurrentDevice = nullptr;
    }

    // As the player opens it, stretched so that picture fractions are screen fractions.
    void Open() {
        ASSERT_EQ(scene.OpenOwnDocument(), S_OK);
        scene.PrepareSlides();
        scene.SetFitMode(PictureView::kStretch);
    }

    // The current slide drawn at the show's present state with only object `only` enabled
    // (none for -1); every object is enabled again afterwards.
    std::vector<uint32_t> DrawOnly(int only) {
        const auto& objects = scene.Show()->CurrentSlide()->RuntimeObjects();
        for (size_t i = 0; i < objects.size(); ++i) objects[i]->SetEnabled(int(i) == only ? 1 : 0);
        const std::vector<uint32_t> pixels = DrawAll();
        for (const auto& object : objects) object->SetEnabled(1);
        return pixels;
    }
    std::vector<uint32_t> DrawAll() {
        CurrentDevice->BeginScene();
        scene.Show()->Render(false);
        CurrentDevice->EndScene();
        return device.ReadBack();
    }

    struct Changes {
        int inside = 0;
        int outside = 0;
    };
    // Pixels that differ between two frames, inside the area (widened by two pixels for the
    // filtering at its edges) and outside it.
    Changes Compare(const std::vector<uint32_t>& before, const std::vector<uint32_t>& after, const Area& area) const {
        const double W = device.Width(), H = device.Height();
        const int left = int(area.left * W) - 2, right = int(area.right * W) + 2;
        const int top = int(area.top * H) - 2, bottom = int(area.bottom * H) + 2;
        Changes changes;
        for (UINT y = 0; y < device.Height(); ++y)
            for (UINT x = 0; x < device.Width(); ++x) {
                const size_t i = size_t(y) * device.Width() + x;
                if (vgtest::ChannelDistance(before[i], after[i]) <= kTolerance) continue;
                const bool inside = int(x) >= left && int(x) <= right && int(y) >= top && int(y) <= bottom;
                ++(inside ? changes.inside : changes.outside);
            }
        return changes;
    }

    vgtest::TestDevice device{480, 300};
    vgtest::RunningScene scene;
};

TEST_F(AuthoredDocument, LoadsWithEveryResourceItLinksEmbedded) {
    Open();
    QV_SlideShow_Light& show = *scene.Show();
    ASSERT_EQ(show.SlideCount(), 3u);
    for (unsigned s = 0; s < 3; ++s) {
        SCOPED_TRACE(s);
        const QV_SlideContainer& slide = *show.SlideAt(s).Get();
        EXPECT_EQ(slide.FadeIn(), 0u);
        EXPECT_EQ(slide.FadeOut(), 0u);
        EXPECT_EQ(slide.ShowTime(), authored::kShowSeconds);
        EXPECT_EQ(slide.GetLight()->GetPictureWidth(), uint32_t(authored::kPictureWidth));
        // The foreign records of the second and third slides made no object.
        const auto& objects = slide.RuntimeObjects();
        ASSERT_EQ(objects.size(), kSlides[s].size());
        for (size_t i = 0; i < objects.size(); ++i)
            EXPECT_EQ(typeid(objects[i]->Description()), kSlides[s][i].description) << "object " << i;
    }
    EXPECT_EQ(show.SlideAt(0)->RuntimeObjects()[0]->Description().Name(), L"Magic dust 3");

    QV_DocResManager& manager = *scene.Manager();
    // Effects: the three precompiled ones make effects, 110 from the document alone (our module
    // has no 110); the HLSL text makes none under Wine 8.
    for (int id : {authored::kLightEffect, authored::kMoveEffect, authored::kRotationEffect}) {
        EXPECT_NE(manager.GetEffect(Module(id)).Get(), nullptr) << id;
    }
    EXPECT_EQ(manager.GetEffect(Module(authored::kBendEffect)).Get(), nullptr);
    // Pictures of the module: each made, 35 from the document's bytes (our module has no 35).
    for (int id : {authored::kBorderPicture, authored::kPuffPicture, authored::kDotPicture}) {
        const TextureSet& set = manager.GetTextures(Module(id));
        ASSERT_EQ(set.frames.size(), 1u) << id;
        EXPECT_TRUE(set.frames[0]) << id;
    }
    // The GIF animations: every frame with its duration. Six keys have durations: the four
    // animations, a single picture and an animation the document keeps no frames of.
    const auto& durations = manager.Storage().frameDurations;
    EXPECT_EQ(durations.size(), 6u);
    struct Animation {
        const wchar_t* name;
        size_t frames;
        float seconds;
    } animations[] = {{L"snowflake.gif", 3, 0.2f}, {L"sparkle.gif", 3, 0.1f}, {L"star.gif", 8, 0.05f}, {L"glitter.gif", 10, 0.08f}};
    for (const Animation& animation : animations) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(animation.name)));
        const auto key = std::find_if(durations.begin(), durations.end(),
                                      [&](const auto& entry) { return entry.first.path.ends_with(animation.name); });
        ASSERT_NE(key, durations.end());
        const TextureSet& set = manager.GetTextures(key->first);
        EXPECT_EQ(set.frames.size(), animation.frames);
        EXPECT_EQ(set.durations, std::vector<float>(animation.frames, animation.seconds));
        EXPECT_TRUE(std::all_of(set.frames.begin(), set.frames.end(), [](const auto& frame) { return bool(frame); }));
    }
    ASSERT_EQ(show.AudioFiles().size(), 1u);
    EXPECT_EQ(show.AudioFiles()[0]->FileName(), L"D:\\Glimmerforge\\Winter\\Music\\snowfall.mp3");
}

// Each slide becomes current as the show's clock passes 120 s; two seconds in, and again 0.4 s
// later (a pulsing light may be near its dimmest at one moment, not at both), every object
// drawn alone is compared with the slide's picture drawn without objects.
TEST_F(AuthoredDocument, EachSlideInTurnDrawsEveryObjectWhereItLies) {
    Open();
    QV_SlideShow_Light& show = *scene.Show();
    for (unsigned s = 0; s < 3; ++s) {
        SCOPED_TRACE(testing::Message() << "slide " << s);
        const std::vector<ExpectedObject>& expected = kSlides[s];
        std::vector<Changes> most(expected.size());
        const float start = float(s * (authored::kShowSeconds + 1));
        float t = start;
        for (float moment : {2.0f, 2.4f}) {
            for (; t <= start + moment; t += 0.1f) scene.DrawFrame(t);
            ASSERT_EQ(show.CurrentSlide().Get(), show.SlideAt(s).Get());
            const std::vector<uint32_t> picture = DrawOnly(-1);
            for (size_t i = 0; i < expected.size(); ++i) {
                const Changes changes = Compare(picture, DrawOnly(int(i)), expected[i].area);
                most[i].inside = std::max(most[i].inside, changes.inside);
                most[i].outside = std::max(most[i].outside, changes.outside);
            }
        }
        for (size_t i = 0; i < expected.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "object " << i);
            switch (expected[i].draws) {
                case Draws::kWithin:
                    EXPECT_GE(most[i].inside, kLeastChanged);
                    EXPECT_EQ(most[i].outside, 0);
                    break;
                case Draws::kMostlyWithin:
                    EXPECT_GE(most[i].inside, kLeastChanged);
                    EXPECT_GT(most[i].inside, most[i].outside);
                    break;
                case Draws::kNothing:
                    EXPECT_EQ(most[i].inside + most[i].outside, 0);
                    break;
            }
        }
    }
    // With all its objects, the third slide still shows the picture where the bend would draw,
    // though its drifting water took the scene into a render target.
    const Changes mast = Compare(DrawOnly(-1), DrawAll(), Bounds(authored::kMast));
    EXPECT_GT(mast.outside, 0);
    EXPECT_EQ(mast.inside, 0);
}

std::vector<uint8_t> ReadFile(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The player context plays the document's one MP3 track through the music graph (Wine 8
// decodes MPEG audio through its GStreamer filters), and when it ends, plays it again from the
// start: a playlist of one track loops by rewinding.
TEST_F(AuthoredDocument, ItsMp3TrackPlaysAndLoopsByRewinding) {
    ASSERT_EQ(scene.OpenOwnDocument(), S_OK);
    const DataBlob& stored = scene.Show()->AudioFiles().at(0)->Data();
    const std::vector<uint8_t> track(stored.Bytes(), stored.Bytes() + stored.Size());
    scene.Close();

    MusicGraph graph;
    ASSERT_EQ(graph.InitAudioGraph(device.Window()), S_OK);
    MusicFolder folder;
    {
        ScreenPlayerContext context(&graph, &folder);
        ASSERT_EQ(context.Start(), S_OK);
        ComHolder<IMediaControl> control;
        ComHolder<IMediaSeeking> seeking;
        ASSERT_EQ(graph.Graph()->QueryInterface(IID_IMediaControl, reinterpret_cast<void**>(control.Receive())), S_OK);
        ASSERT_EQ(graph.Graph()->QueryInterface(IID_IMediaSeeking, reinterpret_cast<void**>(seeking.Receive())), S_OK);
        OAFilterState state = State_Stopped;
        EXPECT_EQ(control->GetState(1000, &state), S_OK);
        EXPECT_EQ(state, State_Running);
        // The file the graph plays holds the document's bytes, and decodes to their 3 s.
        const QV_AudioFile& playing = *context.Scene()->AudioFiles().at(0).Get();
        EXPECT_EQ(playing.Data().Name().rfind(folder.Path(), 0), 0u);
        EXPECT_EQ(ReadFile(playing.Data().Name()), track);
        LONGLONG duration = 0;
        ASSERT_EQ(seeking->GetDuration(&duration), S_OK);
        EXPECT_NEAR(double(duration) / 1e7, authored::kTrackFrames * 1152.0 / 48000.0, 0.05);

        // At its end the context plays it again from the start: the whole track once more
        // (its length bounds the wait from below, whatever the machine's load).
        ASSERT_TRUE(vgtest::WaitForGraphEvent(graph, device.Window(), EC_COMPLETE));
        context.OnMediaEvent(EC_COMPLETE);
        EXPECT_EQ(control->GetState(1000, &state), S_OK);
        EXPECT_EQ(state, State_Running);
        const DWORD restarted = GetTickCount();
        ASSERT_TRUE(vgtest::WaitForGraphEvent(graph, device.Window(), EC_COMPLETE));
        EXPECT_GE(GetTickCount() - restarted, 2000u);
    }
    graph.ReleaseAudioGraph();
}

}  // namespace
