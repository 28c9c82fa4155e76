#include "document/QV_ViewObjCtrl.h"

#include <algorithm>
#include <cmath>

#include "document/NumericHelpers.h"
#include "document/FieldArchive.h"
#include "document/SharedRandom.h"
#include "document/PictureLayout.h"
#include "document/ScreenQuad.h"

namespace {
constexpr float kTimeScaleUnit = 0.02f;

float PictureWidth() { return float(CurrentPictureLayout().pictureWidth); }
float PictureHeight() { return float(CurrentPictureLayout().pictureHeight); }

// The whole pixel a relative side falls on.
int ToPixel(float relative, float size) { return TruncateToInt(relative * size); }

// A pixel side as a fraction of the picture; without a picture size it stays as it is.
void SetRelativeSide(float& relative, int pixel, float size) {
    if (size != 0.0f) relative = float(pixel) / size;
}
}  // namespace

QV_ViewObjCtrl::QV_ViewObjCtrl() { BindRectangle(); }

void QV_ViewObjCtrl::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_ViewObjCtrl::GetScreenQuad(ScreenQuad& quad) {
    float left = GetLeftPx();
    float right = GetRightPx();
    float top = GetTopPx();
    float bottom = GetBottomPx();
    quad = ScreenQuad{};
    quad.corners[ScreenQuad::kBottomLeft].x = left;
    quad.corners[ScreenQuad::kBottomLeft].y = bottom;
    quad.corners[ScreenQuad::kTopLeft].x = left;
    quad.corners[ScreenQuad::kTopLeft].y = top;
    quad.corners[ScreenQuad::kBottomRight].x = right;
    quad.corners[ScreenQuad::kBottomRight].y = bottom;
    quad.corners[ScreenQuad::kTopRight].x = right;
    quad.corners[ScreenQuad::kTopRight].y = top;
}

bool QV_ViewObjCtrl::HitTest(float, float) { return false; }

void QV_ViewObjCtrl::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_ViewObjCtrl", kSectionVersion)); }

void QV_ViewObjCtrl::Fields(FieldArchive ar) {
    rectangle_.Fields(ar);
    for (float* side : {&relative_.left, &relative_.right, &relative_.top, &relative_.bottom}) ar.Value(*side);
    bool flag = flag_ != 0;
    ar.Value(flag);
    flag_ = flag ? 1 : 0;
    if (ar.Version() > 1) ar.Param(timeScale_);
    QV_ABObj_Constructor::TaggedFields(ar);
}

void QV_ViewObjCtrl::BindRectangle() {
    SyncPixelRect();
    observers_.SetTarget(this);
    ConnectParamObserver(observers_, &QV_ViewObjCtrl::OnLeftChanged, rectangle_.left);
    ConnectParamObserver(observers_, &QV_ViewObjCtrl::OnRightChanged, rectangle_.right);
    ConnectParamObserver(observers_, &QV_ViewObjCtrl::OnTopChanged, rectangle_.top);
    ConnectParamObserver(observers_, &QV_ViewObjCtrl::OnBottomChanged, rectangle_.bottom);
}

void QV_ViewObjCtrl::SyncPixelRect() {
    float width = PictureWidth();
    float height = PictureHeight();
    rectangle_.left.Assign(ToPixel(relative_.left, width), nullptr);
    rectangle_.right.Assign(ToPixel(relative_.right, width), nullptr);
    rectangle_.top.Assign(ToPixel(relative_.top, height), nullptr);
    rectangle_.bottom.Assign(ToPixel(relative_.bottom, height), nullptr);
}

void QV_ViewObjCtrl::OnLeftChanged(int pixel) { SetRelativeSide(relative_.left, pixel, PictureWidth()); }

void QV_ViewObjCtrl::OnRightChanged(int pixel) {
    SetRelativeSide(relative_.right, pixel, PictureWidth());
}

void QV_ViewObjCtrl::OnTopChanged(int pixel) { SetRelativeSide(relative_.top, pixel, PictureHeight()); }

void QV_ViewObjCtrl::OnBottomChanged(int pixel) {
    SetRelativeSide(relative_.bottom, pixel, PictureHeight());
}

float QV_ViewObjCtrl::GetLeftPx() const { return relative_.left * PictureWidth(); }

float QV_ViewObjCtrl::GetRightPx() const { return relative_.right * PictureWidth(); }

float QV_ViewObjCtrl::GetTopPx() const { return relative_.top * PictureHeight(); }

float QV_ViewObjCtrl::GetBottomPx() const { return relative_.bottom * PictureHeight(); }

PixelSides QV_ViewObjCtrl::GetPixelSides() const {
    const float width = PictureWidth(), height = PictureHeight();
    return {relative_.left * width, relative_.right * width, relative_.top * height, relative_.bottom * height};
}

D3DXVECTOR3 QV_ViewObjCtrl::RandomPointInRect() const {
    float left = GetLeftPx();
    float right = GetRightPx();
    float top = GetTopPx();
    float bottom = GetBottomPx();
    float x = left + SharedRandom::NextUnit() * (right - left);
    float y = top + SharedRandom::NextUnit() * (bottom - top);
    return D3DXVECTOR3(x, y, 0.0f);
}

D3DXVECTOR3 QV_ViewObjCtrl::RandomPointInRectInset(float halfWidth, float halfHeight) const {
    float left = GetLeftPx() + halfWidth;
    float right = GetRightPx() - halfWidth;
    float top = GetTopPx() + halfHeight;
    float bottom = GetBottomPx() - halfHeight;
    float x = left + SharedRandom::NextUnit() * (right - left);
    float y = top + SharedRandom::NextUnit() * (bottom - top);
    return D3DXVECTOR3(x, y, 0.0f);
}

void QV_ViewObjCtrl::StepTime(float t) {
    float step = std::fabs(t - clock_.lastTime);
    clock_.shortStep = std::min(step, kMaxShortStep);
    clock_.scaledStep = std::min(step, kMaxScaledStep) * (float(timeScale_.Value()) * kTimeScaleUnit);
    clock_.scaledTime = clock_.scaledTime + clock_.scaledStep;
    clock_.lastTime = t;
}
