#pragma once
// Sprites that glow: drawn with one picture into a render target of their own, that target
// laid over the scene behind them in the glow colour, and drawn again on top with another
// picture. The runtime object is a QV_GlowingObj.
#include <d3d9.h>

#include "document/MediaColor.h"
#include "document/UINTSclaleTo.h"
#include "objects/QV_FXParticleSystemCtrl.h"

class QV_GlowEffectCtrl : public QV_FXParticleSystemCtrl {
public:
    static constexpr uint32_t kRecordVersion = 1;
    static constexpr float kAmountScale = 0.01f;
    static constexpr unsigned int kDefaultAmount = 100;  // glow 1.0

    QV_GlowEffectCtrl();
    QV_GlowEffectCtrl(const QV_GlowEffectCtrl&) = default;

    void Save(QV_IOF_Virtual& archive) override;
    // A QV_GlowingObj owning Clone().
    QV_ABObj* CreateObject() override;
    QV_GlowEffectCtrl* Clone() const override = 0;
    // The effect, then glow texture A from the second image and B from the image.
    void Prepare() override;
    // Once a frame before the sprites move.
    virtual void OnFrame();

    // The section: tag, version, then colour and amount and the effect level's section.
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    MediaColor glowColour;  // red in the low byte
    UINTSclaleTo<float> glowAmount;
    ComHolder<IDirect3DTexture9> glowTextureA;  // drawn into the target
    ComHolder<IDirect3DTexture9> glowTextureB;  // drawn on top
};
