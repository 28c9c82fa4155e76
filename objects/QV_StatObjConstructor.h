#pragma once
// One sprite (or several on one spot) placed at a pixel rectangle's centre and turned by a
// rotation; once placed, the rectangle becomes the turned sprite's bounds.
#include <d3dx9math.h>

#include "document/MediaRectangle.h"
#include "objects/QV_ParticleSystemCtrl.h"

struct ScreenQuad;

class QV_StatObjConstructor : public QV_ParticleSystemCtrl {
public:
    static constexpr uint32_t kRecordVersion = 2;

    QV_StatObjConstructor() = default;
    QV_StatObjConstructor(const QV_StatObjConstructor&) = default;

    void Save(QV_IOF_Virtual& archive) override;
    // The rectangle: corners (left, bottom), (left, top), (right, bottom), (right, top).
    void GetScreenQuad(ScreenQuad& quad) override;
    // Whether a point of the layer's window falls within the placed sprite's rectangle.
    bool HitTest(float x, float y) override;
    void InitParticle(SpriteParticle& sprite) override;
    QV_ParticleSystemCtrl* Clone() const override;

    // After tag and version: the rectangle, the rotation, before version 2 the two flips,
    // then the sprite section.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    // The section the flower and the discharge follow their own head with.
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);
    // The rectangle becomes the sprite's turned bounding box, truncated to whole pixels.
    void SyncRectangle(const SpriteParticle& sprite);

    // Centre x and y are its two further values.
    MediaRectangle spriteRect;
    MediaParamT<unsigned int> rotation;  // degrees, counter-clockwise on the screen
    D3DXMATRIX turn{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
};
