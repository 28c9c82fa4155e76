#pragma once
// The runtime object of a 3D-mesh description: a list of instances, each a frame tree moved
// by its controllers, and the batches that draw one mesh at many of those frames.
#include <vector>

#include "document/ParamObserverList.h"
#include "document/QV_ABObj.h"
#include "player/MeshBatch.h"
#include "player/QV_Frame.h"

class QV_3D_Obj_Ctrl;

class QV_3DObjArray : public QV_ABObj {
public:
    // Takes ownership of the clone; its batches are set up and its count of instances made.
    explicit QV_3DObjArray(QV_3D_Obj_Ctrl* description);
    ~QV_3DObjArray() override;

    // Steps the description's scaled clock, then every instance's frame tree.
    void Update(float localTime) override;
    // Every batch in order, at the frames of its draw list.
    void Render(QV_2D_Light& layer) override;
    void Hook(void*, void*) override {}
    void OnScreenChanged() override {}
    bool HitTest(POINT point) override;

    // New instances join at the end; surplus ones leave from the front (the oldest first).
    void OnCountChanged(unsigned int count);

    const std::vector<OwnedFrameTree>& Instances() const { return instances_; }
    std::vector<MeshBatch>& Batches() { return batches_; }

private:
    QV_3D_Obj_Ctrl* description_;  // the clone the base owns
    // Declared so that they go in this order: instances (whose controllers observe the
    // description), batches, then the count observer.
    ParamObserverList<QV_3DObjArray> observers_;
    std::vector<MeshBatch> batches_;
    std::vector<OwnedFrameTree> instances_;
};
