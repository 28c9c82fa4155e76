#include "Fx2Writer.h"

#include <cstring>

namespace fx {

namespace {

constexpr uint32_t kNoTechnique = 0xFFFFFFFF, kNoElement = 0xFFFFFFFF;
enum Usage : uint32_t { kObjectBytes = 0, kParameterName = 1 };

std::vector<uint32_t> PaddedWords(const void* bytes, size_t size) {
    std::vector<uint32_t> words((size + 3) / 4, 0);
    if (size) std::memcpy(words.data(), bytes, size);
    return words;
}

std::vector<uint8_t> NulTerminated(const std::string& text) {
    std::vector<uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

// An object's bytes, or bytes that a resource gives one state's object.
struct ObjectData {
    uint32_t id;
    std::vector<uint8_t> bytes;
};
struct Resource {
    uint32_t technique, index, element, state, usage;
    std::vector<uint8_t> bytes;
};

class Fx2Builder {
public:
    Fx2Builder(const EffectSource& effect, const ShaderBytes& shaders) : effect_(effect), shaders_(shaders) {}

    std::vector<uint8_t> Build() {
        std::vector<uint32_t> parameters, techniques;
        uint32_t hint = 0;
        for (uint32_t i = 0; i < effect_.parameters.size(); ++i) Parameter(i, parameters, hint);
        for (uint32_t i = 0; i < effect_.techniques.size(); ++i) Technique(i, techniques, hint);

        std::vector<uint32_t> body{uint32_t(effect_.parameters.size()), uint32_t(effect_.techniques.size()), hint, nextObject_};
        Append(body, parameters);
        Append(body, techniques);
        body.push_back(uint32_t(objects_.size()));
        body.push_back(uint32_t(resources_.size()));
        for (const ObjectData& object : objects_) {
            body.push_back(object.id);
            Sized(body, object.bytes);
        }
        for (const Resource& resource : resources_) {
            Append(body, {resource.technique, resource.index, resource.element, resource.state, resource.usage});
            Sized(body, resource.bytes);
        }

        std::vector<uint32_t> file{kFx2Tag, uint32_t(data_.size() * 4)};
        Append(file, data_);
        Append(file, body);
        std::vector<uint8_t> bytes(file.size() * 4);
        std::memcpy(bytes.data(), file.data(), bytes.size());
        return bytes;
    }

private:
    static void Append(std::vector<uint32_t>& to, const std::vector<uint32_t>& words) {
        to.insert(to.end(), words.begin(), words.end());
    }
    static void Sized(std::vector<uint32_t>& to, const std::vector<uint8_t>& bytes) {
        to.push_back(uint32_t(bytes.size()));
        Append(to, PaddedWords(bytes.data(), bytes.size()));
    }

    // Offsets into the data area, whose first word is 0 so that offset 0 means "no name".
    uint32_t Data(const std::vector<uint32_t>& words) {
        uint32_t offset = uint32_t(data_.size() * 4);
        Append(data_, words);
        return offset;
    }
    uint32_t String(const std::string& text) {
        if (text.empty()) return 0;
        std::vector<uint32_t> words{uint32_t(text.size() + 1)};
        Append(words, PaddedWords(text.c_str(), text.size() + 1));
        return Data(words);
    }
    uint32_t Type(const ValueType& type, const std::string& name, const std::string& semantic) {
        std::vector<uint32_t> words{uint32_t(type.type), uint32_t(type.cls), String(name), String(semantic), 0};
        if (type.cls == ParamClass::Vector) Append(words, {type.columns, type.rows});
        if (type.cls == ParamClass::Scalar || type.cls == ParamClass::MatrixRows) Append(words, {type.rows, type.columns});
        return Data(words);
    }
    uint32_t NewObject() { return nextObject_++; }

    void Annotations(const std::vector<Annotation>& annotations, std::vector<uint32_t>& out) {
        for (const Annotation& annotation : annotations) {
            uint32_t type = Type(annotation.type, annotation.name, "");
            uint32_t value;
            if (annotation.type.type == ParamType::String) {
                uint32_t id = NewObject();
                objects_.push_back({id, NulTerminated(annotation.text)});
                value = Data({id});
            } else {
                value = Data(annotation.words);
            }
            Append(out, {type, value});
        }
    }

    // A state record; a shader or a `<Name>` gets an object that a resource fills.
    void State(const StateAssignment& state, uint32_t technique, uint32_t index, uint32_t stateIndex,
               std::vector<uint32_t>& out) {
        uint32_t value;
        if (state.kind == StateAssignment::Kind::Value) {
            value = Data({state.word});
        } else {
            uint32_t id = NewObject();
            value = Data({id});
            bool shader = state.kind == StateAssignment::Kind::Shader;
            std::vector<uint8_t> bytes = shader ? ShaderOf(state.shader) : NulTerminated(state.reference);
            resources_.push_back({technique, index, kNoElement, stateIndex, shader ? kObjectBytes : kParameterName, bytes});
        }
        Append(out, {state.operation, state.index, Type(state.type, "", ""), value});
    }

    std::vector<uint8_t> ShaderOf(const ShaderRef& shader) {
        if (shader.IsNull()) return {};
        return shaders_.at(ShaderKey(shader));
    }

    void Parameter(uint32_t index, std::vector<uint32_t>& out, uint32_t& hint) {
        const fx::Parameter& parameter = effect_.parameters[index];
        uint32_t type = Type(parameter.type, parameter.name, parameter.semantic);
        uint32_t value;
        if (parameter.type.type == ParamType::Sampler || parameter.type.type == ParamType::Sampler2D) {
            std::vector<uint32_t> sampler{uint32_t(parameter.samplerStates.size())};
            for (uint32_t s = 0; s < parameter.samplerStates.size(); ++s)
                State(parameter.samplerStates[s], kNoTechnique, index, s, sampler);
            value = Data(sampler);
            ++hint;
        } else if (parameter.type.cls == ParamClass::Object) {
            value = Data({NewObject()});
        } else {
            value = Data(parameter.words);
        }
        Append(out, {type, value, 0, uint32_t(parameter.annotations.size())});
        Annotations(parameter.annotations, out);
    }

    void Technique(uint32_t index, std::vector<uint32_t>& out, uint32_t& hint) {
        const fx::Technique& technique = effect_.techniques[index];
        Append(out, {String(technique.name), uint32_t(technique.annotations.size()), uint32_t(technique.passes.size())});
        Annotations(technique.annotations, out);
        for (uint32_t p = 0; p < technique.passes.size(); ++p) {
            const Pass& pass = technique.passes[p];
            Append(out, {String(pass.name), uint32_t(pass.annotations.size()), uint32_t(pass.states.size())});
            Annotations(pass.annotations, out);
            for (uint32_t s = 0; s < pass.states.size(); ++s) {
                State(pass.states[s], index, p, s, out);
                if (pass.states[s].kind == StateAssignment::Kind::Shader) ++hint;
            }
            ++hint;
        }
    }

    const EffectSource& effect_;
    const ShaderBytes& shaders_;
    std::vector<uint32_t> data_{0};
    std::vector<ObjectData> objects_;
    std::vector<Resource> resources_;
    uint32_t nextObject_ = 1;
};

}  // namespace

std::string ShaderKey(const ShaderRef& shader) { return shader.function + "." + shader.profile; }

std::vector<uint8_t> WriteFx2(const EffectSource& effect, const ShaderBytes& shaders) {
    return Fx2Builder(effect, shaders).Build();
}

}  // namespace fx
