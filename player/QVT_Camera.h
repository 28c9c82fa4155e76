#pragma once
// The slide camera: a slow random zoom and pan over the picture, eased between targets with
// a cosine and resting now and then. It also names the border picture.
#include "document/MediaParamT.h"
#include "document/MediaSpeedParam.h"
#include "document/QV_IOF_Item.h"
#include "document/QV_ImageFileLink.h"
#include "document/UINTSclaleTo.h"

class FieldArchive;

class QVT_Camera : public QV_IOF_Item {
public:
    static constexpr uint32_t kRecordVersion = 2;

    QVT_Camera();
    QVT_Camera(const QVT_Camera&) = delete;
    // Takes over another camera's settings and motion, observers notified.
    QVT_Camera& operator=(const QVT_Camera& other);

    void Save(QV_IOF_Virtual& archive) override;
    // The fields after tag and version.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);
    // A whole tagged camera record; the caller owns the result.
    static QVT_Camera* Read(QV_IOF_Virtual& archive);

    // One step at application time t: sets the picture view's zoom and pan.
    void FrameMove(float t);
    void PickTarget(float now);
    // Running, with the motion reset so that the next step picks a target at once; returns
    // whether it was running already.
    bool Start();
    bool IsRunning() const { return mode.Value() == 1; }

    MediaParamT<int> enabled;
    UINTSclaleTo<float> zoom;
    MediaSpeedParam speed;
    MediaParamTB<int> mode;
    QV_ImageFileLink borderLink;

    float startX = 0, targetX = 0, startY = 0, targetY = 0, t0 = 0, t1 = 0;
};
