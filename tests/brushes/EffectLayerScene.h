#pragma once
// A document of one slide whose layer is an effect background, opened and played on a real
// device the way the player plays it: no fades, so every frame shows the slide as it is.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "DocumentRecords.h"
#include "PictureBytes.h"
#include "RunningScene.h"
#include "SceneWriter.h"
#include "TestDevice.h"
#include "player/QV_2D_Light.h"

namespace vgtest {

// A one-slide document with a layer record and the pictures its links name.
std::vector<uint8_t> OneSlideDocument(const scenewriter::SceneWriter& layer,
                                      const std::vector<scenewriter::StoreEntry>& pictures);
// A picture stored under `path`, as the authoring tool keys files.
scenewriter::StoreEntry StoredPicture(const std::string& path, int64_t stamp, std::vector<uint8_t> bytes);

class EffectLayerScene : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Opens and prepares the document, the picture position `fitMode`.
    void Open(const std::vector<uint8_t>& document, int fitMode = 1);
    // The first slide's layer as its class.
    template <class T>
    T* Layer() {
        return dynamic_cast<T*>(scene.Show()->SlideAt(0)->GetLight().Get());
    }
    void DrawFrame(float t) { scene.DrawFrame(t); }
    // Pixels of the back buffer that lie within `distance` of a colour.
    int PixelsNear(uint32_t colour, int distance = 40) const;

    TestDevice device{320, 240};
    RunningScene scene;
};

}  // namespace vgtest
