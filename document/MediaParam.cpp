#include "document/MediaParam.h"

#include <algorithm>

#include "document/MediaControl.h"

MediaParam::~MediaParam() {
    for (MediaControl* observer : observers_) observer->OnOwnerDestroyed();
}

void MediaParam::Edit(void*, MediaControl*) {}

void MediaParam::NotifyChanged(MediaControl* source) {
    // By index: an observer may leave the list (or join it) while it is being told.
    size_t i = 0;
    while (i < observers_.size()) {
        MediaControl* observer = observers_[i];
        if (observer != source) observer->OnParamChanged(source);
        // Step on unless the observer just left, which moved the next one into its place.
        if (i < observers_.size() && observers_[i] == observer) ++i;
    }
}

void MediaParam::Detach(MediaControl* observer) {
    auto found = std::find(observers_.begin(), observers_.end(), observer);
    if (found != observers_.end()) observers_.erase(found);
}
