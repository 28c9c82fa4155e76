#include "brushes/QV_DirectionBased.h"

#include "brushes/BrushAngles.h"
#include "document/ParamArchive.h"

QV_DirectionBased::QV_DirectionBased() { ObserveAngle(); }

QV_DirectionBased::QV_DirectionBased(const QV_DirectionBased& other)
    : QV_FX_Constructor(other), strength(other.strength), angle(other.angle) {
    ObserveAngle();
}

void QV_DirectionBased::ObserveAngle() {
    observers_.SetTarget(this);
    HookParamChange(observers_, &QV_DirectionBased::UpdateDirection, angle);
    UpdateDirection();
}

void QV_DirectionBased::LoadWithTag(QV_IOF_Virtual& archive) { LoadFields(archive, archive.ReadSectionHead()); }

void QV_DirectionBased::LoadFields(QV_IOF_Virtual& archive, uint32_t) {
    ReadUIntParamNotified(archive, strength);
    ReadUIntParam(archive, angle);
    QV_FX_Constructor::LoadWithTag(archive);
}

void QV_DirectionBased::Save(QV_IOF_Virtual& archive) {
    archive.WriteSectionHead(L"QV_DirectionBased", kRecordVersion);
    WriteUIntParam(archive, strength);
    WriteUIntParam(archive, angle);
    QV_FX_Constructor::Save(archive);
}

void QV_DirectionBased::UpdateDirection() {
    direction = TurnByDirectionAngle(D3DXVECTOR4(1.0f, 0.0f, 0.0f, 0.0f), angle.Value());
}
