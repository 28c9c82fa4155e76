#pragma once
// The running module's scene opened and prepared on the current device, as a unit does it,
// and one frame of it.
#include <memory>

#include "document/QV_DocResManager.h"
#include "player/QV_SlideShow_Light.h"

namespace vgtest {

struct RunningScene {
    // False when the document did not open.
    bool Open(int fitMode);
    // FrameMove, then Render between BeginScene and EndScene.
    void Frame(float t);
    void Close() {
        show.reset();
        manager.reset();
    }

    // The show goes first: it draws with the manager's device objects.
    std::unique_ptr<QV_DocResManager> manager;
    std::unique_ptr<QV_SlideShow_Light> show;
};

}  // namespace vgtest
