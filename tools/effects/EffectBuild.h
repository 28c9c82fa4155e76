#pragma once
// From an effect source and its committed shader bytecode to the effect binary: the steps of
// the build, callable as functions. Every failure is an EffectError and nothing is written.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "EffectSource.h"
#include "EffectTokens.h"

namespace fx {

// "Effect.Function.profile.d3dbc": the bytecode file of one shader, beside the effect's manifest.
std::string ShaderFileName(const std::string& effectName, const ShaderRef& shader);
// The effect's name: its file name without folder and extension.
std::string EffectName(const std::string& sourcePath);

// Reads a bytecode file by its ShaderFileName; throws an EffectError when it is missing.
using ShaderReader = std::function<std::vector<uint8_t>(const std::string& fileName)>;

// Parses the source (its includes read through `readInclude`), prepares every shader it
// compiles (pixel shaders checked as ps_2_0 or marked ps_2_x) and checks that each shader
// constant is a parameter of the effect.
std::vector<uint8_t> BuildEffectBinary(const std::string& sourceText, const std::string& sourcePath,
                                       const ShaderReader& readShader, const IncludeReader& readInclude = {});

// Reads the files a source includes from its own folder.
IncludeReader IncludesBeside(const std::string& sourcePath);

// An effect binary and every file it was made from.
struct BuiltEffect {
    std::vector<uint8_t> bytes;
    std::vector<std::string> inputs;  // the source, its includes, the manifest, the bytecode
};

// The same from files: the hashes of the source and of every file it includes must match the
// manifest in `bytecodeDir`.
BuiltEffect BuildEffectFromFiles(const std::string& sourcePath, const std::string& bytecodeDir);

// The source's text with each `#include "Name"` line replaced by that file's text, its own
// includes expanded in turn: effect text that compiles without an include handler, as a
// document embeds it. The source is parsed first, so an include the writer refuses throws.
std::string ExpandedSourceText(const std::string& sourcePath);

// The rule "target: inputs" in the form of a compiler's dependency file (CMake's DEPFILE), so
// that a build writes the target again when any input changes.
std::string DepfileText(const std::string& target, const std::vector<std::string>& inputs);

// The name of the manifest file in a bytecode folder.
constexpr const char* kManifestName = "manifest.sha256";

// Reads a whole file; throws an EffectError naming it when it cannot.
std::string ReadWholeFile(const std::string& path);

}  // namespace fx
