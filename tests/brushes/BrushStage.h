#pragma once
// What the brush tests draw on: a slide stage whose object list holds the brushes under test.
#include <gtest/gtest.h>

#include <memory>

#include "SceneWriter.h"
#include "SlideStage.h"
#include "brushes/QV_BrushObj.h"
#include "brushes/QV_FX_Constructor.h"

namespace vgtest {

class BrushStage : public SlideStage {
public:
    using SlideStage::SlideStage;

    QV_BrushObj& Brush(size_t i) { return dynamic_cast<QV_BrushObj&>(Object(i)); }

    // A description read through the scene-object registry, or null for an unknown tag.
    static std::unique_ptr<QV_FX_Constructor> ReadBrush(const scenewriter::SceneWriter& record);
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
