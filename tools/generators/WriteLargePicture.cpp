// Writes a black PNG of the given size: a small file that declares a large picture.
#include <cstdio>
#include <cstdlib>

#include "PictureEncoder.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: write_large_picture OUTPUT WIDTH HEIGHT\n");
        return 2;
    }
    const auto width = uint32_t(std::strtoul(argv[2], nullptr, 10));
    const auto height = uint32_t(std::strtoul(argv[3], nullptr, 10));
    const std::vector<uint8_t> png = pictures::EncodeBlankPng(width, height);
    return !png.empty() && pictures::WriteFile(argv[1], png) ? 0 : 1;
}
