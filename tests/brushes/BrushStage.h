#pragma once
// What the brush tests draw on: a real device, published as CurrentDevice while the stage
// lives, and a one-slide document opened on it as the player opens it. The slide's layer
// shows one picture of the document's resource section, with the camera off, and its object
// list holds the brushes under test.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "DocumentRecords.h"
#include "RunningScene.h"
#include "SceneWriter.h"
#include "SlideRecords.h"
#include "TestDevice.h"
#include "brushes/QV_BrushObj.h"
#include "brushes/QV_FX_Constructor.h"

namespace vgtest {

class BrushStage {
public:
    BrushStage(UINT width, UINT height);
    ~BrushStage();
    BrushStage(const BrushStage&) = delete;
    BrushStage& operator=(const BrushStage&) = delete;

    // Reads the document; its manager becomes CurrentDocResManager. Nothing is made on the
    // device yet, so a test may hold recording effects in the manager before Start.
    HRESULT Open(const scenewriter::ResourceSection& section, const scenewriter::LinkValue& picture,
                 std::vector<scenewriter::SceneWriter> objects);
    // The same with a layer record of the caller's (an effect background).
    HRESULT OpenWithLayer(const scenewriter::ResourceSection& section, scenewriter::SceneWriter layer,
                          std::vector<scenewriter::SceneWriter> objects);
    // Activates the slide (runtime objects, device objects), stretched over the device.
    void Start();
    // The show's frame at slide time t, between BeginScene and EndScene.
    void DrawFrame(float t);
    // What the application does around a device reset: default-pool objects released before
    // it, the current slide restored after it.
    void LoseDevice();
    void RestoreDevice();
    // The show and then the manager go, as the player context lets its document go.
    void Close();

    TestDevice& Device() { return device_; }
    QV_DocResManager& Manager() { return *CurrentDocResManager; }
    QV_SlideContainer& Slide();
    QV_2D_Light& Layer();
    QV_BrushObj& Brush(size_t i);

    // A description read through the scene-object registry, or null for an unknown tag.
    static std::unique_ptr<QV_FX_Constructor> ReadBrush(const scenewriter::SceneWriter& record);

private:
    TestDevice device_;
    RunningScene scene_;
};

// A brush on an abstract base that sets and draws nothing of its own: the base's behaviour
// alone.
template <class Base>
class BaseOnlyBrush : public Base {
public:
    QV_FX_Constructor* Clone() const override { return new BaseOnlyBrush(*this); }

protected:
    void RenderEffect(QV_2D_Light&, ID3DXEffect&) override {}
};

}  // namespace vgtest
