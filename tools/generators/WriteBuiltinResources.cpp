// Writes the pictures and meshes of the built-in resource module into a folder, named by
// resource id.
#include <cstdio>
#include <string>

#include "MeshPictures.h"
#include "MeshShapes.h"
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
        WriteFile(folder + "/picture_6.png", EncodePng(BorderShade(64, 64))) &&
        // The 3D objects' meshes (butterfly body and wing, the disc of dial and hands) and
        // the clock's pictures.
        WriteFile(folder + "/mesh_68.x", meshes::XFileBytes(meshes::ButterflyBody())) &&
        WriteFile(folder + "/mesh_69.x", meshes::XFileBytes(meshes::ButterflyWing())) &&
        WriteFile(folder + "/mesh_70.x", meshes::XFileBytes(meshes::FlatDisc())) &&
        WriteFile(folder + "/picture_71.png", EncodePng(ClockDial(256))) &&
        WriteFile(folder + "/picture_72.png", EncodePng(ClockHands(32)));
    return written ? 0 : 1;
}
