#include "SoundRecords.h"

namespace scenewriter {

void WriteSound(SceneWriter& out, const SoundRecord& sound) {
    out.Section("QV_Sound_Ctrl", sound.version).UInt(sound.volume).UInt(sound.balance);
    if (sound.version < 3) out.Long(sound.legacyMode).UInt(sound.legacyHiddenMin).UInt(sound.legacyHiddenMax);
    WriteDescriptionBase(out, sound.base);
}

SceneWriter MakeWaveSound(const WaveSoundRecord& record) {
    SceneWriter out;
    out.Section("QV_WAV_Constructor", record.version);
    WriteLink(out, record.wave);
    WriteSound(out, record.sound);
    return out;
}

}  // namespace scenewriter
