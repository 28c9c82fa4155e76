// Writes the pictures the saver itself embeds into a folder, named by resource id:
// 2 the built-in texture, 5 the splash picture.
#include <cstdio>
#include <string>

#include "PictureEncoder.h"
#include "ProceduralPictures.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_saver_pictures FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    using namespace pictures;
    const bool written = WriteFile(folder + "/picture_2.png", EncodePng(WaveField(256))) &&
                         WriteFile(folder + "/picture_5.png", EncodePng(GlowOrb(512)));
    return written ? 0 : 1;
}
