#include "audio/SoundBuffer.h"

#include <algorithm>
#include <cstring>

#include "audio/MemoryWave.h"
#include "audio/SoundDevice.h"

namespace {

// The 0 to 100 setting against its neutral point, in steps of the given size, kept within
// what DirectSound takes.
LONG ScaleSetting(uint32_t setting, int64_t neutral, int64_t step, LONG lowest, LONG highest) {
    int64_t value = (static_cast<int64_t>(std::min<uint32_t>(setting, 100)) - neutral) * step;
    return static_cast<LONG>(std::clamp<int64_t>(value, lowest, highest));
}

}  // namespace

LONG SoundBuffer::SoundVolume(uint32_t volume) {
    return ScaleSetting(volume, 100, 50, DSBVOLUME_MIN, DSBVOLUME_MAX);
}

LONG SoundBuffer::SoundPan(uint32_t balance) {
    return ScaleSetting(balance, 50, 100, DSBPAN_LEFT, DSBPAN_RIGHT);
}

HRESULT SoundBuffer::Create(const SoundDevice& device, const MemoryWave& wave) {
    if (!device.Device()) return DSERR_UNINITIALIZED;
    const std::vector<unsigned char>& samples = wave.Samples();
    WAVEFORMATEX format = wave.Format();
    DSBUFFERDESC description = {};
    description.dwSize = sizeof(description);
    description.dwFlags = device.BufferFlags() | DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLPAN;
    description.dwBufferBytes = static_cast<DWORD>(samples.size());
    description.lpwfxFormat = &format;
    ComHolder<IDirectSoundBuffer> plain;
    HRESULT hr = device.Device()->CreateSoundBuffer(&description, plain.Receive(), nullptr);
    if (FAILED(hr)) return hr;
    hr = Hold(plain);
    if (FAILED(hr)) return hr;

    void* first = nullptr;
    void* second = nullptr;
    DWORD firstBytes = 0, secondBytes = 0;
    hr = buffer_->Lock(0, 0, &first, &firstBytes, &second, &secondBytes, DSBLOCK_ENTIREBUFFER);
    if (FAILED(hr)) return hr;
    std::memcpy(first, samples.data(), std::min<size_t>(firstBytes, samples.size()));
    return buffer_->Unlock(first, firstBytes, second, secondBytes);
}

HRESULT SoundBuffer::Duplicate(const SoundDevice& device, const SoundBuffer& original) {
    if (!device.Device()) return DSERR_UNINITIALIZED;
    if (!original) return DSERR_INVALIDPARAM;
    ComHolder<IDirectSoundBuffer> source, plain;
    HRESULT hr = original.Get()->QueryInterface(IID_IDirectSoundBuffer, reinterpret_cast<void**>(source.Receive()));
    if (FAILED(hr)) return hr;
    hr = device.Device()->DuplicateSoundBuffer(source.Get(), plain.Receive());
    if (FAILED(hr)) return hr;
    return Hold(plain);
}

HRESULT SoundBuffer::Hold(const ComHolder<IDirectSoundBuffer>& plain) {
    return plain->QueryInterface(IID_IDirectSoundBuffer8, reinterpret_cast<void**>(buffer_.Receive()));
}

void SoundBuffer::SetVolumeAndPan(uint32_t volume, uint32_t balance) {
    if (!buffer_) return;
    buffer_->SetVolume(SoundVolume(volume));
    buffer_->SetPan(SoundPan(balance));
}

void SoundBuffer::Stop() {
    if (buffer_) buffer_->Stop();
}

void SoundBuffer::UpdatePlayback(int timeLineState, bool loop) {
    if (!buffer_) return;
    DWORD status = 0;
    if (FAILED(buffer_->GetStatus(&status))) return;
    if (status & DSBSTATUS_PLAYING) {
        if (timeLineState == kHidden && (status & DSBSTATUS_LOOPING)) buffer_->Stop();
        return;
    }
    if (timeLineState != kVisible) return;
    if (SUCCEEDED(buffer_->SetCurrentPosition(0))) buffer_->Play(0, 0, loop ? DSBPLAY_LOOPING : 0);
}
