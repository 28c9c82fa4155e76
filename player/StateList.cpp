#include "player/StateList.h"

#include "base/CurrentDevice.h"

void ApplyStates(StateList states) {
    IDirect3DDevice9* d = CurrentDevice;
    for (const DeviceState& s : states) {
        switch (s.kind) {
            case DeviceState::kRender: d->SetRenderState(D3DRENDERSTATETYPE(s.type), s.value); break;
            case DeviceState::kStage: d->SetTextureStageState(s.slot, D3DTEXTURESTAGESTATETYPE(s.type), s.value); break;
            case DeviceState::kSampler: d->SetSamplerState(s.slot, D3DSAMPLERSTATETYPE(s.type), s.value); break;
        }
    }
}

void ApplyStates(std::initializer_list<DeviceState> states) { ApplyStates(StateList(states.begin(), states.size())); }
