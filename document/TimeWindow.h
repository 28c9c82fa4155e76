#pragma once
// One explicit visibility window of a time line, in seconds.
struct TimeWindow {
    float start = 0.0f;
    float end = 0.0f;
    float fadeInEnd = 0.0f;
    float fadeOutStart = 0.0f;

    // 0 outside, rising until fadeInEnd, 1, then falling from fadeOutStart to end.
    float Opacity(float x) const;
    // 1 outside, 2 fading in, 0 visible, 3 fading out.
    int State(float x) const;
};
