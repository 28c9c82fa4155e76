#include "objects/QV_3DObjArray.h"

#include "objects/QV_3D_Obj_Ctrl.h"
#include "player/QV_2D_Light.h"

QV_3DObjArray::QV_3DObjArray(QV_3D_Obj_Ctrl* description) : QV_ABObj(description), description_(description) {
    description_->SetupMeshes(batches_);
    observers_.SetTarget(this);
    ConnectParamObserver(observers_, &QV_3DObjArray::OnCountChanged, description_->Count());
}

QV_3DObjArray::~QV_3DObjArray() = default;

void QV_3DObjArray::OnCountChanged(unsigned int count) {
    while (instances_.size() < count) instances_.emplace_back(description_->CreateInstance());
    if (instances_.size() > count) instances_.erase(instances_.begin(), instances_.end() - count);
    description_->RebuildDrawLists(instances_, batches_);
}

void QV_3DObjArray::Update(float localTime) {
    description_->StepTime(localTime);
    for (OwnedFrameTree& root : instances_) root->UpdateWorld(nullptr);
}

void QV_3DObjArray::Render(QV_2D_Light& layer) {
    for (MeshBatch& batch : batches_) layer.DrawMeshInstances(batch);
}

bool QV_3DObjArray::HitTest(POINT point) { return description_->HitTest(float(point.x), float(point.y)); }
