#include "objects/QV_BaseSpriteProp.h"

#include <algorithm>

#include "document/NumericHelpers.h"
#include "document/FieldArchive.h"
#include "document/PictureHeader.h"
#include "document/QV_DocResManager.h"
#include "document/QV_IOF_Virtual.h"
#include "objects/SpriteParticle.h"

QV_BaseSpriteProp::QV_BaseSpriteProp() {
    transparency.SetScale(MediaColor::kAlphaPerPercent);
    transparency.SetOffset(MediaColor::kOpaqueAlpha);
    transparency.OnParamChanged(nullptr);
    speed.SetScale(kSpeedScale);
    speed.SetSilently(kDefaultSpeed);
    speed.OnParamChanged(nullptr);
}

void QV_BaseSpriteProp::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_BaseSpriteProp::GetTextureFrameInfo(TextureFrameInfo& info) {
    info = TextureFrameInfo{&image, frameSetSource, 0, 1.0f / float(frameCount)};
}

void QV_BaseSpriteProp::InitParticle(SpriteParticle&) {}

void QV_BaseSpriteProp::UpdateParticle(SpriteParticle&) {}

int QV_BaseSpriteProp::NextFrame(int frame) { return int((uint32_t(frame) + 1) % frameCount); }

unsigned int QV_BaseSpriteProp::GetCount() { return count.Value(); }

D3DCOLOR QV_BaseSpriteProp::ApplyTimeLineAlpha(D3DCOLOR colour) {
    const unsigned int alpha = ScaleAlphaByte(colour >> 24, TimeLine().GetOpacity());
    return D3DCOLOR(alpha << 24 | (colour & 0x00FFFFFF));
}

D3DCOLOR QV_BaseSpriteProp::ApplyTimeLineAlphaInAlphaMode(D3DCOLOR colour) {
    if (TimeLine().TimeMode().Value() != QV_TimeLineControl::kAlphaByOpacity) return colour;
    return QV_BaseSpriteProp::ApplyTimeLineAlpha(colour);
}

void QV_BaseSpriteProp::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_BaseSpriteProp", kRecordVersion)); }

void QV_BaseSpriteProp::Fields(FieldArchive ar) {
    QV_ViewObjCtrl::TaggedFields(ar);
    ar.Param(count);
    // A count that outgrows 16-bit indices (or the memory) is cut once, here, and then to
    // what is left of the document's budget.
    if (ar.Reading()) count.SetSilently(ar.Archive().GrantEntries(std::min(count.Value(), kMaxCount)));
    if (ar.Version() < 3) ar.Param(TimeScale());
    ar.Param(size);
    ar.Notified(transparency);
    ar.Param(blendMode);
    ar.Param(colour);
    for (float* value : {&pulseSpeed, &alphaMin, &alphaMax, &scaleMin, &scaleMax}) ar.Value(*value);
    if (ar.Reading()) BoundSizes();
    if (ar.Version() == 1) {
        ReadLegacyFrames(ar.Archive());
    } else {
        image.Fields(ar);
        secondImage.Fields(ar);
    }
    ar.Value(inertWord);
    ar.Value(inertFloat);
    ar.Value(frameCount);
    // A sheet divides by its frame count: a stored 0 counts as one frame.
    if (ar.Reading()) frameCount = std::max(frameCount, 1u);
    ar.Value(frameRate);
    ar.Value(sheet);
    if (ar.Version() == 1) {
        ReadLegacyDurations(ar.Archive());
        return;
    }
    if (ar.Version() >= 4) ar.Value(frameSetSource);
    if (ar.Version() >= 5) {
        ar.Param(flipVertical);
        ar.Param(flipHorizontal);
    }
    if (ar.Version() >= 6) ar.Param(frameChangeOnly);
    if (ar.Version() >= 7) ar.Notified(speed);
}

void QV_BaseSpriteProp::BoundSizes() {
    size.SetSilently(std::min(size.Value(), kMaxSize));
    const float maxScale = kMaxShownExtent / float(std::max(size.Value(), 1u));
    scaleMin = WithinOrDefault(scaleMin, maxScale, kDefaultScale);
    scaleMax = WithinOrDefault(scaleMax, maxScale, kDefaultScale);
}

void QV_BaseSpriteProp::ReadLegacyFrames(QV_IOF_Virtual& archive) {
    const uint32_t frames = archive.ReadCount(ArchiveSize::kEmbeddedFile);
    for (uint32_t i = 0; i < frames && !archive.Failed(); ++i) {
        legacyFrames.emplace_back();
        archive.ReadEmbeddedFile(legacyFrames.back());
    }
    archive.ReadEmbeddedFile(legacySecondImage);
}

void QV_BaseSpriteProp::ReadLegacyDurations(QV_IOF_Virtual& archive) {
    const uint32_t durations = archive.ReadCount(sizeof(float));
    for (uint32_t i = 0; i < durations && !archive.Failed(); ++i) {
        legacyDurations.push_back(0.0f);
        archive.ReadFloat(legacyDurations.back());
    }
}

TextureSet* QV_BaseSpriteProp::ImageSet() const {
    if (!CurrentDocResManager) return nullptr;
    return frameSetSource == 1 ? &CurrentDocResManager->LoadFrameSetFromModule(image.Value())
                               : &CurrentDocResManager->GetTextures(image.Value());
}

float QV_BaseSpriteProp::ImageAspect() const {
    const TextureSet* set = ImageSet();
    const float ratio = set ? set->ratio : 1.0f;
    return sheet ? ratio * float(frameCount) : ratio;
}
