#pragma once
// What moves a frame: computes the frame's world matrix each update.
class QV_Frame;

class QV_AnimationBase {
public:
    virtual ~QV_AnimationBase() = default;
    virtual void ComputeWorld(QV_Frame& frame) = 0;
};
