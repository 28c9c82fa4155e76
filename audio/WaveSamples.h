#pragma once
// The samples of one WAVE file of a document in a buffer that never plays itself: every sound
// object that links the file plays a duplicate of it, and duplicates share its memory, so the
// samples exist once however many objects link them.
#include <windows.h>
#include <cstdint>

#include "audio/SoundBuffer.h"

class EmbeddedFile;
class SoundDevice;

class WaveSamples {
public:
    // Reads the WAVE bytes into a buffer of the device; a failure means bytes that are no
    // usable WAVE file. Once read (or found unusable), later calls answer as the first did;
    // without a device nothing is tried yet.
    HRESULT Load(const SoundDevice& device, const EmbeddedFile* file);
    // One play of the samples in hundredths of a second.
    int32_t LengthInHundredths() const { return length_; }
    const SoundBuffer& Buffer() const { return buffer_; }

private:
    HRESULT Read(const SoundDevice& device, const EmbeddedFile* file);

    SoundBuffer buffer_;
    int32_t length_ = 0;
    bool tried_ = false;
    HRESULT result_ = E_FAIL;
};
