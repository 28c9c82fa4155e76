#include "objects/QV_TexParticleGenerator.h"

#include "base/CurrentDevice.h"
#include "document/FieldArchive.h"
#include "document/QV_DocResManager.h"
#include "document/QV_IOF_Virtual.h"
#include "objects/QV_ParticlesObj.h"
#include "player/PictureView.h"
#include "player/QV_2D_Light.h"
#include "base/RenderTargetPair.h"

namespace {

// A link's path string and stamp.
constexpr uint32_t kMinLinkBytes = ArchiveSize::kString + 8;

void ColourFields(FieldArchive& ar, MediaColor& colour) {
    ar.Param(colour);
    ar.Notified(colour.Transparency());
}

}  // namespace

QV_TexParticleGenerator::QV_TexParticleGenerator() : targetKey_(GuidKey::MakeFresh()) {}

void QV_TexParticleGenerator::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_TexParticleGenerator::TaggedFields(FieldArchive outer) {
    Fields(outer.Section(L"QV_TexParticleGenerator", kSectionVersion));
}

void QV_TexParticleGenerator::Fields(FieldArchive ar) {
    // Each link read before the next is made: the list never outgrows what the stream holds,
    // and a cut record keeps the link it stopped in.
    const uint32_t links = ar.Count(textureLinks.size(), kMinLinkBytes);
    if (ar.Reading())
        for (uint32_t i = 0; i < links && !ar.Archive().Failed(); ++i) textureLinks.emplace_back().Fields(ar);
    else
        for (QV_ImageFileLink& link : textureLinks) link.Fields(ar);
    effectLink.Fields(ar);
    ColourFields(ar, colour1);
    ColourFields(ar, colour2);
    ar.Param(blendMode);
    if (ar.Version() >= 2) {
        ar.Param(mirrorV);
        ar.Param(mirrorU);
    }
    QV_ParticleGenerator::TaggedFields(ar);
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
