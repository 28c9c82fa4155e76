#include "document/TextureEntry.h"

TextureEntry TextureEntry::FromTextureSet(const TextureSet& set) {
    TextureEntry entry;
    if (set.frames.empty()) return entry;
    entry.texture = set.frames.front();
    entry.width = set.width;
    entry.height = set.height;
    entry.ratio = set.ratio;
    return entry;
}

void TextureEntry::Assign(const D3DXIMAGE_INFO& info, const ComHolder<IDirect3DTexture9>& held) {
    texture = held;
    width = info.Width;
    height = info.Height;
    ratio = float(height) / float(width);
}

ComHolder<IDirect3DTexture9> TextureSet::CurrentFrame() const {
    if (frames.empty()) return {};
    return frames[currentFrame < frames.size() ? currentFrame : frames.size() - 1];
}

void TextureSet::SetFrame(size_t i, const TextureEntry& entry) {
    frames[i] = entry.texture;
    width = entry.width;
    height = entry.height;
    ratio = entry.ratio;
}
