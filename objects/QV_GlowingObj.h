#pragma once
// The runtime object of a glow description: its sprites and their quads, and a render target
// of its own that the resource manager keeps under a fresh GUID. Each frame the sprites' halo
// is drawn into the target, the target is laid over the scene behind the object in the glow
// colour, and the sprites are drawn once more on top.
#include <windows.h>
#include <d3dx9math.h>

#include "document/GuidKey.h"
#include "document/QV_ABObj.h"
#include "objects/ParticleGeomArray.h"

class QV_GlowEffectCtrl;
class RenderTargetPair;

class QV_GlowingObj : public QV_ABObj, public ParticleGeomArray {
public:
    // The target's side whatever the screen: the composite stretches it over the picture.
    static constexpr uint32_t kTargetSide = 512;

    // Takes ownership of the clone: its sprites are made, its effect and pictures bound, and
    // its target taken from the current manager.
    explicit QV_GlowingObj(QV_GlowEffectCtrl* description);

    // The three passes, a missing picture leaving its pass with no texture bound; without
    // effect or target only the scene handed over is drawn back.
    void Render(QV_2D_Light& layer) override;
    void Hook(void* first, void* second) override;
    void OnScreenChanged() override;
    bool NeedsBackground() override;
    // The description's frame hook, the sprites moved, their quads rebuilt.
    void Update(float localTime) override;

    // The composite's "BlendColor": the colour's bytes (red the low byte) over 255, and the
    // glow's strength.
    static D3DXVECTOR4 BlendColor(unsigned long colour, float glow);

    const GuidKey& TargetKey() const { return targetKey_; }
    // Null without a resource manager.
    RenderTargetPair* Targets() const { return targets_; }

private:
    void DrawHalo(QV_2D_Light& layer, ID3DXEffect& effect);
    void Composite(QV_2D_Light& layer, ID3DXEffect& effect);
    void DrawSprites(QV_2D_Light& layer, ID3DXEffect& effect);

    QV_GlowEffectCtrl* description_;
    GuidKey targetKey_;
    RenderTargetPair* targets_ = nullptr;  // the manager's
};
