#include "brushes/BumpDistortion.h"

#include "brushes/QV_FX_Constructor.h"
#include "document/BuiltinResources.h"
#include "document/QV_DocResManager.h"
#include "player/QV_2D_Light.h"

BumpDistortion::BumpDistortion() : BumpImage(builtin::Link(builtin::kShimmerBump)) {
    EffectLink.SetSilently(builtin::Link(builtin::kHeatShimmerEffect));
    Speed.SetScaled(50, 0.001f);
    Strength.SetScaled(25, 0.002f);
    BumpScale.SetScaled(88, -0.009f, 1.0f);
}

bool BumpDistortion::CreateResources() {
    const float corners[20] = {0, 600, 0, 0, 1, 0, 0, 0, 0, 0, 800, 600, 0, 1, 1, 800, 0, 0, 1, 0};
    Quad.CreateWithVertices(corners);
    Effect.Reset();
    BumpTexture = CurrentFrameOfLink(BumpImage.Value());
    Effect = CurrentEffectOfLink(EffectLink.Value());
    return bool(Effect);
}

void BumpDistortion::SetSize(float width, float height) {
    Quad.SetSize(width, height);
    Aspect = width > 0.0f ? height / width : 1.0f;
}

void BumpDistortion::Update(float time) {
    if (!Effect) return;
    Speed.Advance(time);
    Effect->SetFloat("stenght", Strength.Result() * 0.05f);
    const float t = Speed.Time();
    const float offset[2] = {t, -t};
    Effect->SetFloatArray("Offset", offset, 2);
    const float s = BumpScale.Result();
    const float scale[2] = {s, s * Aspect};
    Effect->SetFloatArray("bump_scale", scale, 2);
}

void BumpDistortion::Draw(QV_2D_Light& layer, IDirect3DTexture9* scene) {
    if (!Effect) return;
    Effect->SetTexture("SceneTex", scene);
    Effect->SetTexture("Bumpmap", BumpTexture.Get());
    Effect->SetTechnique("BumpmapDistortLow2");
    // The quad's own stream, no vertex shader; the pass sets only a pixel shader.
    layer.DrawWithEffect(Quad, Effect.Get());
}
