#pragma once
// Observers of animatable parameters. The slot order is shared by every observer of the
// system: destructor, OnOwnerDestroyed, QueryState, OnParamChanged.
class MediaControl {
public:
    MediaControl() = default;
    MediaControl(const MediaControl&) = delete;
    MediaControl& operator=(const MediaControl&) = delete;
    virtual ~MediaControl() = default;

    // The observed parameter is going away: forget it, so the destructor does not touch it.
    virtual void OnOwnerDestroyed() {}
    virtual bool QueryState() { return false; }
    // The parameter changed; `source` is the control that caused it (never this one).
    virtual void OnParamChanged(MediaControl* source) = 0;
};

// An observer bound to one owner parameter, which it leaves when destroyed first.
template <class P>
class MediaControlT : public MediaControl {
public:
    MediaControlT() = default;
    ~MediaControlT() override {
        if (owner_) owner_->Detach(this);
    }

    void OnOwnerDestroyed() override { owner_ = nullptr; }
    void OnParamChanged(MediaControl*) override {}

    // Binds to `owner` and joins the end of its observer list.
    void AttachTo(P* owner) {
        owner_ = owner;
        owner_->Attach(this);
    }
    P* Owner() const { return owner_; }

protected:
    P* owner_ = nullptr;
};

// Base of the undo controls: the authoring tool's history, kept but never driven here.
class UndoCtrl : public MediaControl {};
