#include "objects/QV_SingleRectGN.h"

#include "document/FieldArchive.h"
#include "objects/QV_ParticlesObj.h"

void QV_SingleRectGN::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_SingleRectGN::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_SingleRectGN", kSectionVersion)); }

void QV_SingleRectGN::Fields(FieldArchive ar) {
    corners.Fields(ar);
    if (ar.Version() < 2) {
        float unused[2] = {};
        ar.Value(unused[0]);
        ar.Value(unused[1]);
    }
    QV_StaticGenerator::TaggedFields(ar);
}

void QV_SingleRectGN::Prepare(QV_ParticlesObj& object) {
    QV_StaticGenerator::Prepare(object);
    object.SetLayerCount(1);
    object.SetLayerQuadCount(0, 1);
    BuildQuad(object);
}

void QV_SingleRectGN::BuildQuad(QV_ParticlesObj& object) {
    D3DXVECTOR3 points[MediaQuad::kCorners];
    for (int i = 0; i < MediaQuad::kCorners; ++i) points[i] = corners.corners[i].Value();
    PctQuad quad = BuildQuadFromCorners(points);
    FlipQuadUV(quad, mirrorU.Value() != 0, mirrorV.Value() != 0);
    SetQuadColour(quad, VertexColour(colour1.Value(), float(colour1.Alpha()) / 255.0f));
    LayerWriter(object, 0, object.QuadCount(0)).Put(quad);
}
