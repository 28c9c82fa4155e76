#pragma once
// Documents the benchmarks write for themselves.
#include <cstdint>
#include <vector>

namespace bench {

// The bytes of a file; false when it cannot be read or is empty.
bool ReadFileBytes(const char* path, std::vector<uint8_t>& bytes);

// One slide of `count` looping sound objects, all linking one WAVE file of 1 MiB of silent
// samples with the plain 16-byte PCM format block.
std::vector<uint8_t> SoundObjectsDocument(int count);

}  // namespace bench
