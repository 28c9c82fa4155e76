#include "audio/AudioSettings.h"

#include "shell/SettingsAccess.h"

void AudioSettings::Read() {
    ReadSettingDword(&soundVolume, kSoundVolumeValue);
    ReadSettingDword(&soundBalance, kSoundBalanceValue);
    ReadSettingDword(&muteSound, kMuteSoundValue);
}

AudioSettings& SharedAudioSettings() {
    static AudioSettings settings;
    return settings;
}
