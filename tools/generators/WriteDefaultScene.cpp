// Writes the scene the saver embeds as resource 107: three slides of pictures of different
// shapes (so every fit mode shows), cameras on and off, fades, and two music tracks.
#include <cstdio>
#include <string>

#include "DocumentRecords.h"
#include "PictureEncoder.h"
#include "ProceduralPictures.h"
#include "SlideRecords.h"
#include "WaveWriter.h"

using namespace scenewriter;

namespace {

// Pictures are keyed as the authoring tool keys files: a path and a modification time.
struct Picture {
    std::string path;
    int64_t stamp;
    std::vector<uint8_t> bytes;
};

StoreEntry ImageEntry(const Picture& picture) {
    return StoreEntry{picture.path, picture.stamp, {StoredFile{0, "", picture.bytes, picture.path}}};
}

SceneWriter Slide(const Picture& picture, bool cameraOn, uint32_t zoom, uint32_t fadeIn,
                  uint32_t show, uint32_t fadeOut) {
    LayerRecord layer;
    layer.picture = {picture.path, picture.stamp};
    layer.camera.enabled = cameraOn ? 1 : 0;
    layer.camera.zoom = zoom;
    SlideRecord slide;
    slide.fadeIn = fadeIn;
    slide.showTime = show;
    slide.fadeOut = fadeOut;
    slide.layer = MakeLayer(layer);
    return MakeSlide(slide);
}

std::vector<uint8_t> Track(const std::vector<sounds::Note>& melody) {
    const int rate = 22050;
    return sounds::MakeWave(sounds::Synthesize(melody, rate), rate);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_default_scene OUTPUT\n");
        return 2;
    }
    using namespace pictures;
    const Picture dusk{"C:\\Velmora\\Scenes\\dusk.png", 1765000000, EncodePng(DuskLandscape(1024, 768))};
    const Picture harbour{"C:\\Velmora\\Scenes\\harbour.jpg", 1765000100,
                          EncodeJpeg(NightHarbour(1600, 900), 88)};
    const Picture tower{"C:\\Velmora\\Scenes\\tower.png", 1765000200, EncodePng(AuroraTower(600, 900))};

    ResourceSection section;
    section.images = {ImageEntry(dusk), ImageEntry(harbour), ImageEntry(tower)};

    const std::vector<sounds::Note> evening = {{392, 0.6}, {440, 0.6}, {494, 0.6}, {587, 1.2},
                                               {0, 0.3},   {523, 0.6}, {494, 0.6}, {440, 1.5}};
    const std::vector<sounds::Note> night = {{330, 0.8}, {392, 0.8}, {494, 1.2}, {0, 0.4},
                                             {440, 0.8}, {392, 0.8}, {330, 1.6}};
    const std::vector<uint8_t> document = MakeDocument(
        {Slide(dusk, true, 120, 2, 12, 2), Slide(harbour, false, 120, 3, 10, 2),
         Slide(tower, true, 140, 2, 10, 3)},
        {{"C:\\Velmora\\Music\\evening.wav", Track(evening)}, {"C:\\Velmora\\Music\\night.wav", Track(night)}},
        section);
    return WriteFile(argv[1], document) ? 0 : 1;
}
