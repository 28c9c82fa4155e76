#pragma once
// A geometry with the frames of its picture: a multi-frame image switches to its next frame
// when the current frame's duration has passed on the given clock.
#include <d3d9.h>

#include <cstdint>

#include "document/TextureEntry.h"

template <class Geometry>
class AnimatedTexture : public Geometry {
public:
    // A copy of the image's frames (a reference each), from the first frame on.
    void SetFrames(const TextureSet& frames) {
        frames_ = frames;
        currentFrame_ = 0;
        lastSwitch_ = 0.0f;
    }

    // Steps to the next frame when its duration has passed at time s; whether it did.
    bool AdvanceFrame(float s) {
        const std::vector<float>& durations = frames_.durations;
        if (durations.empty()) return false;
        if (!(s - lastSwitch_ >= durations[currentFrame_])) return false;
        lastSwitch_ = s;
        currentFrame_ = uint32_t((currentFrame_ + 1) % durations.size());
        return true;
    }

    // The texture on show, or null without frames. The durations may outnumber the frames:
    // past the last frame the last one stays.
    IDirect3DTexture9* CurrentTexture() const {
        if (frames_.frames.empty()) return nullptr;
        const size_t last = frames_.frames.size() - 1;
        return frames_.frames[currentFrame_ < last ? currentFrame_ : last].Get();
    }

    const TextureSet& Frames() const { return frames_; }
    uint32_t CurrentFrame() const { return currentFrame_; }

private:
    TextureSet frames_;
    uint32_t currentFrame_ = 0;
    float lastSwitch_ = 0.0f;
};
