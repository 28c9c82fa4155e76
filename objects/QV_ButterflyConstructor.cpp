#include "objects/QV_ButterflyConstructor.h"

#include "document/BuiltinResources.h"
#include "document/NumericHelpers.h"
#include "document/FieldArchive.h"
#include "objects/AC_Butterfly.h"
#include "objects/Rotations.h"

namespace {
constexpr unsigned int kDefaultSize = 100;
constexpr unsigned int kDefaultKeptValue = 50;
constexpr float kBodyScale = 0.5f;
}  // namespace

QV_ButterflyConstructor::QV_ButterflyConstructor()
    : bodyImageLink_(builtin::Link(builtin::kBorderPicture)), bodyMeshLink_(builtin::Link(builtin::kButterflyBody)) {
    Size().SetSilently(kDefaultSize);
    MeshLink().SetSilently(builtin::Link(builtin::kButterflyWing));
    keptValue1_.Assign(kDefaultKeptValue, nullptr);
    keptValue2_.Assign(kDefaultKeptValue, nullptr);
}

void QV_ButterflyConstructor::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_ButterflyConstructor::Load(QV_IOF_Virtual& archive, uint32_t version) {
    Fields(FieldArchive::Reader(archive, version));
}

void QV_ButterflyConstructor::TaggedFields(FieldArchive outer) {
    Fields(outer.Section(L"QV_ButterflyConstructor", kRecordVersion));
}

void QV_ButterflyConstructor::Fields(FieldArchive ar) {
    bodyImageLink_.Fields(ar);
    bodyMeshLink_.Fields(ar);
    ar.Notified(keptValue1_);
    ar.Notified(keptValue2_);
    if (ar.Version() >= 2) ar.Value(wingScale_);
    if (ar.Reading()) wingScale_ = WithinOrDefault(wingScale_, kMaxWingScale, kDefaultWingScale);
    QV_3D_Obj_Ctrl::TaggedFields(ar);
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
