#pragma once
// The single-sprite branch of the shader sprites: a record level of its own without fields.
#include "objects/QV_FXParticleSystemCtrl.h"

class QV_BaseFXCtrl : public QV_FXParticleSystemCtrl {
public:
    static constexpr uint32_t kRecordVersion = 1;

    void Save(QV_IOF_Virtual& archive) override;
    // The section: tag, version, then the effect level's section.
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);
};
