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
    // Only a second-picture record with a resource id names a picture; one without is
    // neither converted nor drawn, whatever bytes it carries.
    if (legacySecondImage.ResourceId() != 0)
        secondImage.SetSilently(CurrentDocResManager->AddImageFromBuffer(legacySecondImage));
    legacyFrames.clear();
    legacyDurations.clear();
}
