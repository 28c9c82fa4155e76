#pragma once
// What the brush tests draw on: a slide stage whose object list holds the brushes under test.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <span>

#include "BrushRecords.h"
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

// The mask every test brush names.
inline constexpr char kBrushMaskGuid[] = "{3F2504E0-4F89-11D3-9A0C-0305E82C3301}";

// A base section with every field away from its default, so a reader that skips or misplaces
// one is seen: fx mode 1, spare value -9, name "brush".
scenewriter::FxBaseRecord DistinctBrushBase(int32_t version = 3);

// A brush record, read through the registry, and the check of its own fields.
struct BrushReadCase {
    const char* tag;
    scenewriter::SceneWriter record;
    std::function<void(QV_FX_Constructor&)> check;
};
// Reads each case and checks its own fields, then the distinct base section it ends with.
void ExpectBrushesRead(std::span<BrushReadCase> cases);

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
