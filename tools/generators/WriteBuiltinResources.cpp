// Writes the pictures of the built-in resource module into a folder, named by resource id.
#include <cstdio>
#include <string>

#include "PictureEncoder.h"
#include "ProceduralPictures.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_builtin_resources FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    using namespace pictures;
    const bool written =
        WriteFile(folder + "/picture_5.png", EncodePng(DuskLandscape(1024, 768))) &&
        WriteFile(folder + "/picture_6.png", EncodePng(BorderShade(64, 64)));
    return written ? 0 : 1;
}
