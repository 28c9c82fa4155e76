#pragma once
// A pattern brush stored under a tag of its own: its record wraps a complete pattern-brush
// section, and its clone (so its runtime object) is a plain pattern brush.
#include "brushes/QV_PatternBrush.h"

class QV_PatternBrushC : public QV_PatternBrush {
public:
    static constexpr int32_t kOwnVersion = 1;

    // Load: the tagged pattern-brush section follows this level's tag and version.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void Save(QV_IOF_Virtual& archive) override;
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);
    QV_FX_Constructor* Clone() const override;
};
