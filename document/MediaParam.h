#pragma once
// Base of every animatable parameter: a list of observers (not owned) in attachment order.
#include <vector>

class MediaControl;

class MediaParam {
public:
    MediaParam() = default;
    // A copy starts without observers: they belong to the source's owner.
    MediaParam(const MediaParam&) {}
    MediaParam& operator=(const MediaParam&) = delete;
    // Tells every remaining observer that its owner is gone.
    virtual ~MediaParam();

    // The editor's chooser; nothing in the player calls it.
    virtual void Edit(void* context, MediaControl* source);

    // Calls OnParamChanged of every observer except `source`, in attachment order.
    void NotifyChanged(MediaControl* source);

    void Attach(MediaControl* observer) { observers_.push_back(observer); }
    void Detach(MediaControl* observer);
    const std::vector<MediaControl*>& Observers() const { return observers_; }

private:
    std::vector<MediaControl*> observers_;
};
