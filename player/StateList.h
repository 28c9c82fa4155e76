#pragma once
// Device state as data: render, texture stage and sampler states with their values, in the
// order they are set, applied in one place. Each layer names its resting state as a list, and
// each drawing operation of a layer the lists it sets before and after its draw.
#include <d3d9.h>

#include <initializer_list>
#include <span>

struct DeviceState {
    enum Kind : DWORD { kRender, kStage, kSampler };
    Kind kind;
    DWORD slot;  // the stage or sampler; 0 for a render state
    DWORD type;
    DWORD value;
};

constexpr DeviceState RenderState(D3DRENDERSTATETYPE type, DWORD value) {
    return {DeviceState::kRender, 0, DWORD(type), value};
}
constexpr DeviceState StageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD value) {
    return {DeviceState::kStage, stage, DWORD(type), value};
}
constexpr DeviceState SamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD value) {
    return {DeviceState::kSampler, sampler, DWORD(type), value};
}

using StateList = std::span<const DeviceState>;

// What a drawing operation sets around its own states and draws; a layer that needs more
// around the operation replaces these instead of overriding it.
struct OperationStates {
    StateList before;
    StateList after;
};

// Sets each state on CurrentDevice in order.
void ApplyStates(StateList states);
void ApplyStates(std::initializer_list<DeviceState> states);
