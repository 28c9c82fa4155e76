#pragma once
// A 4-vertex strip with its texture: picture and border quads (TexVertex) and screen-space
// quads (ScreenTexVertex).
#include <d3d9.h>

#include "document/TextureEntry.h"
#include "player/QV_SimpleMesh.h"
#include "document/ScreenQuad.h"

template <class V>
class TexturedQuad : public QV_SimpleMesh<V> {
public:
    // TexVertex quads.
    HRESULT CreateQuadBuffer() { return CreateQuad(*this); }
    // x, y, z, u, v of the four corners.
    HRESULT CreateWithVertices(const float values[20]);
    // Positions only, x, y, z of the four corners.
    void SetCorners(const float positions[12]);
    // A new buffer at the origin with texture coordinates (0,1), (0,0), (1,1), (1,0).
    HRESULT InitUnitUV();
    // Corners (0, h), (0, 0), (w, h), (w, 0).
    void SetSize(float width, float height);

    // ScreenTexVertex quads.
    HRESULT BuildWithTexture(const ComHolder<IDirect3DTexture9>& texture, const ScreenQuad& quad);
    HRESULT BuildWithResourceTexture(const ScreenQuad& quad);
    void SetCornersAndUV(const ScreenQuad& quad);
    // Every corner's alpha := (factor * alpha) truncated; colours kept.
    void SetAlpha(unsigned char alpha, float factor);

    ComHolder<IDirect3DTexture9> texture;
    unsigned char flag = 0;
};

struct FileKey;

// The background picture's quad and the picture it shows.
class PictureQuad : public TexturedQuad<TexVertex> {
public:
    // The link's first frame from the current resource manager, then SetPicture.
    void Load(const FileKey& link);
    // The quad shows the picture at its own size in picture pixels.
    void SetPicture();

    TextureEntry picture;
};

// x, y, z 0, rhw, u, v of each corner; the diffuse colours are left alone.
void WriteScreenQuadVertices(ScreenTexVertex* vertices, const ScreenQuad& quad);
