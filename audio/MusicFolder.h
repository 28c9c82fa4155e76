#pragma once
// Where one run of the saver writes the document's music for DirectShow to play: a folder of
// its own under "Velmora Glow" in the temporary folder, so that every file in it is the
// run's. The run removes it when the saver ends; a folder that an earlier run left behind
// (it ended without removing it) is removed when the next run makes its own. A run marks its
// folder as in use by a file that the system deletes when the run's process ends, however it
// ends.
#include <windows.h>
#include <string>

#include "audio/TempFileNames.h"

class MusicFolder {
public:
    MusicFolder() = default;
    MusicFolder(const MusicFolder&) = delete;
    MusicFolder& operator=(const MusicFolder&) = delete;
    ~MusicFolder() { Remove(); }

    // The path to write the track stored at storedPath to: a name of its own in the run's
    // folder, which the first call makes. Empty when no folder can be made.
    std::wstring Place(const std::wstring& storedPath);
    // Deletes the run's files and folder (and "Velmora Glow" when nothing else is in it).
    // The music must be released first: DirectShow keeps the files it plays open.
    void Remove();

    // The run's folder with its final backslash; empty until the first Place.
    const std::wstring& Path() const { return folder_; }
    // "Velmora Glow" in the temporary folder, with its final backslash.
    static std::wstring BaseFolder();

private:
    bool Make();

    std::wstring base_;
    std::wstring folder_;
    HANDLE inUse_ = INVALID_HANDLE_VALUE;
    TempFileNames names_;
};
