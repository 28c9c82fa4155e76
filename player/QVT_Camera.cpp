#include "player/QVT_Camera.h"

#include <cmath>

#include "document/BuiltinResources.h"
#include "document/NumericHelpers.h"
#include "document/ParamArchive.h"
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

void QVT_Camera::Save(QV_IOF_Virtual& archive) {
    archive.WriteSectionHead(L"QVT_Camera", 2);
    WriteLongParam(archive, enabled);
    WriteUIntParam(archive, zoom);
    WriteUIntParam(archive, speed);
    borderLink.Save(archive);
}

void QVT_Camera::Load(QV_IOF_Virtual& archive, uint32_t version) {
    ReadLongParam(archive, enabled);
    // Zoom and speed are set with notification, so their results follow.
    ReadUIntParamNotified(archive, zoom);
    ReadUIntParamNotified(archive, speed);
    if (version >= 2) borderLink.Load(archive);
}

QVT_Camera* QVT_Camera::Read(QV_IOF_Virtual& archive) {
    const uint32_t version = archive.ReadSectionHead();
    auto* camera = new QVT_Camera;
    camera->Load(archive, version);
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
