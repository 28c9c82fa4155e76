#pragma once
// A wobble of the whole picture on both axes. It has no reader of its own: the underwater
// background reads it as a section and applies it to the finished scene.
#include "brushes/QV_FX_Constructor.h"

class QV_UnderwaterFX : public QV_FX_Constructor {
public:
    static constexpr int32_t kRecordVersion = 1;

    QV_UnderwaterFX();
    QV_UnderwaterFX(const QV_UnderwaterFX&) = default;
    // The brush base's assignment, then amplitude and wavelength.
    QV_UnderwaterFX& operator=(const QV_UnderwaterFX& other);

    // Load: amplitude and wavelength (notified), then the brush base section.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void Save(QV_IOF_Virtual& archive) override;
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);
    QV_FX_Constructor* Clone() const override;

    UINTSclaleTo<float> amplitude;
    UINTSclaleTo<float> wavelength;

protected:
    // "frequency" = (aspect / wavelength, 1 / wavelength), "amplitude" (the time line's opacity
    // not applied), "time", then ApplyCommonParams. The effect ignores the mask.
    void RenderEffect(QV_2D_Light& layer, ID3DXEffect& effect) override;
};
