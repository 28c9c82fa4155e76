#include "player/TexturedQuad.h"

#include "document/DocResourceCache.h"
#include "document/QV_DocResManager.h"

namespace {

const float kUnitUV[4][2] = {{0, 1}, {0, 0}, {1, 1}, {1, 0}};

}  // namespace

template <>
HRESULT TexturedQuad<TexVertex>::CreateWithVertices(const float values[20]) {
    HRESULT hr = CreateQuadBuffer();
    if (FAILED(hr)) return hr;
    TexVertex* v = Lock();
    if (!v) return E_FAIL;
    for (int i = 0; i < 4; ++i) v[i] = {values[5 * i], values[5 * i + 1], values[5 * i + 2], values[5 * i + 3],
                                        values[5 * i + 4]};
    Unlock();
    return S_OK;
}

template <>
void TexturedQuad<TexVertex>::SetCorners(const float positions[12]) {
    TexVertex* v = Lock();
    if (!v) return;
    for (int i = 0; i < 4; ++i) {
        v[i].x = positions[3 * i];
        v[i].y = positions[3 * i + 1];
        v[i].z = positions[3 * i + 2];
    }
    Unlock();
}

template <>
HRESULT TexturedQuad<TexVertex>::InitUnitUV() {
    float values[20] = {};
    for (int i = 0; i < 4; ++i) {
        values[5 * i + 3] = kUnitUV[i][0];
        values[5 * i + 4] = kUnitUV[i][1];
    }
    return CreateWithVertices(values);
}

template <>
void TexturedQuad<TexVertex>::SetSize(float width, float height) {
    const float positions[12] = {0, height, 0, 0, 0, 0, width, height, 0, width, 0, 0};
    SetCorners(positions);
}

void WriteScreenQuadVertices(ScreenTexVertex* vertices, const ScreenQuad& quad) {
    for (int i = 0; i < 4; ++i) {
        const ScreenQuad::Corner& c = quad.corners[i];
        vertices[i].x = c.x;
        vertices[i].y = c.y;
        vertices[i].z = 0.0f;
        vertices[i].rhw = c.rhw;
        vertices[i].u = c.u;
        vertices[i].v = c.v;
    }
}

template <>
HRESULT TexturedQuad<ScreenTexVertex>::BuildWithTexture(const ComHolder<IDirect3DTexture9>& source,
                                                        const ScreenQuad& quad) {
    texture = source;
    HRESULT hr = CreateScreenTexQuad(*this);
    if (FAILED(hr)) return hr;
    ScreenTexVertex* v = Lock();
    if (!v) return E_FAIL;
    WriteScreenQuadVertices(v, quad);
    for (int i = 0; i < 4; ++i) v[i].diffuse = 0xFFFFFFFF;
    Unlock();
    return S_OK;
}

template <>
HRESULT TexturedQuad<ScreenTexVertex>::BuildWithResourceTexture(const ScreenQuad& quad) {
    ComHolder<IDirect3DTexture9> resource;
    LoadTextureFromResource(0, false, resource);
    return BuildWithTexture(resource, quad);
}

template <>
void TexturedQuad<ScreenTexVertex>::SetCornersAndUV(const ScreenQuad& quad) {
    ScreenTexVertex* v = Lock();
    if (!v) return;
    WriteScreenQuadVertices(v, quad);
    Unlock();
}

template <>
void TexturedQuad<ScreenTexVertex>::SetAlpha(unsigned char alpha, float factor) {
    ScreenTexVertex* v = Lock();
    if (!v) return;
    const D3DCOLOR a = D3DCOLOR(int(factor * alpha) & 0xFF) << 24;
    for (int i = 0; i < 4; ++i) v[i].diffuse = (v[i].diffuse & 0x00FFFFFF) | a;
    Unlock();
}

void PictureQuad::Load(const FileKey& link) {
    picture = CurrentDocResManager ? TextureEntry::FromTextureSet(CurrentDocResManager->GetTextures(link))
                                   : TextureEntry();
    SetPicture();
}

void PictureQuad::SetPicture() {
    texture = picture.texture;
    SetSize(float(picture.width), float(picture.height));
}
