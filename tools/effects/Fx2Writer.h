#pragma once
// Writes the fx_2_0 container (the binary form of an effect that D3DXCreateEffect loads) of
// an effect source whose shaders are ready.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "EffectSource.h"

namespace fx {

// Shader bytecode by ShaderKey.
using ShaderBytes = std::map<std::string, std::vector<uint8_t>>;

// "Function.profile": how a shader is named beside its effect.
std::string ShaderKey(const ShaderRef& shader);

// Every shader the effect compiles must be in `shaders`.
std::vector<uint8_t> WriteFx2(const EffectSource& effect, const ShaderBytes& shaders);

// The container's first word.
constexpr uint32_t kFx2Tag = 0xFEFF0901;

}  // namespace fx
