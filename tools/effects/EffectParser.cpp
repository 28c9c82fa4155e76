#include "EffectParser.h"

#include <cstdlib>
#include <cstring>
#include <set>

#include "EffectError.h"
#include "EffectStates.h"
#include "EffectTokens.h"

namespace fx {

namespace {

uint32_t FloatWord(float value) {
    uint32_t word;
    std::memcpy(&word, &value, sizeof word);
    return word;
}

// floatN, intN, boolN, floatRxC and the object types a parameter may have.
bool ResolveType(const std::string& name, ValueType& type) {
    static const struct { const char* prefix; ParamType type; } kNumeric[] = {
        {"float", ParamType::Float}, {"int", ParamType::Int}, {"bool", ParamType::Bool}};
    static const struct { const char* name; ParamType type; } kObjects[] = {
        {"texture", ParamType::Texture}, {"texture2D", ParamType::Texture2D},
        {"Texture2D", ParamType::Texture2D}, {"sampler", ParamType::Sampler},
        {"sampler2D", ParamType::Sampler2D}};
    for (const auto& object : kObjects)
        if (name == object.name) {
            type = {object.type, ParamClass::Object, 1, 1};
            return true;
        }
    for (const auto& numeric : kNumeric) {
        size_t length = std::strlen(numeric.prefix);
        if (name.compare(0, length, numeric.prefix) != 0) continue;
        std::string shape = name.substr(length);
        auto digit = [](char c) { return c >= '1' && c <= '4'; };
        if (shape.empty()) {
            type = {numeric.type, ParamClass::Scalar, 1, 1};
        } else if (shape.size() == 1 && digit(shape[0])) {
            type = {numeric.type, ParamClass::Vector, 1, uint32_t(shape[0] - '0')};
        } else if (numeric.type == ParamType::Float && shape.size() == 3 && digit(shape[0]) &&
                   shape[1] == 'x' && digit(shape[2])) {
            type = {numeric.type, ParamClass::MatrixRows, uint32_t(shape[0] - '0'),
                    uint32_t(shape[2] - '0')};
        } else {
            return false;
        }
        return true;
    }
    return false;
}

bool IsSampler(const ValueType& type) {
    return type.type == ParamType::Sampler || type.type == ParamType::Sampler2D;
}
bool IsTexture(const ValueType& type) {
    return type.type == ParamType::Texture || type.type == ParamType::Texture2D;
}

// What a state's value is stored as: enums and flags as a 1×1 INT, floats as a FLOAT scalar.
ValueType StateValueType(ValueKind kind) {
    switch (kind) {
        case ValueKind::Float: return {ParamType::Float, ParamClass::Scalar, 1, 1};
        case ValueKind::Shader: return {ParamType::PixelShader, ParamClass::Object, 1, 1};
        case ValueKind::Texture: return {ParamType::Texture, ParamClass::Object, 1, 1};
        default: return {ParamType::Int, ParamClass::MatrixRows, 1, 1};
    }
}

class Parser {
public:
    Parser(const std::string& text, const std::string& file, const IncludeReader& readInclude) {
        TokenList list = Tokenize(text, file, readInclude);
        tokens_ = std::move(list.tokens);
        effect_.file = file;
        effect_.includes = std::move(list.includes);
    }

    EffectSource Run() {
        while (Peek().kind != Token::Kind::End) TopLevel();
        return std::move(effect_);
    }

private:
    const Token& Peek(size_t ahead = 0) const {
        size_t at = pos_ + ahead;
        return at < tokens_.size() ? tokens_[at] : tokens_.back();
    }
    const Token& Take() {
        const Token& token = Peek();
        if (token.kind != Token::Kind::End) ++pos_;
        return token;
    }
    [[noreturn]] static void Fail(const Token& at, const std::string& reason) {
        throw EffectError(at.file, at.line, reason);
    }
    static std::string Shown(const Token& token) {
        return token.kind == Token::Kind::End ? "the end of the file" : "'" + token.text + "'";
    }
    void Expect(const char* symbol) {
        const Token& token = Take();
        if (!token.Is(symbol)) Fail(token, std::string("expected '") + symbol + "' before " + Shown(token));
    }
    bool Accept(const char* symbolOrWord) {
        if (!Peek().Is(symbolOrWord)) return false;
        Take();
        return true;
    }
    const Token& ExpectName(const char* what) {
        const Token& token = Take();
        if (token.kind != Token::Kind::Identifier) Fail(token, std::string("expected ") + what + " before " + Shown(token));
        return token;
    }

    void TopLevel() {
        const Token& first = Peek();
        if (first.Is("technique")) return TechniqueBlock();
        if (first.Is("struct") || first.Is("static")) return SkipStatement();
        if (first.Is("shared")) Fail(first, "shared parameters are not supported");
        if (first.Is("technique10") || first.Is("technique11") || first.Is("pass"))
            Fail(first, Shown(first) + " is not an fx_2_0 construct");
        if (first.kind != Token::Kind::Identifier) Fail(first, "unexpected " + Shown(first));
        Declaration();
    }

    // A struct, a static variable or a static function: up to its ';' or its closing brace.
    void SkipStatement() {
        const Token& start = Peek();
        int depth = 0;
        while (true) {
            const Token& token = Take();
            if (token.kind == Token::Kind::End) Fail(start, "declaration is not closed");
            if (token.Is("{")) ++depth;
            if (token.Is(";") && depth == 0) return;
            if (token.Is("}") && --depth == 0) {
                Accept(";");
                return;
            }
        }
    }

    void SkipBalanced(const char* open, const char* close) {
        const Token& start = Peek();
        Expect(open);
        for (int depth = 1; depth > 0;) {
            const Token& token = Take();
            if (token.kind == Token::Kind::End) Fail(start, std::string("'") + open + "' is not closed");
            if (token.Is(open)) ++depth;
            if (token.Is(close)) --depth;
        }
    }

    void Declaration() {
        while (Peek().Is("uniform") || Peek().Is("const") || Peek().Is("extern")) Take();
        const Token& typeName = ExpectName("a type");
        const Token& name = ExpectName("a name");
        if (Peek().Is("(")) {
            SkipBalanced("(", ")");
            if (Accept(":")) ExpectName("a semantic");
            return SkipBalanced("{", "}");
        }
        Parameter parameter;
        parameter.name = name.text;
        parameter.line = name.line;
        if (!ResolveType(typeName.text, parameter.type))
            Fail(typeName, "unsupported parameter type '" + typeName.text + "'");
        if (effect_.FindParameter(name.text)) Fail(name, "'" + name.text + "' is declared twice");
        if (Peek().Is("[")) Fail(Peek(), "array parameters are not supported");
        if (Accept(":")) parameter.semantic = ExpectName("a semantic").text;
        if (Peek().Is("<")) parameter.annotations = Annotations();
        if (parameter.type.cls != ParamClass::Object) parameter.words.assign(parameter.type.Count(), 0);
        if (Accept("=")) Initializer(parameter);
        Expect(";");
        effect_.parameters.push_back(std::move(parameter));
    }

    void Initializer(Parameter& parameter) {
        const Token& at = Peek();
        if (IsSampler(parameter.type)) {
            if (!Accept("sampler_state")) Fail(at, "a sampler is initialised with sampler_state");
            parameter.samplerStates = States(StateScope::Sampler);
            return;
        }
        if (parameter.type.cls == ParamClass::Object)
            Fail(at, "'" + parameter.name + "' cannot have an initializer");
        parameter.words = Numbers(parameter.type);
    }

    // A literal, a {list} (nested braces flatten) or a constructor such as float4(...).
    std::vector<uint32_t> Numbers(const ValueType& type) {
        const Token& at = Peek();
        std::vector<uint32_t> words;
        if (Peek().kind == Token::Kind::Identifier && Peek(1).Is("(")) {
            ValueType constructed;
            if (!ResolveType(Peek().text, constructed) || constructed.cls == ParamClass::Object)
                Fail(at, "unsupported constructor '" + at.text + "'");
            Take();
            List("(", ")", type, words);
        } else if (Peek().Is("{")) {
            List("{", "}", type, words);
        } else {
            words.push_back(Number(type.type));
        }
        if (words.size() != type.Count())
            Fail(at, std::to_string(words.size()) + " values for a type of " +
                         std::to_string(type.Count()));
        return words;
    }

    void List(const char* open, const char* close, const ValueType& type, std::vector<uint32_t>& words) {
        Expect(open);
        if (Accept(close)) return;
        do {
            if (Peek().Is("{"))
                List("{", "}", type, words);
            else
                words.push_back(Number(type.type));
        } while (Accept(","));
        Expect(close);
    }

    // One literal as the word a value of that type stores.
    uint32_t Number(ParamType type) {
        bool negative = Accept("-");
        if (!negative) Accept("+");
        const Token& token = Take();
        if (!negative && (token.Is("true") || token.Is("false"))) return token.Is("true") ? 1 : 0;
        if (token.kind != Token::Kind::Number) Fail(token, "expected a number before " + Shown(token));
        bool integral = token.text.find_first_of(".eEfFhH") == std::string::npos ||
                        token.text.rfind("0x", 0) == 0 || token.text.rfind("0X", 0) == 0;
        if (type == ParamType::Float) {
            float value = std::strtof(token.text.c_str(), nullptr);
            if (integral) value = float(std::strtoll(token.text.c_str(), nullptr, 0));
            return FloatWord(negative ? -value : value);
        }
        if (!integral) Fail(token, "'" + token.text + "' is not an integer");
        long long value = std::strtoll(token.text.c_str(), nullptr, 0);
        if (value > 0xFFFFFFFFLL) Fail(token, "'" + token.text + "' does not fit in 32 bits");
        if (type == ParamType::Bool) return value != 0 ? 1 : 0;
        return uint32_t(negative ? -value : value);
    }

    std::vector<Annotation> Annotations() {
        Expect("<");
        std::vector<Annotation> annotations;
        while (!Accept(">")) {
            const Token& typeName = ExpectName("an annotation type");
            Annotation annotation;
            if (typeName.Is("string")) {
                annotation.type = {ParamType::String, ParamClass::Object, 1, 1};
            } else if (!ResolveType(typeName.text, annotation.type) ||
                       annotation.type.cls == ParamClass::Object) {
                Fail(typeName, "unsupported annotation type '" + typeName.text + "'");
            }
            annotation.name = ExpectName("an annotation name").text;
            Expect("=");
            if (annotation.type.type == ParamType::String) {
                const Token& text = Take();
                if (text.kind != Token::Kind::String) Fail(text, "expected a string before " + Shown(text));
                annotation.text = text.text;
            } else {
                annotation.words = Numbers(annotation.type);
            }
            Expect(";");
            annotations.push_back(std::move(annotation));
        }
        return annotations;
    }

    void TechniqueBlock() {
        Take();
        Technique technique;
        const Token& name = ExpectName("a technique name");
        technique.name = name.text;
        for (const Technique& other : effect_.techniques)
            if (other.name == name.text) Fail(name, "technique '" + name.text + "' is declared twice");
        // Compilers keep techniques and variables in one scope.
        if (effect_.FindParameter(name.text)) Fail(name, "technique '" + name.text + "' has a parameter's name");
        if (Peek().Is("<")) technique.annotations = Annotations();
        Expect("{");
        while (!Accept("}")) technique.passes.push_back(PassBlock());
        if (technique.passes.empty()) Fail(name, "technique '" + name.text + "' has no pass");
        effect_.techniques.push_back(std::move(technique));
    }

    Pass PassBlock() {
        const Token& keyword = Take();
        if (!keyword.Is("pass")) Fail(keyword, "expected 'pass' before " + Shown(keyword));
        Pass pass;
        if (Peek().kind == Token::Kind::Identifier) pass.name = Take().text;
        if (Peek().Is("<")) pass.annotations = Annotations();
        pass.states = States(StateScope::Pass);
        return pass;
    }

    std::vector<StateAssignment> States(StateScope scope) {
        Expect("{");
        std::vector<StateAssignment> states;
        while (!Accept("}")) {
            states.push_back(State(scope));
            Expect(";");
        }
        return states;
    }

    StateAssignment State(StateScope scope) {
        const Token& name = ExpectName("a state name");
        std::optional<StateInfo> info = FindState(name.text, scope);
        if (!info)
            Fail(name, "unknown " + std::string(scope == StateScope::Sampler ? "sampler " : "") +
                           "state '" + name.text + "'");
        StateAssignment state;
        state.operation = info->operation;
        state.file = name.file;
        state.line = name.line;
        state.type = StateValueType(info->kind);
        state.index = scope == StateScope::Sampler ? kSamplerStateIndex : StateIndex(name, *info);
        Expect("=");
        if (info->kind == ValueKind::Shader) {
            bool pixel = info->operation == kPixelShaderOperation;
            state.kind = StateAssignment::Kind::Shader;
            state.shader = Shader(name, pixel);
            if (!pixel) state.type.type = ParamType::VertexShader;
        } else if (info->kind == ValueKind::Texture) {
            state.kind = StateAssignment::Kind::Reference;
            state.reference = TextureReference();
        } else {
            state.word = StateValue(info->kind);
        }
        return state;
    }

    uint32_t StateIndex(const Token& name, const StateInfo& info) {
        if (!Accept("[")) return 0;
        const Token& index = Take();
        long value = index.kind == Token::Kind::Number ? std::strtol(index.text.c_str(), nullptr, 0) : -1;
        if (info.indexCount == 1) Fail(name, "state '" + name.text + "' takes no index");
        if (value < 0 || value >= long(info.indexCount))
            Fail(index, "index of '" + name.text + "' must be 0 to " + std::to_string(info.indexCount - 1));
        Expect("]");
        return uint32_t(value);
    }

    ShaderRef Shader(const Token& state, bool pixel) {
        if (Accept("null") || Accept("NULL")) return {pixel ? "ps_2_0" : "vs_2_0", ""};
        const Token& keyword = Take();
        if (keyword.Is("asm")) Fail(keyword, "assembly shaders are not supported");
        if (!keyword.Is("compile")) Fail(keyword, "expected 'compile' or 'null' before " + Shown(keyword));
        const Token& profile = ExpectName("a shader profile");
        static const std::set<std::string> kPixel{"ps_2_0"}, kVertex{"vs_2_0"};
        if (!(pixel ? kPixel : kVertex).count(profile.text))
            Fail(profile, "profile '" + profile.text + "' is not supported for " + state.text +
                              (pixel ? " (use ps_2_0)" : " (use vs_2_0)"));
        const Token& function = ExpectName("a function name");
        Expect("(");
        if (!Peek().Is(")")) Fail(Peek(), "shader arguments are not supported");
        Expect(")");
        return {profile.text, function.text};
    }

    // `<Name>` or `(Name)`, naming a texture parameter declared before.
    std::string TextureReference() {
        bool angled = Peek().Is("<");
        Expect(angled ? "<" : "(");
        const Token& name = ExpectName("a texture name");
        const Parameter* texture = effect_.FindParameter(name.text);
        if (!texture || !IsTexture(texture->type))
            Fail(name, "'" + name.text + "' is not a texture parameter");
        Expect(angled ? ">" : ")");
        return name.text;
    }

    // A number, a name of the state's kind, or names joined by '|' (flags).
    uint32_t StateValue(ValueKind kind) {
        if (Peek().Is("<")) Fail(Peek(), "state values from parameters are not supported");
        if (kind == ValueKind::Float) return Number(ParamType::Float);
        if (Peek().kind == Token::Kind::Number || Peek().Is("-")) return Number(ParamType::Int);
        uint32_t value = 0;
        do {
            const Token& name = ExpectName("a state value");
            std::optional<uint32_t> named = NamedValue(kind, name.text);
            if (!named) Fail(name, "'" + name.text + "' is not a value of this state");
            value |= *named;
        } while (kind == ValueKind::ColorWrite && Accept("|"));
        return value;
    }

    std::vector<Token> tokens_;
    size_t pos_ = 0;
    EffectSource effect_;
};

}  // namespace

std::vector<ShaderRef> EffectSource::Shaders() const {
    std::vector<ShaderRef> shaders;
    for (const Technique& technique : techniques)
        for (const Pass& pass : technique.passes)
            for (const StateAssignment& state : pass.states) {
                if (state.kind != StateAssignment::Kind::Shader || state.shader.IsNull()) continue;
                bool known = false;
                for (const ShaderRef& shader : shaders)
                    known |= shader.profile == state.shader.profile && shader.function == state.shader.function;
                if (!known) shaders.push_back(state.shader);
            }
    return shaders;
}

const Parameter* EffectSource::FindParameter(const std::string& name) const {
    for (const Parameter& parameter : parameters)
        if (parameter.name == name) return &parameter;
    return nullptr;
}

EffectSource ParseEffectSource(const std::string& text, const std::string& file, const IncludeReader& readInclude) {
    return Parser(text, file, readInclude).Run();
}

}  // namespace fx
