#pragma once
// Reads the effect-level part of an effect source: parameters (types, initializers, semantics,
// annotations), textures, samplers with sampler_state, techniques and passes with their state
// and shader assignments. Function bodies and structs are stepped over: they are the shader
// compiler's. Anything else is refused with an EffectError naming the line and the reason.
#include <string>

#include "EffectSource.h"

namespace fx {

EffectSource ParseEffectSource(const std::string& text, const std::string& file);

}  // namespace fx
