#include "objects/QV_3D_Obj_Ctrl.h"

#include <algorithm>

#include "document/FieldArchive.h"
#include "document/QV_DocResManager.h"
#include "document/QV_IOF_Virtual.h"
#include "objects/QV_3DObjArray.h"

void QV_3D_Obj_Ctrl::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

QV_ABObj* QV_3D_Obj_Ctrl::CreateObject() { return new QV_3DObjArray(Clone()); }

void QV_3D_Obj_Ctrl::RebuildDrawLists(const std::vector<OwnedFrameTree>&, std::vector<MeshBatch>&) {}

void QV_3D_Obj_Ctrl::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_3D_Obj_Ctrl", kSectionVersion)); }

void QV_3D_Obj_Ctrl::Fields(FieldArchive ar) {
    ar.Param(count_);
    if (ar.Reading()) count_.SetSilently(ar.Archive().GrantEntries(std::min(count_.Value(), kMaxMeshInstances)));
    ar.Param(size_);
    if (ar.Reading()) size_.SetSilently(std::min(size_.Value(), kMaxMeshSize));
    imageLink_.Fields(ar);
    meshLink_.Fields(ar);
    QV_ViewObjCtrl::TaggedFields(ar);
}

void QV_3D_Obj_Ctrl::DrawRootsAndChildren(const std::vector<OwnedFrameTree>& instances,
                                          std::vector<MeshBatch>& batches) {
    if (batches.size() < 2) return;
    batches[0].drawList.clear();
    batches[1].drawList.clear();
    for (const OwnedFrameTree& root : instances) {
        for (QV_Frame* child : root->children) batches[1].drawList.push_back(child);
        batches[0].drawList.push_back(root.get());
    }
}

void LoadMeshBatch(const QV_ImageFileLink& imageLink, MeshBatch& batch, const QV_MeshFile& meshLink) {
    batch.texture.Reset();
    if (!CurrentDocResManager) return;
    batch.texture = CurrentFrameOfLink(imageLink.Value());
    TakeMeshEntry(batch, CurrentDocResManager->GetMesh(meshLink.Value(), sizeof(MeshVertex)));
}
