#pragma once
// One reference to a COM interface; Reset releases it and clears the pointer.
#include <unknwn.h>

template <class I>
class ComHolder {
public:
    ComHolder() = default;
    ComHolder(const ComHolder& other) : pointer_(other.pointer_) {
        if (pointer_) pointer_->AddRef();
    }
    ComHolder& operator=(const ComHolder& other) {
        if (other.pointer_ == pointer_) return *this;
        if (other.pointer_) other.pointer_->AddRef();
        Reset();
        pointer_ = other.pointer_;
        return *this;
    }
    ~ComHolder() { Reset(); }

    void Reset() {
        if (pointer_) pointer_->Release();
        pointer_ = nullptr;
    }
    // Takes over a reference the caller already owns (what a Create call hands out).
    void Attach(I* pointer) {
        Reset();
        pointer_ = pointer;
    }
    // For Create calls: releases the old reference and gives the slot to fill.
    I** Receive() {
        Reset();
        return &pointer_;
    }

    I* Get() const { return pointer_; }
    I* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }

private:
    I* pointer_ = nullptr;
};

// Releases the interface when the variable holds one, then clears it.
template <class I>
void SafeRelease(I*& pointer) {
    if (pointer) pointer->Release();
    pointer = nullptr;
}
