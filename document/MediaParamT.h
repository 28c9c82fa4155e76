#pragma once
// Typed parameters: MediaParamTB holds the value; MediaParamT adds the undo control, which is
// always its first observer.
#include <windows.h>
#include <d3dx9math.h>
#include <string>

#include "document/MediaControl.h"
#include "document/MediaParam.h"
#include "document/UndoHistory.h"

// The zero of each value type (the vector's own default constructor leaves it unset).
template <class T>
T ZeroParamValue() { return T{}; }
template <>
inline D3DXVECTOR3 ZeroParamValue<D3DXVECTOR3>() { return D3DXVECTOR3(0.0f, 0.0f, 0.0f); }

// Whether an assignment changes the value (vectors and points: any component differs).
template <class T>
bool ParamValuesDiffer(const T& a, const T& b) { return a != b; }
inline bool ParamValuesDiffer(const D3DXVECTOR3& a, const D3DXVECTOR3& b) {
    return a.x != b.x || a.y != b.y || a.z != b.z;
}
inline bool ParamValuesDiffer(const POINT& a, const POINT& b) { return a.x != b.x || a.y != b.y; }

template <class T>
class MediaParamTB : public MediaParam {
public:
    MediaParamTB() : value_(ZeroParamValue<T>()) {}
    explicit MediaParamTB(const T& value) : value_(value) {}
    MediaParamTB(const MediaParamTB& other) : MediaParam(other), value_(other.value_) {}

    const T& Value() const { return value_; }

    // The one way values change at run time: a different value is stored and every observer
    // but `source` hears of it; an equal value changes nothing.
    void Assign(const T& value, MediaControl* source) {
        if (!ParamValuesDiffer(value, value_)) return;
        value_ = value;
        NotifyChanged(source);
    }
    // Stores a value as the document holds it, telling nobody.
    void SetSilently(const T& value) { value_ = value; }

private:
    T value_;
};

template <class T>
class MediaParamT;

template <class T>
class UndoCtrlT : public UndoCtrl {
public:
    explicit UndoCtrlT(MediaParamT<T>* owner) : copy_(owner->Value()), owner_(owner) {}

    void OnOwnerDestroyed() override { owner_ = nullptr; }
    bool QueryState() override { return false; }
    void OnParamChanged(MediaControl*) override {
        if (owner_) copy_ = owner_->Value();
    }
    virtual void Undo() {
        if (history_.StepOlder(copy_)) AssignCopyToOwner();
    }
    virtual void Redo() {
        if (history_.StepNewer(copy_)) AssignCopyToOwner();
    }
    virtual void Commit() { history_.Commit(copy_); }

    const T& Copy() const { return copy_; }
    size_t HistorySize() const { return history_.Size(); }

private:
    void AssignCopyToOwner() {
        if (owner_) owner_->Assign(copy_, this);
    }

    T copy_;
    MediaParamT<T>* owner_;
    UndoHistory<T> history_;
};

template <class T>
class MediaParamT : public MediaParamTB<T> {
public:
    MediaParamT() : undo_(this) { this->Attach(&undo_); }
    explicit MediaParamT(const T& value) : MediaParamTB<T>(value), undo_(this) {
        this->Attach(&undo_);
    }
    // The copy has the value only: a fresh history and none of the source's observers.
    MediaParamT(const MediaParamT& other) : MediaParamTB<T>(other), undo_(this) {
        this->Attach(&undo_);
    }
    ~MediaParamT() override {
        // The undo control goes first; it must not be told of its owner's end afterwards.
        this->Detach(&undo_);
    }

    UndoCtrlT<T>& UndoControl() { return undo_; }

private:
    UndoCtrlT<T> undo_;
};
