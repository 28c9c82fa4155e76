#include "WaveWriter.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace sounds {

namespace {

void Put(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(value >> (8 * i)));
}

void PutTag(std::vector<uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(tag[i]));
}

}  // namespace

std::vector<int16_t> Synthesize(const std::vector<Note>& notes, int rate, double volume) {
    const double pi = 3.14159265358979323846;
    std::vector<int16_t> samples;
    for (const Note& note : notes) {
        const int count = int(note.seconds * rate);
        const int ramp = std::max(1, std::min(count / 4, rate / 50));
        for (int i = 0; i < count; ++i) {
            double envelope = std::min({1.0, double(i) / ramp, double(count - i) / ramp});
            double t = double(i) / rate;
            // A fundamental with a quiet octave for warmth.
            double value = note.frequency > 0
                               ? std::sin(2 * pi * note.frequency * t) + 0.3 * std::sin(4 * pi * note.frequency * t)
                               : 0.0;
            samples.push_back(int16_t(std::lround(value / 1.3 * envelope * volume * 32767)));
        }
    }
    return samples;
}

std::vector<uint8_t> MakeWave(const std::vector<int16_t>& samples, int rate) {
    const uint32_t dataBytes = uint32_t(samples.size() * 2);
    const uint32_t formatBytes = 16;
    std::vector<uint8_t> out;
    out.reserve(28 + formatBytes + dataBytes);
    PutTag(out, "RIFF");
    Put(out, 20 + formatBytes + dataBytes, 4);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put(out, formatBytes, 4);
    Put(out, 1, 2);         // PCM
    Put(out, 1, 2);         // mono
    Put(out, uint32_t(rate), 4);
    Put(out, uint32_t(rate) * 2, 4);
    Put(out, 2, 2);         // block align
    Put(out, 16, 2);        // bits
    PutTag(out, "data");
    Put(out, dataBytes, 4);
    for (int16_t sample : samples) Put(out, uint16_t(sample), 2);
    return out;
}

}  // namespace sounds
