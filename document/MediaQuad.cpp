#include "document/MediaQuad.h"

#include "document/ParamArchive.h"

void MediaQuad::Read(QV_IOF_Virtual& archive) {
    for (MediaParamTB<D3DXVECTOR3>& corner : corners) ReadVectorParam(archive, corner);
}

void MediaQuad::Write(QV_IOF_Virtual& archive) const {
    for (const MediaParamTB<D3DXVECTOR3>& corner : corners) WriteVectorParam(archive, corner);
}
