#pragma once
// The observers one object attaches to its own parameters. The list owns them; the target
// (whose members they call) is not owned. Deleting an observer takes it off its parameter,
// and a parameter that went first has already let go of it, so either may die first.
//
// A list made with its owner's bind function is the owner's one hook after a copy: a copied
// parameter has no observers, so the copied list runs the bind function for the copy, and the
// owner's copy constructor takes every other member as it is (it may be defaulted). The list
// is declared after every member the bind function reads or observes, so they are copied by
// then; the owner still runs the bind function itself once it is made.
#include <cstddef>
#include <memory>
#include <vector>

#include "document/QV_FunLightCtrl.h"

template <class C>
class ParamObserverList {
public:
    using Bind = void (C::*)();

    ParamObserverList() = default;
    explicit ParamObserverList(Bind bind) : bind_(bind) {}
    // Empty, then bound to the copy's owner: it lies in that owner where the source lies in
    // the source's.
    ParamObserverList(const ParamObserverList& other) : bind_(other.bind_) {
        if (!bind_ || !other.target_) return;
        const std::ptrdiff_t offset = reinterpret_cast<const char*>(&other) - reinterpret_cast<const char*>(other.target_);
        target_ = reinterpret_cast<C*>(reinterpret_cast<char*>(this) - offset);
        (target_->*bind_)();
    }
    ParamObserverList& operator=(const ParamObserverList&) = delete;

    void SetTarget(C* target) { target_ = target; }
    C* Target() const { return target_; }

    void Add(std::unique_ptr<MediaControl> observer) { observers_.push_back(std::move(observer)); }
    size_t Size() const { return observers_.size(); }

private:
    Bind bind_ = nullptr;
    C* target_ = nullptr;
    std::vector<std::unique_ptr<MediaControl>> observers_;
};

// Binds `member` of the list's target to `param`, runs it once with the current value and
// hands the observer to the list.
template <class T, class C>
void ConnectParamObserver(ParamObserverList<C>& list, void (C::*member)(T), MediaParamTB<T>& param) {
    auto observer = std::make_unique<QV_FunLightCtrl<T, C>>(member, list.Target());
    observer->AttachTo(&param);
    observer->OnParamChanged(nullptr);
    list.Add(std::move(observer));
}

// A change hook that calls `member` of the list's target; not run at once.
template <class C>
void HookParamChange(ParamObserverList<C>& list, void (C::*member)(), MediaParam& param) {
    list.Add(std::make_unique<QV_FunLightCtrl2<C>>(member, list.Target(), &param));
}
