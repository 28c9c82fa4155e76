// The layer's drawing operations: each one's own states and draws between its lists, and the
// fill budget they charge.
#include "player/QV_2D_Light.h"

#include <algorithm>

#include "base/CurrentDevice.h"
#include "player/PictureView.h"
#include "player/StateList.h"

namespace {
// A mesh's frames drawn: back to the texture's colour and alpha, both windings, no blending.
constexpr DeviceState kAfterMeshFrames[] = {
    StageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE),
    StageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE),
    RenderState(D3DRS_CULLMODE, D3DCULL_NONE),
    RenderState(D3DRS_ALPHABLENDENABLE, FALSE),
};

// A sprite: the texture's colour, its alpha times the (opaque) texture factor, blended.
constexpr DeviceState kSpriteStates[] = {
    RenderState(D3DRS_ALPHABLENDENABLE, TRUE),
    RenderState(D3DRS_CULLMODE, D3DCULL_NONE),
    RenderState(D3DRS_ZENABLE, FALSE),
    StageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1),
    StageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE),
    StageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE),
    StageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE),
    StageState(0, D3DTSS_ALPHAARG2, D3DTA_TFACTOR),
    RenderState(D3DRS_TEXTUREFACTOR, 0xFFFFFFFF),
};
constexpr DeviceState kAfterSprite[] = {
    StageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE),
    StageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE),
    RenderState(D3DRS_ALPHABLENDENABLE, FALSE),
    StageState(0, D3DTSS_TEXTURETRANSFORMFLAGS, D3DTTFF_DISABLE),
};

// What the layer's own draw needs, applied around `draw` with the operation's lists.
template <class Draw>
void WithStates(const OperationStates& states, Draw draw) {
    ApplyStates(states.before);
    draw();
    ApplyStates(states.after);
}

// The effect's passes around one draw call.
template <class Draw>
void EffectPasses(ID3DXEffect* effect, Draw draw) {
    if (!effect) return;
    UINT passes = 0;
    effect->Begin(&passes, 0);
    for (UINT pass = 0; pass < passes; ++pass) {
        effect->BeginPass(pass);
        draw();
        effect->EndPass();
    }
    effect->End();
}

}  // namespace

void QV_2D_Light::DrawIndexedWithEffect(QV_IndexedMesh<TexVertex>& mesh, ID3DXEffect* effect) {
    // The world of whatever was drawn before would misplace the mesh.
    GetPictureView().SetWorldTransform(mesh.world);
    CurrentDevice->SetIndices(mesh.indexBuffer.Get());
    mesh.SetStream();
    EffectPasses(effect, [&] {
        CurrentDevice->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, mesh.vertexCount, 0, mesh.triangleCount);
    });
}

void QV_2D_Light::DrawWithEffect(QV_SimpleMesh<TexVertex>& mesh, ID3DXEffect* effect) {
    GetPictureView().SetWorldTransform(mesh.world);
    mesh.SetStream();
    EffectPasses(effect, [&] { CurrentDevice->DrawPrimitive(mesh.primitiveType, 0, mesh.primitiveCount); });
}

void QV_2D_Light::DrawColouredMeshWithEffect(QV_IndexedMesh<DX_V::PCT>& mesh, ID3DXEffect* effect) {
    // Only the effect's passes: without an effect nothing is drawn.
    if (effect) DrawColouredMesh(mesh, effect, mesh.triangleCount, 0.0f);
}

void QV_2D_Light::DrawColouredMesh(QV_IndexedMesh<DX_V::PCT>& mesh, ID3DXEffect* effect, UINT triangles, float) {
    WithStates(drawStates_.colouredMesh, [&] { DrawColouredMeshQuads(mesh, effect, triangles); });
}

void QV_2D_Light::DrawColouredMeshQuads(QV_IndexedMesh<DX_V::PCT>& mesh, ID3DXEffect* effect, UINT triangles) {
    const UINT quads = triangles / 2, allowed = QuadsInBudget(mesh, quads, 1);
    if (allowed < quads) {
        if (allowed == 0) return;
        triangles = 2 * allowed;
    }
    IDirect3DDevice9* d = CurrentDevice;
    GetPictureView().SetWorldTransform(mesh.world);
    auto draw = [&] { d->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, mesh.vertexCount, 0, triangles); };
    if (!effect)
        ApplyStates({RenderState(D3DRS_ALPHABLENDENABLE, TRUE), RenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA),
                     RenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA), StageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE),
                     StageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE), StageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE),
                     StageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE)});
    d->SetIndices(mesh.indexBuffer.Get());
    mesh.SetStream();
    if (effect)
        EffectPasses(effect, draw);
    else
        draw();
}

void QV_2D_Light::DrawMeshInstances(MeshBatch& batch) {
    WithStates(drawStates_.meshInstances, [&] { DrawBatchFrames(batch); });
}

void QV_2D_Light::DrawBatchFrames(MeshBatch& batch) {
    if (!HasMeshBuffers(batch)) return;
    IDirect3DDevice9* d = CurrentDevice;
    PictureView& view = GetPictureView();
    view.ApplyTransforms();
    const bool transparent = batch.Transparent();
    // Without a texture the mesh shows the vertices' colour (white): MeshVertex has none.
    const DWORD source = batch.texture ? D3DTA_TEXTURE : D3DTA_DIFFUSE;
    ApplyStates({RenderState(D3DRS_ALPHABLENDENABLE, transparent ? TRUE : FALSE),
                 RenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA), RenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA),
                 StageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1), StageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG1),
                 StageState(0, D3DTSS_COLORARG1, source), StageState(0, D3DTSS_ALPHAARG1, source)});
    d->SetTexture(0, batch.texture.Get());
    d->SetIndices(batch.indexBuffer.Get());
    batch.SetStream();
    const size_t frames = FramesInBudget(batch, batch.drawList, transparent ? 2 : 1);
    auto walk = [&](bool opposite) {
        for (size_t i = 0; i < frames; ++i) {
            const QV_Frame* frame = batch.drawList[i];
            view.SetWorldTransform(frame->world);
            const bool counterClockwise = (frame->counterClockwise != 0) != opposite;
            ApplyStates({RenderState(D3DRS_CULLMODE, counterClockwise ? D3DCULL_CCW : D3DCULL_CW)});
            d->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, batch.vertexCount, 0, batch.triangleCount);
        }
    };
    walk(false);
    if (transparent) walk(true);
    ApplyStates(kAfterMeshFrames);
}

void QV_2D_Light::DrawSpriteArray(const SpriteBatch& batch) {
    WithStates(drawStates_.spriteArray, [&] { DrawSpriteQuads(batch); });
}

void QV_2D_Light::DrawSpriteQuads(const SpriteBatch& batch) {
    QV_IndexedMesh<DX_V::PCT>& sprites = batch.quads;
    IDirect3DTexture9* frame = batch.frame;
    // Never more quads than the buffers hold, whatever the description asks for.
    const UINT asked = std::min<UINT>(batch.count, sprites.vertexCount / 4);
    if (!frame || asked == 0 || !sprites.vertexBuffer || !sprites.indexBuffer) return;
    const ComHolder<IDirect3DTexture9>& second = batch.second;
    const UINT quads = QuadsInBudget(sprites, asked, second ? 2 : 1);
    if (quads == 0) return;
    const bool additive = batch.blendMode != 0;
    IDirect3DDevice9* dev = CurrentDevice;
    PictureView& view = GetPictureView();
    view.ApplyTransforms();
    view.SetWorldTransform(sprites.world);
    ApplyStates({RenderState(D3DRS_CULLMODE, D3DCULL_NONE), RenderState(D3DRS_ALPHABLENDENABLE, TRUE),
                 RenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA),
                 RenderState(D3DRS_DESTBLEND, additive && !second ? D3DBLEND_ONE : D3DBLEND_INVSRCALPHA),
                 StageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE), StageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE),
                 StageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE), StageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE),
                 StageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE), StageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE)});
    dev->SetTexture(0, frame);
    dev->SetIndices(sprites.indexBuffer.Get());
    sprites.SetStream();
    auto draw = [&] { dev->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, 4 * quads, 0, 2 * quads); };
    draw();
    if (second) {
        // The second picture's own colour; its alpha still times the sprite's.
        ApplyStates({StageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1)});
        dev->SetTexture(0, second.Get());
        if (batch.blendMode == 1) ApplyStates({RenderState(D3DRS_DESTBLEND, D3DBLEND_ONE)});
        draw();
    }
    // Back to the layer's resting state: the texture's colour alone, no blending.
    ApplyStates({RenderState(D3DRS_ALPHABLENDENABLE, FALSE), RenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA),
                 StageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1), StageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG1)});
}

void QV_2D_Light::DrawMeshInstancesTwoSided(QV_SpriteArrayT<MeshVertex>& mesh) {
    WithStates(drawStates_.meshInstancesTwoSided, [&] { DrawChildFramesTwoSided(mesh); });
}

void QV_2D_Light::DrawChildFramesTwoSided(QV_SpriteArrayT<MeshVertex>& mesh) {
    if (!HasMeshBuffers(mesh)) return;
    IDirect3DDevice9* d = CurrentDevice;
    PictureView& view = GetPictureView();
    view.ApplyTransforms();
    ApplyStates({RenderState(D3DRS_ALPHABLENDENABLE, TRUE), StageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG1),
                 StageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1)});
    d->SetTexture(0, mesh.texture.Get());
    d->SetIndices(mesh.indexBuffer.Get());
    mesh.SetStream();
    const size_t instances = FramesInBudget(mesh, mesh.children, 2);
    for (size_t i = 0; i < instances; ++i) {
        view.SetWorldTransform(mesh.children[i]->world);
        for (D3DCULL cull : {D3DCULL_CCW, D3DCULL_CW}) {
            ApplyStates({RenderState(D3DRS_CULLMODE, cull)});
            d->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, mesh.vertexCount, 0, mesh.triangleCount);
        }
    }
    ApplyStates({RenderState(D3DRS_CULLMODE, D3DCULL_NONE), RenderState(D3DRS_ALPHABLENDENABLE, FALSE)});
}

void QV_2D_Light::DrawSprite(LayerSprite& sprite, void* argument) {
    IDirect3DDevice9* d = CurrentDevice;
    WithStates(drawStates_.sprite, [&] {
        sprite.Prepare(argument);
        ApplyStates(kSpriteStates);
        d->SetTexture(0, sprite.quad.texture.Get());
        sprite.quad.SetStream();
        d->DrawPrimitive(sprite.quad.primitiveType, 0, sprite.quad.primitiveCount);
        ApplyStates(kAfterSprite);
    });
}

void QV_2D_Light::DrawOverlay(QV_SimpleMesh<ScreenColourVertex>* quad) {
    WithStates(drawStates_.overlay, [&] {
        if (!quad) return;
        ApplyStates({RenderState(D3DRS_ALPHABLENDENABLE, TRUE), StageState(0, D3DTSS_COLORARG1, D3DTA_DIFFUSE),
                     StageState(0, D3DTSS_ALPHAARG1, D3DTA_DIFFUSE)});
        quad->SetStream();
        // A clear overlay has no triangles: nothing to blend, and the states end as after a draw.
        if (quad->primitiveCount != 0) CurrentDevice->DrawPrimitive(quad->primitiveType, 0, quad->primitiveCount);
        ApplyStates({StageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE), StageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE)});
    });
}

void QV_2D_Light::DrawBlendedQuad(TexturedQuad<ScreenTexVertex>& quad) {
    WithStates(drawStates_.blendedQuad, [&] {
        IDirect3DDevice9* d = CurrentDevice;
        ApplyStates({RenderState(D3DRS_ALPHABLENDENABLE, TRUE), RenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA),
                     RenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA), RenderState(D3DRS_ZENABLE, FALSE),
                     StageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE)});
        d->SetTexture(0, quad.texture.Get());
        quad.SetStream();
        d->DrawPrimitive(quad.primitiveType, 0, quad.primitiveCount);
        ApplyStates({StageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG1)});
    });
}

UINT QV_2D_Light::QuadsInBudget(const QV_IndexedMesh<DX_V::PCT>& mesh, UINT quads, int passes) {
    if (Allowance() >= kUnlimited) return quads;
    double allowance = Allowance();
    quads = mesh.quadCoverage.QuadsWithin(quads, MappingOf(mesh.world), passes, allowance);
    Charge(Allowance() - allowance);
    return quads;
}

size_t QV_2D_Light::FramesInBudget(const QV_Frame& mesh, const std::vector<QV_Frame*>& frames, int passes) {
    if (Allowance() >= kUnlimited) return frames.size();
    const double start = Allowance();
    double allowance = start;
    size_t allowed = 0;
    for (; allowed < frames.size(); ++allowed) {
        const double cover = double(passes) * MappingOf(frames[allowed]->world).SphereCover(mesh.centre, mesh.radius);
        if (cover > allowance) break;
        allowance -= cover;
    }
    Charge(start - allowance);
    return allowed;
}

TargetMapping QV_2D_Light::MappingOf(const D3DXMATRIX& world) const {
    D3DXMATRIX toClip;
    GetPictureView().GetWorldViewProjection(world, toClip);
    return TargetMapping(toClip, float(width_), float(height_));
}

void QV_2D_Light::Charge(double pixels) {
    frameBudget_ -= pixels;
    objectBudget_ -= pixels;
    frameCover_ += pixels;
    objectCover_ += pixels;
}
