// Writes the built-in resource module's pictures, frame sets and meshes into a folder, and its
// resource script, common_res.rc, with every resource of document/BuiltinResources.h: those
// made here, and the effect binaries the build writes into the effects folder.
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "LayerPictures.h"
#include "FlamePictures.h"
#include "MeshPictures.h"
#include "MeshShapes.h"
#include "PictureEncoder.h"
#include "ProceduralPictures.h"
#include "SceneWriter.h"
#include "SpritePictures.h"
#include "document/BuiltinResources.h"

namespace {

using Bytes = std::vector<uint8_t>;
using pictures::EncodePng;

// A frame set: the durations, then one stored picture record per frame.
Bytes FrameSet(int frames, float seconds, const std::string& name, const std::function<pictures::Image(int frame)>& picture) {
    scenewriter::SceneWriter out;
    out.UInt(frames);
    for (int i = 0; i < frames; ++i) out.Float(seconds);
    out.UInt(frames);
    for (int i = 0; i < frames; ++i)
        out.EmbeddedFile(0, "", EncodePng(picture(i)), name + " " + std::to_string(i + 1));
    return out.Bytes();
}

// What each resource that is not an effect is made of, by id.
std::map<int32_t, std::function<Bytes()>> Makers() {
    using namespace pictures;
    using namespace builtin;
    return {
        {kDefaultPicture.id, [] { return EncodePng(DuskLandscape(1024, 768)); }},
        {kBorderPicture.id, [] { return EncodePng(BorderShade(64, 64)); }},
        {kButterflyBody.id, [] { return meshes::XFileBytes(meshes::ButterflyBody()); }},
        {kButterflyWing.id, [] { return meshes::XFileBytes(meshes::ButterflyWing()); }},
        {kClockDisc.id, [] { return meshes::XFileBytes(meshes::FlatDisc()); }},
        {kClockDial.id, [] { return EncodePng(ClockDial(256)); }},
        {kClockHands.id, [] { return EncodePng(ClockHands(32)); }},
        {kSoftDot.id, [] { return EncodePng(SoftDot(64)); }},
        {kTwinklingStar.id, [] { return FrameSet(4, 0.15f, "twinkle", [](int i) { return TwinkleFrame(64, i / 4.0); }); }},
        {kWaterBump.id, [] { return EncodePng(WaterNormals(256)); }},
        {kPatternTiles.id, [] { return FrameSet(4, 0.25f, "petals", [](int i) { return PatternTile(64, i, 4); }); }},
        {kThinBolt.id, [] { return EncodePng(BoltStrip(256, 64, 1.0)); }},
        {kThickBolt.id, [] { return EncodePng(BoltStrip(256, 64, 2.0)); }},
        {kExplosionGradient.id, [] { return EncodePng(FireGradient(256, 4)); }},
        {kExplosionNoise.id, [] { return EncodePng(NoiseTile(128)); }},
        // The glass ball's stand is 500 × 202, about 2.48:1.
        {kGlassHighlight.id, [] { return EncodePng(GlassHighlight(256)); }},
        {kGlassRim.id, [] { return EncodePng(GlassRim(256)); }},
        {kGlassStand.id, [] { return EncodePng(GlassStand(500, 202)); }},
        {kGlyphStrip.id, [] { return EncodePng(GlyphStrip(32, 16)); }},
        {kFlamePattern.id, [] { return EncodePng(FlamePattern(256, 256, 5, 3)); }},
        {kFirePattern.id, [] { return EncodePng(FlamePattern(128, 128, 3, 5)); }},
        {kTileableNoise.id, [] { return EncodePng(TileableNoise(128, 9)); }},
        {kShimmerBump.id, [] { return EncodePng(ShimmerBump(128)); }},
    };
}

// The file a resource is embedded from.
std::string FileOf(const builtin::Resource& resource, const std::string& folder, const std::string& effects) {
    const std::string id = std::to_string(resource.id);
    switch (resource.kind) {
        case builtin::Kind::Picture: return folder + "/picture_" + id + ".png";
        case builtin::Kind::FrameSet: return folder + "/frameset_" + id + ".bin";
        case builtin::Kind::Mesh: return folder + "/mesh_" + id + ".x";
        case builtin::Kind::Effect: return effects + "/" + resource.effect + ".fxo";
    }
    return {};
}

std::string ScriptLine(const builtin::Resource& resource, const std::string& file) {
    const char* type = resource.kind == builtin::Kind::Effect ? "RCDATA" : "KDV";
    return "// " + std::to_string(resource.id) + ": " + resource.what + "\n" + std::to_string(resource.id) + " " +
           type + " \"" + file + "\"\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: write_builtin_resources FOLDER EFFECT_BINARY_FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1], effects = argv[2];
    const std::map<int32_t, std::function<Bytes()>> makers = Makers();
    std::string script = "// common_res.dll, written by write_builtin_resources from document/BuiltinResources.h.\n";
    for (const builtin::Resource& resource : builtin::kAll) {
        const std::string file = FileOf(resource, folder, effects);
        if (resource.kind != builtin::Kind::Effect) {
            auto maker = makers.find(resource.id);
            if (maker == makers.end()) {
                std::fprintf(stderr, "write_builtin_resources: nothing makes resource %d\n", int(resource.id));
                return 1;
            }
            if (!pictures::WriteFile(file, maker->second())) return 1;
        }
        script += ScriptLine(resource, file);
    }
    return pictures::WriteFile(folder + "/common_res.rc", Bytes(script.begin(), script.end())) ? 0 : 1;
}
