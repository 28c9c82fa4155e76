#pragma once
// The manifest written beside committed shader bytecode: the SHA-256 of each effect source the
// bytecode was compiled from, one "HASH  FILE" line each (the form `sha256sum` writes and
// checks). The build compares it with the source it writes an effect from.
#include <string>

namespace fx {

std::string Sha256Hex(const std::string& bytes);

// Throws an EffectError naming `sourcePath` when the manifest has no line for `sourceName` or
// its hash is not the source's: the bytecode is then older than the source.
void CheckSourceHash(const std::string& manifest, const std::string& sourceName,
                     const std::string& sourceText, const std::string& sourcePath);

}  // namespace fx
