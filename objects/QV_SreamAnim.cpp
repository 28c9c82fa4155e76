#include "objects/QV_SreamAnim.h"

#include <algorithm>
#include <cmath>

#include "document/SharedRandom.h"
#include "objects/Rotations.h"
#include "document/PictureLayout.h"
#include "player/QV_Frame.h"

float StreamAnimTime = 0.0f;

namespace {

constexpr float kMaxTimeStep = 0.2f;
constexpr float kPivotDistance = 50.0f;  // the swings turn the object about a point this far

bool Odd(int value) { return (value & 1) != 0; }
float Sign() { return Odd(SharedRandom::Next()) ? -1.0f : 1.0f; }

}  // namespace

void DriftStep(DriftState& s, const StreamAnimParams& params, float timeStep, float W, float H) {
    const float F = timeStep * s.speedFactor * float(params.speed.Value()) * 50.0f;
    const float J = s.sideways * float(params.wobble.Value()) * 0.02f;
    const DirectionVectors& d = params.direction;
    const float dy = F * (d.direction[1] + d.perpendicular[1] * J);
    const float dx = F * (d.direction[0] + d.perpendicular[0] * J);
    const float P = float(params.size.Value()) * 0.5f;
    if (dy > 0.0f && s.y > H + P) {
        s.x = RandomRange(0.0f, W);
        s.y = -P;
    } else if (dy < 0.0f && s.y < -P) {
        s.x = RandomRange(0.0f, W);
        s.y = H + P;
    } else if (dx > 0.0f && s.x > W + P) {
        s.x = -P;
        s.y = RandomRange(0.0f, H);
    } else if (dx < 0.0f && s.x < -P) {
        s.x = W + P;
        s.y = RandomRange(0.0f, H);
    } else {
        s.x += dx;
        s.y += dy;
    }
}

QV_SreamAnim::QV_SreamAnim(const StreamAnimParams& params) : params_(&params) {
    const PictureLayout& layout = CurrentPictureLayout();
    state_.x = SharedRandom::NextUnit() * float(layout.pictureWidth);
    state_.y = SharedRandom::NextUnit() * float(layout.pictureHeight);
    state_.sideways = SharedRandom::NextUnit() * 2.0f - 1.0f;
    state_.speedFactor = SharedRandom::NextUnit() * 0.06f + 0.07f;
}

D3DXMATRIX QV_SreamAnim::Position() const { return Translation(state_.x, state_.y, 0.0f); }

void QV_SreamAnim::Animate(QV_Frame&) {
    const float now = StreamAnimTime;
    timeStep_ = std::min(std::fabs(now - lastTime_), kMaxTimeStep);
    lastTime_ = now;
    const PictureLayout& layout = CurrentPictureLayout();
    DriftStep(state_, *params_, timeStep_, float(layout.pictureWidth), float(layout.pictureHeight));
    ChangeSideways(now);
}

void QV_SreamAnim::ChangeSideways(float now) {
    const unsigned int frequency = params_->wobbleFrequency.Value();
    if (frequency == 0) return;
    if ((now - lastSidewaysChange_) * float(params_->speed.Value()) * 0.1f <= 100.0f / float(frequency)) return;
    lastSidewaysChange_ = now;
    if (Odd(SharedRandom::Next())) state_.sideways = RandomRange(-1.0f, 1.0f);
}

QV_LeafFallAnim::QV_LeafFallAnim(const StreamAnimParams& params) : QV_SreamAnim(params) {
    for (Spin& spin : tumble_) {
        const float sign = Sign();
        spin.speed = sign * (SharedRandom::NextUnit() * 3.0f + 7.0f);
        spin.angle = spin.speed;
    }
    for (Spin& spin : swing_) {
        const bool on = Odd(SharedRandom::Next());
        const float sign = Sign();
        spin.speed = (SharedRandom::NextUnit() * 4.0f + 3.0f) * (on ? sign : 0.0f);
        spin.angle = spin.speed;
    }
}

float LeafScale(unsigned int size, float radius) {
    return float(size) * 0.5f / (radius > 0.0f ? radius : 1.0f);
}

void QV_LeafFallAnim::Animate(QV_Frame& frame) {
    QV_SreamAnim::Animate(frame);
    const float s = LeafScale(params_->size.Value(), frame.radius);
    const float dt = TimeStep();
    for (Spin& spin : tumble_) spin.angle += spin.speed * dt * float(params_->tumble.Value()) * 0.4f;
    for (Spin& spin : swing_) spin.angle += spin.speed * dt * float(params_->wobble.Value()) * 0.4f;
    const D3DXMATRIX m = Scaling(s, s, s) * RotationX(tumble_[0].angle) * RotationZ(tumble_[2].angle) *
                         RotationY(tumble_[1].angle) * Translation(0.0f, 0.0f, kPivotDistance) *
                         RotationY(swing_[0].angle) * RotationX(swing_[1].angle) * Position();
    frame.world = frame.local * m;
}
