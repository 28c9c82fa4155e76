#pragma once
// Butterflies: a body mesh with two flapping wing frames per instance, flying inside the
// description's rectangle. The base's image and mesh links are the wing's; the size is in
// percent of the mesh.
#include "document/PictureHeader.h"
#include "document/UINTSclaleTo.h"
#include "objects/QV_3D_Obj_Ctrl.h"

class FieldArchive;

class QV_ButterflyConstructor : public QV_3D_Obj_Ctrl {
public:
    static constexpr uint32_t kRecordVersion = 2;
    // Past the longest extent that can show, a wing scale makes even a wing mesh one pixel
    // across longer than it.
    static constexpr float kMaxWingScale = kMaxShownExtent;
    static constexpr float kDefaultWingScale = 1.0f;

    // Body picture 6 and body mesh 68, wing mesh 69 of the built-in module; size 100.
    QV_ButterflyConstructor();
    QV_ButterflyConstructor(const QV_ButterflyConstructor&) = default;

    void Save(QV_IOF_Virtual& archive) override;
    // Batch 0 the body, batch 1 the wings (blended, two-sided).
    void SetupMeshes(std::vector<MeshBatch>& batches) override;
    // Bodies at the roots, wings at their two child frames.
    void RebuildDrawLists(const std::vector<OwnedFrameTree>& instances, std::vector<MeshBatch>& batches) override;
    // A body frame with an AC_Butterfly and two wing frames with its wing controllers.
    QV_Frame* CreateInstance() override;
    QV_3D_Obj_Ctrl* Clone() const override { return new QV_ButterflyConstructor(*this); }

    // The fields after the tag and version the dispatcher read; version 1 has no wing scale.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    QV_ImageFileLink& BodyImageLink() { return bodyImageLink_; }
    QV_MeshFile& BodyMeshLink() { return bodyMeshLink_; }
    // Stored and written back; nothing in the player steers by them.
    UINTSclaleTo<float>& KeptValue1() { return keptValue1_; }
    UINTSclaleTo<float>& KeptValue2() { return keptValue2_; }
    float WingScale() const { return wingScale_; }

private:
    QV_ImageFileLink bodyImageLink_;
    QV_MeshFile bodyMeshLink_;
    UINTSclaleTo<float> keptValue1_;
    UINTSclaleTo<float> keptValue2_;
    float wingScale_ = kDefaultWingScale;
};
