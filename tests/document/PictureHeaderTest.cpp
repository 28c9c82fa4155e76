// The sizes that pictures declare in their headers, read before anything is decoded.
#include <gtest/gtest.h>

#include <d3dx9.h>

#include <string>
#include <vector>

#include "PictureBytes.h"
#include "TestDevice.h"
#include "document/PictureHeader.h"

namespace {

using Bytes = std::vector<uint8_t>;

void PutLittle(Bytes& b, size_t at, uint32_t value, int count) {
    for (int i = 0; i < count; ++i) b[at + i] = uint8_t(value >> (8 * i));
}
void PutBig(Bytes& b, size_t at, uint32_t value, int count) {
    for (int i = 0; i < count; ++i) b[at + i] = uint8_t(value >> (8 * (count - 1 - i)));
}
Bytes Starting(const std::string& signature, size_t size) {
    Bytes b(size, 0);
    std::copy(signature.begin(), signature.end(), b.begin());
    return b;
}

Bytes Png(uint32_t width, uint32_t height) {
    Bytes b = Starting(std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16), 33);
    PutBig(b, 16, width, 4);
    PutBig(b, 20, height, 4);
    return b;
}
// SOI, an APP0 segment, then a frame header of the given marker.
Bytes Jpeg(uint8_t frameMarker, uint32_t width, uint32_t height) {
    Bytes b = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x06, 'J', 'F', 'I', 'F', 0xFF, 0xFF,
               frameMarker, 0x00, 0x11, 0x08, 0, 0, 0, 0, 0x03};
    PutBig(b, 16, height, 2);
    PutBig(b, 18, width, 2);
    return b;
}
// A bitmap information header of the given size, with or without the file header.
Bytes Dib(uint32_t headerSize, int32_t width, int32_t height, bool fileHeader) {
    Bytes b(40, 0);
    PutLittle(b, 0, headerSize, 4);
    if (headerSize == 12) {
        PutLittle(b, 4, uint32_t(width), 2);
        PutLittle(b, 6, uint32_t(height), 2);
    } else {
        PutLittle(b, 4, uint32_t(width), 4);
        PutLittle(b, 8, uint32_t(height), 4);
    }
    if (fileHeader) b.insert(b.begin(), {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    return b;
}
Bytes Dds(uint32_t width, uint32_t height, uint32_t depth, uint32_t caps2) {
    Bytes b = Starting("DDS ", 128);
    PutLittle(b, 4, 124, 4);
    PutLittle(b, 12, height, 4);
    PutLittle(b, 16, width, 4);
    PutLittle(b, 24, depth, 4);
    PutLittle(b, 112, caps2, 4);
    return b;
}
Bytes Tga(uint8_t type, uint8_t depth, uint32_t width, uint32_t height) {
    Bytes b(18, 0);
    b[2] = type;
    b[16] = depth;
    PutLittle(b, 12, width, 2);
    PutLittle(b, 14, height, 2);
    return b;
}

TEST(PictureHeader, EveryKnownFormDeclaresItsSize) {
    const struct {
        const char* label;
        Bytes bytes;
        bool read;
        uint64_t width, height, pixels;
    } cases[] = {
        {"PNG", Png(16384, 16384), true, 16384, 16384, 268435456},
        {"PNG cut in its header", [] {
             Bytes b = Png(5, 5);
             b.resize(20);
             return b;
         }(), false, 0, 0, 0},
        {"baseline JPEG", Jpeg(0xC0, 640, 480), true, 640, 480, 307200},
        {"progressive JPEG", Jpeg(0xC2, 65535, 65535), true, 65535, 65535, 4294836225},
        {"JPEG whose tables come first", [] {
             Bytes b = Jpeg(0xC0, 10, 20);
             b.insert(b.begin() + 10, {0xFF, 0xC4, 0x00, 0x03, 0x00});
             return b;
         }(), true, 10, 20, 200},
        {"JPEG scan before any frame header", Jpeg(0xDA, 10, 20), false, 0, 0, 0},
        {"JPEG without a marker where one belongs", [] {
             Bytes b = Jpeg(0xC0, 10, 20);
             b[10] = 0x00;
             return b;
         }(), false, 0, 0, 0},
        {"BMP", Dib(40, 800, -600, true), true, 800, 600, 480000},
        {"BMP of the oldest header", Dib(12, 300, 200, true), true, 300, 200, 60000},
        {"BMP of the most negative height", Dib(40, 1, INT32_MIN, true), true, 1, 2147483648u, 2147483648u},
        {"DIB without a file header", Dib(124, 70000, 70000, false), true, 70000, 70000, 4900000000},
        {"DDS", Dds(1024, 512, 0, 0), true, 1024, 512, 524288},
        {"DDS cube map", Dds(256, 256, 0, 0x200), true, 256, 256, 393216},
        {"DDS volume", Dds(256, 256, 64, 0x200000), true, 256, 256, 4194304},
        {"TGA", Tga(2, 32, 4000, 3000), true, 4000, 3000, 12000000},
        {"TGA of an unknown image type", Tga(7, 32, 4000, 3000), false, 0, 0, 0},
        {"TGA of an unknown depth", Tga(2, 12, 4000, 3000), false, 0, 0, 0},
        {"a portable pixmap", Starting("P6\n4 4\n255\n", 60), false, 0, 0, 0},
        {"nothing", {}, false, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        PictureHeader header;
        ASSERT_EQ(PictureHeader::Read(c.bytes.data(), c.bytes.size(), header), c.read);
        if (!c.read) continue;
        EXPECT_EQ(header.width, c.width);
        EXPECT_EQ(header.height, c.height);
        EXPECT_EQ(header.Pixels(), c.pixels);
    }
}

TEST(PictureHeader, PixelsSaturateInsteadOfWrapping) {
    PictureHeader header;
    header.width = header.height = 1ull << 32;
    header.layers = 6;
    EXPECT_EQ(header.Pixels(), UINT64_MAX);
}

TEST(PictureHeader, TheBudgetTakesPicturesUpToItsPixelsAndNoMore) {
    const struct {
        Bytes bytes;
        bool within;
    } cases[] = {
        {Png(4096, 4096), true},  {Png(5120, 2880), true}, {Png(4097, 4096), false},
        {Png(16384, 16384), false}, {Dds(2048, 2048, 0, 0x200), false}, {{1, 2, 3, 4}, false},
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(PictureWithinBudget(cases[i].bytes.data(), cases[i].bytes.size()), cases[i].within) << i;
}

// The decoder's own files read as the size they were written at.
TEST(PictureHeader, PicturesTheDecoderWroteDeclareTheirSize) {
    vgtest::TestDevice device(32, 32);
    VG_REQUIRE_DEVICE(device);
    for (D3DXIMAGE_FILEFORMAT format : {D3DXIFF_PNG, D3DXIFF_JPG, D3DXIFF_BMP}) {
        SCOPED_TRACE(format);
        const Bytes bytes = vgtest::MakePicture(device.Device(), 37, 19, format, 0xFF204060);
        ASSERT_FALSE(bytes.empty());
        PictureHeader header;
        ASSERT_TRUE(PictureHeader::Read(bytes.data(), bytes.size(), header));
        EXPECT_EQ(header.width, 37u);
        EXPECT_EQ(header.height, 19u);
    }
}

}  // namespace
