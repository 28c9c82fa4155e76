#pragma once
// From an effect source and its committed shader bytecode to the effect binary: the steps of
// the build, callable as functions. Every failure is an EffectError and nothing is written.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "EffectSource.h"

namespace fx {

// "Effect.Function.profile.d3dbc": the bytecode file of one shader, beside the effect's manifest.
std::string ShaderFileName(const std::string& effectName, const ShaderRef& shader);
// The effect's name: its file name without folder and extension.
std::string EffectName(const std::string& sourcePath);

// Reads a bytecode file by its ShaderFileName; throws an EffectError when it is missing.
using ShaderReader = std::function<std::vector<uint8_t>(const std::string& fileName)>;

// Parses the source, prepares every shader it compiles (pixel shaders checked as ps_2_0 or
// marked ps_2_x) and checks that each shader constant is a parameter of the effect.
std::vector<uint8_t> BuildEffectBinary(const std::string& sourceText, const std::string& sourcePath,
                                       const ShaderReader& readShader);

// The same from files: the source's hash must match the manifest in `bytecodeDir`.
std::vector<uint8_t> BuildEffectFromFiles(const std::string& sourcePath, const std::string& bytecodeDir);

// The name of the manifest file in a bytecode folder.
constexpr const char* kManifestName = "manifest.sha256";

// Reads a whole file; throws an EffectError naming it when it cannot.
std::string ReadWholeFile(const std::string& path);

}  // namespace fx
