#include "brushes/QV_PatternBrushC.h"

#include "document/QV_IOF_Virtual.h"

void QV_PatternBrushC::Load(QV_IOF_Virtual& archive, uint32_t) { QV_PatternBrush::LoadWithTag(archive); }

void QV_PatternBrushC::Save(QV_IOF_Virtual& archive) {
    archive.WriteSectionHead(L"QV_PatternBrushC", kOwnVersion);
    QV_PatternBrush::Save(archive);
}

QV_FX_Constructor* QV_PatternBrushC::Clone() const { return new QV_PatternBrush(*this); }
