#pragma once
// The format and samples of RIFF WAVE bytes held in memory, read through a memory file.
// The format block must hold at least the 16 bytes of a PCM format (the 18 of a WAVEFORMATEX
// are read when there) and the data chunk all the bytes it announces; anything else is
// refused and nothing is read beyond the bytes.
#include <windows.h>
#include <mmsystem.h>
#include <mmreg.h>
#include <cstdint>
#include <vector>

class MemoryWave {
public:
    // Replaces format and samples with those of the bytes; a failure leaves them empty.
    HRESULT Read(const unsigned char* bytes, uint32_t size);

    // The extra-bytes count is always 0: only the bytes read here exist.
    const WAVEFORMATEX& Format() const { return format_; }
    const std::vector<unsigned char>& Samples() const { return samples_; }
    // One play of the samples in hundredths of a second, rounded.
    int32_t LengthInHundredths() const;

private:
    WAVEFORMATEX format_ = {};
    std::vector<unsigned char> samples_;
};
