#pragma once
// A placed sprite sheet that jumps to a random other frame at every step of its frame rate.
#include "objects/QV_StatObjConstructor.h"

class QV_DischargeConstructor : public QV_StatObjConstructor {
public:
    static constexpr uint32_t kRecordVersion = 1;

    void Save(QV_IOF_Virtual& archive) override;
    // A random frame other than `frame`; a sheet of one frame keeps it.
    int NextFrame(int frame) override;
    QV_ParticleSystemCtrl* Clone() const override;

    // After tag and version: the whole tagged static-sprite record.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);
};
