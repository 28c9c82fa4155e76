#include "objects/QV_BaseSpriteProp.h"

#include <algorithm>

#include "document/NumericHelpers.h"
#include "document/ParamArchive.h"
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

void QV_BaseSpriteProp::Save(QV_IOF_Virtual& archive) {
    archive.WriteSectionHead(L"QV_BaseSpriteProp", int32_t(kRecordVersion));
    QV_ViewObjCtrl::Save(archive);
    WriteUIntParam(archive, count);
    WriteUIntParam(archive, size);
    WriteUIntParam(archive, transparency);
    WriteLongParam(archive, blendMode);
    int32_t rgb = int32_t(colour.Value());
    archive.WriteInt(rgb);
    for (float* value : {&pulseSpeed, &alphaMin, &alphaMax, &scaleMin, &scaleMax}) archive.WriteFloat(*value);
    image.Save(archive);
    secondImage.Save(archive);
    archive.WriteUInt(inertWord);
    archive.WriteFloat(inertFloat);
    archive.WriteUInt(frameCount);
    archive.WriteFloat(frameRate);
    archive.WriteBool(sheet);
    archive.WriteInt(frameSetSource);
    WriteLongParam(archive, flipVertical);
    WriteLongParam(archive, flipHorizontal);
    WriteLongParam(archive, frameChangeOnly);
    WriteUIntParam(archive, speed);
}

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

void QV_BaseSpriteProp::LoadWithTag(QV_IOF_Virtual& archive) { LoadFields(archive, archive.ReadSectionHead()); }

void QV_BaseSpriteProp::LoadFields(QV_IOF_Virtual& archive, uint32_t version) {
    QV_ViewObjCtrl::LoadWithTag(archive);
    ReadUIntParam(archive, count);
    // A count that outgrows 16-bit indices (or the memory) is cut once, here, and then to
    // what is left of the document's budget.
    count.SetSilently(archive.GrantEntries(std::min(count.Value(), kMaxCount)));
    if (version < 3) ReadUIntParam(archive, TimeScale());
    ReadUIntParam(archive, size);
    uint32_t percent = transparency.Value();
    archive.ReadUInt(percent);
    transparency.Assign(percent, nullptr);
    ReadLongParam(archive, blendMode);
    int32_t rgb = int32_t(colour.Value());
    archive.ReadInt(rgb);
    colour.SetSilently(uint32_t(rgb));
    for (float* value : {&pulseSpeed, &alphaMin, &alphaMax, &scaleMin, &scaleMax}) archive.ReadFloat(*value);
    BoundSizes();
    if (version == 1) {
        ReadLegacyFrames(archive);
    } else {
        image.Load(archive);
        secondImage.Load(archive);
    }
    archive.ReadUInt(inertWord);
    archive.ReadFloat(inertFloat);
    archive.ReadUInt(frameCount);
    // A sheet divides by its frame count: a stored 0 counts as one frame.
    frameCount = std::max(frameCount, 1u);
    archive.ReadFloat(frameRate);
    archive.ReadBool(sheet);
    if (version == 1) {
        ReadLegacyDurations(archive);
        return;
    }
    if (version >= 4) archive.ReadInt(frameSetSource);
    if (version >= 5) {
        ReadLongParam(archive, flipVertical);
        ReadLongParam(archive, flipHorizontal);
    }
    if (version >= 6) ReadLongParam(archive, frameChangeOnly);
    if (version >= 7) {
        uint32_t stored = speed.Value();
        archive.ReadUInt(stored);
        speed.Assign(stored, nullptr);
    }
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
