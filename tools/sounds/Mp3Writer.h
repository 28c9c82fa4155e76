#pragma once
// MPEG-1 Layer III files made from code, without an encoder library: a steady tone written
// straight as the one spectral line a decoder reads back, which any MP3 decoder plays.
#include <cstdint>
#include <vector>

namespace sounds {

// Mono, 48 kHz, 64 kbit/s, no bit reservoir: frames of 192 bytes and 1152 samples.
constexpr int kMp3Rate = 48000;
constexpr int kMp3FrameSamples = 1152;
// The tone: spectral line 8 of the lowest subband, (8 + 0.5) × 48000 / 1152 Hz.
constexpr double kMp3ToneHz = 8.5 * kMp3Rate / kMp3FrameSamples;

// `frames` frames of the tone at about -15 dB of full scale.
std::vector<uint8_t> MakeMp3Tone(int frames);

}  // namespace sounds
