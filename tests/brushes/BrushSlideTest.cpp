// The default scene's slide of brushes: every brush there with its effect and mask, one of
// them a post effect, and frames of it that allocate nothing.
#include <gtest/gtest.h>

#include "AllocationCounter.h"
#include "RunningScene.h"
#include "TestDevice.h"
#include "base/CurrentDevice.h"
#include "brushes/QV_BrushObj.h"
#include "brushes/QV_FX_Constructor.h"
#include "player/QV_SlideShow_Light.h"

namespace {

class BrushSlide : public ::testing::Test {
protected:
    void SetUp() override {
        VG_REQUIRE_DEVICE(device_);
        CurrentDevice = device_.Device();
        ASSERT_EQ(scene_.OpenOwnDocument(), S_OK);
        scene_.PrepareSlides();
        scene_.SetFitMode(2);
    }
    void TearDown() override {
        scene_.Close();
        CurrentDevice = nullptr;
    }
    const QV_SlideContainer& Slide() { return *scene_.Show()->SlideAt(kBrushSlide).Get(); }
    bool OnBrushSlide() { return scene_.Show()->CurrentSlide().Get() == &Slide(); }

    static constexpr unsigned kBrushSlide = 8;
    vgtest::TestDevice device_{320, 240};
    vgtest::RunningScene scene_;
};

TEST_F(BrushSlide, HoldsTheRegisteredBrushesWithTheirEffectsAndMasksOneAPostEffect) {
    const auto& objects = Slide().RuntimeObjects();
    ASSERT_EQ(objects.size(), 5u);
    int postEffects = 0;
    for (const auto& object : objects) {
        auto* brush = dynamic_cast<QV_BrushObj*>(object.Get());
        ASSERT_NE(brush, nullptr);
        EXPECT_TRUE(brush->Brush().HasEffect());
        EXPECT_TRUE(brush->Brush().mask);
        if (brush->NeedsBackground()) ++postEffects;
    }
    EXPECT_EQ(postEffects, 1);
}

TEST_F(BrushSlide, SteadyStateFramesAllocateNothing) {
    float t = 0;
    // Quarter-second steps through the slides before it.
    while (!OnBrushSlide() && t < 160) scene_.DrawFrame(t += 0.25f);
    ASSERT_TRUE(OnBrushSlide());
    for (int i = 0; i < 30; ++i) scene_.DrawFrame(t += 1.0f / 30);
    const long before = vgtest::AllocationCount();
    for (int i = 0; i < 150; ++i) scene_.DrawFrame(t += 1.0f / 30);
    EXPECT_EQ(vgtest::AllocationCount() - before, 0);
    EXPECT_TRUE(OnBrushSlide());
}

}  // namespace
