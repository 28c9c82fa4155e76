#include "objects/QV_ButterflyConstructor.h"

#include "document/BuiltinResources.h"
#include "document/NumericHelpers.h"
#include "document/ParamArchive.h"
#include "document/QV_IOF_Virtual.h"
#include "objects/AC_Butterfly.h"
#include "objects/Rotations.h"

namespace {
constexpr unsigned int kDefaultSize = 100;
constexpr unsigned int kDefaultKeptValue = 50;
constexpr float kBodyScale = 0.5f;

void ReadAssigned(QV_IOF_Virtual& archive, UINTSclaleTo<float>& param) {
    uint32_t value = param.Value();
    archive.ReadUInt(value);
    param.Assign(value, nullptr);
}
}  // namespace

QV_ButterflyConstructor::QV_ButterflyConstructor()
    : bodyImageLink_(builtin::Link(builtin::kBorderPicture)), bodyMeshLink_(builtin::Link(builtin::kButterflyBody)) {
    Size().SetSilently(kDefaultSize);
    MeshLink().SetSilently(builtin::Link(builtin::kButterflyWing));
    keptValue1_.Assign(kDefaultKeptValue, nullptr);
    keptValue2_.Assign(kDefaultKeptValue, nullptr);
}

void QV_ButterflyConstructor::Save(QV_IOF_Virtual& archive) {
    archive.WriteSectionHead(L"QV_ButterflyConstructor", int32_t(kRecordVersion));
    bodyImageLink_.Save(archive);
    bodyMeshLink_.Save(archive);
    WriteUIntParam(archive, keptValue1_);
    WriteUIntParam(archive, keptValue2_);
    archive.WriteFloat(wingScale_);
    QV_3D_Obj_Ctrl::Save(archive);
}

void QV_ButterflyConstructor::Load(QV_IOF_Virtual& archive, uint32_t version) {
    bodyImageLink_.Load(archive);
    bodyMeshLink_.Load(archive);
    ReadAssigned(archive, keptValue1_);
    ReadAssigned(archive, keptValue2_);
    if (version >= 2) archive.ReadFloat(wingScale_);
    wingScale_ = WithinOrDefault(wingScale_, kMaxWingScale, kDefaultWingScale);
    LoadWithTag(archive);
}

void QV_ButterflyConstructor::SetupMeshes(std::vector<MeshBatch>& batches) {
    batches.assign(2, MeshBatch());
    LoadMeshBatch(bodyImageLink_, batches[0], bodyMeshLink_);
    LoadMeshBatch(ImageLink(), batches[1], MeshLink());
    batches[1].SetTransparent(true);
}

void QV_ButterflyConstructor::RebuildDrawLists(const std::vector<OwnedFrameTree>& instances,
                                               std::vector<MeshBatch>& batches) {
    DrawRootsAndChildren(instances, batches);
}

QV_Frame* QV_ButterflyConstructor::CreateInstance() {
    OwnedFrameTree body(new QV_Frame);
    body->local = Scaling(kBodyScale, kBodyScale, kBodyScale) * RotationY(90.0f);
    auto butterfly = std::make_shared<AC_Butterfly>(*this);
    for (int i = 0; i < 2; ++i) {
        auto* wing = new QV_Frame;
        wing->local = Scaling(wingScale_, wingScale_, wingScale_);
        wing->animation = butterfly->Wing(i);
        body->children.push_back(wing);
    }
    body->animation = std::move(butterfly);
    return body.release();
}
