// Slides read from their records, and the show's switching and fades under a test clock.
#include <gtest/gtest.h>

#include <memory>

#include "ArchiveOver.h"
#include "DocumentRecords.h"
#include "SlideRecords.h"
#include "TestDevice.h"
#include "base/CurrentDevice.h"
#include "document/QV_DocResManager.h"
#include "document/ReaderRegistry.h"
#include "document/ResourceBuffer.h"
#include "player/QV_SlideShow_Light.h"
#include "player/SceneDocument.h"

using namespace scenewriter;

namespace {

SceneWriter Slide(const char* name, uint32_t fadeIn, uint32_t show, uint32_t fadeOut, int32_t version = 3) {
    SlideRecord slide;
    slide.version = version;
    slide.name = name;
    slide.fadeIn = fadeIn;
    slide.showTime = show;
    slide.fadeOut = fadeOut;
    slide.layer = MakeLayer(LayerRecord());
    return MakeSlide(slide);
}

TEST(QV_SlideContainer, RecordVersionsReadTheirFields) {
    struct {
        int32_t version;
        uint32_t reservedCount;
    } cases[] = {{1, 10}, {2, 10}, {3, 33}};
    for (const auto& c : cases) {
        SlideRecord record;
        record.version = c.version;
        record.fadeIn = 4;
        record.fadeOut = 5;
        record.showTime = 6;
        record.reserved = -7;
        record.name = "dawn";
        record.reservedCount = 33;
        record.layer = MakeLayer(LayerRecord());
        SceneWriter out = MakeSlide(record);
        out.Int(0x12345678);  // what follows the record
        vgtest::ArchiveOver in(out.Bytes());
        std::unique_ptr<QV_SlideContainer> slide(ReadTaggedSlide(in.Archive()));
        ASSERT_NE(slide, nullptr);
        EXPECT_FALSE(in.Failed());
        EXPECT_EQ(in.Consumed(), out.Size() - 4) << c.version;
        EXPECT_EQ(slide->FadeIn(), 4u);
        EXPECT_EQ(slide->FadeOut(), 5u);
        EXPECT_EQ(slide->ShowTime(), 6u);
        EXPECT_EQ(slide->reserved.Value(), -7);
        EXPECT_EQ(slide->name.Value(), L"dawn");
        EXPECT_EQ(slide->reservedCount.Value(), c.reservedCount) << c.version;
        EXPECT_TRUE(slide->GetLight());
    }
    QV_SlideContainer fresh;
    EXPECT_EQ(fresh.FadeIn(), 1u);
    EXPECT_EQ(fresh.ShowTime(), 10u);
    EXPECT_EQ(fresh.reservedCount.Value(), 10u);
}

class SlideShowClock : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(device_.Device(), nullptr) << "no Direct3D 9 device";
        CurrentDevice = device_.Device();
    }
    void TearDown() override {
        show_.reset();
        delete CurrentDocResManager;
        CurrentDocResManager = nullptr;
        CurrentDevice = nullptr;
    }
    void Open(const std::vector<SceneWriter>& slides) {
        bytes_ = MakeDocument(slides, {}, {});
        ResourceBuffer buffer(bytes_.data(), bytes_.size());
        QV_SlideShow_Light* show = nullptr;
        ASSERT_EQ(LoadSceneDocument(buffer, &show), S_OK);
        show_.reset(show);
        show_->PrepareSlides();
    }
    int Current() const {
        for (size_t i = 0; i < show_->SlideCount(); ++i)
            if (show_->SlideAt(unsigned(i)).Get() == show_->CurrentSlide().Get()) return int(i);
        return -1;
    }
    unsigned OverlayAlpha() {
        auto* overlay = const_cast<QV_SimpleMesh<ScreenColourVertex>*>(show_->Overlay());
        ScreenColourVertex* v = overlay->Lock();
        const unsigned alpha = v[0].diffuse >> 24;
        overlay->Unlock();
        return alpha;
    }
    vgtest::TestDevice device_{64, 48};
    std::vector<uint8_t> bytes_;
    std::unique_ptr<QV_SlideShow_Light> show_;
};

TEST_F(SlideShowClock, TwoSlidesFadeThroughBlack) {
    Open({Slide("a", 2, 5, 2), Slide("b", 2, 5, 2)});
    struct {
        float t;
        int slide;
        unsigned alpha;
    } steps[] = {
        {100.0f, 0, 0},      // first frame: the fade-in is already over
        {104.0f, 0, 0},
        {106.0f, 0, 127},    // halfway through the fade-out
        {107.0f, 0, 255},    // 9 is not more than 9: no switch yet
        {107.25f, 1, 255},   // the switch frame, with the old slide's fade-in
        {108.25f, 1, 127},
        {109.25f, 1, 0},
    };
    for (const auto& s : steps) {
        show_->FrameMove(s.t);
        EXPECT_EQ(Current(), s.slide) << s.t;
        EXPECT_EQ(OverlayAlpha(), s.alpha) << s.t;
    }
}

// The overlay is drawn only while it darkens something: the picture after a fade must be the
// one before it, and the next fade must darken it again.
TEST_F(SlideShowClock, TheFadeDarkensTheFrameAndAClearOverlayLeavesItUntouched) {
    Open({Slide("a", 2, 5, 2), Slide("b", 2, 5, 2)});
    show_->RestoreDeviceObjects();
    struct {
        float t;
        uint32_t alpha;  // of the black overlay
    } steps[] = {
        {100.0f, 0}, {104.0f, 0}, {106.0f, 127}, {107.0f, 255}, {107.25f, 255},
        {108.25f, 127}, {109.25f, 0}, {110.0f, 0}, {115.25f, 127},
    };
    uint32_t picture = 0;  // the slide's picture with a clear overlay, from the first frame
    for (const auto& s : steps) {
        show_->FrameMove(s.t);
        device_.Device()->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF0000FF, 1.0f, 0);
        device_.Device()->BeginScene();
        show_->Render(false);
        device_.Device()->EndScene();
        const uint32_t pixel = device_.PixelAt(32, 24);
        if (s.t == 100.0f) picture = pixel;
        uint32_t expected = 0xFF000000u;
        for (int shift = 0; shift < 24; shift += 8)
            expected |= ((picture >> shift & 0xFF) * (255 - s.alpha) / 255) << shift;
        EXPECT_LE(vgtest::ChannelDistance(pixel, expected), 2) << s.t << ": " << std::hex << pixel;
    }
    EXPECT_GT(vgtest::ChannelDistance(picture, 0xFF000000u), 0x40) << "the picture must show";
}

TEST_F(SlideShowClock, ThreeSlidesWrapAround) {
    Open({Slide("a", 0, 3, 0), Slide("b", 0, 3, 0), Slide("c", 0, 3, 0)});
    std::vector<int> order;
    for (float t = 0; t < 16.5f; t += 0.5f) {
        show_->FrameMove(t);
        if (order.empty() || order.back() != Current()) order.push_back(Current());
    }
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 0, 1}));
}

TEST_F(SlideShowClock, OneSlideNeverSwitchesOrFades) {
    Open({Slide("only", 2, 1, 2)});
    for (float t = 0; t < 60; t += 1.5f) {
        show_->FrameMove(t);
        EXPECT_EQ(Current(), 0);
        EXPECT_EQ(OverlayAlpha(), 0u);
    }
}

TEST_F(SlideShowClock, ZeroFadesSwitchJustAfterTheShowTime) {
    Open({Slide("a", 0, 120, 0), Slide("b", 0, 120, 0)});
    show_->FrameMove(0.0f);
    show_->FrameMove(120.0f);
    EXPECT_EQ(Current(), 0);
    EXPECT_EQ(OverlayAlpha(), 0u);
    show_->FrameMove(120.1f);
    EXPECT_EQ(Current(), 1);
    EXPECT_EQ(OverlayAlpha(), 0u);
}

TEST_F(SlideShowClock, EmptyShowStaysIdle) {
    Open({});
    show_->FrameMove(1.0f);
    EXPECT_FALSE(show_->CurrentSlide());
    EXPECT_EQ(show_->Overlay(), nullptr);
    device_.Device()->BeginScene();
    show_->Render(false);
    show_->RestoreDeviceObjects();
    device_.Device()->EndScene();
}

}  // namespace
