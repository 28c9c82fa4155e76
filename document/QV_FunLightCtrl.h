#pragma once
// Observers that bind a parameter change to a member function of the owning object.
#include "document/MediaControl.h"
#include "document/MediaParamT.h"

// Calls target->member(current value) on every change of its parameter.
template <class T, class C>
class QV_FunLightCtrl : public MediaControlT<MediaParamTB<T>> {
public:
    using Member = void (C::*)(T);

    QV_FunLightCtrl(Member member, C* target) : member_(member), target_(target) {}

    void OnParamChanged(MediaControl*) override {
        if (this->owner_) (target_->*member_)(this->owner_->Value());
    }

private:
    Member member_;
    C* target_;
};

// Calls target->member() on every change of any kind of parameter.
template <class C>
class QV_FunLightCtrl2 : public MediaControl {
public:
    using Member = void (C::*)();

    QV_FunLightCtrl2(Member member, C* target, MediaParam* owner)
        : member_(member), target_(target), owner_(owner) {
        owner_->Attach(this);
    }
    ~QV_FunLightCtrl2() override {
        if (owner_) owner_->Detach(this);
    }

    void OnOwnerDestroyed() override { owner_ = nullptr; }
    void OnParamChanged(MediaControl*) override { (target_->*member_)(); }

private:
    Member member_;
    C* target_;
    MediaParam* owner_;
};
