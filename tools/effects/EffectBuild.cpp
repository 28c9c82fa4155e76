#include "EffectBuild.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>

#include "EffectError.h"
#include "EffectManifest.h"
#include "EffectParser.h"
#include "Fx2Writer.h"
#include "ShaderBytecode.h"

namespace fx {

namespace {

std::optional<std::string> ReadFileIfAny(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void CheckConstants(const EffectSource& effect, const StateAssignment& state, const std::vector<uint8_t>& bytes) {
    for (const std::string& name : ShaderConstantNames(bytes, effect.file))
        if (!effect.FindParameter(name))
            throw EffectError(state.file, state.line,
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
                                       const ShaderReader& readShader, const IncludeReader& readInclude) {
    EffectSource effect = ParseEffectSource(sourceText, sourcePath, readInclude);
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
    std::optional<std::string> text = ReadFileIfAny(path);
    if (!text) throw EffectError(path, 0, "cannot be read");
    return *std::move(text);
}

IncludeReader IncludesBeside(const std::string& sourcePath) {
    const std::filesystem::path folder = std::filesystem::path(sourcePath).parent_path();
    return [folder](const std::string& name) { return ReadFileIfAny(folder / name); };
}

BuiltEffect BuildEffectFromFiles(const std::string& sourcePath, const std::string& bytecodeDir) {
    namespace fs = std::filesystem;
    BuiltEffect built;
    std::string source = ReadWholeFile(sourcePath);
    fs::path manifest = fs::path(bytecodeDir) / kManifestName;
    if (!fs::exists(manifest))
        throw EffectError(sourcePath, 0, "has no shader bytecode yet: run scripts/effects");
    const std::string manifestText = ReadWholeFile(manifest.string());
    CheckSourceHash(manifestText, fs::path(sourcePath).filename().string(), source, sourcePath);
    built.inputs = {sourcePath, manifest.string()};
    // Each included file is held to its own line of the manifest: its shaders were compiled
    // with it as it is.
    const IncludeReader readBeside = IncludesBeside(sourcePath);
    const IncludeReader readInclude = [&](const std::string& name) {
        std::optional<std::string> text = readBeside(name);
        if (!text) return text;
        const std::string path = (fs::path(sourcePath).parent_path() / name).string();
        CheckSourceHash(manifestText, name, *text, path);
        if (std::find(built.inputs.begin(), built.inputs.end(), path) == built.inputs.end()) built.inputs.push_back(path);
        return text;
    };
    const ShaderReader readShader = [&](const std::string& fileName) {
        fs::path file = fs::path(bytecodeDir) / fileName;
        if (!fs::exists(file)) throw EffectError(sourcePath, 0, "has no bytecode " + fileName + ": run scripts/effects");
        std::string bytes = ReadWholeFile(file.string());
        built.inputs.push_back(file.string());
        return std::vector<uint8_t>(bytes.begin(), bytes.end());
    };
    built.bytes = BuildEffectBinary(source, sourcePath, readShader, readInclude);
    return built;
}

namespace {

// The name an include line names, or nothing for any other line.
std::optional<std::string> IncludedName(const std::string& line) {
    const size_t hash = line.find_first_not_of(" \t");
    if (hash == std::string::npos || line.compare(hash, 1, "#") != 0) return std::nullopt;
    const size_t open = line.find('"', hash);
    const size_t close = open == std::string::npos ? open : line.find('"', open + 1);
    if (close == std::string::npos) return std::nullopt;
    return line.substr(open + 1, close - open - 1);
}

std::string Expanded(const std::string& text, const IncludeReader& readInclude) {
    std::istringstream lines(text);
    std::string out, line;
    while (std::getline(lines, line)) {
        const std::optional<std::string> name = IncludedName(line);
        out += name ? Expanded(readInclude(*name).value_or(""), readInclude) : line + "\n";
    }
    return out;
}

}  // namespace

std::string ExpandedSourceText(const std::string& sourcePath) {
    const std::string text = ReadWholeFile(sourcePath);
    const IncludeReader readInclude = IncludesBeside(sourcePath);
    ParseEffectSource(text, sourcePath, readInclude);
    std::string expanded = Expanded(text, readInclude);
    // Read again without includes: the expanded text stands alone.
    ParseEffectSource(expanded, sourcePath);
    return expanded;
}

std::string DepfileText(const std::string& target, const std::vector<std::string>& inputs) {
    auto escaped = [](const std::string& path) {
        std::string out;
        for (char c : path) {
            if (c == ' ' || c == '#') out.push_back('\\');
            if (c == '$') out.push_back('$');
            out.push_back(c);
        }
        return out;
    };
    std::string rule = escaped(target) + ":";
    for (const std::string& input : inputs) rule += " \\\n  " + escaped(input);
    return rule + "\n";
}

}  // namespace fx
