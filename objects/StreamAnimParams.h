#pragma once
// How a stream of falling objects drifts: their size, direction and speed, the sideways
// wobble and how often it may change, and how fast they tumble.
#include <array>
#include <cstdint>

#include "document/MediaParamT.h"

// A drift direction on the screen (y downward): 0° moves right, 90° up.
struct DirectionVectors {
    int32_t angle = 0;  // degrees
    float direction[4] = {1.0f, 0.0f, 0.0f, 0.0f};
    float perpendicular[4] = {0.0f, -1.0f, 0.0f, 0.0f};

    // direction := (cos a, −sin a), perpendicular := (−sin a, −cos a); the angle is taken as
    // an unsigned number.
    void SetAngle(int32_t degrees);
};

struct StreamAnimParams {
    // Size, speed, wobble, wobble frequency and tumble: the order the record stores them in.
    std::array<MediaParamT<unsigned int>*, 5> StoredValues() {
        return {&size, &speed, &wobble, &wobbleFrequency, &tumble};
    }

    MediaParamT<unsigned int> size{0};  // pixels; half of it is the margin beyond the edges
    DirectionVectors direction;
    MediaParamT<unsigned int> speed{50};
    MediaParamT<unsigned int> wobble{0};           // sideways amplitude (× 0.02) and swing speed
    MediaParamT<unsigned int> wobbleFrequency{0};  // 0: the sideways factor never changes
    MediaParamT<unsigned int> tumble{100};
};
