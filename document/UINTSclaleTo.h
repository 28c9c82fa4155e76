#pragma once
// A stored unsigned value with a derived result, value × scale + offset, kept current by
// observing itself. Instances: float (rounded once from double precision) and unsigned char
// (the low 8 bits of the truncated sum, so a negative sum wraps).
#include "document/MediaControl.h"
#include "document/MediaParamT.h"

template <class T>
class UINTSclaleTo : public MediaParamT<unsigned int>,
                     public MediaControlT<MediaParamT<unsigned int>> {
public:
    UINTSclaleTo() {
        AttachTo(this);
        Recompute();
    }
    // Scale and offset first, then the value assigned, so the result follows the copy's own
    // rule and the copy observes itself, not the source.
    UINTSclaleTo(const UINTSclaleTo& other)
        : MediaParamT<unsigned int>(), scale_(other.scale_), offset_(other.offset_) {
        AttachTo(this);
        Recompute();
        Assign(other.Value(), nullptr);
    }
    // The observer part leaves the list before the parameter part is destroyed.

    void OnParamChanged(MediaControl*) override { Recompute(); }

    T Result() const { return result_; }
    float Scale() const { return scale_; }
    float Offset() const { return offset_; }
    // Owners set these after construction and then call OnParamChanged.
    void SetScale(float scale) { scale_ = scale; }
    void SetOffset(float offset) { offset_ = offset; }
    // Both at once, the result following.
    void SetRule(float scale, float offset = 0.0f) {
        scale_ = scale;
        offset_ = offset;
        Recompute();
    }
    // A value with its own rule, as owners set their defaults; observers are notified.
    void SetScaled(unsigned int value, float scale, float offset = 0.0f) {
        scale_ = scale;
        offset_ = offset;
        Assign(value, nullptr);
        Recompute();
    }
    // Another value's rule and value, observers notified of the value.
    void CopyFrom(const UINTSclaleTo& other) {
        scale_ = other.scale_;
        offset_ = other.offset_;
        Assign(other.Value(), nullptr);
        Recompute();
    }

    static T ScaleValue(unsigned int value, float scale, float offset);

private:
    void Recompute() { result_ = ScaleValue(Value(), scale_, offset_); }

    T result_{};
    float scale_ = 1.0f;
    float offset_ = 0.0f;
};

template <>
float UINTSclaleTo<float>::ScaleValue(unsigned int value, float scale, float offset);
template <>
unsigned char UINTSclaleTo<unsigned char>::ScaleValue(unsigned int value, float scale, float offset);
