#pragma once
// A texture with the size of the picture it was decoded from.
#include <d3d9.h>
#include <d3dx9tex.h>
#include <cstdint>
#include <vector>

#include "base/ComHolder.h"

struct TextureSet;

struct TextureEntry {
    ComHolder<IDirect3DTexture9> texture;
    uint32_t width = 0;
    uint32_t height = 0;
    float ratio = 1.0f;  // height / width

    // The set's first frame with the set's size; an empty set gives an entry without texture.
    static TextureEntry FromTextureSet(const TextureSet& set);
    void Assign(const D3DXIMAGE_INFO& info, const ComHolder<IDirect3DTexture9>& texture);
};

// The frames of one image link. A set without frames is "not loaded".
struct TextureSet {
    std::vector<ComHolder<IDirect3DTexture9>> frames;
    std::vector<float> durations;  // seconds per frame; only for more than one frame
    uint32_t width = 0;
    uint32_t height = 0;
    float ratio = 1.0f;
    uint32_t currentFrame = 0;

    // The frame at the current index (the last one when the index is past it); none when
    // the set has no frames.
    ComHolder<IDirect3DTexture9> CurrentFrame() const;
    // Frame i becomes the entry's texture, and the set takes the entry's size.
    void SetFrame(size_t i, const TextureEntry& entry);
};
