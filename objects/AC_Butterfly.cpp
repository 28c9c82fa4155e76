#include "objects/AC_Butterfly.h"

#include <cmath>

#include "document/SharedRandom.h"
#include "objects/QV_ButterflyConstructor.h"
#include "objects/Rotations.h"
#include "document/PictureLayout.h"
#include "player/QV_Frame.h"

namespace {

constexpr float kTiltDegrees = 10.0f;
constexpr float kSlowPitchDegrees = 15.0f;  // at forward speed 0
constexpr float kFullSpeed = 100.0f;        // no pitch from here up
constexpr float kBankDegrees = 25.0f;
constexpr float kHeadingTolerance = 5.0f;
constexpr float kFlapDegreesPerRate = 7.0f;
constexpr float kFlapUpRate = 100.0f;
constexpr float kFlapDownRate = -160.0f;
constexpr float kBehaviourInterval = 0.25f;

}  // namespace

void AC_ButterflyWing::Animate(QV_Frame& frame) {
    frame.world = frame.local * wing;
    frame.counterClockwise = counterClockwise;
}

AC_Butterfly::AC_Butterfly(QV_ButterflyConstructor& description) : description_(&description) {
    wings_[0] = std::make_shared<AC_ButterflyWing>();
    wings_[1] = std::make_shared<AC_ButterflyWing>();
    flight_.position = description.RandomPointInRect();
    const float heading = RandomRange(0.0f, 360.0f);
    flight_.heading.value = flight_.heading.target = heading;
    tilt_ = RotationX(kTiltDegrees);
    mirror_ = Scaling(-1.0f, 1.0f, 1.0f);
    observers_.SetTarget(this);
    ConnectParamObserver(observers_, &AC_Butterfly::OnSizeChanged, description.Size());
}

void AC_Butterfly::OnSizeChanged(unsigned int size) {
    const float scale = float(size) / 100.0f;
    size_ = Scaling(scale, scale, scale);
}

void AC_Butterfly::Animate(QV_Frame& frame) {
    const float dt = description_->ScaledStep();
    D3DXMATRIX world = frame.local;
    Orient(world);
    Flap(dt);
    world = Translation(0.0f, -3.0f * flight_.flap / 45.0f, 0.0f) * world;
    SetWingMatrices();
    Move(dt);
    world = world * Translation(flight_.position.x, flight_.position.y, flight_.position.z);
    StepSpeeds(dt);
    SteerFromEdges();
    ChooseBehaviour(description_->ScaledTime());
    frame.world = size_ * world;
}

void AC_Butterfly::Orient(D3DXMATRIX& world) {
    world = RotationY(flight_.heading.value) * world;
    const float error = flight_.heading.value - flight_.heading.target;
    if (error < -kHeadingTolerance)
        flight_.bank.SetTarget(kBankDegrees);
    else if (error > kHeadingTolerance)
        flight_.bank.SetTarget(-kBankDegrees);
    const float speed = flight_.forwardSpeed.value;
    if (speed < kFullSpeed) world = RotationX((1.0f - speed / kFullSpeed) * kSlowPitchDegrees) * world;
    world = tilt_ * world;
    world = RotationZ(flight_.bank.value) * world;
    if (flight_.bank.Reached()) flight_.bank.SetTarget(0.0f);
}

void AC_Butterfly::Flap(float dt) {
    flight_.flap += dt * kFlapDegreesPerRate * flight_.flapRate;
    if (flight_.flap > flight_.flapMax) flight_.flapRate = kFlapDownRate;
    if (flight_.flap < flight_.flapMin) flight_.flapRate = kFlapUpRate;
}

void AC_Butterfly::SetWingMatrices() {
    const D3DXMATRIX flap = RotationZ(flight_.flap);
    wings_[0]->wing = flap;
    wings_[1]->wing = flap * mirror_;
    wings_[0]->counterClockwise = flight_.flap > 0.0f ? 1 : 0;
    wings_[1]->counterClockwise = flight_.flap < 0.0f ? 1 : 0;
}

void AC_Butterfly::Move(float dt) {
    // Only the heading's cosine moves the butterfly sideways: the turn shows in the body.
    const D3DXVECTOR3 forward(flight_.forwardSpeed.value, 0.0f, 0.0f);
    const D3DXMATRIX heading = RotationY(flight_.heading.value);
    D3DXVECTOR3 velocity;
    D3DXVec3TransformCoord(&velocity, &forward, &heading);
    velocity.y = flight_.verticalSpeed.value;
    flight_.position += dt * velocity;
    flight_.position.z = 0.0f;
}

void AC_Butterfly::StepSpeeds(float dt) {
    flight_.verticalSpeed.Step(dt);
    flight_.bank.Step(dt);
    flight_.heading.Step(dt);
    flight_.forwardSpeed.Step(dt);
}

void AC_Butterfly::SteerFromEdges() {
    const PictureLayout& layout = CurrentPictureLayout();
    const float W = float(layout.pictureWidth), H = float(layout.pictureHeight);
    const QV_ViewObjCtrl::RelativeRect& area = description_->Relative();
    const D3DXVECTOR3& p = flight_.position;
    if (area.top * H > p.y) {
        flight_.behaviour = ButterflyFlight::kGliding;
        flight_.verticalSpeed.SetTarget(100.0f);
    } else if (area.bottom * H < p.y) {
        flight_.behaviour = ButterflyFlight::kFlapping;
        flight_.verticalSpeed.SetTarget(-190.0f);
    }
    if (area.left * W > p.x) {
        flight_.heading.SetTarget(0.0f, 350.0f);
        flight_.forwardSpeed.SetTarget(300.0f);
    } else if (area.right * W < p.x) {
        flight_.heading.SetTarget(-180.0f, 350.0f);
        flight_.forwardSpeed.SetTarget(300.0f);
    }
}

void AC_Butterfly::ChooseBehaviour(float time) {
    const int held = flight_.gliding ? ButterflyFlight::kGliding : ButterflyFlight::kFlapping;
    if (flight_.behaviour == held && time - flight_.lastBehaviourTime > kBehaviourInterval) {
        ChangeBehaviour();
        flight_.lastBehaviourTime = time;
    } else if (flight_.behaviour == ButterflyFlight::kGliding) {
        // The wings rise no more; once they have sunk they are held and sink slowly.
        flight_.flapMax = 0.0f;
        if (flight_.flap < flight_.flapMin * 0.5f) {
            flight_.gliding = true;
            flight_.flapRate = -std::fabs(flight_.flapRate) / 100.0f;
        }
    } else if (flight_.gliding) {
        flight_.gliding = false;
        flight_.flapMax = -flight_.flapMin;
        const float speed = flight_.forwardSpeed.value;
        flight_.flapRate = speed > 20.0f ? RandomRange(-160.0f, speed / 3.0f - 50.0f) : 160.0f;
    }
}

void AC_Butterfly::ChangeBehaviour() {
    switch (SharedRandom::Next() % 5) {
        case 0:
            flight_.behaviour = ButterflyFlight::kFlapping;
            flight_.verticalSpeed.SetTarget(RandomRange(-190.0f, 0.0f));
            break;
        case 1:
            flight_.behaviour = ButterflyFlight::kGliding;
            flight_.verticalSpeed.SetTarget(RandomRange(100.0f, 150.0f));
            break;
        case 2:
            flight_.behaviour = ButterflyFlight::kFlapping;
            flight_.forwardSpeed.SetTarget(RandomRange(-25.0f, 300.0f));
            break;
        default:
            // A turn back or ahead, once the last turn is done.
            if (flight_.gliding || !flight_.heading.Reached()) break;
            const float rate = RandomRange(50.0f, 350.0f);
            const bool back = SharedRandom::Next() % 2 == 0;
            flight_.heading.SetTarget(back ? RandomRange(155.0f, 205.0f) : RandomRange(-25.0f, 25.0f), rate);
            break;
    }
}
