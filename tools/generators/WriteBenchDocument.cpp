// Writes the large document the opening benchmark reads: 50 slides, each over its own
// 1024 x 768 picture, half of them PNG and half JPEG as photo collections mix them.
#include <cstdio>
#include <string>

#include "DocumentRecords.h"
#include "PictureEncoder.h"
#include "ProceduralPictures.h"
#include "SlideRecords.h"

using namespace scenewriter;

namespace {

constexpr int kPictureCount = 50;
constexpr int kWidth = 1024;
constexpr int kHeight = 768;

// Four kinds of content so that the encoders meet different detail, each picture distinct.
pictures::Image Picture(int i) {
    using namespace pictures;
    switch (i % 4) {
        case 0: return DuskLandscape(kWidth, kHeight);
        case 1: return NightHarbour(kWidth, kHeight);
        case 2: return AuroraTower(kWidth, kHeight);
        default: {
            const uint8_t top[3] = {uint8_t(40 + i * 4), 90, uint8_t(200 - i * 3)};
            const uint8_t bottom[3] = {uint8_t(220 - i * 2), uint8_t(30 + i * 3), 60};
            return BandedGradient(kWidth, kHeight, top, bottom, 2 + i % 7);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_bench_document OUTPUT\n");
        return 2;
    }
    ResourceSection section;
    std::vector<SceneWriter> slides;
    for (int i = 0; i < kPictureCount; ++i) {
        pictures::Image image = Picture(i);
        // A mark in a corner keeps pictures of the same kind apart.
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16 + i * 4; ++x) image.Set(x, y, uint8_t(i * 5), 255, uint8_t(255 - i * 5));
        const bool png = i % 2 == 0;
        const std::string path = "C:\\Velmora\\Album\\picture" + std::to_string(i) + (png ? ".png" : ".jpg");
        const int64_t stamp = 1765100000 + i;
        section.images.push_back(StoreEntry{
            path, stamp,
            {StoredFile{0, "", png ? pictures::EncodePng(image) : pictures::EncodeJpeg(image, 90), path}}});

        LayerRecord layer;
        layer.picture = {path, stamp};
        layer.camera.enabled = i % 3 != 0 ? 1 : 0;
        SlideRecord slide;
        slide.fadeIn = 2;
        slide.showTime = 8;
        slide.fadeOut = 2;
        slide.layer = MakeLayer(layer);
        slides.push_back(MakeSlide(slide));
    }
    return pictures::WriteFile(argv[1], MakeDocument(slides, {}, section)) ? 0 : 1;
}
