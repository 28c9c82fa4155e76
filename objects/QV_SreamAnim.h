#pragma once
// Drift controllers of falling 3D objects: QV_SreamAnim moves one object across the picture
// in the stream's direction with a sideways wobble and brings it back in at the opposite edge;
// QV_LeafFallAnim adds tumbling and swinging and writes the frame's world matrix.
#include <d3dx9math.h>

#include "objects/StreamAnimParams.h"
#include "player/QV_AnimationBase.h"

// The time every drifting object reads, set by its runtime object's update (seconds).
extern float StreamAnimTime;

// Where one object is, in picture pixels with y downward, and its own factors.
struct DriftState {
    float x = 0.0f;
    float y = 0.0f;
    float sideways = 0.0f;     // -1 to 1: share of the wobble toward the perpendicular
    float speedFactor = 0.1f;  // 0.07 to 0.13
};

// One step of timeStep seconds: an object past an edge (by more than half its size) in the
// direction it moves re-enters at the opposite edge at a random place along it and does not
// move in that step; otherwise it moves speed × 50 × speedFactor pixels a second.
void DriftStep(DriftState& state, const StreamAnimParams& params, float timeStep, float width, float height);

class QV_SreamAnim : public QV_AnimationBase {
public:
    // A random place on the picture, sideways factor and speed factor, in that order of draws.
    explicit QV_SreamAnim(const StreamAnimParams& params);

    // Moves the object by the time since its last step (at most 0.2 s); the frame is the
    // subclass's to write.
    void Animate(QV_Frame& frame) override;

    DriftState& State() { return state_; }
    const DriftState& State() const { return state_; }
    float TimeStep() const { return timeStep_; }
    // The translation to the object's place.
    D3DXMATRIX Position() const;

protected:
    const StreamAnimParams* params_;

private:
    // Now and then, as often as the wobble frequency says, maybe a new sideways factor.
    void ChangeSideways(float now);

    DriftState state_;
    float lastSidewaysChange_ = 0.0f;
    float lastTime_ = 0.0f;
    float timeStep_ = 0.0f;
};

class QV_LeafFallAnim : public QV_SreamAnim {
public:
    // After the base's draws: three tumble speeds of ±7 to ±10, two swing speeds of 0 or ±3
    // to ±7 (degrees per unit); each angle starts at its speed.
    explicit QV_LeafFallAnim(const StreamAnimParams& params);

    // Drifts, turns the tumble and swing angles, and scales the mesh so that its bounding
    // sphere is the stream's size across.
    void Animate(QV_Frame& frame) override;

    struct Spin {
        float speed = 0.0f;
        float angle = 0.0f;
    };
    const Spin& Tumble(int i) const { return tumble_[i]; }
    const Spin& Swing(int i) const { return swing_[i]; }

private:
    Spin tumble_[3];
    Spin swing_[2];
};

// Size / 2 over the bounding radius: the mesh is `size` across. A radius that is not
// positive counts as 1, so a degenerate mesh still gets a finite scale.
float LeafScale(unsigned int size, float radius);
