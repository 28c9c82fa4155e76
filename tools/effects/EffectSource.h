#pragma once
// The effect-level part of an effect source: what the fx_2_0 container describes. Shader code
// is not kept; a shader is named by its profile and entry function.
#include <cstdint>
#include <string>
#include <vector>

namespace fx {

// D3DXPARAMETER_TYPE and D3DXPARAMETER_CLASS values, as the container stores them.
enum class ParamType : uint32_t {
    Bool = 1, Int = 2, Float = 3, String = 4, Texture = 5, Texture2D = 7, Sampler = 10,
    Sampler2D = 12, PixelShader = 15, VertexShader = 16,
};
enum class ParamClass : uint32_t { Scalar = 0, Vector = 1, MatrixRows = 2, Object = 4 };

struct ValueType {
    ParamType type = ParamType::Float;
    ParamClass cls = ParamClass::Scalar;
    uint32_t rows = 1;
    uint32_t columns = 1;

    uint32_t Count() const { return cls == ParamClass::Object ? 1 : rows * columns; }
};

// `compile ps_2_0 Main()`, or a null shader when the function is empty.
struct ShaderRef {
    std::string profile;
    std::string function;

    bool IsNull() const { return function.empty(); }
    bool IsPixel() const { return profile.rfind("ps_", 0) == 0; }
};

// One annotation: numbers as the 32-bit words the container stores, or a string.
struct Annotation {
    ValueType type;
    std::string name;
    std::vector<uint32_t> words;
    std::string text;
};

// One state assignment of a pass or a sampler_state.
struct StateAssignment {
    enum class Kind { Value, Reference, Shader };
    Kind kind = Kind::Value;
    uint32_t operation = 0;  // position in the effect state table
    uint32_t index = 0;
    ValueType type;
    uint32_t word = 0;      // Value
    std::string reference;  // Reference: the parameter a `<Name>` names
    ShaderRef shader;       // Shader
    std::string file;       // where it is written: the source or an included file
    int line = 0;
};

struct Parameter {
    ValueType type;
    std::string name;
    std::string semantic;
    std::vector<Annotation> annotations;
    std::vector<uint32_t> words;               // numeric value, zeros without an initializer
    std::vector<StateAssignment> samplerStates;
    int line = 0;
};

struct Pass {
    std::string name;
    std::vector<Annotation> annotations;
    std::vector<StateAssignment> states;
};

struct Technique {
    std::string name;
    std::vector<Annotation> annotations;
    std::vector<Pass> passes;
};

struct EffectSource {
    std::string file;
    std::vector<std::string> includes;  // the files it includes, by name, each once
    std::vector<Parameter> parameters;
    std::vector<Technique> techniques;

    // Every distinct shader the passes compile, in order of first use.
    std::vector<ShaderRef> Shaders() const;
    const Parameter* FindParameter(const std::string& name) const;
};

}  // namespace fx
