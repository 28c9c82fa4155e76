#include "GpuFence.h"

namespace bench {

GpuFence::GpuFence(IDirect3DDevice9* device) {
    if (device) device->CreateQuery(D3DQUERYTYPE_EVENT, query_.Receive());
}

void GpuFence::WaitSpinning() { Wait(false); }
void GpuFence::WaitSleeping() { Wait(true); }

void GpuFence::Wait(bool sleep) {
    if (!query_) return;
    query_->Issue(D3DISSUE_END);
    // S_FALSE while pending; anything else (done, or a lost device) ends the wait.
    while (query_->GetData(nullptr, 0, D3DGETDATA_FLUSH) == S_FALSE)
        if (sleep) Sleep(1);
}

}  // namespace bench
