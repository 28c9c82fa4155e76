// Opening whole documents: the top-level records, the resource section's versions, and the
// refusal of malformed bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <random>
#include <set>

#include "DocumentRecords.h"
#include "EveryClassDocument.h"
#include "GeneratorRecords.h"
#include "OpenedDocument.h"
#include "SlideRecords.h"
#include "SpriteRecords.h"
#include "TestSlide.h"
#include "document/QV_DocResManager.h"
#include "document/ResourceBuffer.h"
#include "objects/QV_SparkleConstructor.h"
#include "player/QV_SlideContainer.h"
#include "player/QV_SlideShow_Light.h"
#include "player/SceneDocument.h"

using namespace scenewriter;

namespace {

using Opened = vgtest::OpenedDocument;
using vgtest::OpenGuarded;

class SceneDocument : public ::testing::Test {
protected:
    void SetUp() override {
        vgtest::RegisterTestSlide();
        CurrentDocResManager = nullptr;
    }
    void TearDown() override {
        delete CurrentDocResManager;
        CurrentDocResManager = nullptr;
    }
};

SceneWriter Slide(const char* label, int32_t number) {
    SceneWriter slide;
    slide.Section("TestSlide", 2).String(label).Int(number);
    return slide;
}

StoredFile File(std::string name, std::vector<uint8_t> bytes) {
    return StoredFile{0, "", std::move(bytes), std::move(name)};
}

// A document using every record form: slides, tracks, all four resource sections.
std::vector<uint8_t> RichDocument() {
    ResourceSection section;
    section.images = {{"C:\\pics\\a.png", 100, {File("C:\\pics\\a.png", {1, 2, 3})}},
                      {"common_res.dll", 35, {StoredFile{35, "common_res.dll", {}, ""}}}};
    section.durations = {{"C:\\pics\\anim.gif", 7, {0.05f, 0.4f}}};
    section.buffers = {{"common_res.dll", 76, {StoredFile{76, "common_res.dll", {1, 9, 0xFF, 0xFE}, ""}}}};
    section.guidImages = {{"{00000001-0002-0003-0405-060708090A0B}", "", 1, {5, 6}, ""}};
    return MakeDocument({Slide("first", 1), Slide("second", 2)},
                        {{"C:\\music\\one.mp3", {1, 2}}, {"two.wav", {}}}, section);
}

// A slide of every particle generator with the authoring tool's foreign record among them.
std::vector<uint8_t> GeneratorDocument() {
    const TexGeneratorRecord tex{.textures = {{"C:\\pics\\a.png", 100}, {"common_res.dll", 35}},
                                 .effect = {"common_res.dll", 302},
                                 .blendMode = 1,
                                 .base = {.name = "generator", .timeLine = {.mode = 1}}};
    const SingleRectRecord rect{.corners = {{{1, 2, 0}, {1, 9, 0}, {8, 2, 0}, {8, 9, 0}}},
                                .staticGenerator = {.origin = {4, 5, 0}, .tex = tex}};
    SlideRecord slide{.layer = MakeLayer({})};
    slide.objects = {
        MakeSmoke({.lifetime = 50, .rate = 10, .size = 20, .direction = 90, .tex = tex}),
        MakeStaticAnimation({.rect = rect}),
        MakeLightning({.version = 1, .coreWidth = 3, .detail = 4, .branchCounts = {2, 1, 1},
                       .legacyTimings = {100, 200, 300, 400, 500, 600, 700}, .glowWidth = 9,
                       .string = {.end = {50, 60, 0}, .tex = tex}}),
        MakePlant({.frequency = 10, .wMagnitude = 20, .rect = rect}),
    };
    ResourceSection section;
    section.images = {{"C:\\pics\\a.png", 100, {File("C:\\pics\\a.png", {1, 2, 3})}}};
    return MakeDocument({MakeSlide(slide)}, {}, section);
}

TEST_F(SceneDocument, HeadAndEmptySectionsGiveAShowWithoutSlides) {
    ResourceSection section;
    section.version = 1;
    Opened opened = OpenGuarded(MakeDocument({}, {}, section));
    ASSERT_EQ(opened.result, S_OK);
    ASSERT_NE(opened.show, nullptr);
    EXPECT_EQ(opened.show->SlideCount(), 0u);
    EXPECT_TRUE(opened.show->AudioFiles().empty());
    ASSERT_NE(CurrentDocResManager, nullptr);
    EXPECT_TRUE(CurrentDocResManager->Storage().store.empty());
}

TEST_F(SceneDocument, SlidesAndTracksAreReadInDocumentOrder) {
    Opened opened = OpenGuarded(RichDocument());
    ASSERT_EQ(opened.result, S_OK);
    ASSERT_EQ(opened.show->SlideCount(), 2u);
    EXPECT_EQ(static_cast<vgtest::TestSlide*>(opened.show->SlideAt(0).Get())->label, L"first");
    EXPECT_EQ(static_cast<vgtest::TestSlide*>(opened.show->SlideAt(1).Get())->number, 2);
    const auto& tracks = opened.show->AudioFiles();
    ASSERT_EQ(tracks.size(), 2u);
    EXPECT_EQ(tracks[0]->FileName(), L"C:\\music\\one.mp3");
    EXPECT_EQ(tracks[0]->Data().Size(), 2u);
    EXPECT_EQ(tracks[1]->FileName(), L"two.wav");
    EXPECT_EQ(tracks[1]->Data().Bytes(), nullptr);
}

TEST_F(SceneDocument, ResourceSectionVersionsEndWhereTheyShould) {
    struct {
        int32_t version;
        size_t storeKeys;
    } cases[] = {{1, 2}, {2, 3}, {3, 3}, {0x7FFFFFFF, 3}};
    for (const auto& c : cases) {
        ResourceSection section;
        section.version = c.version;
        section.images = {{"a.png", 1, {File("a.png", {1})}}, {"b.png", 2, {File("b.png", {2})}}};
        section.buffers = {{"fx.dll", 76, {StoredFile{76, "fx.dll", {7}, ""}}}};
        section.guidImages = {{"{00000001-0002-0003-0405-060708090A0B}", "", 1, {5}, ""}};
        // Each version's section is the last thing in the document: reading one field too
        // many would fail the open.
        Opened opened = OpenGuarded(MakeDocument({}, {}, section));
        ASSERT_EQ(opened.result, S_OK) << c.version;
        const DocResStorage& storage = CurrentDocResManager->Storage();
        EXPECT_EQ(storage.store.size(), c.storeKeys) << c.version;
        EXPECT_TRUE(storage.images.empty());
        EXPECT_TRUE(storage.guidImages.empty());
        EXPECT_EQ(storage.buffers.size(), c.version == 1 ? 0u : 1u);
        delete CurrentDocResManager;
        CurrentDocResManager = nullptr;
    }
}

TEST_F(SceneDocument, FirstEntryOfAKeyWinsAndImagesKeepTheirStoreRecords) {
    ResourceSection section;
    section.images = {{"a.png", 1, {File("first", {1})}}, {"a.png", 1, {File("second", {2})}}};
    section.durations = {{"a.png", 1, {0.1f}}, {"a.png", 1, {0.2f, 0.3f}}};
    section.buffers = {{"a.png", 1, {File("buffer", {3})}}, {"fx", 2, {File("fx", {4})}}};
    Opened opened = OpenGuarded(MakeDocument({}, {}, section));
    ASSERT_EQ(opened.result, S_OK);
    const DocResStorage& storage = CurrentDocResManager->Storage();
    ASSERT_EQ(storage.store.count(FileKey(L"a.png", 1)), 1u);
    EXPECT_EQ(storage.store.at(FileKey(L"a.png", 1))[0].Name(), L"first");
    EXPECT_EQ(storage.store.at(FileKey(L"fx", 2))[0].Name(), L"fx");
    EXPECT_EQ(storage.frameDurations.at(FileKey(L"a.png", 1)), std::vector<float>{0.1f});
    EXPECT_EQ(storage.buffers.at(FileKey(L"a.png", 1))[0].Name(), L"buffer");
}

TEST_F(SceneDocument, UnknownSlideTagRefusesTheDocumentAndKeepsThePreviousManager) {
    QV_DocResManager previous;
    CurrentDocResManager = &previous;
    SceneWriter unknown;
    unknown.Section("QV_StaticAnimation", 1).Int(100).Int(0);
    Opened opened = OpenGuarded(MakeDocument({Slide("ok", 1), unknown}, {}, {}));
    EXPECT_EQ(opened.result, kSceneDocumentFailure);
    EXPECT_EQ(opened.show, nullptr);
    EXPECT_EQ(CurrentDocResManager, &previous);
    CurrentDocResManager = nullptr;
}

// Empty image records take 16 bytes each in the stream, far more as objects: a document that
// is whole but holds more of them than its budget of entries is refused.
TEST_F(SceneDocument, AnImageRecordCountBeyondTheEntryBudgetRefusesTheDocument) {
    const uint32_t records = QV_IOF_Virtual::kEntryBudget + 1;
    SceneWriter out;
    WriteDocumentHead(out);
    WriteSlideShow(out, {}, {});
    out.Section("QV_DocResManager", 3).UInt(1).String("C:\\pics\\many.png").Int64(1).UInt(records);
    // All zeros: each 16 bytes read as an empty record.
    out.Raw(std::vector<uint8_t>(size_t(records) * 16, 0));
    out.UInt(0).UInt(0).UInt(0);  // durations, buffers and GUID pictures
    Opened opened = OpenGuarded(out.Bytes());
    EXPECT_EQ(opened.result, kSceneDocumentFailure);
    EXPECT_EQ(CurrentDocResManager, nullptr);
}

// Each sprite system is capped on its own; a document of more of them than its budget holds
// opens with the last of them short of sprites, while its lists still answer to the budget.
TEST_F(SceneDocument, ADocumentAskingForMoreSpritesThanItsBudgetOpensAndItsListsStillAnswerToIt) {
    constexpr uint32_t kSprites = 16384;
    const uint32_t whole = QV_IOF_Virtual::kEntryBudget / kSprites;
    SpriteRecord sparkles;
    sparkles.count = kSprites;
    SlideRecord slide{.layer = MakeLayer({})};
    slide.objects.assign(whole + 1, MakeSparkle(sparkles));
    struct Case {
        const char* images;
        uint32_t count;  // empty image records after the sprites
        HRESULT result;
    };
    const Case cases[] = {
        {"a few", 2, S_OK},
        {"more than the budget", QV_IOF_Virtual::kEntryBudget + 1, kSceneDocumentFailure},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.images);
        SceneWriter out;
        WriteDocumentHead(out);
        WriteSlideShow(out, {MakeSlide(slide)}, {});
        out.Section("QV_DocResManager", 3).UInt(1).String("C:\\pics\\many.png").Int64(1).UInt(c.count);
        out.Raw(std::vector<uint8_t>(size_t(c.count) * 16, 0));
        out.UInt(0).UInt(0).UInt(0);
        Opened opened = OpenGuarded(out.Bytes());
        ASSERT_EQ(opened.result, c.result);
        if (c.result != S_OK) continue;
        const auto& read = static_cast<QV_SlideContainer&>(*opened.show->SlideAt(0).Get()).ObjectDescriptions();
        ASSERT_EQ(read.size(), whole + 1);
        // The lists read before them (a slide and its whole + 1 objects) have taken their
        // share: the last whole system gets the rest, the one after it none.
        const uint32_t listed = 1 + whole + 1;
        for (uint32_t i = 0; i <= whole; ++i) {
            const uint32_t granted = i + 1 < whole ? kSprites : i + 1 == whole ? kSprites - listed : 0u;
            EXPECT_EQ(dynamic_cast<QV_SparkleConstructor&>(*read[i]).count.Value(), granted) << i;
        }
        EXPECT_EQ(CurrentDocResManager->Storage().store.size(), 1u);
        delete CurrentDocResManager;
        CurrentDocResManager = nullptr;
    }
}

TEST_F(SceneDocument, RunningModuleWithoutTheDocumentResourceFails) {
    QV_SlideShow_Light* show = reinterpret_cast<QV_SlideShow_Light*>(1);
    EXPECT_EQ(LoadSceneDocument(&show), kSceneDocumentFailure);
    EXPECT_EQ(show, nullptr);
    EXPECT_EQ(CurrentDocResManager, nullptr);

    ResourceBuffer none;
    EXPECT_EQ(LoadSceneDocument(none, &show), kSceneDocumentFailure);
}

// The documents the robustness tests damage: every record form, every particle generator,
// and every registered class at its newest and at its oldest versions.
struct DocumentCase {
    const char* name;
    std::vector<uint8_t> (*make)();
};

const DocumentCase kDamagedDocuments[] = {
    {"Rich", RichDocument},
    {"Generators", GeneratorDocument},
    {"EveryClassNewest", [] { return vgtest::EveryClassDocument(vgtest::RecordVersions::Newest); }},
    {"EveryClassOldest", [] { return vgtest::EveryClassDocument(vgtest::RecordVersions::Oldest); }},
};

void PrintTo(const DocumentCase& document, std::ostream* out) { *out << document.name; }

// Every length of a small document. Every cut of a large one would cost the square of its
// size, so it is cut around each string head (the FF FE FF that opens every stored wide
// string: a record begins with its tag, so one ends there and the next begins) and at every
// 13th length between.
std::vector<size_t> CutLengths(const std::vector<uint8_t>& whole) {
    constexpr size_t kEveryLengthUpTo = 4096, kStride = 13, kBefore = 2, kAfter = 6;
    std::set<size_t> lengths;
    const size_t stride = whole.size() <= kEveryLengthUpTo ? 1 : kStride;
    for (size_t length = 0; length < whole.size(); length += stride) lengths.insert(length);
    for (size_t at = 0; at + 3 <= whole.size(); ++at) {
        if (whole[at] != 0xFF || whole[at + 1] != 0xFE || whole[at + 2] != 0xFF) continue;
        for (size_t length = at >= kBefore ? at - kBefore : 0; length < std::min(at + kAfter, whole.size()); ++length)
            lengths.insert(length);
    }
    return {lengths.begin(), lengths.end()};
}

class DamagedDocument : public SceneDocument, public ::testing::WithParamInterface<DocumentCase> {};

INSTANTIATE_TEST_SUITE_P(Documents, DamagedDocument, ::testing::ValuesIn(kDamagedDocuments),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(DamagedDocument, EveryTruncationFails) {
    const std::vector<uint8_t> whole = GetParam().make();
    ASSERT_EQ(OpenGuarded(whole).result, S_OK);
    delete CurrentDocResManager;
    CurrentDocResManager = nullptr;
    for (size_t length : CutLengths(whole)) {
        std::vector<uint8_t> cut(whole.begin(), whole.begin() + length);
        Opened opened = OpenGuarded(cut);
        ASSERT_EQ(opened.result, kSceneDocumentFailure) << "length " << length;
        ASSERT_EQ(CurrentDocResManager, nullptr);
    }
}

// Thousands of damaged documents either open or are refused; none crashes, hangs or reads
// outside its bytes (the bytes end at a no-access page).
TEST_P(DamagedDocument, MutatedDocumentsOpenOrFailCleanly) {
    const std::vector<uint8_t> whole = GetParam().make();
    std::mt19937 random(20261210);
    int opened = 0, refused = 0;
    for (int trial = 0; trial < 4000; ++trial) {
        std::vector<uint8_t> bytes = whole;
        const int mutations = 1 + int(random() % 4);
        for (int m = 0; m < mutations; ++m) {
            size_t at = random() % bytes.size();
            switch (random() % 3) {
            case 0: bytes[at] = uint8_t(random()); break;
            case 1: bytes[at] = 0xFF; break;  // long string and count forms
            default: bytes.resize(at); break;
            }
            if (bytes.empty()) break;
        }
        Opened result = OpenGuarded(bytes);
        ASSERT_TRUE(result.result == S_OK || result.result == kSceneDocumentFailure);
        ASSERT_EQ(result.result == S_OK, result.show != nullptr);
        if (result.result == S_OK) {
            ++opened;
            delete CurrentDocResManager;
            CurrentDocResManager = nullptr;
        } else {
            ++refused;
        }
    }
    EXPECT_GT(opened, 0);
    EXPECT_GT(refused, 0);
}

}  // namespace
