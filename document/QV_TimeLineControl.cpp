#include "document/QV_TimeLineControl.h"

#include "document/FieldArchive.h"

#include <algorithm>
#include <string>

#include "document/QV_IOF_Virtual.h"
#include "document/SharedRandom.h"

namespace {
constexpr int32_t kSectionVersion = 1;
constexpr uint32_t kWindowBytes = 16;
constexpr float kSecondsPerHundredth = 0.01f;

// minimum + r mod (maximum − minimum + 1) hundredths, as seconds. The remainder is signed, as
// the stored ranges always were; a range given upside down is used with its ends ordered.
float RandomDuration(unsigned int first, unsigned int second) {
    unsigned int low = std::min(first, second);
    unsigned int high = std::max(first, second);
    int r = SharedRandom::Next();
    int32_t divisor = int32_t(high - low + 1u);
    // The full 32-bit range wraps the divisor to 0: every draw fits it as it is.
    unsigned int offset = divisor == 0 ? unsigned(r) : unsigned(r % divisor);
    unsigned int hundredths = low + offset;
    return float(hundredths) * kSecondsPerHundredth;
}
}  // namespace

void QV_TimeLineControl::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_TimeLineControl::TaggedFields(FieldArchive outer) {
    FieldArchive ar = outer.Section(L"QV_TimeLineControl", kSectionVersion);
    ar.Param(mode_);
    ar.Param(timeMode_);
    ar.Param(hiddenMin_);
    ar.Param(hiddenMax_);
    ar.Param(visibleMin_);
    ar.Param(visibleMax_);
    // Stored without recomputing: the fade seconds follow the values once the line is copied.
    ar.Param(fadeIn_);
    ar.Param(fadeOut_);
    ar.List(
        windows_, kWindowBytes,
        [&ar](TimeWindow& window) {
            for (float* value : {&window.start, &window.end, &window.fadeInEnd, &window.fadeOutStart}) ar.Value(*value);
        },
        [this](TimeWindow&& window) { AddWindow(window); });
}

float QV_TimeLineControl::GetOpacity() const {
    int mode = mode_.Value();
    if (mode == kTimeWindows) {
        const TimeWindow* window = FindWindow();
        return window ? window->Opacity(running_.windowTime) : 0.0f;
    }
    if (mode == kAlwaysVisible) return 1.0f;
    return running_.cycle->Current().Opacity(running_.cycle->Last());
}

int QV_TimeLineControl::GetState() const {
    int mode = mode_.Value();
    if (mode == kTimeWindows) {
        const TimeWindow* window = FindWindow();
        return window ? window->State(running_.windowTime) : AnimationState::kHidden;
    }
    if (mode == kAlwaysVisible) return AnimationState::kVisible;
    return running_.cycle->Current().StateCode();
}

float QV_TimeLineControl::DrawHiddenDuration() const {
    return RandomDuration(hiddenMin_.Value(), hiddenMax_.Value());
}

float QV_TimeLineControl::DrawVisibleDuration() const {
    return RandomDuration(visibleMin_.Value(), visibleMax_.Value());
}

bool QV_TimeLineControl::AddWindow(const TimeWindow& window) {
    // Also false for a time that is not a number.
    if (!(window.start <= window.end)) return false;
    return windows_.insert(window).second;
}

const TimeWindow* QV_TimeLineControl::FindWindow() const {
    // The first window, in order, that has not ended by the window time, if it starts within
    // the look-ahead.
    auto window = windows_.lower_bound(TimeWindow{running_.windowTime, running_.windowTime});
    if (window == windows_.end()) return nullptr;
    return window->start <= running_.windowTime + kWindowLookahead ? &*window : nullptr;
}
