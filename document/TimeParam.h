#pragma once
// A duration stored in hundredths of a second; its result is in seconds.
#include "document/UINTSclaleTo.h"

class TimeParam : public UINTSclaleTo<float> {
public:
    static constexpr float kSecondsPerUnit = 0.01f;

    explicit TimeParam(unsigned int hundredths = 0) {
        SetScale(kSecondsPerUnit);
        SetSilently(hundredths);
        OnParamChanged(nullptr);
    }
    TimeParam(const TimeParam&) = default;
};
