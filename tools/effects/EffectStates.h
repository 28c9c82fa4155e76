#pragma once
// The states an effect pass or sampler_state may assign, by their effect-file names, with the
// operation ids of the effect state table and the named values each accepts.
#include <cstdint>
#include <optional>
#include <string_view>

namespace fx {

enum class ValueKind {
    Bool, Int, Float, Blend, BlendOp, Cull, Cmp, Fill, Shade, StencilOp, ZBuffer, ColorWrite,
    Address, Filter, TextureOp, TextureArg, Shader, Texture,
};

enum class StateScope { Pass, Sampler };

struct StateInfo {
    uint32_t operation;
    ValueKind kind;
    uint32_t indexCount;  // how many `[i]` the state takes: 1 means no index
};

// Nothing when the scope has no state of that name (names compare without case).
std::optional<StateInfo> FindState(std::string_view name, StateScope scope);

// The value a name stands for in states of the kind (names compare without case).
std::optional<uint32_t> NamedValue(ValueKind kind, std::string_view name);

// Sampler-state assignments carry this index in the container.
constexpr uint32_t kSamplerStateIndex = 0x100;
// Operation ids of the shader and texture assignments.
constexpr uint32_t kVertexShaderOperation = 0x92, kPixelShaderOperation = 0x93, kTextureOperation = 0xA4;

}  // namespace fx
