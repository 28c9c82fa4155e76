#pragma once
// The level every sprite emitter derives from: it makes the runtime sprite object over a
// clone of the exact emitter, after turning a version-1 record's inline pictures into links.
#include "objects/QV_BaseSpriteProp.h"
#include "objects/SpriteParticle.h"

class QV_ParticleSystemCtrl : public QV_BaseSpriteProp {
public:
    // A QV_SpriteArrayObj owning Clone().
    QV_ABObj* CreateObject() override;
    // A heap copy of the exact class.
    virtual QV_ParticleSystemCtrl* Clone() const = 0;

    // A version-1 record's frames and second picture become links of the current manager,
    // and the inline lists are emptied; a record with an image path is left alone.
    void LoadImages();
};
