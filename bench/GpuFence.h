#pragma once
// Waits until the device has carried out every command issued so far (under Wine: the
// command thread and the rasteriser both done), through an event query.
#include <d3d9.h>

#include "base/ComHolder.h"

namespace bench {

class GpuFence {
public:
    explicit GpuFence(IDirect3DDevice9* device);
    // Polls without pause: the wait ends as soon as the work does (for wall times).
    void WaitSpinning();
    // Sleeps between polls, so that waiting adds next to nothing to the thread's CPU time.
    void WaitSleeping();

private:
    void Wait(bool sleep);
    ComHolder<IDirect3DQuery9> query_;
};

}  // namespace bench
