#pragma once
// An electric bolt between a start and an end point: a zigzag of count segments, one sprite
// each, built anew at random every 0.1 of scaled time and morphed from the previous bolt
// towards the new one; each segment shows one half of the bolt picture, flickering.
#include <d3dx9math.h>

#include <vector>

#include "document/MediaParamT.h"
#include "document/UINTSclaleTo.h"
#include "objects/QV_GlowEffectCtrl.h"

// One segment of a bolt.
struct BoltPoint {
    D3DXVECTOR3 position{0.0f, 0.0f, 0.0f};   // the segment's midpoint
    D3DXVECTOR3 direction{0.0f, 0.0f, 0.0f};  // along the segment, unit length
    D3DXVECTOR3 side{0.0f, 0.0f, 0.0f};       // across the whole bolt, unit length
    float length = 0.0f;
};

class QV_DischargeFXConstructor : public QV_GlowEffectCtrl {
public:
    static constexpr uint32_t kRecordVersion = 1;
    // Scaled time between two bolts.
    static constexpr float kBoltInterval = 0.1f;
    // The picture's end caps: the first segment shows u up to 0.195, the last from 0.805.
    static constexpr float kCapEnd = 0.195f;
    static constexpr float kCapStart = 0.805f;

    QV_DischargeFXConstructor();
    QV_DischargeFXConstructor(const QV_DischargeFXConstructor&) = default;

    void Save(QV_IOF_Virtual& archive) override;
    // Both bolts sized to the count and built, the old one first.
    void InitParticle(SpriteParticle& sprite) override;
    // The k-th call of a frame places segment k.
    void UpdateParticle(SpriteParticle& sprite) override;
    QV_DischargeFXConstructor* Clone() const override;
    // The effect, the bolt picture by the texture choice, the glow textures.
    void Prepare() override;
    // A new bolt when the last is older than the bolt interval.
    void OnFrame() override;

    // After tag and version: the points, jitter, texture choice, flicker, morph speed, then
    // the glow section.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    // Fills every point of `bolt` with a new random zigzag from start to end.
    void BuildBolt(std::vector<BoltPoint>& bolt) const;
    // Point i of the old bolt moved by f of the way to the new bolt's; f is not limited.
    BoltPoint Interpolate(size_t i, float f) const;

    MediaParamT<D3DXVECTOR3> startPoint;  // picture pixels
    MediaParamT<D3DXVECTOR3> endPoint;
    UINTSclaleTo<float> jitter;
    MediaParamT<int> textureChoice{1};
    UINTSclaleTo<float> flickerInterval;  // seconds of local time
    UINTSclaleTo<float> morphSpeed;
    std::vector<BoltPoint> oldBolt;
    std::vector<BoltPoint> newBolt;
    int32_t segmentCounter = 0;
    float lastBoltTime = 0.0f;

private:
    // The bolts as InitParticle left them, built now if they are still owed.
    void SettleBolts();

    // Every sprite made builds both bolts, which would cost count² steps; all but the last
    // build only advance the shared generator, which Skip does at once. The last is owed
    // from the generator state it started at.
    bool boltsOwed_ = false;
    uint32_t owedSeed_ = 0;
};
