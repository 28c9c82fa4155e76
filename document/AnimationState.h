#pragma once
// The states of a time line's random cycle. The visible state is the base of the others.
class QV_TimeLineControl;

class AnimationState {
public:
    enum Code { kVisible = 0, kHidden = 1, kFadingIn = 2, kFadingOut = 3 };

    virtual ~AnimationState() = default;
    virtual float Opacity(float t) const;
    // Becomes the current state at time t and sets its end.
    virtual void Enter(float t, const QV_TimeLineControl& timeLine);
    virtual int StateCode() const { return kVisible; }

    float End() const { return end_; }
    void ClearEnd() { end_ = 0.0f; }

protected:
    float end_ = 0.0f;
};

class AnimationState_Invisible : public AnimationState {
public:
    float Opacity(float t) const override;
    void Enter(float t, const QV_TimeLineControl& timeLine) override;
    int StateCode() const override { return kHidden; }
};

// A fade from start to end; a fade of no length counts as complete.
class AnimationState_FadeIn : public AnimationState {
public:
    float Opacity(float t) const override;
    void Enter(float t, const QV_TimeLineControl& timeLine) override;
    int StateCode() const override { return kFadingIn; }

private:
    float start_ = 0.0f;
};

class AnimationState_FadeOut : public AnimationState {
public:
    float Opacity(float t) const override;
    void Enter(float t, const QV_TimeLineControl& timeLine) override;
    int StateCode() const override { return kFadingOut; }

private:
    float start_ = 0.0f;
};
