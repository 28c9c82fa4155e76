#include "objects/QV_3D_in_2D_array_Constructor.h"

#include <algorithm>
#include <string>

#include "document/ParamArchive.h"
#include "document/QV_IOF_Virtual.h"
#include "objects/QV_3D_in_2D_array.h"
#include "player/MeshBatch.h"

QV_3D_in_2D_array_Constructor::QV_3D_in_2D_array_Constructor(const QV_3D_in_2D_array_Constructor& other)
    : QV_ABObj_Constructor(other),
      mesh_(other.mesh_),
      texture_(other.texture_),
      count_(other.count_),
      stream_(other.stream_) {}

void QV_3D_in_2D_array_Constructor::Save(QV_IOF_Virtual& archive) {
    archive.WriteSectionHead(L"QV_3D_in_2D_array_Constructor", int32_t(kRecordVersion));
    std::wstring name = Name();
    archive.WriteString(name);
    WriteUIntParam(archive, count_);
    archive.WriteEmbeddedFile(mesh_);
    archive.WriteEmbeddedFile(texture_);
    for (MediaParamT<unsigned int>* value : stream_.StoredValues()) WriteUIntParam(archive, *value);
    uint32_t angle = uint32_t(stream_.direction.angle);
    archive.WriteUInt(angle);
    QV_ABObj_Constructor::Save(archive);
}

void QV_3D_in_2D_array_Constructor::Load(QV_IOF_Virtual& archive, uint32_t) {
    std::wstring name;  // the base section holds the name again
    archive.ReadString(name);
    ReadUIntParam(archive, count_);
    count_.SetSilently(archive.GrantEntries(std::min(count_.Value(), kMaxMeshInstances)));
    archive.ReadEmbeddedFile(mesh_);
    archive.ReadEmbeddedFile(texture_);
    for (MediaParamT<unsigned int>* value : stream_.StoredValues()) ReadUIntParam(archive, *value);
    stream_.size.SetSilently(std::min(stream_.size.Value(), kMaxMeshSize));
    uint32_t angle = uint32_t(stream_.direction.angle);
    archive.ReadUInt(angle);
    stream_.direction.SetAngle(int32_t(angle));
    LoadWithTag(archive);
}

QV_ABObj* QV_3D_in_2D_array_Constructor::CreateObject() {
    return new QV_3D_in_2D_array(new QV_3D_in_2D_array_Constructor(*this));
}
