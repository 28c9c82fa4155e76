#pragma once
// Documents that hold one record of every registered class, all at their newest versions or
// all at their oldest readable ones: one slide per background-layer class in registration
// order, whose object lists hold between them one object of every scene-object class in
// registration order (five a slide) and whose last slide holds the sound. The resource section
// holds what the records link to.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vgtest {

enum class RecordVersions { Newest, Oldest };

std::vector<uint8_t> EveryClassDocument(RecordVersions versions);

// The registry that reads a record.
enum class RecordRegistry { Layer, Slide, Object };

struct ClassRecord {
    RecordRegistry registry;
    std::vector<uint8_t> bytes;  // tag and version first
};

// The record of every registered class alone, as the document holds it: the background
// layers, the scene objects with the sound last, then a slide of the plain layer and the sound.
std::vector<ClassRecord> EveryClassRecords(RecordVersions versions);

namespace everyclass {

inline constexpr size_t kObjectsPerSlide = 5;

// What the newest records store in fields their oldest versions lack, and what the oldest
// records store that newer versions keep elsewhere.
inline constexpr float kWingScale = 2.5f;
inline constexpr uint32_t kEffectScale = 100;  // fiftieths: 2.0
inline constexpr uint32_t kMoveStrength = 70, kMoveAmplitude2 = 30;
inline constexpr uint32_t kRadialAmplitude = 80;
inline constexpr uint32_t kStaticEffectWidth = 64;
inline constexpr int32_t kMirrorV = 1;
inline constexpr int32_t kFlowOrientation = 1;
inline constexpr uint32_t kTimeLineFadeIn = 70, kTimeLineHiddenMin = 300;
// Version 1 explosion timings (milliseconds): fade-in, visible, fade-out, two parts of hidden.
inline constexpr uint32_t kExplosionTimings[5] = {400, 500, 600, 700, 800};
// Version 1 static-text timings (milliseconds): fade-in, fade-out, visible, hidden.
inline constexpr uint32_t kTextTimings[4] = {100, 50, 500, 200};
// Version 1 and 2 sound sections: mode and hidden range in seconds.
inline constexpr uint32_t kSoundHiddenMin = 2, kSoundHiddenMax = 5;
inline constexpr uint32_t kUnderwaterSpeed = 51, kUnderwaterBrushSpeed = 40;
inline constexpr uint32_t kDropSize = 70;
inline constexpr uint32_t kReservedCount = 12;
inline constexpr int64_t kGlyphStamp = 41;

}  // namespace everyclass

}  // namespace vgtest
