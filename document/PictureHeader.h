#pragma once
// The pixel size that a picture's bytes declare, read from its header before anything is
// decoded, so that no document can make the decoder build a picture of any size it likes.
#include <cstddef>
#include <cstdint>

struct PictureHeader {
    uint64_t width = 0;
    uint64_t height = 0;
    // The slices of a volume or the faces of a cube map, each width x height.
    uint64_t layers = 1;

    // Saturates rather than wraps.
    uint64_t Pixels() const;

    // PNG, JPEG, BMP and DDS bytes are known by their signatures; DIB and TGA bytes, which
    // have none, by the fields of their headers. False for bytes of any other form and for a
    // header cut short.
    static bool Read(const uint8_t* bytes, size_t size, PictureHeader& header);
};

// The most pixels a picture may have to be decoded (4096 x 4096; a 5K picture of 5120 x 2880
// fits). A larger picture, or one whose size cannot be read, is treated as missing.
constexpr uint64_t kMaxPicturePixels = 4096ull * 4096ull;

// The longest extent, in picture pixels, that the sizes and scales stored for anything drawn
// are kept within: four times the side of the largest square picture decoded. Anything larger
// already reaches past every screen such a picture is fitted into and only grows further off
// it, so nothing more of it can show.
constexpr float kMaxShownExtent = 4.0f * 4096.0f;

// Whether the bytes are a picture of a readable size within kMaxPicturePixels.
bool PictureWithinBudget(const void* bytes, size_t size);
