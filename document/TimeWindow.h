#pragma once
// One explicit visibility window of a time line, in seconds.
#include <set>

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

// A window comes before another when it ends before the other starts, so windows that overlap
// or touch are one window to a set. Only windows that start no later than they end go into a
// set: among those, kept apart from one another, the order is strict and a lookup finds the
// one a new window overlaps, if any.
struct TimeWindowOrder {
    bool operator()(const TimeWindow& a, const TimeWindow& b) const { return a.end < b.start; }
};
using TimeWindowSet = std::set<TimeWindow, TimeWindowOrder>;
