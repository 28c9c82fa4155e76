#include "GraphEvents.h"

#include "audio/MusicGraph.h"

namespace vgtest {

namespace {
const DWORD kEventWaitLimitMs = 20000;
}

bool WaitForGraphEvent(MusicGraph& graph, HWND window, long wanted, int* appMessages) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < kEventWaitLimitMs) {
        MSG message;
        while (PeekMessageW(&message, window, 0, 0, PM_REMOVE)) {
            if (message.message != WM_APP) continue;
            if (appMessages) ++*appMessages;
            for (long code = graph.GetAudioEvent(); code != -1; code = graph.GetAudioEvent()) {
                if (code == wanted) return true;
            }
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLPOSTMESSAGE);
    }
    return false;
}

}  // namespace vgtest
