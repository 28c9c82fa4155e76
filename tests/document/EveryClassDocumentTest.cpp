// Documents with one record of every registered class, at the newest versions and at the
// oldest: a record that reads more or fewer bytes than its version holds makes the next one
// fail, so every slide, layer and object must come out of the document with its class.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <typeindex>
#include <vector>

#include "EveryClassDocument.h"
#include "OpenedDocument.h"
#include "audio/QV_WAV_Constructor.h"
#include "brushes/FakeLake2D.h"
#include "brushes/FakeUndervater.h"
#include "brushes/QV_BackgroundCopy.h"
#include "brushes/QV_BendFX.h"
#include "brushes/QV_ExpandFX.h"
#include "brushes/QV_FireFX.h"
#include "brushes/QV_FlameLight.h"
#include "brushes/QV_GlassBallLight.h"
#include "brushes/QV_LightFX.h"
#include "brushes/QV_MatrixCodeLight.h"
#include "brushes/QV_MoveFX.h"
#include "brushes/QV_PatternBrushC.h"
#include "brushes/QV_RadialWaveFX.h"
#include "brushes/QV_RotationFX.h"
#include "brushes/QV_WaterFX.h"
#include "brushes/QV_WaterRingLight.h"
#include "brushes/QV_WaterfallFX.h"
#include "brushes/QV_WavesFX.h"
#include "document/QV_DocResManager.h"
#include "objects/QV_3D_in_2D_array_Constructor.h"
#include "objects/QV_BirdConstructor.h"
#include "objects/QV_ButterflyConstructor.h"
#include "objects/QV_ClockConstructor.h"
#include "objects/QV_DischargeConstructor.h"
#include "objects/QV_DischargeFXConstructor.h"
#include "objects/QV_ExplosionConstructor.h"
#include "objects/QV_FishConstructor.h"
#include "objects/QV_FlowConstructor.h"
#include "objects/QV_FlowerConstructor.h"
#include "objects/QV_FogConstructor.h"
#include "objects/QV_GhostConstructor.h"
#include "objects/QV_GodRayConstructor.h"
#include "objects/QV_GrassConstructor.h"
#include "objects/QV_LightingConstructor.h"
#include "objects/QV_LightningGN.h"
#include "objects/QV_Plant.h"
#include "objects/QV_RainConstructor.h"
#include "objects/QV_Smoke.h"
#include "objects/QV_SparkleConstructor.h"
#include "objects/QV_StatObjConstructor.h"
#include "objects/QV_StaticTextConstructor.h"
#include "player/QV_2D_Light.h"
#include "player/QV_SlideContainer.h"

using vgtest::RecordVersions;
using namespace vgtest::everyclass;

namespace {

// The background-layer classes in registration order, one a slide.
const std::type_index kLayerClasses[] = {
    typeid(QV_2D_Light),    typeid(QV_FlameLight), typeid(QV_GlassBallLight), typeid(QV_MatrixCodeLight),
    typeid(FakeUndervater), typeid(FakeLake2D),    typeid(QV_WaterRingLight),
};

// The scene-object classes in registration order; the sound comes last.
const std::type_index kObjectClasses[] = {
    typeid(QV_GodRayConstructor),      typeid(QV_SparkleConstructor),   typeid(QV_FlowConstructor),
    typeid(QV_FishConstructor),        typeid(QV_GhostConstructor),     typeid(QV_FogConstructor),
    typeid(QV_LightingConstructor),    typeid(QV_GrassConstructor),     typeid(QV_RainConstructor),
    typeid(QV_StatObjConstructor),     typeid(QV_FlowerConstructor),    typeid(QV_BirdConstructor),
    typeid(QV_DischargeConstructor),   typeid(QV_DischargeFXConstructor), typeid(QV_ButterflyConstructor),
    typeid(QV_ClockConstructor),       typeid(QV_BackgroundCopy),       typeid(QV_WavesFX),
    typeid(QV_LightFX),                typeid(QV_PatternBrush),         typeid(QV_PatternBrushC),
    typeid(QV_WaterFX),                typeid(QV_MoveFX),               typeid(QV_FireFX),
    typeid(QV_ExpandFX),               typeid(QV_RadialWaveFX),         typeid(QV_RotationFX),
    typeid(QV_WaterfallFX),            typeid(QV_BendFX),               typeid(QV_ExplosionConstructor),
    typeid(QV_LightningGN),            typeid(QV_Plant),                typeid(QV_Smoke),
    typeid(QV_StaticTextConstructor),  typeid(QV_3D_in_2D_array_Constructor),
};

const char* VersionsName(RecordVersions versions) {
    return versions == RecordVersions::Newest ? "newest" : "oldest";
}

// An opened every-class document, its objects and layers found by class.
class ReadDocument {
public:
    explicit ReadDocument(RecordVersions versions)
        : opened_(vgtest::OpenGuarded(vgtest::EveryClassDocument(versions))),
          manager_(opened_.result == S_OK ? CurrentDocResManager : nullptr) {}
    ~ReadDocument() {
        opened_.show.reset();
        delete manager_;
    }
    ReadDocument(const ReadDocument&) = delete;
    ReadDocument& operator=(const ReadDocument&) = delete;

    bool Opened() const { return opened_.result == S_OK && opened_.show; }
    const QV_DocResManager& Manager() const { return *manager_; }
    const QV_SlideShow_Light& Show() const { return *opened_.show; }
    const QV_SlideContainer& Slide(size_t index) const { return *Show().SlideAt(unsigned(index)).Get(); }

    template <class T>
    T& Object() const {
        for (size_t s = 0; s < Show().SlideCount(); ++s)
            for (const auto* list : {&Slide(s).ObjectDescriptions(), &Slide(s).SoundDescriptions()})
                for (const auto& description : *list)
                    if (description && typeid(*description) == typeid(T)) return static_cast<T&>(*description);
        throw std::runtime_error("no object of the class");
    }
    template <class T>
    T& Layer() const {
        for (size_t s = 0; s < Show().SlideCount(); ++s) {
            QV_2D_Light* layer = Slide(s).GetLight().Get();
            if (layer && typeid(*layer) == typeid(T)) return static_cast<T&>(*layer);
        }
        throw std::runtime_error("no layer of the class");
    }

private:
    vgtest::OpenedDocument opened_;
    QV_DocResManager* manager_;
};

class EveryClassDocument : public ::testing::TestWithParam<RecordVersions> {};

INSTANTIATE_TEST_SUITE_P(Versions, EveryClassDocument,
                         ::testing::Values(RecordVersions::Newest, RecordVersions::Oldest),
                         [](const auto& info) { return std::string(VersionsName(info.param)); });

TEST_P(EveryClassDocument, EverySlideHasItsLayerAndTheListsHoldEveryObjectClass) {
    ReadDocument read(GetParam());
    ASSERT_TRUE(read.Opened());
    ASSERT_EQ(read.Show().SlideCount(), std::size(kLayerClasses));
    ASSERT_EQ(read.Show().AudioFiles().size(), 1u);
    std::vector<std::type_index> objects, sounds;
    for (size_t s = 0; s < read.Show().SlideCount(); ++s) {
        const QV_SlideContainer& slide = read.Slide(s);
        ASSERT_NE(slide.GetLight().Get(), nullptr) << "slide " << s;
        EXPECT_EQ(std::type_index(typeid(*slide.GetLight().Get())), kLayerClasses[s]) << "slide " << s;
        EXPECT_EQ(slide.ShowTime(), 12u) << "slide " << s;
        for (const auto& description : slide.ObjectDescriptions()) {
            ASSERT_NE(description, nullptr) << "slide " << s;
            objects.emplace_back(typeid(*description));
        }
        for (const auto& description : slide.SoundDescriptions()) {
            ASSERT_NE(description, nullptr) << "slide " << s;
            sounds.emplace_back(typeid(*description));
        }
    }
    EXPECT_EQ(objects, std::vector<std::type_index>(std::begin(kObjectClasses), std::end(kObjectClasses)));
    EXPECT_EQ(sounds, std::vector<std::type_index>{typeid(QV_WAV_Constructor)});
    // What the records link to is in the resource section.
    const DocResStorage& storage = read.Manager().Storage();
    EXPECT_EQ(storage.store.count(FileKey(L"C:\\Pictures\\meadow.png", 7)), 1u);
    EXPECT_EQ(storage.store.count(FileKey(L"C:\\Sounds\\bell.wav", 9)), 1u);
}

// Fields a version lacks keep their defaults or are made from what the version holds.
TEST(EveryClassDocumentVersions, FieldsAnOldVersionLacksKeepTheirDefaults) {
    ReadDocument newest(RecordVersions::Newest), oldest(RecordVersions::Oldest);
    ASSERT_TRUE(newest.Opened());
    ASSERT_TRUE(oldest.Opened());
    const struct {
        const char* field;
        std::function<double(const ReadDocument&)> value;
        double newest, oldest;
    } cases[] = {
        {"slide reserved count", [](const ReadDocument& r) { return r.Slide(0).reservedCount.Value(); },
         kReservedCount, 10},
        {"layer picture stamp", [](const ReadDocument& r) { return r.Layer<QV_2D_Light>().pictureLink.Value().stamp; },
         7, double(QV_2D_Light().pictureLink.Value().stamp)},
        {"glyph link stamp", [](const ReadDocument& r) { return r.Layer<QV_MatrixCodeLight>().glyphLink.Value().stamp; },
         kGlyphStamp, double(QV_MatrixCodeLight().glyphLink.Value().stamp)},
        // Version 1 stores the brush speed, which the layer halves.
        {"underwater brush speed", [](const ReadDocument& r) { return r.Layer<FakeUndervater>().Brush.speed.Value(); },
         kUnderwaterBrushSpeed, kUnderwaterSpeed >> 1},
        {"water rings drop size", [](const ReadDocument& r) { return r.Layer<QV_WaterRingLight>().dropSize.Value(); },
         kDropSize, double(QV_WaterRingLight().dropSize.Value())},
        {"flow orientation", [](const ReadDocument& r) { return r.Object<QV_FlowConstructor>().orientation.Value(); },
         kFlowOrientation, 0},
        // Version 1 ghosts get a cycle of 1.5-second fades.
        {"ghost fade-in", [](const ReadDocument& r) { return r.Object<QV_GhostConstructor>().TimeLine().FadeIn().Value(); },
         kTimeLineFadeIn, 150},
        {"butterfly wing scale", [](const ReadDocument& r) { return r.Object<QV_ButterflyConstructor>().WingScale(); },
         kWingScale, 1.0},
        {"brush effect scale", [](const ReadDocument& r) { return r.Object<QV_BackgroundCopy>().effectScale.Result(); },
         kEffectScale / 50.0, 1.0},
        // Version 1 moves swing as far both ways.
        {"move second amplitude", [](const ReadDocument& r) { return r.Object<QV_MoveFX>().amplitude2.Value(); },
         kMoveAmplitude2, kMoveStrength},
        {"radial wave amplitude", [](const ReadDocument& r) { return r.Object<QV_RadialWaveFX>().amplitude.Value(); },
         kRadialAmplitude, double(QV_RadialWaveFX().amplitude.Value())},
        // Version 1 timings in milliseconds become the time line's hundredths.
        {"explosion fade-in",
         [](const ReadDocument& r) { return r.Object<QV_ExplosionConstructor>().TimeLine().FadeIn().Value(); },
         kTimeLineFadeIn, kExplosionTimings[0] / 10},
        {"explosion width", [](const ReadDocument& r) { return r.Object<QV_ExplosionConstructor>().width.Value(); },
         kStaticEffectWidth, 0},
        {"static text hidden minimum",
         [](const ReadDocument& r) { return r.Object<QV_StaticTextConstructor>().TimeLine().HiddenMin().Value(); },
         kTimeLineHiddenMin, kTextTimings[3] / 10},
        {"lightning mirror", [](const ReadDocument& r) { return r.Object<QV_LightningGN>().mirrorV.Value(); },
         kMirrorV, 0},
        // Versions before 3 hold the hidden range in seconds.
        {"sound hidden minimum",
         [](const ReadDocument& r) { return r.Object<QV_WAV_Constructor>().TimeLine().HiddenMin().Value(); },
         kTimeLineHiddenMin, kSoundHiddenMin * 100},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(c.value(newest), c.newest) << c.field << ", newest";
        EXPECT_DOUBLE_EQ(c.value(oldest), c.oldest) << c.field << ", oldest";
    }
}

}  // namespace
