#include "audio/AudioSettings.h"

#include "audio/SoundDevice.h"
#include "settings/SettingsAccess.h"

void AudioSettings::Read() {
    ReadSettingDword(&soundVolume, kSoundVolumeValue);
    ReadSettingDword(&soundBalance, kSoundBalanceValue);
    ReadSettingDword(&muteSound, kMuteSoundValue);
}

AudioSettings& SharedAudioSettings() {
    static AudioSettings settings;
    return settings;
}

void ApplyStoredSoundVolume() {
    DWORD volume = 100, muted = 0;
    ReadSettingDword(&volume, kSoundVolumeValue);
    ReadSettingDword(&muted, kMuteSoundValue);
    SoundDevice::Shared().SetOverallVolume(muted != 0, volume);
}
