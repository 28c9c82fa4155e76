#pragma once
// Lightning between the start and the end point: a bolt with side branches, built again each
// time the object appears, drawn as three layers (core, glow, glow spots at the chain ends)
// into a shared render target and laid over the scene by one of four blend techniques. It
// flickers while shown, grows from its start while fading in and fades while fading out.
#include <array>

#include "document/AnimationState.h"
#include "document/PictureHeader.h"
#include "objects/LightningBolt.h"
#include "objects/QV_StringGenerator.h"

class FieldArchive;

// How lit a point of the bolt is, by its phase (the bolt's start 1, its end 0), in the time
// line's state: fading in, a point is fully lit once the opacity passes 1 − phase (before
// that it rises three times as fast from two thirds below), so the bolt grows from its start
// to its end; shown, every point has the frame's flicker; fading out, opacity²; hidden, the
// opacity.
struct PhaseLight {
    int state = AnimationState::kHidden;
    float opacity = 0.0f;
    float shown = 1.0f;

    float Alpha(float phase) const;
    // 1 less a share of up to `flicker` that value noise moves with the time (seconds).
    static float Flicker(float time, float flicker);
};

class QV_LightningGN : public QV_StringGenerator {
public:
    static constexpr int32_t kRecordVersion = 2;
    enum Layers { kCoreLayer = 0, kGlowLayer = 1, kSpotLayer = 2, kLayers = 3 };
    static constexpr int kLegacyTimings = 7;
    // A bolt's core and glow widths stay within the longest extent that can show.
    static constexpr unsigned int kMaxWidth = unsigned(kMaxShownExtent);

    QV_LightningGN();
    // Parameters, bolt, times and built flag; the shared target and GUID stay shared.
    QV_LightningGN(const QV_LightningGN&) = default;

    void Save(QV_IOF_Virtual& archive) override;
    // The record after tag and version. Detail and branch counts are kept within the bolt's
    // limits, the widths within kMaxWidth. A version-1 record's legacy timings (milliseconds)
    // go into the time line.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    // The time line restarts and so does the last time; the bolt stays.
    void ResetTimeLine() override;
    // A first bolt, the shared target at the back buffer's size, three layers.
    void Prepare(QV_ParticlesObj& object) override;
    // A new bolt on the first update after every hidden phase; the layers every time.
    void Update(float time, QV_ParticlesObj& object) override;
    // Glow and spots composited by the blend mode, then the core over them. Without its
    // effect or its target it draws nothing.
    void Render(QV_2D_Light& layer, QV_ParticlesObj& object) override;
    // Screen and colour dodge read the scene, but only when the bolt can be drawn at all:
    // an object that asked for the scene and drew nothing would leave the screen without it.
    bool NeedsBackground() override;
    QV_TexParticleGenerator* Clone() const override;

    // Seeds the shared sequence first when the random flag is 0.
    void Regenerate();
    // Every layer rewritten from the bolt and the time line's state.
    void FillLayers(QV_ParticlesObj& object);

    const LightningBolt& Bolt() const { return bolt_; }
    bool Built() const { return built_; }

    MediaParamT<unsigned int> coreWidth;  // pixels
    MediaParamT<unsigned int> detail;     // subdivision passes of the main chain
    UINTSclaleTo<float> displacement;
    MediaParamT<unsigned int> seed;
    UINTSclaleTo<float> branchLength;
    UINTSclaleTo<float> branchAngle;  // radians
    UINTSclaleTo<float> taper;
    std::array<MediaParamT<unsigned int>, 3> branchCounts;
    UINTSclaleTo<float> flicker;
    MediaParamT<unsigned int> glowWidth;  // pixels
    MediaParamT<int> randomFlag;

private:
    bool CanDraw() const;
    // Technique and textures for the glow's composite by blend mode; false for none.
    bool ChooseComposite(QV_2D_Light& layer);
    void MoveLegacyTimings(const uint32_t (&timings)[kLegacyTimings]);

    LightningBolt bolt_;
    float lastTime_ = 0.0f;
    bool built_ = false;
};
