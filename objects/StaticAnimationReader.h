#pragma once
// The authoring tool's "QV_StaticAnimation" record, which no class of the player shows: two
// int32 values (100, 0), then a complete "QV_SingleRectGN" section. Whether the 100 is the
// record's version, which the dispatcher has read, or a value after a version of its own is
// not known, so the section's tag is looked for after at most two int32 values. The section
// is read into a description that is dropped; the list gets an entry without an object.
#include "document/ReaderRegistry.h"

class StaticAnimationReader final : public IOF_Virtual_Reader {
public:
    static constexpr uint32_t kMaxLeadingValues = 2;

    // Always null; the archive fails when the section's tag is not where it should be.
    QV_ABObj_Constructor* Create(QV_IOF_Virtual& archive, uint32_t version) override;
};
