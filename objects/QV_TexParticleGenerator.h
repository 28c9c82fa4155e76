#pragma once
// A particle generator that draws textured, coloured quad layers through an effect: one
// texture link per layer, an effect link, two colours, a blend mode and mirror flags.
#include <d3dx9effect.h>

#include <vector>

#include "base/ComHolder.h"
#include "document/GuidKey.h"
#include "document/MediaColor.h"
#include "document/QV_FileLink3.h"
#include "document/QV_ImageFileLink.h"
#include "document/TextureEntry.h"
#include "objects/QV_ParticleGenerator.h"

class FieldArchive;
class QV_2D_Light;
class QV_ParticlesObj;
class RenderTargetPair;

class QV_TexParticleGenerator : public QV_ParticleGenerator {
public:
    static constexpr int32_t kSectionVersion = 2;
    // Modes 1 and 2 composite with the scene behind the object.
    enum BlendMode { kNormal = 0, kScreen = 1, kColourDodge = 2, kSum = 3 };

    // A fresh GUID names the object's shared render target.
    QV_TexParticleGenerator();
    // Parameters, and the effect, texture sets, target and GUID shared with the original.
    QV_TexParticleGenerator(const QV_TexParticleGenerator&) = default;

    void Save(QV_IOF_Virtual& archive) override;
    // A QV_ParticlesObj over a clone.
    QV_ABObj* CreateObject() override;

    virtual void Render(QV_2D_Light& layer, QV_ParticlesObj& object) = 0;
    virtual void Update(float time, QV_ParticlesObj& object) = 0;
    // The texture sets and the effect from CurrentDocResManager; the generators add their
    // layers.
    virtual void Prepare(QV_ParticlesObj& object);
    virtual bool NeedsBackground();
    virtual QV_TexParticleGenerator* Clone() const = 0;

    // Tag and version, the fields (version 1 has no mirror flags), then the root's section.
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    // The current frame of texture set i; null when there is none.
    IDirect3DTexture9* GetLayerTexture(size_t i) const;
    // Layers first to last through "BlendMask_Max" into the shared target, cleared first;
    // only for a generator that has both its effect and its target.
    void RenderLayers(size_t first, size_t last, QV_2D_Light& layer, QV_ParticlesObj& object);

    std::vector<QV_ImageFileLink> textureLinks;  // one per layer
    QV_HLSLEffectFile effectLink;
    MediaColor colour1;
    MediaColor colour2;
    MediaParamT<int> blendMode;
    MediaParamT<int> mirrorV;
    MediaParamT<int> mirrorU;

protected:
    const std::vector<TextureSet>& TextureSets() const { return textureSets_; }
    ID3DXEffect* Effect() const { return effect_.Get(); }
    RenderTargetPair* Target() const { return renderTarget_; }
    void SetTarget(RenderTargetPair* target) { renderTarget_ = target; }
    const GuidKey& TargetKey() const { return targetKey_; }

private:
    std::vector<TextureSet> textureSets_;
    ComHolder<ID3DXEffect> effect_;
    RenderTargetPair* renderTarget_ = nullptr;  // the resource manager's
    GuidKey targetKey_;
};
