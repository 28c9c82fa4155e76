#include "player/ColouredQuads.h"

#include "base/CurrentDevice.h"
#include "player/StateList.h"

D3DCOLOR CornerAlpha(float value) { return D3DCOLOR(int(value * 255.0f) & 0xFF) << 24; }

namespace {

template <class V>
void SetCornerAlphas(QV_SimpleMesh<V>& mesh, float a, float b, float c, float d) {
    V* v = mesh.Lock();
    if (!v) return;
    const float byCorner[4] = {a, c, b, d};
    for (int i = 0; i < 4; ++i) v[i].diffuse = (v[i].diffuse & 0x00FFFFFF) | CornerAlpha(byCorner[i]);
    mesh.Unlock();
}

template <class V, class Write>
HRESULT BuildQuad(QV_SimpleMesh<V>& mesh, D3DCOLOR colour, const ScreenQuad& quad, Write write) {
    HRESULT hr = CreateQuad(mesh);
    if (FAILED(hr)) return hr;
    V* v = mesh.Lock();
    if (!v) return E_FAIL;
    write(v, quad);
    for (int i = 0; i < 4; ++i) v[i].diffuse = colour;
    mesh.Unlock();
    return S_OK;
}

template <class V, class Write>
void RewriteCorners(QV_SimpleMesh<V>& mesh, const ScreenQuad& quad, Write write) {
    V* v = mesh.Lock();
    if (!v) return;
    write(v, quad);
    mesh.Unlock();
}

}  // namespace

void WriteScreenColourQuadCorners(ScreenColourVertex* vertices, const ScreenQuad& quad) {
    for (int i = 0; i < 4; ++i) {
        vertices[i].x = quad.corners[i].x;
        vertices[i].y = quad.corners[i].y;
        vertices[i].z = 0.0f;
        vertices[i].rhw = quad.corners[i].rhw;
    }
}

HRESULT BuildColouredScreenQuad(QV_SimpleMesh<ScreenColourVertex>& mesh, D3DCOLOR colour, const ScreenQuad& quad) {
    return BuildQuad(mesh, colour, quad, WriteScreenColourQuadCorners);
}

void SetScreenQuadCorners(QV_SimpleMesh<ScreenColourVertex>& mesh, const ScreenQuad& quad) {
    RewriteCorners(mesh, quad, WriteScreenColourQuadCorners);
}

void SetScreenQuadCornerAlphas(QV_SimpleMesh<ScreenColourVertex>& mesh, float a, float b, float c, float d) {
    SetCornerAlphas(mesh, a, b, c, d);
}

void WriteColourQuadCorners(ColourVertex* vertices, const ScreenQuad& quad) {
    for (int i = 0; i < 4; ++i) {
        vertices[i].x = quad.corners[i].x;
        vertices[i].y = quad.corners[i].y;
        vertices[i].z = 0.0f;
    }
}

HRESULT BuildColouredQuad(QV_SimpleMesh<ColourVertex>& mesh, D3DCOLOR colour, const ScreenQuad& quad) {
    return BuildQuad(mesh, colour, quad, WriteColourQuadCorners);
}

void SetQuadCorners(QV_SimpleMesh<ColourVertex>& mesh, const ScreenQuad& quad) {
    RewriteCorners(mesh, quad, WriteColourQuadCorners);
}

void SetQuadRgb(QV_SimpleMesh<ColourVertex>& mesh, D3DCOLOR rgb) {
    ColourVertex* v = mesh.Lock();
    if (!v) return;
    for (int i = 0; i < 4; ++i) v[i].diffuse = (v[i].diffuse & 0xFF000000) | (rgb & 0x00FFFFFF);
    mesh.Unlock();
}

void SetQuadCornerAlphas(QV_SimpleMesh<ColourVertex>& mesh, float a, float b, float c, float d) {
    SetCornerAlphas(mesh, a, b, c, d);
}

namespace {

// Blended in the vertices' own colour and alpha: operations left by the last draw would mix
// into them (after a device reset they differ from those the frames before it left).
constexpr DeviceState kColourQuadStates[] = {
    RenderState(D3DRS_ALPHABLENDENABLE, TRUE),
    RenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA),
    RenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA),
    StageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1),
    StageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG1),
    StageState(0, D3DTSS_COLORARG1, D3DTA_DIFFUSE),
    StageState(0, D3DTSS_ALPHAARG1, D3DTA_DIFFUSE),
};
constexpr DeviceState kAfterColourQuad[] = {
    StageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE),
    StageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE),
};

}  // namespace

void DrawColourQuad(const QV_SimpleMesh<ColourVertex>& mesh) {
    ApplyStates(kColourQuadStates);
    mesh.SetStream();
    CurrentDevice->DrawPrimitive(mesh.primitiveType, 0, mesh.primitiveCount);
    ApplyStates(kAfterColourQuad);
}
