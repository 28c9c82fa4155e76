#pragma once
// RIFF WAVE bytes built in the test: a sine tone, and the chunks to assemble broken files.
#include <cstdint>
#include <string>
#include <vector>

namespace vgtest {

using Bytes = std::vector<unsigned char>;

// One chunk: its four-character id, its contents and the size its header announces
// (the real size unless a test says otherwise).
struct WaveChunk {
    std::string id;
    Bytes contents;
    int64_t announcedSize = -1;
};

// A PCM format block of formatBytes bytes (18 holds the extra-size word, 0).
Bytes PcmFormat(uint32_t sampleRate, uint16_t channels, uint16_t bitsPerSample,
                size_t formatBytes = 18);
// 16-bit samples of a sine (440 Hz unless told), the same value on every channel.
Bytes SineSamples(uint32_t sampleRate, uint16_t channels, uint32_t milliseconds,
                  double frequency = 440.0);
// "RIFF", size, form type, then the chunks.
Bytes RiffFile(const std::vector<WaveChunk>& chunks, const std::string& formType = "WAVE");
// A whole 16-bit PCM sine WAVE file.
Bytes SineWave(uint32_t sampleRate, uint16_t channels, uint32_t milliseconds,
               double frequency = 440.0);

}  // namespace vgtest
