#pragma once
// Falling water over the brush's own mesh: a pass of scrolling noise that distorts the
// background, and colour waves drawn one after another, each a saw-tooth ramp along the
// direction that fades in and out.
#include <cmath>
#include <vector>

#include "brushes/QV_DirectionBased.h"
#include "document/QV_ImageFileLink.h"

struct WaterfallWave {
    float shift[2] = {};
    float transluency = 0.0f;
};

class QV_WaterfallFX : public QV_DirectionBased {
public:
    static constexpr int32_t kRecordVersion = 1;
    // More waves than this look the same and only cost draws; a document's count is cut here.
    static constexpr unsigned int kMaxWaves = 32;

    QV_WaterfallFX();
    QV_WaterfallFX(const QV_WaterfallFX&) = default;

    // Load: transluency (notified), wave count (silently, at most kMaxWaves), noise amplitude,
    // spare value and threshold (notified), noise link, colour and off flag (silently), then
    // the direction base.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void Save(QV_IOF_Virtual& archive) override;
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);
    QV_FX_Constructor* Clone() const override;
    // The waves (sized once, here), the noise texture, the base's effect and mask, the 2 x 2 grid.
    void OnCreate(ComHolder<IDirect3DTexture9>* maskHolder) override;

    // Update: the phase, each wave's shift and transluency, and the noise scroll.
    void Update(float time) override;
    // 1 - |2d - 1|: 0 at both ends of the ramp, 1 half way.
    static float WaveFade(float ramp) { return 1.0f - std::abs(2.0f * ramp - 1.0f); }

    // The two passes; each draws the brush mesh.
    void DrawNoise(QV_2D_Light& layer);
    void DrawColorWaves(QV_2D_Light& layer);

    UINTSclaleTo<float> transluency;
    MediaParamT<unsigned int> waveCount;
    UINTSclaleTo<float> noiseAmplitude;
    UINTSclaleTo<float> spareScaled;
    UINTSclaleTo<float> threshold;
    QV_ImageFileLink noiseLink;
    MediaParamT<unsigned long> baseColor;  // red in the low byte
    MediaParamT<int> off;
    std::vector<WaterfallWave> waves;
    ComHolder<IDirect3DTexture9> noiseTexture;
    float noiseShift[2] = {};

protected:
    // "Mask" and "Background"; unless off, the noise pass (when its stored amplitude is not
    // 0) and the colour pass (when there are waves).
    void RenderEffect(QV_2D_Light& layer, ID3DXEffect& effect) override;
};
