#pragma once
// The built-in module "common_res.dll": every resource it holds, by id. This is the one list of
// the module's ids: the descriptions' default links, the module's resource script (written
// from it by tools/generators/WriteBuiltinResources.cpp), the scene generators and the tests
// all read it. Plain data, so that the host tools include it too.
#include <cstdint>
#include <string>

#include "document/FileKey.h"

namespace builtin {

inline constexpr char kModuleName[] = "common_res.dll";

enum class Kind {
    Picture,   // image-file bytes, resource type KDV
    FrameSet,  // frame durations and stored picture records, type KDV
    Mesh,      // .x text, type KDV
    Effect,    // an fx_2_0 binary, type RT_RCDATA
};

struct Resource {
    int32_t id;
    Kind kind;
    // An effect's source in resources/effects, without its extension; null for the others,
    // which write_builtin_resources makes.
    const char* effect;
    const char* what;
};

// Pictures, frame sets and meshes.
inline constexpr Resource kDefaultPicture{5, Kind::Picture, nullptr, "the default background picture"};
inline constexpr Resource kBorderPicture{6, Kind::Picture, nullptr,
                                         "the picture view's border, also the butterfly's body picture"};
inline constexpr Resource kFlamePattern{7, Kind::Picture, nullptr, "the flame background's flames, bright at the bottom"};
inline constexpr Resource kFirePattern{93, Kind::Picture, nullptr, "the fire brush's flames, bright at the bottom"};
inline constexpr Resource kTileableNoise{8, Kind::Picture, nullptr, "tileable noise, the fire's and the waterfall's"};
inline constexpr Resource kShimmerBump{62, Kind::Picture, nullptr, "the heat shimmer's two-channel bump picture"};
inline constexpr Resource kGlyphStrip{40, Kind::Picture, nullptr, "the strip of glyphs that fall over a picture"};
inline constexpr Resource kSoftDot{44, Kind::Picture, nullptr, "a soft dot, the sprite picture of drifting dust"};
inline constexpr Resource kGlassHighlight{58, Kind::Picture, nullptr, "the glass ball's highlight"};
inline constexpr Resource kGlassRim{59, Kind::Picture, nullptr, "the glass ball's rim reflection"};
inline constexpr Resource kGlassStand{60, Kind::Picture, nullptr, "the glass ball's stand"};
inline constexpr Resource kButterflyBody{68, Kind::Mesh, nullptr, "the butterfly's body"};
inline constexpr Resource kButterflyWing{69, Kind::Mesh, nullptr, "the butterfly's wing"};
inline constexpr Resource kClockDisc{70, Kind::Mesh, nullptr, "the flat disc of a clock's dial and hands"};
inline constexpr Resource kClockDial{71, Kind::Picture, nullptr, "the clock's dial"};
inline constexpr Resource kClockHands{72, Kind::Picture, nullptr, "the clock's hands"};
inline constexpr Resource kPatternTiles{79, Kind::FrameSet, nullptr, "pattern tiles of turning petals, four frames"};
inline constexpr Resource kWaterBump{89, Kind::Picture, nullptr, "the water brush's bump map, a normal map"};
inline constexpr Resource kThinBolt{95, Kind::Picture, nullptr, "an electric bolt, thin: the discharge's segments"};
inline constexpr Resource kThickBolt{98, Kind::Picture, nullptr, "an electric bolt, thick"};
inline constexpr Resource kTwinklingStar{300, Kind::FrameSet, nullptr, "a twinkling star, four frames"};
inline constexpr Resource kExplosionGradient{321, Kind::Picture, nullptr, "the explosion's fire gradient"};
inline constexpr Resource kExplosionNoise{322, Kind::Picture, nullptr, "the explosion's tiling noise"};

// Effects, written from their sources and committed bytecode (scripts/effects).
inline constexpr Resource kHeatShimmerEffect{63, Kind::Effect, "FlameDistortion", "the flame background's heat shimmer"};
inline constexpr Resource kBackgroundCopyEffect{75, Kind::Effect, "BackgroundCopy", "the background copy brush"};
inline constexpr Resource kLightEffect{76, Kind::Effect, "Light", "the light brush"};
inline constexpr Resource kWavesEffect{77, Kind::Effect, "Waves", "the waves brush"};
inline constexpr Resource kPatternEffect{78, Kind::Effect, "Pattern", "the pattern brush"};
inline constexpr Resource kUnderwaterEffect{88, Kind::Effect, "Underwater", "the underwater brush and background"};
inline constexpr Resource kWaterEffect{90, Kind::Effect, "Water", "the water brush"};
inline constexpr Resource kMoveEffect{91, Kind::Effect, "Move", "the move brush"};
inline constexpr Resource kFireEffect{92, Kind::Effect, "Fire", "the fire brush and the flame background's flames"};
inline constexpr Resource kGlowEffect{97, Kind::Effect, "Glow", "the shader sprites' glow and the static text"};
inline constexpr Resource kExpandEffect{102, Kind::Effect, "Expand", "the expand brush"};
inline constexpr Resource kRadialWaveEffect{103, Kind::Effect, "RadialWave", "the radial wave brush"};
inline constexpr Resource kSmokeEffect{301, Kind::Effect, "Smoke", "the smoke"};
inline constexpr Resource kLightningEffect{302, Kind::Effect, "Lightning", "the lightning"};
inline constexpr Resource kPlantEffect{303, Kind::Effect, "Plant", "the plant"};
inline constexpr Resource kExplosionEffect{320, Kind::Effect, "Explosion", "the explosion"};
inline constexpr Resource kWaterfallEffect{331, Kind::Effect, "Waterfall", "the waterfall brush, for our own documents"};
inline constexpr Resource kRotationEffect{332, Kind::Effect, "Rotation", "the rotation brush, for our own documents"};
inline constexpr Resource kBendEffect{333, Kind::Effect, "Bend", "the bend brush, for our own documents"};

// Everything the module holds.
inline constexpr Resource kAll[] = {
    kDefaultPicture, kBorderPicture, kFlamePattern, kFirePattern, kTileableNoise, kShimmerBump,
    kGlyphStrip, kSoftDot, kGlassHighlight, kGlassRim, kGlassStand, kButterflyBody, kButterflyWing,
    kClockDisc, kClockDial, kClockHands, kPatternTiles, kWaterBump, kThinBolt, kThickBolt,
    kTwinklingStar, kExplosionGradient, kExplosionNoise,
    kHeatShimmerEffect, kBackgroundCopyEffect, kLightEffect, kWavesEffect, kPatternEffect,
    kUnderwaterEffect, kWaterEffect, kMoveEffect, kFireEffect, kGlowEffect, kExpandEffect,
    kRadialWaveEffect, kSmokeEffect, kLightningEffect, kPlantEffect, kExplosionEffect,
    kWaterfallEffect, kRotationEffect, kBendEffect,
};

// The authoring tool's icon of a sound object, which a sound's description names; the player
// never draws it, and our module does not hold it.
inline constexpr Resource kSoundIcon{2016, Kind::Picture, nullptr, "the authoring tool's sound icon"};

// The link that names a resource of the module.
inline FileKey Link(const Resource& resource) {
    return FileKey(std::wstring(kModuleName, kModuleName + sizeof kModuleName - 1), resource.id);
}

}  // namespace builtin
