#pragma once
// The runtime object of every particle generator: a few layers of textured quads that the
// generator it owns rebuilds each frame and draws through the background layer.
#include <cstddef>
#include <vector>

#include "document/QV_ABObj.h"
#include "objects/ParticleQuad.h"
#include "player/QV_IndexedMesh.h"

class QV_TexParticleGenerator;

class QV_ParticlesObj : public QV_ABObj {
public:
    // 16-bit indices address 65536 vertices: 16384 quads a layer.
    static constexpr UINT kMaxLayerQuads = 16384;

    // Takes ownership of the generator (the description clone) and lets it prepare.
    explicit QV_ParticlesObj(QV_TexParticleGenerator* generator);

    void Render(QV_2D_Light& layer) override;
    void Hook(void* first, void* second) override;
    void OnScreenChanged() override;
    bool NeedsBackground() override;
    void Update(float localTime) override;

    // Layers without buffers, each with room to keep what kMaxLayerQuads quads cover; a
    // generator sizes them in its Prepare.
    void SetLayerCount(size_t count);
    // Room for n quads in layer i, buffers only growing; returns the quads the layer now
    // draws: n capped at kMaxLayerQuads, or 0 when its buffers cannot be made.
    UINT SetLayerQuadCount(size_t i, UINT n);
    // The layer's vertices, or null when i is not a layer or it has no buffer.
    DX_V::PCT* LockLayer(size_t i);
    void UnlockLayer(size_t i);
    static void WriteQuad(DX_V::PCT* buffer, UINT q, const PctQuad& quad);

    size_t LayerCount() const { return layers_.size(); }
    QV_IndexedMesh<DX_V::PCT>& Layer(size_t i) { return layers_[i]; }
    UINT QuadCount(size_t i) const { return quads_[i]; }
    QV_TexParticleGenerator& Generator() { return *generator_; }

private:
    std::vector<QV_IndexedMesh<DX_V::PCT>> layers_;
    std::vector<UINT> quads_;
    std::vector<UINT> capacity_;  // quads the layer's buffers hold
    QV_TexParticleGenerator* generator_;  // the description the base owns
};

// Quads written one after another into a locked layer; none past its count, none without
// a buffer.
class LayerWriter {
public:
    LayerWriter(QV_ParticlesObj& object, size_t layer, UINT quads);
    ~LayerWriter();
    LayerWriter(const LayerWriter&) = delete;
    LayerWriter& operator=(const LayerWriter&) = delete;

    void Put(const PctQuad& quad);

private:
    QV_ParticlesObj& object_;
    size_t layer_;
    DX_V::PCT* buffer_;
    UINT quads_;
    UINT next_ = 0;
};
