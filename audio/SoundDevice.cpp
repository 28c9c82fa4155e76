#include "audio/SoundDevice.h"

#include <algorithm>
#include <cstdlib>

namespace {

void ReleaseSharedPrimaryBuffer() { SoundDevice::Shared().ReleasePrimaryBuffer(); }
void ReleaseSharedDevice() { SoundDevice::Shared().ReleaseDevice(); }

}  // namespace

SoundDevice::~SoundDevice() {
    ReleasePrimaryBuffer();
    ReleaseDevice();
}

SoundDevice& SoundDevice::Shared() {
    // Never destroyed: the exit routines release its interfaces, the primary buffer first
    // (they run in the reverse order of their registration).
    static SoundDevice* shared = [] {
        SoundDevice* device = new SoundDevice;
        std::atexit(ReleaseSharedDevice);
        std::atexit(ReleaseSharedPrimaryBuffer);
        return device;
    }();
    return *shared;
}

HRESULT SoundDevice::InitDirectSound(HWND window) {
    if (device_) return S_OK;
    bufferFlags_ = DSBCAPS_STICKYFOCUS;
    HRESULT hr = DirectSoundCreate8(nullptr, device_.Receive(), nullptr);
    if (FAILED(hr)) return hr;
    hr = device_->SetCooperativeLevel(window, DSSCL_NORMAL);
    if (FAILED(hr)) return hr;

    DSBUFFERDESC description = {};
    description.dwSize = sizeof(description);
    description.dwFlags = bufferFlags_ | DSBCAPS_CTRLVOLUME | DSBCAPS_PRIMARYBUFFER;
    hr = device_->CreateSoundBuffer(&description, primary_.Receive(), nullptr);
    if (FAILED(hr)) return hr;
    return primary_->Play(0, 0, DSBPLAY_LOOPING);
}

void SoundDevice::ReleasePrimaryBuffer() { primary_.Reset(); }

void SoundDevice::ReleaseDevice() { device_.Reset(); }

LONG SoundDevice::OverallVolume(bool muted, uint32_t soundVolume) {
    if (muted) return DSBVOLUME_MIN;
    // A setting above 100 cannot be louder than full.
    return static_cast<LONG>((static_cast<int64_t>(std::min<uint32_t>(soundVolume, 100)) - 100) * 50);
}

void SoundDevice::SetOverallVolume(bool muted, uint32_t soundVolume) {
    if (primary_) primary_->SetVolume(OverallVolume(muted, soundVolume));
}
