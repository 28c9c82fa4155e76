#include "ShowPosition.h"

#include <algorithm>

#include "player/QV_2D_Light.h"
#include "player/QV_SlideShow_Light.h"

namespace bench {

void ShowPosition::DrawFrame(float t) {
    scene_.DrawFrame(t);
    const unsigned current = IndexOfCurrent();
    if (!started_) {
        // The show starts its first slide as if its fade-in had passed already.
        started_ = true;
        slide_ = current;
        start_ = t - float(scene_.Show()->SlideAt(current)->FadeIn());
    } else if (current != slide_) {
        slide_ = current;
        start_ = t;
        largestFrame_ = largestObject_ = 0.0;
    }
    FollowCover();
}

void ShowPosition::FollowCover() {
    const CountedHolder<QV_2D_Light> layer = scene_.Show()->SlideAt(slide_)->GetLight();
    const double screen = double(layer->Width()) * double(layer->Height());
    if (!(screen > 0)) return;
    largestFrame_ = std::max(largestFrame_, layer->FrameCover() / screen);
    largestObject_ = std::max(largestObject_, layer->LargestObjectCover() / screen);
}

float ShowPosition::ShowEnd() const {
    const QV_SlideContainer& slide = *scene_.Show()->SlideAt(slide_).Get();
    return start_ + float(slide.FadeIn() + slide.ShowTime());
}

float ShowPosition::SteadyFrom() const {
    constexpr float kSettle = 1.0f;
    return start_ + float(scene_.Show()->SlideAt(slide_)->FadeIn()) + kSettle;
}

float ShowPosition::End() const { return ShowEnd() + float(scene_.Show()->SlideAt(slide_)->FadeOut()); }

std::string ShowPosition::Label(unsigned slide) const {
    std::string label = "slide " + std::to_string(slide);
    // The default scene's names are plain ASCII.
    std::string name;
    for (wchar_t c : scene_.Show()->SlideAt(slide)->name.Value()) name += c < 128 ? char(c) : '?';
    return name.empty() ? label : label + " (" + name + ")";
}

unsigned ShowPosition::IndexOfCurrent() const {
    const QV_SlideShow_Light& show = *scene_.Show();
    for (unsigned i = 0; i < show.SlideCount(); ++i)
        if (show.SlideAt(i).Get() == show.CurrentSlide().Get()) return i;
    return 0;
}

}  // namespace bench
