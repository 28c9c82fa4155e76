#pragma once
// The music operations a playlist drives: play one track, replay the track that ended,
// apply the volume settings. The DirectShow graph implements it; playlist tests record it.
#include <cstdint>

class QV_AudioFile;

class MusicPlayback {
public:
    virtual ~MusicPlayback() = default;
    // Plays the file at its path (the blob's name) from the start.
    virtual void PlayAudioFile(const QV_AudioFile& file) = 0;
    // Rewinds the current track and runs it again.
    virtual void RestartAudio() = 0;
    // soundVolume is the 0 to 100 setting; muted silences whatever it says.
    virtual void SetAudioVolume(bool muted, uint32_t soundVolume) = 0;
};
