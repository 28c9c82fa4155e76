#include "document/PictureHeader.h"

#include <cstring>
#include <initializer_list>
#include <limits>

namespace {

uint32_t Little16(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8; }
uint32_t Little32(const uint8_t* p) { return Little16(p) | Little16(p + 2) << 16; }
uint32_t Big16(const uint8_t* p) { return uint32_t(p[0]) << 8 | uint32_t(p[1]); }
uint32_t Big32(const uint8_t* p) { return Big16(p) << 16 | Big16(p + 2); }
// Bitmap sizes are signed; a negative height is a picture stored top down.
uint64_t Magnitude(uint32_t stored) {
    const int64_t value = int32_t(stored);
    return uint64_t(value < 0 ? -value : value);
}

bool StartsWith(const uint8_t* bytes, size_t size, const char* signature, size_t length) {
    return size >= length && std::memcmp(bytes, signature, length) == 0;
}

bool ReadPng(const uint8_t* b, size_t size, PictureHeader& header) {
    // The first chunk is always the image header.
    if (size < 24 || std::memcmp(b + 12, "IHDR", 4) != 0) return false;
    header.width = Big32(b + 16);
    header.height = Big32(b + 20);
    return true;
}

// Start-of-frame markers: C0 to CF but for C4 (Huffman tables), C8 and CC (arithmetic coding).
bool IsFrameHeader(uint8_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// The size comes from the frame header; a scan or the end before it means no picture.
bool ReadJpeg(const uint8_t* b, size_t size, PictureHeader& header) {
    size_t at = 2;
    while (at + 2 <= size) {
        if (b[at] != 0xFF) return false;
        const uint8_t marker = b[at + 1];
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        at += 2;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;  // no length
        if (marker == 0xD9 || marker == 0xDA || at + 2 > size) return false;
        const size_t length = Big16(b + at);
        if (length < 2) return false;
        if (IsFrameHeader(marker)) {
            if (length < 7 || at + 7 > size) return false;
            header.height = Big16(b + at + 3);
            header.width = Big16(b + at + 5);
            return true;
        }
        at += length;
    }
    return false;
}

// A bitmap's information header: the old 12-byte form with 16-bit sizes, or any later one.
bool ReadDib(const uint8_t* b, size_t size, PictureHeader& header) {
    if (size < 12) return false;
    const uint32_t headerSize = Little32(b);
    if (headerSize == 12) {
        header.width = Little16(b + 4);
        header.height = Little16(b + 6);
        return true;
    }
    if (headerSize < 16 || headerSize > 124) return false;
    header.width = Magnitude(Little32(b + 4));
    header.height = Magnitude(Little32(b + 8));
    return true;
}

bool ReadDds(const uint8_t* b, size_t size, PictureHeader& header) {
    if (size < 128) return false;
    constexpr uint32_t kCubeMap = 0x200, kVolume = 0x200000;
    header.height = Little32(b + 12);
    header.width = Little32(b + 16);
    const uint32_t depth = Little32(b + 24);
    const uint32_t caps2 = Little32(b + 112);
    header.layers = (caps2 & kCubeMap) ? 6 : 1;
    if ((caps2 & kVolume) && depth > 1) header.layers *= depth;
    return true;
}

// A TGA header holds no signature, only fields of a few possible values.
bool ReadTga(const uint8_t* b, size_t size, PictureHeader& header) {
    if (size < 18 || b[1] > 1) return false;
    const uint8_t type = b[2], depth = b[16];
    const bool knownType = type == 1 || type == 2 || type == 3 || type == 9 || type == 10 || type == 11;
    const bool knownDepth = depth == 8 || depth == 15 || depth == 16 || depth == 24 || depth == 32;
    if (!knownType || !knownDepth) return false;
    header.width = Little16(b + 12);
    header.height = Little16(b + 14);
    return true;
}

}  // namespace

uint64_t PictureHeader::Pixels() const {
    constexpr uint64_t kMost = std::numeric_limits<uint64_t>::max();
    uint64_t pixels = 1;
    for (uint64_t factor : {width, height, layers}) {
        if (factor != 0 && pixels > kMost / factor) return kMost;
        pixels *= factor;
    }
    return pixels;
}

bool PictureHeader::Read(const uint8_t* bytes, size_t size, PictureHeader& header) {
    header = PictureHeader();
    if (!bytes) return false;
    if (StartsWith(bytes, size, "\x89PNG\r\n\x1a\n", 8)) return ReadPng(bytes, size, header);
    if (StartsWith(bytes, size, "\xFF\xD8", 2)) return ReadJpeg(bytes, size, header);
    if (StartsWith(bytes, size, "BM", 2)) return size >= 14 && ReadDib(bytes + 14, size - 14, header);
    if (StartsWith(bytes, size, "DDS ", 4)) return ReadDds(bytes, size, header);
    // A DIB header starts with its small size, so its third byte is 0: never a TGA image type.
    return ReadDib(bytes, size, header) || ReadTga(bytes, size, header);
}

bool PictureWithinBudget(const void* bytes, size_t size) {
    PictureHeader header;
    return PictureHeader::Read(static_cast<const uint8_t*>(bytes), size, header) &&
           header.Pixels() <= kMaxPicturePixels;
}
