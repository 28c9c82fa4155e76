#include "audio/WaveSamples.h"

#include "audio/MemoryWave.h"
#include "audio/SoundDevice.h"
#include "document/EmbeddedFile.h"

HRESULT WaveSamples::Load(const SoundDevice& device, const EmbeddedFile* file) {
    if (!device.Device()) return DSERR_UNINITIALIZED;
    if (!tried_) {
        tried_ = true;
        result_ = Read(device, file);
    }
    return result_;
}

HRESULT WaveSamples::Read(const SoundDevice& device, const EmbeddedFile* file) {
    if (!file || !file->Bytes() || file->Size() == 0) return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
    MemoryWave wave;
    const HRESULT hr = wave.Read(file->Bytes(), file->Size());
    if (FAILED(hr)) return hr;
    length_ = wave.LengthInHundredths();
    // The samples are read even when no buffer holds them (an empty data chunk): their sounds
    // take their length and fail only at their own buffers.
    buffer_.Create(device, wave);
    return S_OK;
}
