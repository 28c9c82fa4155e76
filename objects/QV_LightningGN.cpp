#include "objects/QV_LightningGN.h"

#include <algorithm>

#include "document/AnimationState.h"
#include "document/NumericHelpers.h"
#include "document/FieldArchive.h"
#include "document/QV_DocResManager.h"
#include "document/SharedRandom.h"
#include "player/QV_2D_Light.h"
#include "base/RenderTargetPair.h"
#include "player/ValueNoise.h"

namespace {

constexpr float kDisplacementUnit = 0.004f;
constexpr float kBranchLengthUnit = 0.01f;
constexpr float kBranchAngleUnit = kSinglePi / 200.0f;  // 100 is a right angle
constexpr float kTaperUnit = -0.01f;                    // 1 − value / 100
constexpr float kFlickerUnit = 0.01f;
constexpr uint32_t kMillisecondsPerHundredth = 10;
// The flicker's noise: milliseconds, over a scale of 75, four octaves of half the weight.
constexpr double kNoiseTimeScale = 1000.0;
constexpr double kNoiseScale = 75.0;
constexpr double kNoisePersistence = 0.5;
constexpr int kNoiseOctaves = 4;
// While fading in, a point not yet fully lit has (opacity + phase − 0.666) × 3.
constexpr float kGrowthOffset = 0.666f;
constexpr float kGrowthRate = 3.0f;
// Caps: half the core width behind the start, 0.7 of it beyond the end, narrowing.
constexpr float kStartCapLength = 0.5f;
constexpr float kEndCapLength = 0.7f;

void SetCapColours(PctQuad& cap, D3DCOLOR inner, D3DCOLOR outer) {
    cap.v[0].diffuse = cap.v[1].diffuse = inner;
    cap.v[2].diffuse = cap.v[3].diffuse = outer;
}

// The bolt's quads into the three layers: per chain its two end spots, a start cap, a core
// and a glow quad per segment (welded to the next), and an end cap; branches in the middle
// of their trunk, where they leave it.
class BoltQuads {
public:
    BoltQuads(const QV_LightningGN& lightning, QV_ParticlesObj& object, const PhaseLight& light, float ratio)
        : lightning_(lightning),
          bolt_(lightning.Bolt()),
          light_(light),
          ratio_(ratio),
          core_(object, QV_LightningGN::kCoreLayer, object.QuadCount(QV_LightningGN::kCoreLayer)),
          glow_(object, QV_LightningGN::kGlowLayer, object.QuadCount(QV_LightningGN::kGlowLayer)),
          spots_(object, QV_LightningGN::kSpotLayer, object.QuadCount(QV_LightningGN::kSpotLayer)) {}

    void EmitChain(size_t index, float u) {
        const LightningChain chain = bolt_.Chains()[index];
        auto point = [&](size_t k) -> const LightningPoint& { return bolt_.Point(chain, k); };
        const size_t last = chain.count - 1;
        spots_.Put(Spot(point(0)));
        spots_.Put(Spot(point(last)));
        if (point(0).branch >= 0) EmitChain(size_t(point(0).branch), 0.0f);
        Segment pending = BuildSegment(point(0), point(1));
        core_.Put(StartCap(point(0), point(1), u));
        for (size_t k = 1; k <= last; ++k) {
            if (point(k).branch >= 0) EmitChain(size_t(point(k).branch), 0.0f);
            const float nextU = u + pending.lambda * ratio_;
            Finish(pending, point(k - 1), u, nextU);
            Segment next;
            if (k < last) {
                next = BuildSegment(point(k), point(k + 1));
                WeldQuads(next.core, pending.core);
                WeldQuads(next.glow, pending.glow);
            }
            // The end cap goes into the core layer in the step that built the chain's last
            // segment (the first step for a chain of one segment) and starts in u where that
            // segment ends.
            if (k == std::max(last - 1, size_t(1)))
                core_.Put(EndCap(point(last - 1), point(last), k < last ? nextU + next.lambda * ratio_ : nextU));
            core_.Put(pending.core);
            glow_.Put(pending.glow);
            pending = next;
            u = nextU;
        }
    }

private:
    struct Segment {
        PctQuad core{};
        PctQuad glow{};
        float lambda = 0.0f;  // the segment's length in core widths, for the u coordinate
    };

    float CoreWidth(const LightningPoint& p) const { return p.width * float(lightning_.coreWidth.Value()); }
    float GlowWidth(const LightningPoint& p) const { return p.width * float(lightning_.glowWidth.Value()); }
    D3DCOLOR Colour(const MediaColor& colour, float alpha) const {
        return VertexColour(colour.Value(), alpha * float(colour.Alpha()) / 255.0f);
    }
    D3DCOLOR CoreColour(const LightningPoint& p) const { return Colour(lightning_.colour1, light_.Alpha(p.phase)); }
    D3DCOLOR GlowColour(const LightningPoint& p) const { return Colour(lightning_.colour2, light_.Alpha(p.phase)); }
    D3DCOLOR FadedCore() const { return VertexColour(lightning_.colour1.Value(), 0.0f); }

    Segment BuildSegment(const LightningPoint& a, const LightningPoint& b) const {
        const D3DXVECTOR3 d = b.position - a.position;
        const float length = D3DXVec3Length(&d);
        const float core = float(lightning_.coreWidth.Value());
        // A core of no width has no length in widths either: the u coordinate stays.
        return Segment{BuildSegmentQuad(a.position, d, length, CoreWidth(a), CoreWidth(b)),
                       BuildSegmentQuad(a.position, d, length, GlowWidth(a), GlowWidth(b)),
                       core > 0.0f ? length / core * b.width : 0.0f};
    }

    void Finish(Segment& segment, const LightningPoint& from, float u0, float u1) const {
        SetQuadUV(segment.core, u0, u1, 0.0f, 1.0f);
        SetQuadColour(segment.core, CoreColour(from));
        SetQuadUV(segment.glow, u0, u1, 0.0f, 1.0f);
        SetQuadColour(segment.glow, GlowColour(from));
    }

    PctQuad Spot(const LightningPoint& p) const {
        PctQuad spot = BuildCenteredQuad(p.position, GlowWidth(p), GlowWidth(p));
        SetQuadColour(spot, GlowColour(p));
        return spot;
    }

    // A square-ended piece pointing back from the start, fading away from it.
    PctQuad StartCap(const LightningPoint& first, const LightningPoint& second, float u) const {
        return Cap(first, second, kStartCapLength, 1.0f, {u, u + ratio_ * kStartCapLength, 1.0f, 0.0f},
                   CoreColour(first));
    }

    // A piece beyond the end, narrowing and fading.
    PctQuad EndCap(const LightningPoint& before, const LightningPoint& last, float u) const {
        return Cap(last, before, kEndCapLength, kEndCapLength, {u, u + ratio_ * kEndCapLength, 0.0f, 1.0f},
                   CoreColour(before));
    }

    struct CapUV {
        float u0, u1, va, vb;
    };

    // A piece leaving `from` away from `other`, `length` core widths long and narrowing to
    // `narrowing` of the core width, in `colour` at `from` and clear at its far end.
    PctQuad Cap(const LightningPoint& from, const LightningPoint& other, float length, float narrowing,
                const CapUV& uv, D3DCOLOR colour) const {
        const float width = CoreWidth(from);
        const D3DXVECTOR3 d = NormalizedOrZero(from.position - other.position) * (width * length);
        PctQuad cap = BuildSegmentQuad(from.position, d, width * length, width, width * narrowing);
        SetQuadUV(cap, uv.u0, uv.u1, uv.va, uv.vb);
        SetCapColours(cap, colour, FadedCore());
        return cap;
    }

    const QV_LightningGN& lightning_;
    const LightningBolt& bolt_;
    PhaseLight light_;
    float ratio_;
    LayerWriter core_;
    LayerWriter glow_;
    LayerWriter spots_;
};

}  // namespace

float PhaseLight::Alpha(float phase) const {
    switch (state) {
    case AnimationState::kFadingOut: return opacity * opacity;
    case AnimationState::kVisible: return shown;
    case AnimationState::kFadingIn:
        return opacity > 1.0f - phase ? 1.0f : (opacity + phase - kGrowthOffset) * kGrowthRate;
    default: return opacity;
    }
}

float PhaseLight::Flicker(float time, float flicker) {
    const double noise = FractalNoise1D(double(time) * kNoiseTimeScale, kNoiseScale, kNoisePersistence, kNoiseOctaves);
    return float(1.0 - (noise + 1.0) * flicker / 2.0);
}

QV_LightningGN::QV_LightningGN() {
    displacement.SetRule(kDisplacementUnit);
    branchLength.SetRule(kBranchLengthUnit);
    branchAngle.SetRule(kBranchAngleUnit);
    taper.SetRule(kTaperUnit, 1.0f);
    flicker.SetRule(kFlickerUnit);
}

void QV_LightningGN::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_LightningGN::Load(QV_IOF_Virtual& archive, uint32_t version) { Fields(FieldArchive::Reader(archive, version)); }

void QV_LightningGN::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_LightningGN", kRecordVersion)); }

void QV_LightningGN::Fields(FieldArchive ar) {
    ar.Param(coreWidth);
    ar.Param(detail);
    ar.Notified(displacement);
    ar.Param(seed);
    ar.Notified(branchLength);
    ar.Notified(branchAngle);
    ar.Notified(taper);
    for (auto& count : branchCounts) ar.Param(count);
    uint32_t legacy[kLegacyTimings] = {};
    if (ar.Version() < 2)
        for (uint32_t& timing : legacy) ar.Value(timing);
    ar.Notified(flicker);
    ar.Param(glowWidth);
    ar.Param(randomFlag);
    QV_StringGenerator::TaggedFields(ar);
    if (!ar.Reading()) return;
    // More passes or branches than the bolt keeps would only make a bigger, slower build.
    detail.SetSilently(std::min(detail.Value(), LightningBolt::kMaxPasses));
    for (auto* width : {&coreWidth, &glowWidth}) width->SetSilently(std::min(width->Value(), kMaxWidth));
    for (auto& count : branchCounts) count.SetSilently(std::min(count.Value(), LightningBolt::kMaxBranchCount));
    if (ar.Version() < 2 && !ar.Archive().Failed()) MoveLegacyTimings(legacy);
}

void QV_LightningGN::MoveLegacyTimings(const uint32_t (&timings)[kLegacyTimings]) {
    // Fade-in, fade-out, visible, hidden minimum and maximum; the last two are not used.
    QV_TimeLineControl& timeLine = TimeLine();
    auto hundredths = [&](int i) { return timings[i] / kMillisecondsPerHundredth; };
    timeLine.FadeIn().Assign(hundredths(0), nullptr);
    timeLine.FadeOut().Assign(hundredths(1), nullptr);
    timeLine.VisibleMin().Assign(hundredths(2), nullptr);
    timeLine.VisibleMax().Assign(hundredths(2), nullptr);
    timeLine.HiddenMin().Assign(hundredths(3), nullptr);
    timeLine.HiddenMax().Assign(hundredths(4), nullptr);
    timeLine.Mode().Assign(QV_TimeLineControl::kRandomCycle, nullptr);
}

void QV_LightningGN::ResetTimeLine() {
    QV_StringGenerator::ResetTimeLine();
    lastTime_ = 0.0f;
}

void QV_LightningGN::Prepare(QV_ParticlesObj& object) {
    QV_StringGenerator::Prepare(object);
    Regenerate();
    if (CurrentDocResManager) {
        RenderTargetPair& target = CurrentDocResManager->GetGuidImage(TargetKey());
        const D3DSURFACE_DESC backBuffer = GetBackBufferDesc();
        target.Resize(backBuffer.Width, backBuffer.Height);
        SetTarget(&target);
    }
    object.SetLayerCount(kLayers);
}

void QV_LightningGN::Update(float time, QV_ParticlesObj& object) {
    lastTime_ = time;
    if (TimeLine().GetState() == AnimationState::kHidden) {
        built_ = false;
    } else if (!built_) {
        Regenerate();
        built_ = true;
    }
    FillLayers(object);
}

void QV_LightningGN::Regenerate() {
    if (randomFlag.Value() == 0) SharedRandom::Seed(seed.Value());
    LightningShape shape;
    shape.start = start.Value();
    shape.end = end.Value();
    shape.passes = detail.Value();
    shape.displacement = displacement.Result();
    shape.branchLength = branchLength.Result();
    shape.branchAngle = branchAngle.Result();
    shape.taper = taper.Result();
    for (size_t level = 0; level < shape.branchCounts.size(); ++level)
        shape.branchCounts[level] = branchCounts[level].Value();
    bolt_.Build(shape);
}

void QV_LightningGN::FillLayers(QV_ParticlesObj& object) {
    if (object.LayerCount() < kLayers || bolt_.Chains().empty()) return;
    const UINT segments = UINT(bolt_.CountSegments());
    const UINT ends = UINT(bolt_.CountChainEnds());
    object.SetLayerQuadCount(kCoreLayer, segments + ends);
    object.SetLayerQuadCount(kGlowLayer, segments);
    object.SetLayerQuadCount(kSpotLayer, ends);
    const QV_TimeLineControl& timeLine = TimeLine();
    const PhaseLight light{timeLine.GetState(), timeLine.GetOpacity(), PhaseLight::Flicker(lastTime_, flicker.Result())};
    const float ratio = TextureSets().empty() ? 1.0f : TextureSets()[0].ratio;
    BoltQuads(*this, object, light, ratio).EmitChain(0, 0.0f);
}

void QV_LightningGN::Render(QV_2D_Light& layer, QV_ParticlesObj& object) {
    if (!CanDraw()) return;
    ID3DXEffect* effect = Effect();
    RenderLayers(kGlowLayer, kSpotLayer, layer, object);
    if (ChooseComposite(layer)) layer.DrawWithEffect(layer.GetPictureQuad(), effect);
    RenderLayers(kCoreLayer, kCoreLayer, layer, object);
    effect->SetTechnique("CommonTex");
    effect->SetTexture("Texture1", Target()->Current().Get());
    layer.DrawWithEffect(layer.GetPictureQuad(), effect);
}

bool QV_LightningGN::ChooseComposite(QV_2D_Light& layer) {
    ID3DXEffect* effect = Effect();
    IDirect3DTexture9* bolt = Target()->Current().Get();
    IDirect3DTexture9* scene = layer.GetSceneTexture().Get();
    switch (blendMode.Value()) {
    case kNormal:
        effect->SetTechnique("CommonTex");
        effect->SetTexture("Texture1", bolt);
        return true;
    case kScreen:
    case kColourDodge:
        // Without a scene there is nothing to blend with.
        if (!scene) return false;
        effect->SetTechnique(blendMode.Value() == kScreen ? "Blend_ScreenTex" : "Blend_ColorDodgeTex");
        effect->SetTexture("Texture1", scene);
        effect->SetTexture("Texture2", bolt);
        return true;
    case kSum:
        effect->SetTechnique("Blend_SumTex");
        effect->SetTexture("Texture1", bolt);
        return true;
    default:
        return false;
    }
}

bool QV_LightningGN::NeedsBackground() { return QV_StringGenerator::NeedsBackground() && CanDraw(); }

bool QV_LightningGN::CanDraw() const { return Effect() && Target() && Target()->Current(); }

QV_TexParticleGenerator* QV_LightningGN::Clone() const { return new QV_LightningGN(*this); }
