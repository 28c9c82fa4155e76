#pragma once
// The secondary DirectSound buffer of one WAVE sound, with volume and pan. Copies share
// the one buffer, each holding a reference (a sound description and its clones). Without
// a buffer the sound is silent and every operation does nothing.
#include <windows.h>
#include <mmsystem.h>
#include <dsound.h>
#include <cstdint>

#include "base/ComHolder.h"

class MemoryWave;
class SoundDevice;

class SoundBuffer {
public:
    // The time-line states the playback follows.
    static constexpr int kVisible = 0;
    static constexpr int kHidden = 1;

    // A static buffer in the wave's format filled with its samples.
    HRESULT Create(const SoundDevice& device, const MemoryWave& wave);
    // A buffer of its own (position, volume, pan, playing) over the samples of original,
    // which it shares rather than copies.
    HRESULT Duplicate(const SoundDevice& device, const SoundBuffer& original);
    // volume 0 to 100, balance 0 (left) to 100 (right).
    void SetVolumeAndPan(uint32_t volume, uint32_t balance);
    void Stop();
    // Once per frame: an idle sound starts from the beginning while its time line is
    // visible (looping, or once); a looping sound stops when the time line turns hidden.
    // A sound playing once is never cut off.
    void UpdatePlayback(int timeLineState, bool loop);

    // Hundredths of a decibel: 100 gives 0, 0 gives -5000.
    static LONG SoundVolume(uint32_t volume);
    // 50 gives the centre, 0 full left (-5000), 100 full right (5000).
    static LONG SoundPan(uint32_t balance);

    IDirectSoundBuffer8* Get() const { return buffer_.Get(); }
    explicit operator bool() const { return static_cast<bool>(buffer_); }

private:
    // The buffer's IDirectSoundBuffer8, in place of the one held before.
    HRESULT Hold(const ComHolder<IDirectSoundBuffer>& plain);

    ComHolder<IDirectSoundBuffer8> buffer_;
};
