#include "objects/QV_ParticleSystemCtrl.h"

#include "document/QV_DocResManager.h"
#include "objects/QV_SpriteArrayObj.h"

QV_ABObj* QV_ParticleSystemCtrl::CreateObject() {
    LoadImages();
    return new QV_SpriteArrayObj(Clone());
}

void QV_ParticleSystemCtrl::LoadImages() {
    if (!HasLegacyImage() || !CurrentDocResManager) return;
    image.SetSilently(CurrentDocResManager->AddImageFromFrames(legacyFrames, legacyDurations));
    // An embedded second picture carries bytes but no resource id; it is kept too.
    if (legacySecondImage.ResourceId() != 0 || legacySecondImage.Bytes())
        secondImage.SetSilently(CurrentDocResManager->AddImageFromBuffer(legacySecondImage));
    legacyFrames.clear();
    legacyDurations.clear();
}
