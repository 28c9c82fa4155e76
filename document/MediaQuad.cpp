#include "document/MediaQuad.h"

#include "document/FieldArchive.h"

void MediaQuad::Fields(FieldArchive& ar) {
    for (MediaParamTB<D3DXVECTOR3>& corner : corners) ar.Param(corner);
}

void MediaQuad::Read(QV_IOF_Virtual& archive) {
    FieldArchive ar = FieldArchive::Reader(archive, 0);
    Fields(ar);
}

void MediaQuad::Write(QV_IOF_Virtual& archive) {
    FieldArchive ar = FieldArchive::Writer(archive);
    Fields(ar);
}
