#include "objects/QV_3D_Obj_Ctrl.h"

#include <algorithm>

#include "document/ParamArchive.h"
#include "document/QV_DocResManager.h"
#include "document/QV_IOF_Virtual.h"
#include "objects/QV_3DObjArray.h"

QV_3D_Obj_Ctrl::QV_3D_Obj_Ctrl(const QV_3D_Obj_Ctrl& other) = default;

void QV_3D_Obj_Ctrl::Save(QV_IOF_Virtual& archive) {
    archive.WriteSectionHead(L"QV_3D_Obj_Ctrl", int32_t(kSectionVersion));
    WriteUIntParam(archive, count_);
    WriteUIntParam(archive, size_);
    imageLink_.Save(archive);
    meshLink_.Save(archive);
    QV_ViewObjCtrl::Save(archive);
}

QV_ABObj* QV_3D_Obj_Ctrl::CreateObject() { return new QV_3DObjArray(Clone()); }

void QV_3D_Obj_Ctrl::RebuildDrawLists(const std::vector<OwnedFrameTree>&, std::vector<MeshBatch>&) {}

void QV_3D_Obj_Ctrl::LoadWithTag(QV_IOF_Virtual& archive) {
    archive.ReadSectionHead();
    ReadUIntParam(archive, count_);
    count_.SetSilently(archive.GrantEntries(std::min(count_.Value(), kMaxMeshInstances)));
    ReadUIntParam(archive, size_);
    size_.SetSilently(std::min(size_.Value(), kMaxMeshSize));
    imageLink_.Load(archive);
    meshLink_.Load(archive);
    QV_ViewObjCtrl::LoadWithTag(archive);
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
