// Writes the pictures, frame sets and meshes of the built-in resource module into a folder,
// named by resource id.
#include <cstdio>
#include <functional>
#include <string>

#include "LayerPictures.h"
#include "FlamePictures.h"
#include "MeshPictures.h"
#include "MeshShapes.h"
#include "PictureEncoder.h"
#include "ProceduralPictures.h"
#include "SceneWriter.h"
#include "SpritePictures.h"

namespace {

// A frame set: the durations, then one stored picture record per frame.
std::vector<uint8_t> FrameSet(int frames, float seconds, const std::string& name,
                              const std::function<pictures::Image(int frame)>& picture) {
    scenewriter::SceneWriter out;
    out.UInt(frames);
    for (int i = 0; i < frames; ++i) out.Float(seconds);
    out.UInt(frames);
    for (int i = 0; i < frames; ++i)
        out.EmbeddedFile(0, "", pictures::EncodePng(picture(i)), name + " " + std::to_string(i + 1));
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
        // The 3D objects' meshes (butterfly body and wing, the disc of dial and hands) and
        // the clock's pictures.
        WriteFile(folder + "/mesh_68.x", meshes::XFileBytes(meshes::ButterflyBody())) &&
        WriteFile(folder + "/mesh_69.x", meshes::XFileBytes(meshes::ButterflyWing())) &&
        WriteFile(folder + "/mesh_70.x", meshes::XFileBytes(meshes::FlatDisc())) &&
        WriteFile(folder + "/picture_71.png", EncodePng(ClockDial(256))) &&
        WriteFile(folder + "/picture_72.png", EncodePng(ClockHands(32))) &&
        // The drifting dust's soft dot and a twinkling star's frame set.
        WriteFile(folder + "/picture_44.png", EncodePng(SoftDot(64))) &&
        WriteFile(folder + "/frameset_300.bin",
                  FrameSet(4, 0.15f, "twinkle", [](int i) { return TwinkleFrame(64, i / 4.0); })) &&
        // The water brush's bump map and the pattern brush's petal tiles.
        WriteFile(folder + "/picture_89.png", EncodePng(WaterNormals(256))) &&
        WriteFile(folder + "/frameset_79.bin",
                  FrameSet(4, 0.25f, "petals", [](int i) { return PatternTile(64, i, 4); })) &&
        // The discharge's bolts, thin and thick, and the explosion's gradient and noise.
        WriteFile(folder + "/picture_95.png", EncodePng(BoltStrip(256, 64, 1.0))) &&
        WriteFile(folder + "/picture_98.png", EncodePng(BoltStrip(256, 64, 2.0))) &&
        WriteFile(folder + "/picture_321.png", EncodePng(FireGradient(256, 4))) &&
        WriteFile(folder + "/picture_322.png", EncodePng(NoiseTile(128))) &&
        // The glass ball's highlight, rim reflection and stand (500 × 202, about 2.48:1), and
        // the strip of 16 glyphs that fall over a picture.
        WriteFile(folder + "/picture_58.png", EncodePng(GlassHighlight(256))) &&
        WriteFile(folder + "/picture_59.png", EncodePng(GlassRim(256))) &&
        WriteFile(folder + "/picture_60.png", EncodePng(GlassStand(500, 202))) &&
        WriteFile(folder + "/picture_40.png", EncodePng(GlyphStrip(32, 16))) &&
        // The fire's flame patterns (the flame background's and the brush's) and noise, and
        // the heat shimmer's bump picture.
        WriteFile(folder + "/picture_7.png", EncodePng(FlamePattern(256, 256, 5, 3))) &&
        WriteFile(folder + "/picture_93.png", EncodePng(FlamePattern(128, 128, 3, 5))) &&
        WriteFile(folder + "/picture_8.png", EncodePng(TileableNoise(128, 9))) &&
        WriteFile(folder + "/picture_62.png", EncodePng(ShimmerBump(128)));
    return written ? 0 : 1;
}
