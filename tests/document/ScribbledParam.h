#pragma once
// A parameter in storage that is scribbled over once it is destroyed, so that any later use
// of it through a stale pointer reads garbage pointers and crashes the test.
#include <cstring>
#include <new>

template <class P>
class ScribbledParam {
public:
    template <class... A>
    explicit ScribbledParam(A... args) { new (storage_) P(args...); }
    ~ScribbledParam() { Destroy(); }
    P& operator*() { return *reinterpret_cast<P*>(storage_); }
    void Destroy() {
        if (destroyed_) return;
        (**this).~P();
        std::memset(storage_, 0xDD, sizeof(storage_));
        destroyed_ = true;
    }

private:
    alignas(P) unsigned char storage_[sizeof(P)];
    bool destroyed_ = false;
};

