#pragma once
// Untextured quads: screen-space (the fade overlay) and world-space coloured quads.
#include <d3d9.h>

#include "player/QV_SimpleMesh.h"
#include "document/ScreenQuad.h"

// x, y, z 0 and rhw of each corner.
void WriteScreenColourQuadCorners(ScreenColourVertex* vertices, const ScreenQuad& quad);
HRESULT BuildColouredScreenQuad(QV_SimpleMesh<ScreenColourVertex>& mesh, D3DCOLOR colour, const ScreenQuad& quad);
void SetScreenQuadCorners(QV_SimpleMesh<ScreenColourVertex>& mesh, const ScreenQuad& quad);
// The alpha byte, in place, that a corner value gives: (value * 255) truncated, keeping its
// low 8 bits.
D3DCOLOR CornerAlpha(float value);
// Corner 0 gets a, corner 1 c, corner 2 b, corner 3 d, each as CornerAlpha; colours kept.
void SetScreenQuadCornerAlphas(QV_SimpleMesh<ScreenColourVertex>& mesh, float a, float b, float c, float d);

// The same for world-space quads (x, y from the quad, z 0).
void WriteColourQuadCorners(ColourVertex* vertices, const ScreenQuad& quad);
HRESULT BuildColouredQuad(QV_SimpleMesh<ColourVertex>& mesh, D3DCOLOR colour, const ScreenQuad& quad);
void SetQuadCorners(QV_SimpleMesh<ColourVertex>& mesh, const ScreenQuad& quad);
// The colour of all four corners; alpha kept.
void SetQuadRgb(QV_SimpleMesh<ColourVertex>& mesh, D3DCOLOR rgb);
void SetQuadCornerAlphas(QV_SimpleMesh<ColourVertex>& mesh, float a, float b, float c, float d);
// Blended, with the stage-0 colour and alpha taken from the vertices.
void DrawColourQuad(const QV_SimpleMesh<ColourVertex>& mesh);
