#pragma once
// The controllers of one butterfly: AC_Butterfly flies the body frame inside the description's
// rectangle (heading, speeds, bank, pitch, flapping and gliding, turning back at the edges)
// and sets the two AC_ButterflyWing controllers' flap matrices every frame.
#include <d3dx9math.h>

#include <memory>

#include "document/ParamObserverList.h"
#include "objects/ApproachValue.h"
#include "player/QV_AnimationBase.h"

class QV_ButterflyConstructor;

class AC_ButterflyWing : public QV_AnimationBase {
public:
    AC_ButterflyWing() { D3DXMatrixIdentity(&wing); }
    // world := local × wing; the frame takes the wing's winding.
    void Animate(QV_Frame& frame) override;

    D3DXMATRIX wing;
    unsigned char counterClockwise = 1;
};

// Angles in degrees, speeds in picture pixels per unit of the description's scaled time.
struct ButterflyFlight {
    enum Behaviour { kFlapping = 0, kGliding = 1 };

    float flap = 0.0f;
    float flapRate = 100.0f;  // × 7 degrees per unit
    float flapMax = 55.0f;
    float flapMin = -55.0f;
    D3DXVECTOR3 position{0.0f, 0.0f, 0.0f};  // y downward
    ApproachValue verticalSpeed{50.0f, 50.0f, 250.0f};
    ApproachValue heading{0.0f, 0.0f, 350.0f};
    ApproachValue bank{0.0f, 0.0f, 50.0f};
    ApproachValue forwardSpeed{50.0f, 50.0f, 350.0f};
    bool gliding = false;  // the wings are held: a change to gliding has taken effect
    int behaviour = kFlapping;
    float lastBehaviourTime = 0.0f;
};

class AC_Butterfly : public QV_AnimationBase {
public:
    // A random point of the description's rectangle and a random heading, in that order of
    // draws; the size matrix follows the description's size.
    explicit AC_Butterfly(QV_ButterflyConstructor& description);

    // One frame of flight with the description's scaled step and time.
    void Animate(QV_Frame& frame) override;
    void OnSizeChanged(unsigned int size);

    const std::shared_ptr<AC_ButterflyWing>& Wing(int i) const { return wings_[i]; }
    ButterflyFlight& Flight() { return flight_; }

private:
    // Heading, bank toward the turn, pitch when slow, tilt and bank roll, applied to W.
    void Orient(D3DXMATRIX& world);
    void Flap(float dt);
    void SetWingMatrices();
    void Move(float dt);
    void StepSpeeds(float dt);
    // Back into the rectangle: glide down from above, climb from below, turn from the sides.
    void SteerFromEdges();
    // A new behaviour at most every 0.25 units; the glide and flap changes in between.
    void ChooseBehaviour(float time);
    void ChangeBehaviour();

    QV_ButterflyConstructor* description_;
    std::shared_ptr<AC_ButterflyWing> wings_[2];
    ButterflyFlight flight_;
    D3DXMATRIX tilt_;
    D3DXMATRIX mirror_;
    D3DXMATRIX size_;
    ParamObserverList<AC_Butterfly> observers_;
};
