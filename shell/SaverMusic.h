#pragma once
// The music graph as the framework sees it: made for the main window at start-up, and
// asked for its next event when the graph posts WM_APP to that window.
#include <windows.h>

class SaverMusic {
public:
    virtual ~SaverMusic() = default;
    virtual void InitAudioGraph(HWND mainWindow) = 0;
    // The next event code of the graph, or -1 when there is none.
    virtual long GetAudioEvent() = 0;
};
