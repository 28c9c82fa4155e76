// The scene the saver embeds opens, prepares and plays through every slide.
#include <gtest/gtest.h>

#include <memory>

#include "RunningScene.h"
#include "TestDevice.h"
#include "document/CurrentDevice.h"
#include "document/QV_DocResManager.h"
#include "document/SceneDocument.h"
#include "player/QV_SlideShow_Light.h"

namespace {

TEST(DefaultScene, PlaysAFullCycleOfItsSlides) {
    vgtest::TestDevice device(320, 240);
    VG_REQUIRE_DEVICE(device);
    CurrentDevice = device.Device();
    vgtest::RunningScene scene;
    ASSERT_TRUE(scene.Open(2));
    QV_SlideShow_Light* show = scene.show.get();

    ASSERT_EQ(show->SlideCount(), 3u);
    EXPECT_EQ(show->AudioFiles().size(), 2u);
    // Pictures of three shapes, so that every fit mode shows a difference.
    const uint32_t widths[3] = {1024, 1600, 600};
    for (unsigned i = 0; i < 3; ++i)
        EXPECT_EQ(show->SlideAt(i)->GetLight()->GetPictureWidth(), widths[i]) << i;

    std::vector<int> order;
    for (float t = 0; t < 52; t += 1.0f / 30) {
        scene.Frame(t);
        int current = -1;
        for (unsigned i = 0; i < 3; ++i)
            if (show->SlideAt(i).Get() == show->CurrentSlide().Get()) current = int(i);
        if (order.empty() || order.back() != current) order.push_back(current);
    }
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 0}));
    // Slide 0 again, mid-show: the picture covers the screen (fill), no white clear left.
    EXPECT_NE(device.PixelAt(160, 120), 0xFFFFFFFFu);
    scene.Close();
    CurrentDevice = nullptr;
}

}  // namespace
