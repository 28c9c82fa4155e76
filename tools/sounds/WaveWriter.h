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
// How long the format chunk is: the plain 16-byte PCM block (music tracks), or the 18-byte
// block with a zero extra-size word that sound objects require.
enum class FormatChunk { Pcm16, WithExtraSize18 };

// A complete RIFF/WAVE file of mono 16-bit samples.
std::vector<uint8_t> MakeWave(const std::vector<int16_t>& samples, int rate,
                              FormatChunk format = FormatChunk::Pcm16);

}  // namespace sounds
