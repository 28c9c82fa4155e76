#pragma once
// What moves a frame: computes the frame's world matrix each update. The frame owns it.
class QV_Frame;

class QV_AnimationBase {
public:
    virtual ~QV_AnimationBase() = default;
    // The frame's world matrix before its parent's is multiplied in.
    virtual void Animate(QV_Frame& frame) = 0;
    virtual void SetTime(float t) { time = t; }

    float time = 0.0f;
};
