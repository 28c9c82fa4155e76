#pragma once
// A generator of one textured quad placed by four free corners, built once when the runtime
// object is made: the corners, colour 1 and the mirror flags of that moment stay.
#include "document/MediaQuad.h"
#include "objects/QV_StaticGenerator.h"

class FieldArchive;

class QV_SingleRectGN : public QV_StaticGenerator {
public:
    static constexpr int32_t kSectionVersion = 2;

    void Save(QV_IOF_Virtual& archive) override;
    // One layer holding the quad.
    void Prepare(QV_ParticlesObj& object) override;

    // Tag and version, the corners (version 1 adds two floats that are not used), then the
    // static generator's section.
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    MediaQuad corners;

private:
    void BuildQuad(QV_ParticlesObj& object);
};
