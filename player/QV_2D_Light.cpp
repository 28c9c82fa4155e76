#include "player/QV_2D_Light.h"

#include <algorithm>

#include "base/CurrentDevice.h"
#include "document/BuiltinResources.h"
#include "document/FieldArchive.h"
#include "document/QV_DocResManager.h"
#include "document/QV_IOF_Virtual.h"
#include "document/PictureLayout.h"
#include "player/PictureView.h"
#include "player/StateList.h"
#include "player/TargetSizeStack.h"

namespace {

// The layer's resting state: no depth or lighting, linear mirrored sampling, the texture's
// colour alone on stage 0 with stage 1 off, blending (when on) by the source's alpha.
constexpr DeviceState kLayerRestingStates[] = {
    RenderState(D3DRS_ZENABLE, FALSE),
    RenderState(D3DRS_ZWRITEENABLE, FALSE),
    RenderState(D3DRS_LIGHTING, FALSE),
    SamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR),
    SamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR),
    SamplerState(0, D3DSAMP_ADDRESSU, D3DTADDRESS_MIRROR),
    SamplerState(0, D3DSAMP_ADDRESSV, D3DTADDRESS_MIRROR),
    StageState(1, D3DTSS_TEXCOORDINDEX, 1),
    StageState(0, D3DTSS_TEXCOORDINDEX, 0),
    StageState(1, D3DTSS_COLORARG1, D3DTA_TEXTURE),
    StageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE),
    StageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE),
    StageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1),
    StageState(1, D3DTSS_COLOROP, D3DTOP_DISABLE),
    RenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA),
    RenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA),
};

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

QV_2D_Light::QV_2D_Light() : pictureLink(builtin::Link(builtin::kDefaultPicture)), restingStates_(kLayerRestingStates) {
    imageHooks_.SetTarget(this);
    HookImageLink();
}

QV_2D_Light::~QV_2D_Light() = default;

void QV_2D_Light::HookImageLink() { HookParamChange(imageHooks_, &QV_2D_Light::OnImageLinkChanged, pictureLink); }

void QV_2D_Light::Load(QV_IOF_Virtual& archive, uint32_t version) { Fields(FieldArchive::Reader(archive, version)); }

void QV_2D_Light::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_2D_Light::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_2D_Light", kRecordVersion)); }

void QV_2D_Light::Fields(FieldArchive ar) {
    if (ar.Version() >= 2) pictureLink.Fields(ar);
    if (ar.Version() >= 3) CameraFields(ar);
}

// The camera is read whole into a fresh one, which this layer's camera then takes over with
// its observers notified.
void QV_2D_Light::CameraFields(FieldArchive& ar) {
    if (!ar.Reading()) return camera.TaggedFields(ar);
    QVT_Camera read;
    read.TaggedFields(ar);
    camera = read;
}

void QV_2D_Light::LoadFromArchive(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Reader(archive, 0)); }

void QV_2D_Light::SaveToArchive(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_2D_Light::SetupView(int width, int height, int viewType, bool nested) {
    GetPictureView().Setup(pictureQuad_.picture, float(width), float(height), viewType, nested);
}

void QV_2D_Light::PushTarget(RenderTargetPair& target, int viewType) {
    savedFitMode_ = GetPictureView().ViewType();
    GetTargetSizeStack().Push(uint32_t(width_), uint32_t(height_));
    nested_ = true;
    width_ = int(target.Width());
    height_ = int(target.Height());
    SetupView(width_, height_, viewType, true);
}

void QV_2D_Light::PopTarget() {
    TargetSizeStack& stack = GetTargetSizeStack();
    if (stack.Count() == 0) return;  // only ever after a matching push
    const auto [width, height] = stack.Pop();
    width_ = int(width);
    height_ = int(height);
    if (stack.Count() == 0) nested_ = false;
    SetupView(width_, height_, savedFitMode_, false);
}

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

ComHolder<IDirect3DTexture9>& QV_2D_Light::GetSceneTexture() { return sceneTexture_; }
PictureQuad& QV_2D_Light::GetPictureQuad() { return pictureQuad_; }
uint32_t QV_2D_Light::GetPictureWidth() { return pictureQuad_.picture.width; }
uint32_t QV_2D_Light::GetPictureHeight() { return pictureQuad_.picture.height; }

void QV_2D_Light::CreateDeviceObjects() {
    pictureQuad_.InitUnitUV();
    pictureQuad_.Load(pictureLink.Value());
    GetPictureView().BindBorderTextures(camera.borderLink.Value());
}

void QV_2D_Light::RestoreDeviceObjects() {
    if (!CurrentDevice) return;
    ApplyStates(restingStates_);
    RestoreLayerDeviceObjects();
    RestoreSharedDeviceObjects();
}

void QV_2D_Light::RestoreSharedDeviceObjects() {
    if (CurrentDocResManager) CurrentDocResManager->OnResetDevice();
    const D3DSURFACE_DESC backBuffer = GetBackBufferDesc();
    targets_.Resize(backBuffer.Width, backBuffer.Height);
}

void QV_2D_Light::InvalidateDeviceObjects() {
    targets_.ReleaseTextures();
    sceneTexture_.Reset();
}

void QV_2D_Light::EndRender(bool nested) {
    if (!nested) GetPictureView().DrawBorders();
}

void QV_2D_Light::DrawBackground(bool nested) {
    if (!nested) CurrentDevice->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFFFFFFFF, 1.0f, 0);
    DrawPictureQuad(pictureQuad_.picture.texture.Get());
}

void QV_2D_Light::PassSceneThrough() {
    // The picture itself is no copy: it is still on the target, under what was drawn since.
    if (!sceneTexture_ || sceneTexture_.Get() == pictureQuad_.picture.texture.Get()) return;
    ApplyStates({RenderState(D3DRS_ALPHABLENDENABLE, FALSE)});
    DrawPictureQuad(sceneTexture_.Get());
}

void QV_2D_Light::DrawPictureQuad(IDirect3DTexture9* texture) {
    PictureView& view = GetPictureView();
    view.ApplyTransforms();
    view.SetWorldTransform(pictureQuad_.world);
    CurrentDevice->SetTexture(0, texture);
    pictureQuad_.SetStream();
    CurrentDevice->DrawPrimitive(D3DPT_TRIANGLESTRIP, 0, 2);
}

void QV_2D_Light::FrameMove(float t) { camera.FrameMove(t); }

void QV_2D_Light::Resize(int width, int height) {
    if (!nested_) {
        width_ = width;
        height_ = height;
    }
    SetupView(width_, height_, GetPictureView().ViewType(), nested_);
    const ScreenQuad fitted = ScreenQuad::ScaleToBackBuffer(
        ScreenQuad::FitImage(pictureQuad_.picture, float(width_), float(height_)), float(width_), float(height_));
    PublishPictureLayout(fitted, float(width_), float(height_), int32_t(pictureQuad_.picture.width),
                         int32_t(pictureQuad_.picture.height));
}

void QV_2D_Light::SetFitMode(int viewType) {
    fitMode_ = viewType;
    SetupView(width_, height_, viewType, false);
    Resize(width_, height_);
}

bool QV_2D_Light::IsCameraRunning() { return camera.IsRunning(); }

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

void QV_2D_Light::RenderObjects(std::vector<CountedHolder<QV_ABObj>>& objects, int passes) {
    sceneTexture_ = pictureQuad_.picture.texture;
    const double screen = double(width_) * double(height_);
    frameBudget_ = kFrameBudgetScreens * screen;
    frameCover_ = largestObjectCover_ = 0;
    for (auto object = objects.rbegin(); object != objects.rend(); ++object) {
        QV_ABObj* runtime = object->Get();
        if (!runtime) continue;
        if (runtime->NeedsBackground() && targetsActive_) {
            --passes;
            sceneTexture_ = passes > 0 ? GetTargetTexture() : BeginTargetPass(false).Current();
        }
        objectBudget_ = kObjectBudgetScreens * screen;
        objectCover_ = 0;
        if (runtime->Enabled()) runtime->Render(*this);
        largestObjectCover_ = std::max(largestObjectCover_, objectCover_);
        sceneTexture_ = pictureQuad_.picture.texture;
    }
    frameBudget_ = objectBudget_ = kUnlimited;
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

void QV_2D_Light::PrepareTargets() {
    fitMode_ = GetPictureView().ViewType();
    // Without render-target textures the frame stays on the back buffer.
    targetsActive_ = bool(targets_.Current());
    if (!targetsActive_) return;
    targets_.BeginRender(targets_);
    SetupView(width_, height_, PictureView::kTargetPass, false);
}

ComHolder<IDirect3DTexture9> QV_2D_Light::GetTargetTexture() { return targets_.Flip(); }

RenderTargetPair& QV_2D_Light::BeginTargetPass(bool clear) {
    SetupView(width_, height_, fitMode_, false);
    if (targetsActive_) targets_.EndRender();
    targetsActive_ = false;
    if (clear) CurrentDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF000000, 1.0f, 0);
    return targets_;
}

bool QV_2D_Light::StartCamera() { return camera.Start(); }

void QV_2D_Light::Reload() {
    pictureQuad_.Load(pictureLink.Value());
    Resize(width_, height_);
}
