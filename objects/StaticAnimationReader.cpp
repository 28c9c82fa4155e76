#include "objects/StaticAnimationReader.h"

#include <string>

#include "document/FieldArchive.h"
#include "objects/QV_Plant.h"

QV_ABObj_Constructor* StaticAnimationReader::Create(QV_IOF_Virtual& archive, uint32_t) {
    for (uint32_t values = 0; values <= kMaxLeadingValues; ++values) {
        std::wstring tag;
        if (!archive.PeekString(values * 4, tag) || tag != L"QV_SingleRectGN") continue;
        for (uint32_t i = 0; i < values; ++i) {
            int32_t unused = 0;
            archive.ReadInt(unused);
        }
        // Any single-rect description reads the section; this one is dropped at once.
        QV_Plant dropped;
        dropped.QV_SingleRectGN::TaggedFields(FieldArchive::Reader(archive, 0));
        return nullptr;
    }
    archive.MarkFailed();
    return nullptr;
}
