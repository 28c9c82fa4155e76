// Writes the pictures and frame sets of the built-in resource module into a folder, named by
// resource id.
#include <cstdio>
#include <string>

#include "PictureEncoder.h"
#include "ProceduralPictures.h"
#include "SceneWriter.h"

namespace {

// A frame set: the durations, then one stored picture record per frame.
std::vector<uint8_t> PatternFrameSet() {
    const int frames = 4;
    scenewriter::SceneWriter out;
    out.UInt(frames);
    for (int i = 0; i < frames; ++i) out.Float(0.25f);
    out.UInt(frames);
    for (int i = 0; i < frames; ++i) {
        const std::string name = "petals_" + std::to_string(i) + ".png";
        out.EmbeddedFile(0, "", pictures::EncodePng(pictures::PatternTile(64, i, frames)), name);
    }
    return out.Bytes();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_builtin_resources FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    using namespace pictures;
    const bool written =
        WriteFile(folder + "/picture_5.png", EncodePng(DuskLandscape(1024, 768))) &&
        WriteFile(folder + "/picture_6.png", EncodePng(BorderShade(64, 64))) &&
        WriteFile(folder + "/picture_89.png", EncodePng(WaterNormals(256))) &&
        WriteFile(folder + "/frameset_79.bin", PatternFrameSet());
    return written ? 0 : 1;
}
