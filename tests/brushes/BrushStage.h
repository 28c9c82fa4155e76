#pragma once
// What every brush test draws on: a real device (published as CurrentDevice while the stage
// lives), a resource manager read from a resource section (published as
// CurrentDocResManager), and a background layer made current on one of its pictures as a
// slide makes it, with the camera at rest.
#include <gtest/gtest.h>

#include <memory>

#include "DocumentRecords.h"
#include "SceneWriter.h"
#include "TestDevice.h"
#include "brushes/QV_BrushObj.h"
#include "brushes/QV_FX_Constructor.h"
#include "document/QV_DocResManager.h"
#include "player/QV_2D_Light.h"

namespace vgtest {

class BrushStage {
public:
    BrushStage(UINT width, UINT height);
    ~BrushStage();
    BrushStage(const BrushStage&) = delete;
    BrushStage& operator=(const BrushStage&) = delete;

    // Reads the section into a new manager, which becomes CurrentDocResManager.
    void Open(const scenewriter::ResourceSection& section);
    // A layer showing the picture, fitted to the whole device, states and targets restored.
    QV_2D_Light& ShowPicture(const FileKey& picture);

    TestDevice& Device() { return device_; }
    QV_DocResManager& Manager() { return *manager_; }
    QV_2D_Light& Layer() { return *layer_; }

    // A description read through the scene-object registry, or null for an unknown tag.
    static std::unique_ptr<QV_FX_Constructor> ReadBrush(const scenewriter::SceneWriter& record);
    // The runtime object of a description, made as a slide makes it.
    static std::unique_ptr<QV_BrushObj> MakeRuntime(QV_FX_Constructor& description);

private:
    TestDevice device_;
    std::unique_ptr<QV_DocResManager> manager_;
    std::unique_ptr<QV_2D_Light> layer_;
};

}  // namespace vgtest
