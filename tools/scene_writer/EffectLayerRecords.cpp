#include "EffectLayerRecords.h"

namespace scenewriter {

SceneWriter MakeGlassBall(const GlassBallRecord& ball) {
    SceneWriter out;
    out.Section("QV_GlassBallLight", ball.version);
    for (const LinkValue* link : {&ball.overlay1, &ball.overlay2, &ball.stand, &ball.backdrop}) WriteLink(out, *link);
    out.UInt(ball.scrollSpeed).Point(ball.ballX, ball.ballY).UInt(ball.ballSize).UInt(ball.distortion);
    out.Int(ball.showOverlay1).Int(ball.showOverlay2).Int(ball.showStand).Int(ball.showBackdropPicture);
    out.Int(ball.scrollMode).Int(ball.gradientTop).Int(ball.gradientBottom);
    return out.Append(MakeLayer(ball.layer));
}

SceneWriter MakeWaterRings(const WaterRingsRecord& water) {
    SceneWriter out;
    out.Section("QV_WaterRingLight", water.version);
    if (water.version >= 2) {
        out.UInt(water.waveHeight).UInt(water.rowDensity).UInt(water.columnDensity);
        out.UInt(water.dropSize).UInt(water.dampingLevel).UInt(water.refractionShift);
        out.UInt(water.dropRate).UInt(water.specularLevel).UInt(water.specularPower);
    }
    out.Int(water.mode);
    return out.Append(MakeLayer(water.layer));
}

SceneWriter MakeGlyphRain(const GlyphRainRecord& glyphs) {
    SceneWriter out;
    out.Section("QV_MatrixCodeLight", glyphs.version);
    out.UInt(glyphs.cellSize).UInt(glyphs.density).UInt(glyphs.flickerCount);
    out.Int(glyphs.sparkle).Int(glyphs.backgroundMode).Int(glyphs.rainMode);
    out.Int(glyphs.trailColour).Int(glyphs.headColour).UInt(glyphs.fade);
    if (glyphs.version >= 2) WriteLink(out, glyphs.glyphs);
    return out.Append(MakeLayer(glyphs.layer));
}

}  // namespace scenewriter
