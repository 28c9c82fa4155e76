#pragma once
// One sprite of a sprite system: where it is, how it is turned and sized, its pulse and
// colour, and the state the edge rules and emitters keep in it. Positions are picture
// pixels, y downwards; the up axis points towards increasing v of the image.
#include <d3d9.h>
#include <d3dx9math.h>

#include <cmath>

#include "document/PixelSides.h"

class QV_BaseSpriteProp;

struct SpriteParticle {
    // Scale, aspect and half extents from the description; every other field to its start.
    void Init(const QV_BaseSpriteProp& d);
    // c := scale × size / 2 on the image's longer side; the other side follows the aspect.
    void ComputeHalfExtents(unsigned int size);
    // The corner that texture coordinate (u range start, v range start) is drawn at.
    D3DXVECTOR3 GetCorner() const;
    // Alpha 1, the pulse at the description's speed with a random sign, no edge state.
    void InitPulse(const QV_BaseSpriteProp& d);
    // Alpha moves by the scaled step and turns at alpha min and max; below min a respawning
    // sprite is placed anew by its emitter first.
    void StepPulse(QV_BaseSpriteProp& d, bool respawn);
    // ARGB of the description's colour with alpha = the transparency's alpha byte × alpha.
    void UpdateColor(const QV_BaseSpriteProp& d);

    // The whole sprite lies beyond that side of the area. Inline: every sprite of a large
    // system meets several of them each frame.
    bool IsLeftOfArea(const PixelSides& area) const { return area.left > position.x + std::fabs(halfWidth); }
    bool IsRightOfArea(const PixelSides& area) const { return area.right < position.x - std::fabs(halfWidth); }
    bool IsAboveArea(const PixelSides& area) const { return area.top > position.y + std::fabs(halfHeight); }
    bool IsBelowArea(const PixelSides& area) const { return area.bottom < position.y - std::fabs(halfHeight); }
    // The sprite reaches over that side (signed half extents).
    bool CrossesLeft(const PixelSides& area) const { return area.left > position.x - halfWidth; }
    bool CrossesRight(const PixelSides& area) const { return area.right < position.x + halfWidth; }
    bool CrossesTop(const PixelSides& area) const { return area.top > position.y - halfHeight; }
    bool CrossesBottom(const PixelSides& area) const { return area.bottom < position.y + halfHeight; }

    D3DXVECTOR3 factor{0.0f, 0.0f, 0.0f};
    float motion[3] = {0.0f, 0.0f, 0.0f};  // each emitter says what it keeps here
    D3DXVECTOR3 position{100.0f, 100.0f, 0.0f};
    float scale = 1.0f;
    D3DXMATRIX spin{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    float va = 0.0f, vb = 1.0f;
    float ua = 0.0f, ub = 1.0f;
    float halfWidth = 0.0f;  // negative mirrors the sprite horizontally
    float halfHeight = 0.0f;
    float aspect = 1.0f;  // height / width of one image frame
    D3DXVECTOR3 right{1.0f, 0.0f, 0.0f};
    D3DXVECTOR3 up{0.0f, 1.0f, 0.0f};
    float alpha = 1.0f;
    float lastChange = 0.0f;
    float pause = 0.0f;
    int owningEdge = -1;  // -1: no edge rule owns the sprite
    int reentry = 0;
    float delayDeadline = 0.0f;
    float delayTimer = 0.0f;
    bool frozen = false;
    D3DCOLOR colour = 0;
    float pulseSpeed = 0.0f;
};

// alphaByte × factor truncated, kept within a byte (a factor above 1, below 0 or not a
// number must not spill into the colour bytes).
unsigned int ScaleAlphaByte(unsigned int alphaByte, float factor);

// 1 / tan of an angle in degrees: how far an axis leans per unit of height.
float ShearOfAngle(float degrees);
