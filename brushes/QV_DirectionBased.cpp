#include "brushes/QV_DirectionBased.h"

#include "document/FieldArchive.h"
#include "brushes/BrushAngles.h"

QV_DirectionBased::QV_DirectionBased() { ObserveAngle(); }

void QV_DirectionBased::ObserveAngle() {
    observers_.SetTarget(this);
    HookParamChange(observers_, &QV_DirectionBased::UpdateDirection, angle);
    UpdateDirection();
}

void QV_DirectionBased::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_DirectionBased::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_DirectionBased", kRecordVersion)); }

void QV_DirectionBased::Fields(FieldArchive ar) {
    ar.Notified(strength);
    ar.Param(angle);
    QV_FX_Constructor::TaggedFields(ar);
}

void QV_DirectionBased::UpdateDirection() {
    direction = TurnByDirectionAngle(D3DXVECTOR4(1.0f, 0.0f, 0.0f, 0.0f), angle.Value());
}
