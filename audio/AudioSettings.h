#pragma once
// The sound settings that the music and the sound objects share, read from the saver's
// settings. A value missing from the settings keeps what was read before.
#include <windows.h>

struct AudioSettings {
    DWORD soundVolume = 100;  // 0 to 100
    DWORD soundBalance = 50;  // read and kept; nothing uses it
    DWORD muteSound = 0;      // muted when not 0

    bool Muted() const { return muteSound != 0; }
    void Read();
};

AudioSettings& SharedAudioSettings();

// The overall level of the sound objects from the stored volume and mute settings (read
// afresh, defaults 100 and 0), when the sound device's primary buffer exists.
void ApplyStoredSoundVolume();
