#include "BrushRecords.h"

namespace scenewriter {

void WriteFxBase(SceneWriter& out, const FxBaseRecord& fx) {
    out.Section("QV_FX_Constructor", fx.version).UInt(fx.speed).Int(fx.fxMode);
    out.String(fx.maskGuid).String(fx.maskName).Byte(fx.maskFlag);
    WriteLink(out, fx.effect);
    if (fx.version > 1) out.UInt(fx.effectScale);
    if (fx.version > 2) {
        for (float value : fx.region) out.Float(value);
        out.Int(fx.spareInt);
    }
    WriteDescriptionBase(out, fx.base);
}

void WriteDirectionBased(SceneWriter& out, const DirectionBasedRecord& record) {
    out.Section("QV_DirectionBased", record.version).UInt(record.strength).UInt(record.angle);
    WriteFxBase(out, record.fx);
}

void WriteCentralBased(SceneWriter& out, const CentralBasedRecord& record) {
    out.Section("QV_CentralBased", record.version);
    for (float value : record.center) out.Float(value);
    WriteFxBase(out, record.fx);
}

void WritePatternBrush(SceneWriter& out, const PatternBrushRecord& record) {
    out.Section("QV_PatternBrush", record.version);
    WriteLink(out, record.image);
    out.Int(record.flipV).Int(record.flipH).UInt(record.angle);
    out.UInt(record.patternScale).UInt(record.offsetX).UInt(record.offsetY);
    WriteFxBase(out, record.fx);
}

void WriteUnderwater(SceneWriter& out, const UnderwaterRecord& record) {
    out.Section("QV_UnderwaterFX", record.version).UInt(record.amplitude).UInt(record.wavelength);
    WriteFxBase(out, record.fx);
}

void WriteFire(SceneWriter& out, const FireRecord& record) {
    out.Section("QV_FireFX", record.version);
    if (record.version == 2)
        for (float value : record.region) out.Float(value);
    if (record.version >= 2) {
        out.Int(record.color1).Int(record.color2).Int(record.spareInt);
        WriteLink(out, record.pattern);
        WriteLink(out, record.noise);
    }
    if (record.version == 2) out.Int(record.baseSpareInt);
    if (record.version >= 2) out.UInt(record.density).UInt(record.brightness).UInt(record.tiling);
    WriteFxBase(out, record.fx);
}

SceneWriter MakePatternBrush(const PatternBrushRecord& record) {
    SceneWriter out;
    WritePatternBrush(out, record);
    return out;
}

SceneWriter MakePatternBrushC(const PatternBrushRecord& record) {
    SceneWriter out;
    out.Section("QV_PatternBrushC", 1);
    WritePatternBrush(out, record);
    return out;
}

SceneWriter MakeBackgroundCopy(const BackgroundCopyRecord& record) {
    SceneWriter out;
    out.Section("QV_BackgroundCopy", record.version);
    for (int32_t value : record.rect) out.Int(value);
    out.Int(record.wrapY).Int(record.wrapX);
    WriteFxBase(out, record.fx);
    return out;
}

SceneWriter MakeWaves(const WavesRecord& record) {
    SceneWriter out;
    out.Section("QV_WavesFX", record.version).UInt(record.amplitude).UInt(record.wavelength);
    out.UInt(record.angle).Int(record.normalMode);
    WriteFxBase(out, record.fx);
    return out;
}

SceneWriter MakeLight(const LightRecord& record) {
    SceneWriter out;
    out.Section("QV_LightFX", record.version).UInt(record.intensity).Int(record.mode);
    WriteFxBase(out, record.fx);
    return out;
}

SceneWriter MakeWater(const WaterRecord& record) {
    SceneWriter out;
    out.Section("QV_WaterFX", record.version);
    out.UInt(record.pFactor).UInt(record.bumpScale).UInt(record.direction2Scale).UInt(record.direction1Divisor);
    out.UInt(record.angle).UInt(record.shadows).UInt(record.halfZ).Int(record.color);
    WriteLink(out, record.bump);
    WriteFxBase(out, record.fx);
    return out;
}

SceneWriter MakeMove(const MoveRecord& record) {
    SceneWriter out;
    out.Section("QV_MoveFX", record.version).Int(record.mode);
    if (record.version > 1) out.UInt(record.amplitude2);
    WriteDirectionBased(out, record.direction);
    return out;
}

SceneWriter MakeWaterfall(const WaterfallRecord& record) {
    SceneWriter out;
    out.Section("QV_WaterfallFX", record.version).UInt(record.transluency).UInt(record.waveCount);
    out.UInt(record.noiseAmplitude).UInt(record.spareScaled).UInt(record.threshold);
    WriteLink(out, record.noise);
    out.Int(record.baseColor).Int(record.off);
    WriteDirectionBased(out, record.direction);
    return out;
}

SceneWriter MakeFire(const FireRecord& record) {
    SceneWriter out;
    WriteFire(out, record);
    return out;
}

SceneWriter MakeExpand(const ExpandRecord& record) {
    SceneWriter out;
    out.Section("QV_ExpandFX", record.version).UInt(record.amplitudeA).UInt(record.amplitudeB).Int(record.mode);
    WriteCentralBased(out, record.central);
    return out;
}

SceneWriter MakeRadialWave(const RadialWaveRecord& record) {
    SceneWriter out;
    out.Section("QV_RadialWaveFX", record.version);
    if (record.version > 1) {
        out.UInt(record.amplitude).UInt(record.wavelength).UInt(record.backgroundScale);
        out.Int(record.directionFlag);
    }
    WriteCentralBased(out, record.central);
    return out;
}

SceneWriter MakeRotation(const RotationRecord& record) {
    SceneWriter out;
    out.Section("QV_RotationFX", record.version).UInt(record.axisRatio).UInt(record.angle).Int(record.directionFlag);
    WriteCentralBased(out, record.central);
    return out;
}

SceneWriter MakeBend(const BendRecord& record) {
    SceneWriter out;
    out.Section("QV_BendFX", record.version).UInt(record.amplitudeA).UInt(record.amplitudeB).UInt(record.bend);
    out.Int(record.mode);
    WriteCentralBased(out, record.central);
    return out;
}

}  // namespace scenewriter
