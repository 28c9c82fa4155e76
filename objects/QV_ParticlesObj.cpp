#include "objects/QV_ParticlesObj.h"

#include <algorithm>
#include <cstring>

#include "objects/QV_TexParticleGenerator.h"

QV_ParticlesObj::QV_ParticlesObj(QV_TexParticleGenerator* generator)
    : QV_ABObj(generator), generator_(generator) {
    if (generator_) generator_->Prepare(*this);
}

void QV_ParticlesObj::Render(QV_2D_Light& layer) { generator_->Render(layer, *this); }

void QV_ParticlesObj::Hook(void*, void*) {}

void QV_ParticlesObj::OnScreenChanged() {}

bool QV_ParticlesObj::NeedsBackground() { return generator_->NeedsBackground(); }

void QV_ParticlesObj::Update(float localTime) { generator_->Update(localTime, *this); }

void QV_ParticlesObj::SetLayerCount(size_t count) {
    layers_.resize(count);
    quads_.assign(count, 0);
    capacity_.assign(count, 0);
    // A layer grows with what it emits while it plays, and frames allocate nothing.
    for (QV_IndexedMesh<DX_V::PCT>& layer : layers_) layer.quadCoverage.Reserve(kMaxLayerQuads);
}

UINT QV_ParticlesObj::SetLayerQuadCount(size_t i, UINT n) {
    n = std::min(n, kMaxLayerQuads);
    QV_IndexedMesh<DX_V::PCT>& mesh = layers_[i];
    if (capacity_[i] < n) {
        capacity_[i] = 0;
        if (SUCCEEDED(mesh.CreateQuads(n))) {
            capacity_[i] = n;
        } else {
            // Nothing is drawn from a layer without buffers; the next call tries again.
            mesh.vertexBuffer.Reset();
            mesh.indexBuffer.Reset();
        }
    }
    quads_[i] = std::min(n, capacity_[i]);
    return quads_[i];
}

DX_V::PCT* QV_ParticlesObj::LockLayer(size_t i) { return i < layers_.size() ? layers_[i].Lock() : nullptr; }

void QV_ParticlesObj::UnlockLayer(size_t i) {
    if (i < layers_.size()) layers_[i].Unlock();
}

void QV_ParticlesObj::WriteQuad(DX_V::PCT* buffer, UINT q, const PctQuad& quad) {
    std::memcpy(buffer + size_t(q) * 4, quad.v, sizeof(quad.v));
}

LayerWriter::LayerWriter(QV_ParticlesObj& object, size_t layer, UINT quads)
    : object_(object), layer_(layer), buffer_(quads ? object.LockLayer(layer) : nullptr), quads_(quads) {}

LayerWriter::~LayerWriter() {
    if (buffer_) object_.UnlockLayer(layer_);
}

void LayerWriter::Put(const PctQuad& quad) {
    if (buffer_ && next_ < quads_) {
        QV_ParticlesObj::WriteQuad(buffer_, next_, quad);
        object_.Layer(layer_).quadCoverage.Record(next_, quad.v);
    }
    ++next_;
}
