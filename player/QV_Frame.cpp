#include "player/QV_Frame.h"

#include "player/QV_AnimationBase.h"

QV_Frame::QV_Frame() {
    D3DXMatrixIdentity(&world);
    D3DXMatrixIdentity(&local);
}

void QV_Frame::UpdateWorld(const D3DXMATRIX* parent) {
    if (animation)
        animation->ComputeWorld(*this);
    else
        world = local;
    if (parent) world = world * *parent;
    for (QV_Frame* child : children) child->UpdateWorld(&world);
}
