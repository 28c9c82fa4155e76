#pragma once
// Base of the descriptions whose instances are small textured 3D meshes placed on the picture:
// how many, how large, the texture and mesh links, and the operations the runtime object
// asks for the batches and for each instance's frame tree.
#include <vector>

#include "document/QV_FileLink3.h"
#include "document/QV_ImageFileLink.h"
#include "document/QV_ViewObjCtrl.h"
#include "player/MeshBatch.h"
#include "player/QV_Frame.h"

class FieldArchive;

class QV_3D_Obj_Ctrl : public QV_ViewObjCtrl {
public:
    static constexpr uint32_t kSectionVersion = 1;

    // Count 1, size 50, empty links; the time scale stays at real time.
    QV_3D_Obj_Ctrl() = default;
    QV_3D_Obj_Ctrl(const QV_3D_Obj_Ctrl&) = default;

    void Save(QV_IOF_Virtual& archive) override;
    // A QV_3DObjArray over a Clone() of this description.
    QV_ABObj* CreateObject() override;
    virtual void SetupMeshes(std::vector<MeshBatch>& batches) = 0;
    // Puts each instance's frames into the batches' draw lists; the base puts none.
    virtual void RebuildDrawLists(const std::vector<OwnedFrameTree>& instances, std::vector<MeshBatch>& batches);
    // The frame tree of one instance, with its controllers.
    virtual QV_Frame* CreateInstance() = 0;
    virtual int GetKindFlag() { return 0; }
    virtual QV_3D_Obj_Ctrl* Clone() const = 0;

    // The section: tag, version, count and size (clamped, silently), the two links, then the
    // QV_ViewObjCtrl section.
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    MediaParamT<unsigned int>& Count() { return count_; }
    MediaParamT<unsigned int>& Size() { return size_; }
    QV_ImageFileLink& ImageLink() { return imageLink_; }
    QV_MeshFile& MeshLink() { return meshLink_; }

protected:
    // The draw lists of descriptions whose instance roots carry batch 0's mesh and whose
    // child frames carry batch 1's.
    static void DrawRootsAndChildren(const std::vector<OwnedFrameTree>& instances, std::vector<MeshBatch>& batches);

private:
    MediaParamT<unsigned int> count_{1};
    MediaParamT<unsigned int> size_{50};
    QV_ImageFileLink imageLink_;
    QV_MeshFile meshLink_;
};

// The batch's texture from the image link's set (its current frame; none without frames) and
// its mesh from the mesh link, both through CurrentDocResManager.
void LoadMeshBatch(const QV_ImageFileLink& imageLink, MeshBatch& batch, const QV_MeshFile& meshLink);
