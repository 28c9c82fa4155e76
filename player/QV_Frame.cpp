#include "player/QV_Frame.h"

#include "player/QV_AnimationBase.h"

QV_Frame::QV_Frame() {
    D3DXMatrixIdentity(&world);
    D3DXMatrixIdentity(&local);
}

void QV_Frame::UpdateWorld(const D3DXMATRIX* parent) {
    if (animation)
        animation->Animate(*this);
    else
        world = local;
    if (parent) world = world * *parent;
    for (QV_Frame* child : children) child->UpdateWorld(&world);
}

void FrameTreeDeleter::operator()(QV_Frame* root) const {
    if (!root) return;
    for (QV_Frame* child : root->children) (*this)(child);
    delete root;
}
