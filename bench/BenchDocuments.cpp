#include "BenchDocuments.h"

#include <cstdio>
#include <string_view>

#include "DocumentRecords.h"
#include "SlideRecords.h"
#include "SoundRecords.h"

using namespace scenewriter;

namespace bench {

namespace {

void PutLittle(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(value >> (8 * i)));
}

// 22,050 Hz mono 16-bit PCM.
std::vector<uint8_t> SilentWave(uint32_t sampleBytes) {
    std::vector<uint8_t> wave = {'R', 'I', 'F', 'F'};
    PutLittle(wave, 36 + sampleBytes, 4);
    for (char c : std::string_view("WAVEfmt ")) wave.push_back(uint8_t(c));
    PutLittle(wave, 16, 4);
    PutLittle(wave, 1, 2);
    PutLittle(wave, 1, 2);
    PutLittle(wave, 22050, 4);
    PutLittle(wave, 44100, 4);
    PutLittle(wave, 2, 2);
    PutLittle(wave, 16, 2);
    for (char c : std::string_view("data")) wave.push_back(uint8_t(c));
    PutLittle(wave, sampleBytes, 4);
    wave.resize(wave.size() + sampleBytes, 0);
    return wave;
}

}  // namespace

bool ReadFileBytes(const char* path, std::vector<uint8_t>& bytes) {
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return false;
    uint8_t chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.insert(bytes.end(), chunk, chunk + got);
    std::fclose(file);
    return !bytes.empty();
}

std::vector<uint8_t> SoundObjectsDocument(int count) {
    SlideRecord slide;
    slide.layer = MakeLayer(LayerRecord());
    for (int i = 0; i < count; ++i) {
        WaveSoundRecord sound;
        sound.wave = {"C:\\s\\a.wav", 7};
        slide.sounds.push_back(MakeWaveSound(sound));
    }
    ResourceSection section;
    section.buffers = {{"C:\\s\\a.wav", 7, {StoredFile{0, "", SilentWave(1u << 20), "C:\\s\\a.wav"}}}};
    return MakeDocument({MakeSlide(slide)}, {}, section);
}

}  // namespace bench
