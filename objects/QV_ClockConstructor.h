#pragma once
// Analogue clocks that show the local time: a dial placed by the clock's own rectangle with
// an hour and a minute hand. The base's image link is the dial picture, its mesh link the
// flat disc of dial and hands, its size the clock's side in pixels.
#include "document/FreshOnCopy.h"
#include "document/MediaRectangle.h"
#include "objects/QV_3D_Obj_Ctrl.h"

class QV_ClockConstructor : public QV_3D_Obj_Ctrl {
public:
    static constexpr uint32_t kRecordVersion = 1;

    // Disc 70, dial 71 and hands 72 of the built-in module; 400 pixels, centred on the
    // published picture.
    QV_ClockConstructor();
    // The copy has its own dial-picture hook and no batches yet.
    QV_ClockConstructor(const QV_ClockConstructor&) = default;

    void Save(QV_IOF_Virtual& archive) override;
    // The rectangle's corners: (left, bottom), (left, top), (right, bottom), (right, top).
    void GetScreenQuad(ScreenQuad& quad) override;
    // Whether a point in picture pixels lies inside the rectangle, bounds included.
    bool HitTest(float x, float y) override;
    // Batch 0 the dial, batch 1 the hands, both blended and two-sided.
    void SetupMeshes(std::vector<MeshBatch>& batches) override;
    // Dials at the roots, hands at their two child frames.
    void RebuildDrawLists(const std::vector<OwnedFrameTree>& instances, std::vector<MeshBatch>& batches) override;
    // A dial frame (AC_Static) with the hour and the minute hand (AC_ClockArrow).
    QV_Frame* CreateInstance() override;
    int GetKindFlag() override { return 1; }
    QV_3D_Obj_Ctrl* Clone() const override { return new QV_ClockConstructor(*this); }

    // The fields after the tag and version the dispatcher read.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    MediaRectangle& ClockRectangle() { return rectangle_; }
    QV_ImageFileLink& HandImageLink() { return handImageLink_; }

private:
    struct RuntimeBatches {
        std::vector<MeshBatch>* batches = nullptr;  // the runtime object's
    };

    void HookDialImage();
    // A new dial picture reloads the dial's batch once there is one.
    void OnDialImageChanged();

    MediaRectangle rectangle_;  // further values 1 and 2: the centre
    QV_ImageFileLink handImageLink_;
    FreshOnCopy<RuntimeBatches> runtime_;
    ParamObserverList<QV_ClockConstructor> hooks_{&QV_ClockConstructor::HookDialImage};
};
