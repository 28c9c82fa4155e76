#pragma once
// Sprites that all move one way at one speed, each drifting sideways at random, handed to
// the four edge rules when they reach the rectangle's edges: drifting snow, dust and the like.
#include <d3dx9math.h>

#include "document/MediaFloat.h"
#include "document/ParamObserverList.h"
#include "objects/QV_BoundControl.h"
#include "objects/QV_ParticleSystemCtrl.h"

class QV_FlowConstructor : public QV_ParticleSystemCtrl {
public:
    enum Orientation { kUpright = 0, kAlongFlow = 1, kMirrorLeftward = 2, kMirrorUpward = 3 };
    static constexpr uint32_t kRecordVersion = 4;
    static constexpr float kDriftAmplitudeScale = 3.0f;  // pixels per unit of scaled time
    static constexpr float kDriftRateScale = 0.25f;      // drift changes per unit of scaled time

    QV_FlowConstructor();
    // The copy's flow vectors follow its own angle (its observer list binds them anew).
    QV_FlowConstructor(const QV_FlowConstructor&) = default;

    void Save(QV_IOF_Virtual& archive) override;
    void InitParticle(SpriteParticle& sprite) override;
    void UpdateParticle(SpriteParticle& sprite) override;
    // Fades by the number of sprites drawn: the time line's opacity × count, never above it.
    unsigned int GetCount() override;
    QV_ParticleSystemCtrl* Clone() const override;

    // The fields after tag and version: angle, drift, speed, from version 2 the orientation,
    // from version 4 the four edge records, then the sprite section. Above 4 reads as 4.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    // The section the rain follows its own head with.
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    // Rotation, flow vector and side vector from the angle (degrees, counter-clockwise).
    void OnDirectionChanged(unsigned int angle);
    // Half extents and colour, and the axes the orientation mode fixes.
    void ApplyOrientation(SpriteParticle& sprite);

    MediaParamT<unsigned int> angle;
    MediaFloat<unsigned int> driftAmplitude;  // A
    MediaFloat<unsigned int> driftRate;       // r
    float flowSpeed = 0.0f;                   // pixels per unit of scaled time
    MediaParamT<int> orientation;
    QV_BoundControl edges[4];  // top, bottom, left, right
    D3DXVECTOR4 flow{0.0f, 0.0f, 0.0f, 0.0f};
    D3DXVECTOR4 side{0.0f, 1.0f, 0.0f, 0.0f};
    D3DXMATRIX rotation;

private:
    void ConnectDirection();

    ParamObserverList<QV_FlowConstructor> observers_{&QV_FlowConstructor::ConnectDirection};
};
