#include "document/TimeWindow.h"

float TimeWindow::Opacity(float x) const {
    if (start > x || end < x) return 0.0f;
    if (x < fadeInEnd) return (x - start) / (fadeInEnd - start);
    if (x < fadeOutStart) return 1.0f;
    // A fade-out of no length is over at once.
    if (end == fadeOutStart) return 0.0f;
    return 1.0f - (x - fadeOutStart) / (end - fadeOutStart);
}

int TimeWindow::State(float x) const {
    if (start > x || end < x) return 1;
    if (x < fadeInEnd) return 2;
    if (x < fadeOutStart) return 0;
    return 3;
}
