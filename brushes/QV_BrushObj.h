#pragma once
// The runtime object of every FX brush: owns the brush's clone, gives it its mask and effect
// when made, and forwards the frame's update and drawing to it.
#include "document/QV_ABObj.h"

class QV_FX_Constructor;

class QV_BrushObj : public QV_ABObj {
public:
    // Takes ownership of the clone; its mask is the picture the document stores under the
    // clone's GUID (an empty holder when there is none).
    explicit QV_BrushObj(QV_FX_Constructor* clone);

    void Render(QV_2D_Light& layer) override;
    void Hook(void* first, void* second) override;
    void OnScreenChanged() override {}
    // A post effect that is enabled and can draw. A brush without an effect takes no copy of
    // the scene: it could not give it back, and the picture would be lost.
    bool NeedsBackground() override;
    int GetKind() override { return kBrush; }
    bool HitTest(POINT) override { return false; }
    void Update(float localTime) override;

    QV_FX_Constructor& Brush() { return *brush_; }

private:
    QV_FX_Constructor* brush_;  // the description the base owns
};
