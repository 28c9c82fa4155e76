#pragma once
// A moving explosion on one sprite: a fire drawn by the effect from a colour gradient picture
// (the image) and a scrolling noise picture (the second image). The noise scrolls with the
// explosion's own clock and blends towards a new target every whole second of scaled time;
// with the random flag 0 the targets come from the seed, so two explosions with one seed agree.
#include <d3dx9math.h>

#include "document/MediaColor.h"
#include "document/MediaDirection.h"
#include "document/MediaSpeedParam.h"
#include "objects/QV_StatBaseFXCtrl.h"

class QV_ExplosionConstructor : public QV_StatBaseFXCtrl {
public:
    static constexpr uint32_t kRecordVersion = 2;

    // What the time line's state and opacity make of the sprite and the effect's phases.
    struct Phases {
        float scale;     // of the sprite's half size: 0 hidden, from a quarter up while fading in
        float burnOut;   // 1 − opacity while fading out, else 0
        float ignition;  // (1 − opacity) × 2 while fading in, else 0
    };
    static Phases PhasesAt(int state, float opacity);

    QV_ExplosionConstructor();
    QV_ExplosionConstructor(const QV_ExplosionConstructor&) = default;

    void Save(QV_IOF_Virtual& archive) override;
    // The time line back to its start, and the noise and its clock with it.
    void ResetTimeLine() override;
    // Places the one sprite: the explosion's clock, then position, size and alpha by phase.
    void UpdateParticle(SpriteParticle& sprite) override;
    // A full copy whose direction axes follow its angle.
    QV_ExplosionConstructor* Clone() const override;
    // The effect, the gradient and noise textures, and the first noise target.
    void Prepare() override;
    // A new noise target at every new whole second, then the effect's parameters; false
    // without the effect or either texture.
    bool BeforeDraw(QV_2D_Light& layer) override;

    // After tag and version: noise parameters, direction, speed, before version 2 five
    // timings in milliseconds, seed, random flag, colour 2, then the static base's section;
    // the timings then become the time line's.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);
    // The next noise target: from the seed (the target count-th pair after it) or at random.
    void NewNoiseTargets();

    UINTSclaleTo<float> noise1;
    UINTSclaleTo<float> noise2;
    UINTSclaleTo<float> noise3;
    MediaDirection direction;     // degrees; the noise scrolls against its first axis
    MediaSpeedParam scrollSpeed;  // its clock is the explosion's own
    MediaParamT<unsigned int> seed;
    MediaParamT<int> randomFlag;  // 0: targets from the seed
    MediaColor colour2;           // red in the low byte
    ComHolder<IDirect3DTexture9> gradientTexture;
    ComHolder<IDirect3DTexture9> noiseTexture;
    D3DXVECTOR2 noiseBase{0.0f, 0.0f};
    D3DXVECTOR2 noiseTarget{0.0f, 0.0f};
    float lastWholeSecond = 0.0f;
    uint32_t targetCount = 1;

private:
    // The noise and the explosion's clock at their start.
    void RestartNoise();
    void SetShaderParams(ID3DXEffect& effect, float fraction) const;
    // Five legacy timings in milliseconds: fade-in, visible, fade-out and two parts of hidden.
    void MoveLegacyTimings(const uint32_t timings[5]);
};
