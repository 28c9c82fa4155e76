#include "brushes/FakeLake2D.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/CurrentDevice.h"
#include "document/ArchiveValues.h"
#include "document/FieldArchive.h"
#include "document/QV_DocResManager.h"
#include "player/ColouredQuads.h"
#include "base/RenderTargetPair.h"
#include "player/StateList.h"

namespace {

// The lake's two triangles as corners of its folded quad: 1, 0, 2 and 1, 2, 3.
constexpr int kLakeCorners[6] = {ScreenQuad::kTopLeft,  ScreenQuad::kBottomLeft,  ScreenQuad::kBottomRight,
                                 ScreenQuad::kTopLeft,  ScreenQuad::kBottomRight, ScreenQuad::kTopRight};

// The lake's resting state: no depth, both windings, unlit with a white ambient, dithered,
// linear mirrored sampling on the first two samplers, blending by the source's alpha.
constexpr DeviceState kLakeRestingStates[] = {
    RenderState(D3DRS_ZENABLE, FALSE),
    RenderState(D3DRS_ZWRITEENABLE, FALSE),
    RenderState(D3DRS_CULLMODE, D3DCULL_NONE),
    RenderState(D3DRS_LIGHTING, FALSE),
    RenderState(D3DRS_AMBIENT, 0xFFFFFFFF),
    RenderState(D3DRS_DITHERENABLE, TRUE),
    RenderState(D3DRS_SPECULARENABLE, FALSE),
    SamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR),
    SamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR),
    SamplerState(0, D3DSAMP_ADDRESSU, D3DTADDRESS_MIRROR),
    SamplerState(0, D3DSAMP_ADDRESSV, D3DTADDRESS_MIRROR),
    SamplerState(1, D3DSAMP_MINFILTER, D3DTEXF_LINEAR),
    SamplerState(1, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR),
    SamplerState(1, D3DSAMP_ADDRESSU, D3DTADDRESS_MIRROR),
    SamplerState(1, D3DSAMP_ADDRESSV, D3DTADDRESS_MIRROR),
    StageState(1, D3DTSS_TEXCOORDINDEX, 1),
    StageState(0, D3DTSS_TEXCOORDINDEX, 0),
    RenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA),
    RenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA),
};
// What the picture is drawn with after the bump stages: the texture alone on stage 0,
// stage 1 off.
constexpr DeviceState kPictureStages[] = {
    StageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE),
    StageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE),
    StageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE),
    StageState(1, D3DTSS_TEXTURETRANSFORMFLAGS, D3DTTFF_DISABLE),
    StageState(1, D3DTSS_COLOROP, D3DTOP_DISABLE),
};
// The sprite's sampler wraps; the bump stage needs it clamped again.
constexpr DeviceState kWrapSampler[] = {SamplerState(0, D3DSAMP_ADDRESSU, D3DTADDRESS_WRAP),
                                        SamplerState(0, D3DSAMP_ADDRESSV, D3DTADDRESS_WRAP)};
constexpr DeviceState kClampSampler[] = {SamplerState(0, D3DSAMP_ADDRESSU, D3DTADDRESS_CLAMP),
                                         SamplerState(0, D3DSAMP_ADDRESSV, D3DTADDRESS_CLAMP)};

}  // namespace

FakeLake2D::FakeLake2D()
    : BumpAmplitude(25), ShoreBlend(7), MirrorSizeExponent(1), TintColour(0x408000), NormalMapKey(GuidKey::MakeFresh()) {
    RippleSpeed.SetScaled(50, 0.02f);
    BumpTiling.SetScaled(100, 0.01f);
    WaterLevel.SetScaled(25, -0.005f, 0.5f);
    WashAlpha.SetScaled(100, 0.01f);
    TintAlpha.SetScaled(31, 0.008f);
    TintFade.SetScaled(58, 0.01f);
    D3DXMatrixIdentity(&BumpMatrix);
    NormalMapKey.name.clear();
    restingStates_ = kLakeRestingStates;
    drawStates_.sprite = {kWrapSampler, kClampSampler};
}

void FakeLake2D::Load(QV_IOF_Virtual& archive, uint32_t version) { Fields(FieldArchive::Reader(archive, version)); }

void FakeLake2D::Save(QV_IOF_Virtual& archive) {
    if (CurrentDocResManager) CurrentDocResManager->GetGuidTexture(NormalMapKey) = NormalMap;
    TaggedFields(FieldArchive::Writer(archive));
}

void FakeLake2D::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"FakeLake2D", kRecordVersion)); }

void FakeLake2D::Fields(FieldArchive ar) {
    if (ar.Version() >= 2) {
        for (UINTSclaleTo<float>* value : {&BumpTiling, static_cast<UINTSclaleTo<float>*>(&RippleSpeed), &WaterLevel,
                                           &WashAlpha, &TintAlpha, &TintFade})
            ar.Notified(*value);
        ar.Param(BumpAmplitude);
        ar.Param(ShoreBlend);
        ar.Param(MirrorSizeExponent);
        if (ar.Reading())
            MirrorSizeExponent.SetSilently(std::clamp(MirrorSizeExponent.Value(), 0, kMaxMirrorExponent));
        ar.Param(TintColour);
    }
    ar.Key(NormalMapKey);
    QV_2D_Light::TaggedFields(ar);
}

float FakeLake2D::LakeFraction() const { return std::clamp(WaterLevel.Result(), 0.0f, 0.5f); }

ScreenQuad FakeLake2D::FoldQuad(const ScreenQuad& quad, float x) {
    ScreenQuad folded = quad;
    const float yB = quad.corners[ScreenQuad::kBottomLeft].y, yT = quad.corners[ScreenQuad::kTopLeft].y;
    const float vB = quad.corners[ScreenQuad::kBottomLeft].v, vT = quad.corners[ScreenQuad::kTopLeft].v;
    for (int top : {ScreenQuad::kTopLeft, ScreenQuad::kTopRight}) {
        folded.corners[top].y = yB - x * (yB - yT);
        folded.corners[top].v = vT + (1.0f - x) * (vB - vT);
    }
    for (int bottom : {ScreenQuad::kBottomLeft, ScreenQuad::kBottomRight})
        folded.corners[bottom].v = vT + (1.0f - 2.0f * x) * (vB - vT);
    return folded;
}

float FakeLake2D::ShoreOffset(float lakeHeight, float pictureHeight, unsigned int shoreBlend, float x) {
    // At x 0 the lake has no height and the stored formula is 0 / 0.
    if (!(x > 0.0f) || !(pictureHeight > 0.0f)) return 0.0f;
    return -std::trunc(lakeHeight / pictureHeight * float(shoreBlend) / x);
}

void FakeLake2D::RippleMatrix(float time, float out[4]) {
    const float a = 4.5f * time;
    out[0] = 0.04f * std::cos(a);
    out[1] = -0.04f * std::sin(a);
    out[2] = 0.04f * std::sin(a);
    out[3] = 0.04f * std::cos(a);
}

D3DCOLOR FakeLake2D::TintRgb() const {
    const unsigned long c = TintColour.Value();
    return D3DCOLOR((c & 0xFF) << 16 | (c & 0xFF00) | ((c >> 16) & 0xFF));
}

void FakeLake2D::CreateDeviceObjects() {
    QV_2D_Light::CreateDeviceObjects();
    const ScreenQuad folded = FoldQuad(ScreenQuad::FitBackBuffer(), LakeFraction());
    LakeMesh.CreateVertexBuffer(6);
    LakeMesh.primitiveType = D3DPT_TRIANGLELIST;
    LakeMesh.primitiveCount = 2;
    BuildColouredQuad(TintQuad, TintRgb(), folded);
    BuildColouredQuad(ShoreQuad, TintRgb(), folded);
    const float a = TintAlpha.Result(), b = a * (1.0f - TintFade.Result());
    SetQuadCornerAlphas(TintQuad, a, a, b, b);
    // The strip carries the tint's shore alpha at its foot (PlaceLake puts its bottom corners
    // on the shore) and fades to nothing at its top, so the tint runs on across the shore.
    // Full tint along its top edge would leave an untinted seam at the shore under a tinted
    // line ShoreBlend pixels above it.
    SetQuadCornerAlphas(ShoreQuad, b, b, 0.0f, 0.0f);
    Reload();
    SetBumpCoordinates(BumpTiling.Result());
    SetQuadRgb(TintQuad, TintRgb());
    SetQuadRgb(ShoreQuad, TintRgb());
    NormalMap = CurrentDocResManager ? SignedBumpMap(CurrentDocResManager->GetGuidTexture(NormalMapKey))
                                     : ComHolder<IDirect3DTexture9>();
}

void FakeLake2D::Reload() {
    QV_2D_Light::Reload();
    // A picture that cannot be loaded leaves no copy, rather than the previous picture's.
    MirrorTexture.Reset();
    CopySquareTexture(GetPictureQuad().picture.texture, uint32_t(MirrorSizeExponent.Value()), MirrorTexture);
    PlaceLake();
}

void FakeLake2D::PlaceLake() {
    const float w = float(GetPictureWidth()), h = float(GetPictureHeight()), x = LakeFraction();
    const ScreenQuad q = FoldQuad(ScreenQuad::FromRect(0.0f, 0.0f, w, h), x);
    for (int i = 0; i < 6; ++i) {
        const ScreenQuad::Corner& c = q.corners[kLakeCorners[i]];
        LakeVertex& v = lakeVertices_[size_t(i)];
        v.x = c.x;
        v.y = c.y;
        v.z = 0.0f;
        v.mirrorU = c.u;
        v.mirrorV = c.v;
    }
    WriteLakeMesh();
    SetQuadCorners(TintQuad, q);
    const float top = q.Top(), off = ShoreOffset(q.Bottom() - top, h, ShoreBlend.Value(), x);
    ScreenQuad shore = ScreenQuad::FromRect(q.Left(), top + off, q.Right() - q.Left(), -off);
    SetQuadCorners(ShoreQuad, shore);
}

void FakeLake2D::SetBumpCoordinates(float s) {
    for (int i = 0; i < 6; ++i) {
        const int corner = kLakeCorners[i];
        const bool right = corner == ScreenQuad::kBottomRight || corner == ScreenQuad::kTopRight;
        const bool shore = corner == ScreenQuad::kTopLeft || corner == ScreenQuad::kTopRight;
        lakeVertices_[size_t(i)].bumpU = right ? s : 0.01f;
        lakeVertices_[size_t(i)].bumpV = shore ? 0.01f : s;
    }
    WriteLakeMesh();
}

void FakeLake2D::WriteLakeMesh() {
    LakeVertex* v = LakeMesh.Lock();
    if (!v) return;
    std::copy(lakeVertices_.begin(), lakeVertices_.end(), v);
    LakeMesh.Unlock();
}

ComHolder<IDirect3DTexture9> FakeLake2D::SignedBumpMap(const ComHolder<IDirect3DTexture9>& source) {
    ComHolder<IDirect3DTexture9> result;
    D3DSURFACE_DESC desc{};
    if (!source || !CurrentDevice || FAILED(source->GetLevelDesc(0, &desc))) return result;
    ComHolder<IDirect3DTexture9> readable;
    CopyTexture(source, desc.Width, desc.Height, D3DFMT_A8R8G8B8, readable);
    if (!readable || FAILED(CurrentDevice->CreateTexture(desc.Width, desc.Height, 1, 0, D3DFMT_V8U8, D3DPOOL_MANAGED,
                                                         result.Receive(), nullptr)))
        return ComHolder<IDirect3DTexture9>();
    D3DLOCKED_RECT from{}, to{};
    if (SUCCEEDED(readable->LockRect(0, &from, nullptr, D3DLOCK_READONLY))) {
        if (SUCCEEDED(result->LockRect(0, &to, nullptr, 0))) {
            for (UINT y = 0; y < desc.Height; ++y) {
                const uint8_t* in = static_cast<const uint8_t*>(from.pBits) + size_t(y) * from.Pitch;
                int8_t* out = reinterpret_cast<int8_t*>(static_cast<uint8_t*>(to.pBits) + size_t(y) * to.Pitch);
                for (UINT x = 0; x < desc.Width; ++x) {
                    out[2 * x] = int8_t(int(in[4 * x + 2]) - 128);      // du from red
                    out[2 * x + 1] = int8_t(int(in[4 * x + 1]) - 128);  // dv from green
                }
            }
            result->UnlockRect(0);
        }
        readable->UnlockRect(0);
    }
    return result;
}

void FakeLake2D::SetBumpStates() {
    IDirect3DDevice9* d = CurrentDevice;
    d->SetTexture(0, NormalMap.Get());
    auto bits = [](float value) {
        DWORD b;
        std::memcpy(&b, &value, sizeof b);
        return b;
    };
    ApplyStates({SamplerState(0, D3DSAMP_ADDRESSU, D3DTADDRESS_CLAMP), SamplerState(0, D3DSAMP_ADDRESSV, D3DTADDRESS_CLAMP),
                 StageState(0, D3DTSS_BUMPENVMAT00, bits(BumpMatrix._11)),
                 StageState(0, D3DTSS_BUMPENVMAT01, bits(BumpMatrix._12)),
                 StageState(0, D3DTSS_BUMPENVMAT10, bits(BumpMatrix._21)),
                 StageState(0, D3DTSS_BUMPENVMAT11, bits(BumpMatrix._22)),
                 StageState(0, D3DTSS_COLOROP, D3DTOP_BUMPENVMAP), StageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE),
                 StageState(0, D3DTSS_COLORARG2, D3DTA_CURRENT)});
    d->SetTexture(1, MirrorTexture.Get());
    ApplyStates({StageState(1, D3DTSS_COLORARG1, D3DTA_TEXTURE), StageState(1, D3DTSS_COLOROP, D3DTOP_SELECTARG1)});
}

void FakeLake2D::RestoreLayerDeviceObjects() {
    D3DXMATRIX identity;
    D3DXMatrixIdentity(&identity);
    CurrentDevice->SetTransform(D3DTS_WORLD, &identity);
    SetBumpStates();
    ApplyStates(kPictureStages);
}

void FakeLake2D::FrameMove(float t) {
    QV_2D_Light::FrameMove(t);
    RippleSpeed.Advance(t);
    float m[4];
    RippleMatrix(RippleSpeed.Time(), m);
    BumpMatrix._11 = m[0];
    BumpMatrix._12 = m[1];
    BumpMatrix._21 = m[2];
    BumpMatrix._22 = m[3];
}

void FakeLake2D::DrawBackground(bool) {
    IDirect3DDevice9* d = CurrentDevice;
    d->Clear(0, nullptr, D3DCLEAR_ZBUFFER, 0xFF000000, 1.0f, 0);
    QV_2D_Light::DrawBackground(false);
    d->SetStreamSource(0, LakeMesh.vertexBuffer.Get(), 0, sizeof(LakeVertex));
    SetBumpStates();
    d->SetVertexShader(nullptr);
    d->SetFVF(LakeVertex::kFvf);
    // The mirror is opaque, whatever blending the last draw left on.
    ApplyStates({StageState(1, D3DTSS_TEXCOORDINDEX, 1), RenderState(D3DRS_ALPHABLENDENABLE, FALSE)});
    if (LakeMesh.vertexBuffer) d->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2);
    d->SetTexture(1, nullptr);
    ApplyStates({StageState(1, D3DTSS_COLOROP, D3DTOP_DISABLE)});
    DrawColourQuad(TintQuad);
    DrawColourQuad(ShoreQuad);
}
