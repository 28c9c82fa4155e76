#pragma once
// Sound objects as the document stores them.
#include <cstdint>

#include "DescriptionRecords.h"
#include "SceneWriter.h"
#include "SlideRecords.h"

namespace scenewriter {

// Before version 3 the sound section carries its own time-line mode and hidden range, the
// range in whole seconds.
struct SoundRecord {
    int32_t version = 3;
    uint32_t volume = 100;  // 0 to 100
    uint32_t balance = 50;  // 0 left, 100 right
    int32_t legacyMode = 0;
    uint32_t legacyHiddenMin = 1, legacyHiddenMax = 1;
    DescriptionBaseRecord base;
};

struct WaveSoundRecord {
    int32_t version = 1;
    LinkValue wave;  // names the WAVE bytes in the resource section
    SoundRecord sound;
};

// Tagged "QV_Sound_Ctrl".
void WriteSound(SceneWriter& out, const SoundRecord& sound);
// Tagged "QV_WAV_Constructor": an entry of a slide's sound list.
SceneWriter MakeWaveSound(const WaveSoundRecord& record);

}  // namespace scenewriter
