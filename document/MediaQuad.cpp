#include "document/MediaQuad.h"

#include "document/FieldArchive.h"

void MediaQuad::Fields(FieldArchive& ar) {
    for (MediaParamTB<D3DXVECTOR3>& corner : corners) ar.Param(corner);
}
