#pragma once
// The level of the sprite systems drawn through an effect of their own rather than the render
// surface's sprite drawing: the effect's link, and the effect once Prepare has loaded it.
#include <d3dx9effect.h>

#include "base/ComHolder.h"
#include "document/QV_FileLink3.h"
#include "objects/QV_ParticleSystemCtrl.h"

class FieldArchive;

class QV_FXParticleSystemCtrl : public QV_ParticleSystemCtrl {
public:
    static constexpr uint32_t kRecordVersion = 1;

    void Save(QV_IOF_Virtual& archive) override;
    // Binds the device resources when the runtime object is built: here the effect, which is
    // null when the manager cannot make it.
    virtual void Prepare();

    // The section: tag, version, the effect link, then the sprite section.
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    QV_HLSLEffectFile effectLink;
    // Shared by the description's copies.
    ComHolder<ID3DXEffect> effect;
};
