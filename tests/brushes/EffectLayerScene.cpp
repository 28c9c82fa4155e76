#include "EffectLayerScene.h"

#include "SlideRecords.h"
#include "base/CurrentDevice.h"
#include "player/PictureView.h"

namespace vgtest {

using namespace scenewriter;

std::vector<uint8_t> OneSlideDocument(const SceneWriter& layer, const std::vector<StoreEntry>& pictures) {
    SlideRecord slide;
    slide.fadeIn = 0;
    slide.fadeOut = 0;
    slide.showTime = 100;
    slide.layer = layer;
    ResourceSection section;
    section.images = pictures;
    return MakeDocument({MakeSlide(slide)}, {}, section);
}

StoreEntry StoredPicture(const std::string& path, int64_t stamp, std::vector<uint8_t> bytes) {
    return StoreEntry{path, stamp, {StoredFile{0, "", std::move(bytes), path}}};
}

void EffectLayerScene::SetUp() {
    VG_REQUIRE_DEVICE(device);
    CurrentDevice = device.Device();
}

void EffectLayerScene::TearDown() {
    scene.Close();
    GetPictureView().ReleaseDeviceObjects(device.Device());
    CurrentDevice = nullptr;
}

void EffectLayerScene::Open(const std::vector<uint8_t>& document, int fitMode) {
    ASSERT_EQ(scene.OpenBytes(document), S_OK);
    scene.PrepareSlides();
    scene.SetFitMode(fitMode);
}

int EffectLayerScene::PixelsNear(uint32_t colour, int distance) const {
    int count = 0;
    for (uint32_t pixel : device.ReadBack())
        if (ChannelDistance(pixel | 0xFF000000u, colour) <= distance) ++count;
    return count;
}

}  // namespace vgtest
