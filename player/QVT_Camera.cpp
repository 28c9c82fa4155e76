#include "player/QVT_Camera.h"

#include <cmath>

#include "document/BuiltinResources.h"
#include "document/NumericHelpers.h"
#include "document/FieldArchive.h"
#include "document/SharedRandom.h"
#include "player/PictureView.h"

QVT_Camera::QVT_Camera() : borderLink(builtin::Link(builtin::kBorderPicture)) {
    zoom.SetScaled(120, 0.01f);
    speed.SetScaled(50, 0.02f);
}

QVT_Camera& QVT_Camera::operator=(const QVT_Camera& other) {
    if (this == &other) return *this;
    enabled.Assign(other.enabled.Value(), nullptr);
    zoom.CopyFrom(other.zoom);
    speed.CopyFrom(other.speed);
    mode.SetSilently(other.mode.Value());
    borderLink.SetSilently(other.borderLink.Value());
    startX = other.startX, targetX = other.targetX, startY = other.startY, targetY = other.targetY;
    t0 = other.t0, t1 = other.t1;
    return *this;
}

void QVT_Camera::Load(QV_IOF_Virtual& archive, uint32_t version) { Fields(FieldArchive::Reader(archive, version)); }

void QVT_Camera::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QVT_Camera::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QVT_Camera", kRecordVersion)); }

void QVT_Camera::Fields(FieldArchive ar) {
    ar.Param(enabled);
    // Zoom and speed are set with notification, so their results follow.
    ar.Notified(zoom);
    ar.Notified(speed);
    if (ar.Version() >= 2) borderLink.Fields(ar);
}

QVT_Camera* QVT_Camera::Read(QV_IOF_Virtual& archive) {
    auto* camera = new QVT_Camera;
    camera->TaggedFields(FieldArchive::Reader(archive, 0));
    return camera;
}

void QVT_Camera::FrameMove(float t) {
    speed.Advance(t);
    const float c = speed.Time();
    float z = 1, px = 0, py = 0;
    if (enabled.Value() != 0 && mode.Value() == 1) {
        if (c >= t1) PickTarget(c);
        z = zoom.Result();
        const float f = (1 - std::cos((c - t0) * kSinglePi / (t1 - t0))) / 2;
        px = startX + f * (targetX - startX);
        py = startY + f * (targetY - startY);
    }
    GetPictureView().SetZoomAndPan(z, px, py);
}

void QVT_Camera::PickTarget(float now) {
    t0 = now;
    startX = targetX;
    startY = targetY;
    if (SharedRandom::Next() % 2 == 0) {
        t1 = t0 + 0.5f;  // rest where it is
        return;
    }
    targetX = SharedRandom::NextUnit() * 2 - 1;
    targetY = SharedRandom::NextUnit() * 2 - 1;
    t1 = t0 + 5 + SharedRandom::NextUnit() * 2;
}

bool QVT_Camera::Start() {
    const bool wasRunning = IsRunning();
    mode.SetSilently(1);
    startX = targetX = startY = targetY = t0 = t1 = 0;
    return wasRunning;
}
