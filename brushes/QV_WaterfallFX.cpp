#include "brushes/QV_WaterfallFX.h"

#include <algorithm>
#include <cmath>

#include "document/FieldArchive.h"
#include "document/QV_DocResManager.h"
#include "player/QV_2D_Light.h"

QV_WaterfallFX::QV_WaterfallFX() {
    strength.SetScaled(0, 0.004f);
    speed.SetScaled(0, 0.02f);
    transluency.SetScaled(0, -0.01f, 1.0f);
    noiseAmplitude.SetScaled(0, 0.0001f);
    spareScaled.SetScaled(0, 1.0f);
    threshold.SetScaled(0, -0.001f, 1.0f);
}

void QV_WaterfallFX::Load(QV_IOF_Virtual& archive, uint32_t version) { Fields(FieldArchive::Reader(archive, version)); }

void QV_WaterfallFX::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_WaterfallFX::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_WaterfallFX", kRecordVersion)); }

void QV_WaterfallFX::Fields(FieldArchive ar) {
    ar.Notified(transluency);
    ar.Param(waveCount);
    if (ar.Reading()) waveCount.SetSilently(std::min(waveCount.Value(), kMaxWaves));
    for (UINTSclaleTo<float>* value : {&noiseAmplitude, &spareScaled, &threshold}) ar.Notified(*value);
    noiseLink.Fields(ar);
    ar.Param(baseColor);
    ar.Param(off);
    QV_DirectionBased::TaggedFields(ar);
}

QV_FX_Constructor* QV_WaterfallFX::Clone() const { return new QV_WaterfallFX(*this); }

void QV_WaterfallFX::OnCreate(ComHolder<IDirect3DTexture9>* maskHolder) {
    waves.resize(std::min(waveCount.Value(), kMaxWaves));
    noiseTexture = CurrentFrameOfLink(noiseLink.Value());
    QV_FX_Constructor::OnCreate(maskHolder);
    if (SUCCEEDED(BuildGridMesh(2, 2))) BuildMesh();
}

void QV_WaterfallFX::Update(float time) {
    QV_FX_Constructor::Update(time);
    const float p = Phase();
    const float s = strength.Result();
    float x = p;
    for (WaterfallWave& wave : waves) {
        const float d = x - std::trunc(x);
        wave.shift[0] = -s * d * direction.x;
        wave.shift[1] = -s * d * direction.y;
        wave.transluency = transluency.Result() * WaveFade(d);
        x += 1.0f / float(waves.size());
    }
    const float es = UsableEffectScale(effectScale.Result());
    noiseShift[0] = -0.1f * p * direction.x / es;
    noiseShift[1] = -0.1f * p * direction.y / es;
}

void QV_WaterfallFX::RenderEffect(QV_2D_Light& layer, ID3DXEffect& fx) {
    BindFrame(layer);
    if (off.Value() != 0) return;
    RestoreSceneUnderMesh(layer);
    if (noiseAmplitude.Value() > 0) DrawNoise(layer);
    if (!waves.empty()) DrawColorWaves(layer);
}

void QV_WaterfallFX::DrawNoise(QV_2D_Light& layer) {
    effect->SetTexture("NoiseMap", noiseTexture.Get());
    effect->SetTechnique("Noise");
    effect->SetFloatArray("noise_shift", noiseShift, 2);
    const float es = UsableEffectScale(effectScale.Result());
    const float bumpScale[2] = {PictureAspect(layer.GetPictureWidth(), layer.GetPictureHeight()) / es, 1.0f / es};
    effect->SetFloatArray("bump_scale", bumpScale, 2);
    effect->SetFloat("noise_amplitude", noiseAmplitude.Result());
    layer.DrawIndexedWithEffect(brushMesh, effect.Get());
}

void QV_WaterfallFX::DrawColorWaves(QV_2D_Light& layer) {
    effect->SetTechnique("ColorWaves");
    float rgb[3];
    ColourFloats(baseColor.Value(), rgb);
    effect->SetFloatArray("base_color", rgb, 3);
    effect->SetFloat("treshold", threshold.Result());
    for (const WaterfallWave& wave : waves) {
        effect->SetFloatArray("shift", wave.shift, 2);
        effect->SetFloat("transluency", wave.transluency);
        layer.DrawIndexedWithEffect(brushMesh, effect.Get());
    }
}
