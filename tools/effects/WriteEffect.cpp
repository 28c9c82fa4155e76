// The effect writer's command line.
//   write_effect SOURCE.fx BYTECODE_DIR OUT.fxo [--depfile OUT.d]
//                                                 writes the effect binary, and with --depfile
//                                                 the files it was made from as a make rule
//   write_effect --shaders SOURCE.fx              lists "function profile" of every shader
//   write_effect --includes SOURCE.fx             lists the files the source includes
// Errors go to stderr as "file:line: reason", and nothing is written.
#include <cstdio>
#include <fstream>
#include <iostream>

#include "EffectBuild.h"
#include "EffectError.h"
#include "EffectParser.h"

namespace {

int Usage() {
    std::cerr << "usage: write_effect SOURCE.fx BYTECODE_DIR OUT.fxo [--depfile OUT.d]\n"
                 "       write_effect --shaders SOURCE.fx\n"
                 "       write_effect --includes SOURCE.fx\n";
    return 1;
}

fx::EffectSource ReadSource(const std::string& sourcePath) {
    return fx::ParseEffectSource(fx::ReadWholeFile(sourcePath), sourcePath, fx::IncludesBeside(sourcePath));
}

// Written beside the output, then renamed over it: never a half-written file.
void WriteFile(const std::string& bytes, const std::string& path) {
    std::string partial = path + ".partial";
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    out.close();
    if (!out || std::rename(partial.c_str(), path.c_str()) != 0) {
        std::remove(partial.c_str());
        throw fx::EffectError(path, 0, "cannot be written");
    }
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const std::string first = argc > 1 ? argv[1] : "";
        if (argc == 3 && first == "--shaders") {
            for (const fx::ShaderRef& shader : ReadSource(argv[2]).Shaders())
                std::cout << shader.function << ' ' << shader.profile << '\n';
            return 0;
        }
        if (argc == 3 && first == "--includes") {
            for (const std::string& name : ReadSource(argv[2]).includes) std::cout << name << '\n';
            return 0;
        }
        const bool depfile = argc == 6 && std::string(argv[4]) == "--depfile";
        if (argc != 4 && !depfile) return Usage();
        const fx::BuiltEffect built = fx::BuildEffectFromFiles(argv[1], argv[2]);
        WriteFile(std::string(built.bytes.begin(), built.bytes.end()), argv[3]);
        if (depfile) WriteFile(fx::DepfileText(argv[3], built.inputs), argv[5]);
        return 0;
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
}
