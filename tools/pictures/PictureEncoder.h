#pragma once
// PNG (libpng) and JPEG (libjpeg) files of an Image, in memory.
#include <cstdint>
#include <string>
#include <vector>

#include "Image.h"

namespace pictures {

std::vector<uint8_t> EncodePng(const Image& image);
// Colour only: the alpha channel is dropped.
std::vector<uint8_t> EncodeJpeg(const Image& image, int quality = 90);
bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace pictures
