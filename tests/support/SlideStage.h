#pragma once
// A stage for drawing tests of what lies on a slide: a real device, published as CurrentDevice
// while the stage lives, and a one-slide document opened on it as the player opens it. The
// slide's layer shows one picture of the document's resource section, stretched over the
// device with the camera off, and its object list holds the records under test.
#include <vector>

#include "DocumentRecords.h"
#include "RunningScene.h"
#include "SceneWriter.h"
#include "SlideRecords.h"
#include "TestDevice.h"
#include "document/QV_ABObj.h"

class QV_2D_Light;
class QV_DocResManager;
class QV_SlideContainer;

namespace vgtest {

class SlideStage {
public:
    SlideStage(UINT width, UINT height);
    ~SlideStage();
    SlideStage(const SlideStage&) = delete;
    SlideStage& operator=(const SlideStage&) = delete;

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
    QV_DocResManager& Manager();
    QV_SlideContainer& Slide();
    QV_2D_Light& Layer();
    QV_ABObj& Object(size_t i);

private:
    TestDevice device_;
    RunningScene scene_;
};

}  // namespace vgtest
