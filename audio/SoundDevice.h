#pragma once
// The DirectSound device that plays every sound object, with its looping primary buffer
// whose volume is the overall level of all sounds. The music does not pass through it.
#include <windows.h>
#include <mmsystem.h>
#include <dsound.h>
#include <cstdint>

#include "base/ComHolder.h"

class SoundDevice {
public:
    SoundDevice() = default;
    SoundDevice(const SoundDevice&) = delete;
    SoundDevice& operator=(const SoundDevice&) = delete;
    ~SoundDevice();

    // The device of the process; its primary buffer and then the device itself are
    // released when the process exits.
    static SoundDevice& Shared();

    // Makes the device (normal cooperation with window) and plays its primary buffer,
    // looping. Once the device exists it does nothing and succeeds.
    HRESULT InitDirectSound(HWND window);
    void ReleasePrimaryBuffer();
    void ReleaseDevice();

    // Sets the overall level from the settings when the primary buffer exists.
    void SetOverallVolume(bool muted, uint32_t soundVolume);
    // Hundredths of a decibel for a 0 to 100 setting: 100 gives 0, 0 gives -5000.
    static LONG OverallVolume(bool muted, uint32_t soundVolume);

    IDirectSound8* Device() const { return device_.Get(); }
    IDirectSoundBuffer* PrimaryBuffer() const { return primary_.Get(); }
    // Every buffer description of the device carries these flags.
    DWORD BufferFlags() const { return bufferFlags_; }

private:
    ComHolder<IDirectSound8> device_;
    ComHolder<IDirectSoundBuffer> primary_;
    DWORD bufferFlags_ = 0;
};
