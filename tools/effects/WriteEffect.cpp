// The effect writer's command line.
//   write_effect SOURCE.fx BYTECODE_DIR OUT.fxo   writes the effect binary
//   write_effect --shaders SOURCE.fx              lists "function profile" of every shader
// Errors go to stderr as "file:line: reason", and nothing is written.
#include <cstdio>
#include <fstream>
#include <iostream>

#include "EffectBuild.h"
#include "EffectError.h"
#include "EffectParser.h"

namespace {

int Usage() {
    std::cerr << "usage: write_effect SOURCE.fx BYTECODE_DIR OUT.fxo\n"
                 "       write_effect --shaders SOURCE.fx\n";
    return 1;
}

void ListShaders(const std::string& sourcePath) {
    fx::EffectSource effect = fx::ParseEffectSource(fx::ReadWholeFile(sourcePath), sourcePath);
    for (const fx::ShaderRef& shader : effect.Shaders()) std::cout << shader.function << ' ' << shader.profile << '\n';
}

// Written beside the output, then renamed over it: never a half-written binary.
void WriteBinary(const std::vector<uint8_t>& bytes, const std::string& path) {
    std::string partial = path + ".partial";
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    if (!out || std::rename(partial.c_str(), path.c_str()) != 0) {
        std::remove(partial.c_str());
        throw fx::EffectError(path, 0, "cannot be written");
    }
}

}  // namespace

int main(int argc, char** argv) {
    try {
        if (argc == 3 && std::string(argv[1]) == "--shaders") {
            ListShaders(argv[2]);
            return 0;
        }
        if (argc != 4) return Usage();
        WriteBinary(fx::BuildEffectFromFiles(argv[1], argv[2]), argv[3]);
        return 0;
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
}
