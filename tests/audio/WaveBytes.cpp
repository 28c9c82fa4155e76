#include "WaveBytes.h"

#include <cmath>

namespace vgtest {

namespace {

void PutU16(Bytes& out, uint32_t value) {
    out.push_back(static_cast<unsigned char>(value));
    out.push_back(static_cast<unsigned char>(value >> 8));
}

void PutU32(Bytes& out, uint32_t value) {
    PutU16(out, value & 0xffff);
    PutU16(out, value >> 16);
}

void PutId(Bytes& out, const std::string& id) {
    for (size_t i = 0; i < 4; ++i) out.push_back(i < id.size() ? id[i] : ' ');
}

}  // namespace

Bytes PcmFormat(uint32_t sampleRate, uint16_t channels, uint16_t bitsPerSample,
                size_t formatBytes) {
    Bytes out;
    uint16_t blockAlign = static_cast<uint16_t>(channels * bitsPerSample / 8);
    PutU16(out, 1);  // PCM
    PutU16(out, channels);
    PutU32(out, sampleRate);
    PutU32(out, sampleRate * blockAlign);
    PutU16(out, blockAlign);
    PutU16(out, bitsPerSample);
    PutU16(out, 0);
    out.resize(formatBytes, 0);
    return out;
}

Bytes SineSamples(uint32_t sampleRate, uint16_t channels, uint32_t milliseconds,
                  double frequency) {
    Bytes out;
    uint32_t frames = static_cast<uint32_t>(uint64_t(sampleRate) * milliseconds / 1000);
    for (uint32_t i = 0; i < frames; ++i) {
        double phase = 2.0 * 3.14159265358979 * frequency * i / sampleRate;
        auto value = static_cast<int16_t>(std::lround(std::sin(phase) * 12000.0));
        for (uint16_t c = 0; c < channels; ++c) PutU16(out, static_cast<uint16_t>(value));
    }
    return out;
}

Bytes RiffFile(const std::vector<WaveChunk>& chunks, const std::string& formType) {
    Bytes body;
    PutId(body, formType);
    for (const WaveChunk& chunk : chunks) {
        PutId(body, chunk.id);
        PutU32(body, chunk.announcedSize >= 0 ? static_cast<uint32_t>(chunk.announcedSize)
                                              : static_cast<uint32_t>(chunk.contents.size()));
        body.insert(body.end(), chunk.contents.begin(), chunk.contents.end());
        if (chunk.contents.size() % 2) body.push_back(0);
    }
    Bytes out;
    PutId(out, "RIFF");
    PutU32(out, static_cast<uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

Bytes SineWave(uint32_t sampleRate, uint16_t channels, uint32_t milliseconds,
               double frequency) {
    return RiffFile({{"fmt ", PcmFormat(sampleRate, channels, 16)},
                     {"data", SineSamples(sampleRate, channels, milliseconds, frequency)}});
}

}  // namespace vgtest
