#include "shell/DeviceTypeRecord.h"

bool IsFullColourFormat(D3DFORMAT format) {
    return format == D3DFMT_A8R8G8B8 || format == D3DFMT_X8R8G8B8;
}

bool DeviceTypeRecord::StepDownMode() {
    if (chosenMode >= modeCount) return false;
    const DisplayModeRecord& current = modes[chosenMode];
    const bool current32 = IsFullColourFormat(current.format);
    const UINT currentArea = current.width * current.height;
    int best = -1;
    for (UINT i = 0; i < modeCount; ++i) {
        if (i == chosenMode) continue;
        const DisplayModeRecord& mode = modes[i];
        const bool mode32 = IsFullColourFormat(mode.format);
        if (current32 && !mode32 && mode.width == current.width &&
            mode.height == current.height) {
            chosenMode = i;
            return true;
        }
        const UINT area = mode.width * mode.height;
        if (area >= currentArea) continue;
        if (best < 0) {
            best = static_cast<int>(i);
            continue;
        }
        const DisplayModeRecord& bestMode = modes[best];
        const bool best32 = IsFullColourFormat(bestMode.format);
        const UINT bestArea = bestMode.width * bestMode.height;
        if ((!best32 || area >= bestArea) && (area > bestArea || (!best32 && mode32)))
            best = static_cast<int>(i);
    }
    if (best < 0) return false;
    chosenMode = static_cast<UINT>(best);
    return true;
}
