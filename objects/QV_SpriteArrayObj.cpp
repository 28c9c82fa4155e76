#include "objects/QV_SpriteArrayObj.h"

#include "document/QV_DocResManager.h"
#include "objects/QV_BaseSpriteProp.h"
#include "player/QV_2D_Light.h"

QV_SpriteArrayObj::QV_SpriteArrayObj(QV_BaseSpriteProp* description) : QV_ABObj(description) {
    if (const TextureSet* frames = description->ImageSet()) SetFrames(*frames);
    Bind(description);
    if (!description->secondImage.GetPath().empty())
        secondTexture_ = CurrentFrameOfLink(description->secondImage.Value());
}

void QV_SpriteArrayObj::Render(QV_2D_Light& layer) { layer.DrawSpriteArray(Batch()); }

SpriteBatch QV_SpriteArrayObj::Batch() {
    IDirect3DTexture9* frame = CurrentTexture();
    QV_BaseSpriteProp& description = *SpriteDescription();
    return {*this, frame, description.GetCount(), secondTexture_, description.blendMode.Value()};
}

void QV_SpriteArrayObj::Hook(void*, void*) {}

void QV_SpriteArrayObj::OnScreenChanged() { SpriteDescription()->SyncPixelRect(); }

bool QV_SpriteArrayObj::NeedsBackground() { return false; }

int QV_SpriteArrayObj::GetKind() { return kSceneObject; }

bool QV_SpriteArrayObj::HitTest(POINT point) {
    return SpriteDescription()->HitTest(float(point.x), float(point.y));
}

void QV_SpriteArrayObj::Update(float localTime) {
    StepClocks(localTime);
    QV_BaseSpriteProp& d = *SpriteDescription();
    const bool switched = AdvanceFrame(d.speed.Time());
    // Quads that only follow frame switches are still written once, so a buffer is never
    // drawn unwritten.
    MoveSprites(!d.frameChangeOnly.Value() || switched || !QuadsBuilt());
}
