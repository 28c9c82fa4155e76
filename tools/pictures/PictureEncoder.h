#pragma once
// PNG (libpng) and JPEG (libjpeg) files of an Image, in memory.
#include <cstdint>
#include <string>
#include <vector>

#include "Image.h"

namespace pictures {

std::vector<uint8_t> EncodePng(const Image& image);
// A black picture of any size as an 8-bit grey PNG: about a thousandth of the picture's
// bytes, which declare as many pixels as the header says.
std::vector<uint8_t> EncodeBlankPng(uint32_t width, uint32_t height);
// Colour only: the alpha channel is dropped.
std::vector<uint8_t> EncodeJpeg(const Image& image, int quality = 90);
bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace pictures
