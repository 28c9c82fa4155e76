#pragma once
// A background layer that passes the whole finished slide, picture and objects together,
// through an underwater wobble as the last step of the frame.
#include "brushes/QV_UnderwaterFX.h"
#include "player/QV_2D_Light.h"

class FakeUndervater : public QV_2D_Light {
public:
    static constexpr int32_t kRecordVersion = 2;

    // Load: version 1 holds only the brush speed (halved, as that version ran twice as fast),
    // later ones the brush's section; then the layer record.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void Save(QV_IOF_Virtual& archive) override;
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);
    // As the base, then the brush's effect.
    void CreateDeviceObjects() override;
    // The camera, then the brush's clock.
    void FrameMove(float t) override;
    // Back on the saved target, the finished slide drawn through the brush, then the borders.
    void EndRender(bool nested) override;
    // Only with the brush's effect: without it the frame stays on the back buffer, so the
    // slide is shown plainly rather than lost in a target.
    bool UsesPostEffects() override { return Brush.HasEffect(); }

    QV_UnderwaterFX Brush;
};
