#pragma once
// 16-bit PCM WAVE files made from code: notes with soft attack and release.
#include <cstdint>
#include <vector>

namespace sounds {

struct Note {
    double frequency;  // Hz; 0 is a rest
    double seconds;
};

// Mono 16-bit samples of the notes in turn, at `rate` samples a second.
std::vector<int16_t> Synthesize(const std::vector<Note>& notes, int rate, double volume = 0.4);
// A complete RIFF/WAVE file of mono 16-bit samples, with the plain 16-byte PCM format block.
std::vector<uint8_t> MakeWave(const std::vector<int16_t>& samples, int rate);

}  // namespace sounds
