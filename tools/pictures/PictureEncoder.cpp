#include "PictureEncoder.h"

#include <cstdio>
#include <cstdlib>
#include <functional>

#include <jpeglib.h>
#include <png.h>
#include <zlib.h>

namespace pictures {

namespace {

void AppendPngBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

// An 8-bit PNG of the rows the callback gives, top to bottom, at a zlib compression level.
std::vector<uint8_t> WritePng(uint32_t width, uint32_t height, int colourType, int compression,
                              const std::function<const uint8_t*(uint32_t)>& row) {
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &out, AppendPngBytes, nullptr);
    png_set_IHDR(png, info, width, height, 8, colourType, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, compression);
    png_write_info(png, info);
    for (uint32_t y = 0; y < height; ++y) png_write_row(png, const_cast<png_bytep>(row(y)));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

}  // namespace

std::vector<uint8_t> EncodePng(const Image& image) {
    return WritePng(uint32_t(image.width), uint32_t(image.height), PNG_COLOR_TYPE_RGB_ALPHA, Z_DEFAULT_COMPRESSION,
                    [&](uint32_t y) { return &image.rgba[size_t(y) * image.width * 4]; });
}

std::vector<uint8_t> EncodeBlankPng(uint32_t width, uint32_t height) {
    const std::vector<uint8_t> row(width, 0);
    return WritePng(width, height, PNG_COLOR_TYPE_GRAY, Z_BEST_COMPRESSION, [&](uint32_t) { return row.data(); });
}

std::vector<uint8_t> EncodeJpeg(const Image& image, int quality) {
    jpeg_compress_struct jpeg;
    jpeg_error_mgr errors;
    jpeg.err = jpeg_std_error(&errors);
    jpeg_create_compress(&jpeg);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&jpeg, &buffer, &size);
    jpeg.image_width = image.width;
    jpeg.image_height = image.height;
    jpeg.input_components = 3;
    jpeg.in_color_space = JCS_RGB;
    jpeg_set_defaults(&jpeg);
    jpeg_set_quality(&jpeg, quality, TRUE);
    jpeg_start_compress(&jpeg, TRUE);
    std::vector<uint8_t> row(size_t(image.width) * 3);
    while (jpeg.next_scanline < jpeg.image_height) {
        const uint8_t* source = &image.rgba[size_t(jpeg.next_scanline) * image.width * 4];
        for (int x = 0; x < image.width; ++x)
            for (int c = 0; c < 3; ++c) row[size_t(x) * 3 + c] = source[x * 4 + c];
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&jpeg, rows, 1);
    }
    jpeg_finish_compress(&jpeg);
    std::vector<uint8_t> out(buffer, buffer + size);
    jpeg_destroy_compress(&jpeg);
    std::free(buffer);
    return out;
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace pictures
