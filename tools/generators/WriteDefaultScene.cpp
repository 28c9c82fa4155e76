// Writes the scene the saver embeds as resource 107: three slides of pictures of different
// shapes (so every fit mode shows), cameras on and off, fades, two music tracks, a fourth
// slide with sound objects (a looping sea swell and a wind chime now and then), a fifth with
// butterflies, a clock and falling leaves, the sprite slides, the slide of smoke, lightning
// and reeds, the slide of FX brushes, the shader sprites' slide, and the glass ball, water
// rings and falling glyphs. With a slide number, the document holds that slide alone (with
// every picture, sound and track), for measuring one slide as the saver shows it; with
// "pictures", it is the picture slide show alone: every slide's picture, camera, fades and show
// time on a plain layer, with the music and no objects, brushes or sounds, for measuring the
// saver against another slide show of the same pictures.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

#include "BrushSlides.h"
#include "EffectBackgroundSlides.h"
#include "DocumentRecords.h"
#include "EffectLayerSlides.h"
#include "GeneratorSlides.h"
#include "MeshSlides.h"
#include "PictureEncoder.h"
#include "ProceduralPictures.h"
#include "ShaderSpriteSlide.h"
#include "ShowSlide.h"
#include "SlideRecords.h"
#include "SoundRecords.h"
#include "SpriteSlides.h"
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

ShowSlide Slide(const Picture& picture, bool cameraOn, uint32_t zoom, uint32_t fadeIn,
                  uint32_t show, uint32_t fadeOut, std::vector<SceneWriter> sounds = {},
                  std::vector<SceneWriter> objects = {}) {
    LayerRecord layer;
    layer.picture = {picture.path, picture.stamp};
    layer.camera.enabled = cameraOn ? 1 : 0;
    layer.camera.zoom = zoom;
    SlideRecord slide;
    slide.fadeIn = fadeIn;
    slide.showTime = show;
    slide.fadeOut = fadeOut;
    slide.layer = MakeLayer(layer);
    slide.sounds = std::move(sounds);
    slide.objects = std::move(objects);
    return MakeShowSlide(slide, layer);
}

const int kSampleRate = 22050;

std::vector<uint8_t> Track(const std::vector<sounds::Note>& melody) {
    return sounds::MakeWave(sounds::Synthesize(melody, kSampleRate), kSampleRate);
}

struct Sound {
    std::string path;
    int64_t stamp;
    std::vector<uint8_t> bytes;
};

Sound MakeSound(std::string path, int64_t stamp, const std::vector<sounds::Note>& notes, double volume) {
    return {std::move(path), stamp, sounds::MakeWave(sounds::Synthesize(notes, kSampleRate, volume), kSampleRate)};
}

StoreEntry SoundEntry(const Sound& sound) {
    return StoreEntry{sound.path, sound.stamp, {StoredFile{0, "", sound.bytes, sound.path}}};
}

// The time line's visible range and fades are set from the sound itself when it is played.
SceneWriter SoundObject(const Sound& sound, const std::string& name, int32_t mode, uint32_t hiddenMin,
                        uint32_t hiddenMax, uint32_t volume, uint32_t balance) {
    WaveSoundRecord record;
    record.wave = {sound.path, sound.stamp};
    record.sound.volume = volume;
    record.sound.balance = balance;
    record.sound.base.name = name;
    record.sound.base.timeLine.mode = mode;
    record.sound.base.timeLine.hiddenMin = hiddenMin;
    record.sound.base.timeLine.hiddenMax = hiddenMax;
    return MakeWaveSound(record);
}

// The picture slide show alone: each slide as its picture only, the section holding only
// those pictures.
std::vector<SceneWriter> PictureShow(const std::vector<ShowSlide>& slides, ResourceSection& section) {
    std::vector<SceneWriter> pictures;
    std::set<std::string> shown;
    for (const ShowSlide& slide : slides) {
        pictures.push_back(slide.pictureOnly);
        shown.insert(slide.picture.path);
    }
    std::erase_if(section.images, [&](const StoreEntry& entry) { return !shown.count(entry.path); });
    section.buffers.clear();
    section.guidImages.clear();
    section.durations.clear();
    return pictures;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: write_default_scene OUTPUT [SLIDE | pictures]\n");
        return 2;
    }
    using namespace pictures;
    const Picture dusk{"C:\\Velmora\\Scenes\\dusk.png", 1765000000, EncodePng(DuskLandscape(1024, 768))};
    const Picture harbour{"C:\\Velmora\\Scenes\\harbour.jpg", 1765000100,
                          EncodeJpeg(NightHarbour(1600, 900), 88)};
    const Picture tower{"C:\\Velmora\\Scenes\\tower.png", 1765000200, EncodePng(AuroraTower(600, 900))};

    // A low swell whose notes rise and fall softly, so its loop has no click, and a chime.
    const Sound swell = MakeSound("C:\\Velmora\\Sounds\\swell.wav", 1765000300,
                                  {{110, 1.0}, {98, 1.0}, {110, 1.0}, {82.5, 1.0}}, 0.3);
    const Sound chime = MakeSound("C:\\Velmora\\Sounds\\chime.wav", 1765000400,
                                  {{1318.5, 0.25}, {1568, 0.25}, {2093, 0.6}}, 0.25);

    ResourceSection section;
    section.images = {ImageEntry(dusk), ImageEntry(harbour), ImageEntry(tower)};
    section.buffers = {SoundEntry(swell), SoundEntry(chime)};
    const meshslides::GardenSlide garden = meshslides::MakeGardenSlide();
    section.images.push_back(garden.meadow);
    section.images.push_back(garden.wing);
    const BrushShowcase brushes = MakeBrushShowcase();
    section.images.insert(section.images.end(), brushes.images.begin(), brushes.images.end());
    section.guidImages = brushes.masks;

    const std::vector<sounds::Note> evening = {{392, 0.6}, {440, 0.6}, {494, 0.6}, {587, 1.2},
                                               {0, 0.3},   {523, 0.6}, {494, 0.6}, {440, 1.5}};
    const std::vector<sounds::Note> night = {{330, 0.8}, {392, 0.8}, {494, 1.2}, {0, 0.4},
                                             {440, 0.8}, {392, 0.8}, {330, 1.6}};
    std::vector<ShowSlide> slides = {
        Slide(dusk, true, 120, 2, 12, 2), Slide(harbour, false, 120, 3, 10, 2), Slide(tower, true, 140, 2, 10, 3),
        Slide(harbour, true, 130, 2, 10, 2,
              {SoundObject(swell, "Swell", 0, 100, 100, 70, 50), SoundObject(chime, "Chime", 1, 200, 400, 85, 30)}),
        Slide({garden.meadow.path, garden.meadow.stamp, {}}, true, 115, 2, 12, 2, {}, garden.objects)};
    spriteslides::SpriteSlides sprites =
        spriteslides::MakeSpriteSlides({dusk.path, dusk.stamp}, {harbour.path, harbour.stamp});
    for (ShowSlide& slide : sprites.slides) slides.push_back(std::move(slide));
    section.images.insert(section.images.end(), sprites.images.begin(), sprites.images.end());
    section.durations = sprites.durations;
    GeneratorSlide generators = MakeGeneratorSlide();
    slides.push_back(std::move(generators.slide));
    section.images.insert(section.images.end(), generators.images.begin(), generators.images.end());
    slides.push_back(brushes.slide);
    shaderslide::ShaderSpriteSlide shaders = shaderslide::MakeShaderSpriteSlide();
    slides.push_back(std::move(shaders.slide));
    section.images.push_back(shaders.picture);
    effectlayerslides::EffectLayerSlides effects = effectlayerslides::MakeEffectLayerSlides(
        {dusk.path, dusk.stamp}, {harbour.path, harbour.stamp}, {garden.meadow.path, garden.meadow.stamp});
    for (ShowSlide& slide : effects.slides) slides.push_back(std::move(slide));
    section.images.insert(section.images.end(), effects.images.begin(), effects.images.end());
    EffectBackgroundSlides backgrounds =
        MakeEffectBackgroundSlides({dusk.path, dusk.stamp}, {harbour.path, harbour.stamp}, {tower.path, tower.stamp});
    for (ShowSlide& slide : backgrounds.slides) slides.push_back(std::move(slide));
    section.guidImages.insert(section.guidImages.end(), backgrounds.guidImages.begin(), backgrounds.guidImages.end());

    std::vector<SceneWriter> written;
    if (argc == 3 && std::strcmp(argv[2], "pictures") == 0) {
        written = PictureShow(slides, section);
    } else if (argc == 3) {
        const size_t only = std::strtoul(argv[2], nullptr, 10);
        if (only >= slides.size()) {
            std::fprintf(stderr, "the scene has %zu slides\n", slides.size());
            return 2;
        }
        written = {slides[only].full};
    } else {
        for (const ShowSlide& slide : slides) written.push_back(slide.full);
    }
    const std::vector<uint8_t> document = MakeDocument(
        written,
        {{"C:\\Velmora\\Music\\evening.wav", Track(evening)}, {"C:\\Velmora\\Music\\night.wav", Track(night)}},
        section);
    return WriteFile(argv[1], document) ? 0 : 1;
}
