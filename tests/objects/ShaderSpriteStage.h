#pragma once
// What the shader-sprite tests draw on: a real device, published as CurrentDevice while the
// stage lives, and a one-slide document opened on it as the player opens it. The slide's
// layer shows a known picture (stretched over the device, camera off) and its object list
// holds the records under test; the module's effects and pictures are the real ones.
#include <memory>
#include <vector>

#include "DocumentRecords.h"
#include "RunningScene.h"
#include "SceneWriter.h"
#include "SlideRecords.h"
#include "TestDevice.h"
#include "document/QV_ABObj.h"
#include "document/QV_ABObj_Constructor.h"

namespace shadertest {

class ShaderSpriteStage {
public:
    static constexpr UINT kSize = 128;

    ShaderSpriteStage();
    ~ShaderSpriteStage();
    ShaderSpriteStage(const ShaderSpriteStage&) = delete;
    ShaderSpriteStage& operator=(const ShaderSpriteStage&) = delete;

    // The scene picture: (40 + x / 2, 40 + y / 2, 96), dark enough that a glow shows.
    static uint32_t Picture(UINT x, UINT y);

    // Reads the document; its manager becomes CurrentDocResManager. Nothing is made on the
    // device yet, so a test may hold recording effects in the manager before Start.
    HRESULT Open(std::vector<scenewriter::SceneWriter> objects);
    // Activates the slide, whose runtime objects are then made.
    void Start();
    // The show's frame at slide time t, between BeginScene and EndScene.
    void DrawFrame(float t);
    // What the application does around a device reset.
    void LoseDevice();
    void RestoreDevice();

    vgtest::TestDevice& Device() { return device_; }
    QV_ABObj& Object(size_t i);
    template <class T>
    T& DescriptionOf(size_t i) {
        return dynamic_cast<T&>(Object(i).Description());
    }

private:
    vgtest::TestDevice device_;
    vgtest::RunningScene scene_;
};

}  // namespace shadertest
