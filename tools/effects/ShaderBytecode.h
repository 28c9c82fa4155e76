#pragma once
// Legacy Direct3D shader bytecode as the effect writer takes it from the compiler: checked
// against the rules of the profile it will run as, with the constant table's target filled in.
#include <cstdint>
#include <string>
#include <vector>

namespace fx {

struct PreparedShader {
    std::vector<uint8_t> bytes;
    std::string target;  // "ps_2_0", "ps_2_a" (version 2.1: ps_2_x) or "vs_2_0"
};

// A ps_2_0 shader from the compiler. Source swizzles whose lanes the instruction does not read
// become the identity (or the replicate swizzle they already are); a shader that still needs an
// arbitrary swizzle, or more than ps_2_0's instruction slots or temporaries, is marked as
// version 2.1 (ps_2_x, as shader-model-3 GPUs run it). One that fits neither, or that is not
// well-formed, is refused with an EffectError naming `name`.
PreparedShader PreparePixelShader(const std::vector<uint8_t>& bytes, const std::string& name);

// A vs_2_0 shader: checked to be well-formed, its target filled in.
PreparedShader PrepareVertexShader(const std::vector<uint8_t>& bytes, const std::string& name);

// The names in the shader's constant table (the effect binds constants and samplers by them).
std::vector<std::string> ShaderConstantNames(const std::vector<uint8_t>& bytes, const std::string& name);

}  // namespace fx
