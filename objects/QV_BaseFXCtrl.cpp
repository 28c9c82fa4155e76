#include "objects/QV_BaseFXCtrl.h"

#include "document/FieldArchive.h"

void QV_BaseFXCtrl::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_BaseFXCtrl::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_BaseFXCtrl", kRecordVersion)); }

void QV_BaseFXCtrl::Fields(FieldArchive ar) { QV_FXParticleSystemCtrl::TaggedFields(ar); }
