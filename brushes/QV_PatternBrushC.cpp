#include "brushes/QV_PatternBrushC.h"

#include "document/FieldArchive.h"
#include "document/QV_IOF_Virtual.h"

void QV_PatternBrushC::Load(QV_IOF_Virtual& archive, uint32_t version) { Fields(FieldArchive::Reader(archive, version)); }

void QV_PatternBrushC::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_PatternBrushC::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_PatternBrushC", kOwnVersion)); }

void QV_PatternBrushC::Fields(FieldArchive ar) {
    QV_PatternBrush::TaggedFields(ar);
}

QV_FX_Constructor* QV_PatternBrushC::Clone() const { return new QV_PatternBrush(*this); }
