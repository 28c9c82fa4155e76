#pragma once
// Where a running show is: which slide is current and when it started, followed frame by
// frame, so that a benchmark can hold a slide or charge a frame to the slide it showed.
#include <string>

#include "RunningScene.h"

namespace bench {

class ShowPosition {
public:
    explicit ShowPosition(vgtest::RunningScene& scene) : scene_(scene) {}

    // One frame of the show at time t, then the slide it showed.
    void DrawFrame(float t);
    // Index of the current slide in the show's order (0 before the first frame).
    unsigned Slide() const { return slide_; }
    // Show time at which the current slide's fade-in began.
    float SlideStart() const { return start_; }
    // Show time at which its fade-out begins, and at which it ends.
    float ShowEnd() const;
    float End() const;
    // Show time from which the slide's frames count as steady: a second past its fade-in.
    float SteadyFrom() const;
    // The slide's number and, where the document names it, its name.
    std::string Label(unsigned slide) const;
    // The most screens the budgeted quads and instances of one frame of the current slide
    // covered so far, and of one object in a frame.
    double LargestFrameCover() const { return largestFrame_; }
    double LargestObjectCover() const { return largestObject_; }

private:
    unsigned IndexOfCurrent() const;
    void FollowCover();

    vgtest::RunningScene& scene_;
    unsigned slide_ = 0;
    float start_ = 0.0f;
    bool started_ = false;
    double largestFrame_ = 0.0, largestObject_ = 0.0;
};

}  // namespace bench
