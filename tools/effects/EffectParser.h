#pragma once
// Reads the effect-level part of an effect source: parameters (types, initializers, semantics,
// annotations), textures, samplers with sampler_state, techniques and passes with their state
// and shader assignments. Function bodies and structs are stepped over: they are the shader
// compiler's. Anything else is refused with an EffectError naming the file, the line and the
// reason. Included files are read through `readInclude` (Tokenize).
#include <string>

#include "EffectSource.h"
#include "EffectTokens.h"

namespace fx {

EffectSource ParseEffectSource(const std::string& text, const std::string& file, const IncludeReader& readInclude = {});

}  // namespace fx
