#include "EffectBuild.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "EffectError.h"
#include "EffectManifest.h"
#include "EffectParser.h"
#include "Fx2Writer.h"
#include "ShaderBytecode.h"

namespace fx {

namespace {

void CheckConstants(const EffectSource& effect, const StateAssignment& state, const std::vector<uint8_t>& bytes) {
    for (const std::string& name : ShaderConstantNames(bytes, effect.file))
        if (!effect.FindParameter(name))
            throw EffectError(effect.file, state.line,
                              state.shader.function + " uses '" + name + "', which is not a parameter of the effect");
}

}  // namespace

std::string ShaderFileName(const std::string& effectName, const ShaderRef& shader) {
    return effectName + "." + ShaderKey(shader) + ".d3dbc";
}

std::string EffectName(const std::string& sourcePath) {
    return std::filesystem::path(sourcePath).stem().string();
}

std::vector<uint8_t> BuildEffectBinary(const std::string& sourceText, const std::string& sourcePath,
                                       const ShaderReader& readShader) {
    EffectSource effect = ParseEffectSource(sourceText, sourcePath);
    ShaderBytes shaders;
    for (const Technique& technique : effect.techniques)
        for (const Pass& pass : technique.passes)
            for (const StateAssignment& state : pass.states) {
                if (state.kind != StateAssignment::Kind::Shader || state.shader.IsNull()) continue;
                std::string key = ShaderKey(state.shader);
                if (shaders.count(key)) continue;
                std::string fileName = ShaderFileName(EffectName(sourcePath), state.shader);
                std::vector<uint8_t> bytes = readShader(fileName);
                PreparedShader prepared = state.shader.IsPixel() ? PreparePixelShader(bytes, fileName)
                                                                 : PrepareVertexShader(bytes, fileName);
                CheckConstants(effect, state, prepared.bytes);
                shaders[key] = std::move(prepared.bytes);
            }
    return WriteFx2(effect, shaders);
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw EffectError(path, 0, "cannot be read");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<uint8_t> BuildEffectFromFiles(const std::string& sourcePath, const std::string& bytecodeDir) {
    namespace fs = std::filesystem;
    std::string source = ReadWholeFile(sourcePath);
    fs::path manifest = fs::path(bytecodeDir) / kManifestName;
    if (!fs::exists(manifest))
        throw EffectError(sourcePath, 0, "has no shader bytecode yet: run scripts/effects");
    CheckSourceHash(ReadWholeFile(manifest.string()), fs::path(sourcePath).filename().string(), source, sourcePath);
    return BuildEffectBinary(source, sourcePath, [&](const std::string& fileName) {
        fs::path file = fs::path(bytecodeDir) / fileName;
        if (!fs::exists(file)) throw EffectError(sourcePath, 0, "has no bytecode " + fileName + ": run scripts/effects");
        std::string bytes = ReadWholeFile(file.string());
        return std::vector<uint8_t>(bytes.begin(), bytes.end());
    });
}

}  // namespace fx
