// Writes the configuration dialog's picture (resource 120): a small dusk landscape.
#include <cstdio>

#include "PictureEncoder.h"
#include "ProceduralPictures.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_dialog_picture FILE\n");
        return 2;
    }
    using namespace pictures;
    return WriteFile(argv[1], EncodePng(DuskLandscape(144, 108))) ? 0 : 1;
}
