#include "objects/QV_TexParticleGenerator.h"

#include "base/CurrentDevice.h"
#include "document/ParamArchive.h"
#include "document/QV_DocResManager.h"
#include "document/QV_IOF_Virtual.h"
#include "objects/QV_ParticlesObj.h"
#include "player/PictureView.h"
#include "player/QV_2D_Light.h"
#include "base/RenderTargetPair.h"

namespace {

// A link's path string and stamp.
constexpr uint32_t kMinLinkBytes = ArchiveSize::kString + 8;

void ReadColour(QV_IOF_Virtual& archive, MediaColor& colour) {
    int32_t value = int32_t(colour.Value());
    archive.ReadInt(value);
    colour.SetSilently(uint32_t(value));
    ReadUIntParamNotified(archive, colour.Transparency());
}

void WriteColour(QV_IOF_Virtual& archive, const MediaColor& colour) {
    int32_t value = int32_t(colour.Value());
    archive.WriteInt(value);
    WriteUIntParam(archive, colour.Transparency());
}

}  // namespace

QV_TexParticleGenerator::QV_TexParticleGenerator() : targetKey_(GuidKey::MakeFresh()) {}

void QV_TexParticleGenerator::Save(QV_IOF_Virtual& archive) {
    archive.WriteSectionHead(L"QV_TexParticleGenerator", kSectionVersion);
    int32_t count = int32_t(textureLinks.size());
    archive.WriteInt(count);
    for (const QV_ImageFileLink& link : textureLinks) link.Save(archive);
    effectLink.Save(archive);
    WriteColour(archive, colour1);
    WriteColour(archive, colour2);
    WriteLongParam(archive, blendMode);
    WriteLongParam(archive, mirrorV);
    WriteLongParam(archive, mirrorU);
    QV_ParticleGenerator::Save(archive);
}

void QV_TexParticleGenerator::LoadWithTag(QV_IOF_Virtual& archive) {
    const uint32_t version = archive.ReadSectionHead();
    // Each link read before the next is made: the list never outgrows what the stream holds.
    const uint32_t links = archive.ReadCount(kMinLinkBytes);
    for (uint32_t i = 0; i < links && !archive.Failed(); ++i) {
        textureLinks.emplace_back();
        textureLinks.back().Load(archive);
    }
    effectLink.Load(archive);
    ReadColour(archive, colour1);
    ReadColour(archive, colour2);
    ReadLongParam(archive, blendMode);
    if (version >= 2) {
        ReadLongParam(archive, mirrorV);
        ReadLongParam(archive, mirrorU);
    }
    QV_ParticleGenerator::LoadWithTag(archive);
}

QV_ABObj* QV_TexParticleGenerator::CreateObject() { return new QV_ParticlesObj(Clone()); }

void QV_TexParticleGenerator::Prepare(QV_ParticlesObj&) {
    if (!CurrentDocResManager) return;
    std::vector<FileKey> keys;
    keys.reserve(textureLinks.size());
    for (const QV_ImageFileLink& link : textureLinks) keys.push_back(link.Value());
    textureSets_ = CurrentDocResManager->GetTextureSets(keys);
    effect_ = CurrentDocResManager->GetEffect(effectLink.Value());
}

bool QV_TexParticleGenerator::NeedsBackground() {
    return blendMode.Value() == kScreen || blendMode.Value() == kColourDodge;
}

IDirect3DTexture9* QV_TexParticleGenerator::GetLayerTexture(size_t i) const {
    if (i >= textureSets_.size()) return nullptr;
    return textureSets_[i].CurrentFrame().Get();
}

void QV_TexParticleGenerator::RenderLayers(size_t first, size_t last, QV_2D_Light& layer, QV_ParticlesObj& object) {
    ID3DXEffect* effect = effect_.Get();
    effect->SetTechnique("BlendMask_Max");
    renderTarget_->BeginRender(*renderTarget_);
    layer.PushTarget(*renderTarget_, PictureView::kTargetPass);
    CurrentDevice->Clear(0, nullptr, D3DCLEAR_TARGET, 0x00000000, 1.0f, 0);
    for (size_t i = first; i <= last && i < object.LayerCount(); ++i) {
        IDirect3DTexture9* texture = GetLayerTexture(i);
        // A layer without quads or texture draws nothing.
        if (!texture || object.QuadCount(i) == 0) continue;
        effect->SetTexture("Texture1", texture);
        layer.DrawColouredMesh(object.Layer(i), effect, 2 * object.QuadCount(i), 0.0f);
    }
    renderTarget_->EndRender();
    layer.PopTarget();
}
