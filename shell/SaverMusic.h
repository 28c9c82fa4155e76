#pragma once
// The music graph as the framework sees it: asked for its next event when the graph posts
// WM_APP to the main window. The application makes it.
#include <windows.h>

class SaverMusic {
public:
    virtual ~SaverMusic() = default;
    // The next event code of the graph, or -1 when there is none.
    virtual long GetAudioEvent() = 0;
};
