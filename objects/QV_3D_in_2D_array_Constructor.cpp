#include "objects/QV_3D_in_2D_array_Constructor.h"

#include <algorithm>
#include <string>

#include "document/FieldArchive.h"
#include "objects/QV_3D_in_2D_array.h"
#include "player/MeshBatch.h"

void QV_3D_in_2D_array_Constructor::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_3D_in_2D_array_Constructor::Load(QV_IOF_Virtual& archive, uint32_t version) {
    Fields(FieldArchive::Reader(archive, version));
}

void QV_3D_in_2D_array_Constructor::TaggedFields(FieldArchive outer) {
    Fields(outer.Section(L"QV_3D_in_2D_array_Constructor", kRecordVersion));
}

void QV_3D_in_2D_array_Constructor::Fields(FieldArchive ar) {
    std::wstring name = Name();  // read and dropped: the base section holds the name again
    ar.Value(name);
    ar.Param(count_);
    if (ar.Reading()) count_.SetSilently(ar.Archive().GrantEntries(std::min(count_.Value(), kMaxMeshInstances)));
    ar.Value(mesh_);
    ar.Value(texture_);
    for (MediaParamT<unsigned int>* value : stream_.StoredValues()) ar.Param(*value);
    if (ar.Reading()) stream_.size.SetSilently(std::min(stream_.size.Value(), kMaxMeshSize));
    uint32_t angle = uint32_t(stream_.direction.angle);
    ar.Value(angle);
    if (ar.Reading()) stream_.direction.SetAngle(int32_t(angle));
    QV_ABObj_Constructor::TaggedFields(ar);
}

QV_ABObj* QV_3D_in_2D_array_Constructor::CreateObject() {
    return new QV_3D_in_2D_array(new QV_3D_in_2D_array_Constructor(*this));
}
