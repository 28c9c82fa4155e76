#pragma once
// Reading one section of a record on its own, as the record around it reads it.
#include "document/FieldArchive.h"
#include "document/QV_IOF_Virtual.h"

namespace vgtest {

// A section nested in a record (a base's or a member's): its head, then its fields.
template <class Section>
void ReadTaggedSection(Section& section, QV_IOF_Virtual& archive) {
    section.TaggedFields(FieldArchive::Reader(archive, 0));
}

// Fields stored in place in their owner's section, with no head of their own.
template <class Fields>
void ReadFields(Fields& fields, QV_IOF_Virtual& archive) {
    FieldArchive ar = FieldArchive::Reader(archive, 0);
    fields.Fields(ar);
}

}  // namespace vgtest
