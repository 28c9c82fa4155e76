// Every registered class at its newest and its oldest version, without a device: its record
// read as the document reads it saves the record's own bytes at the newest version, and at any
// version what it saved reads back, whole, into a fresh instance that saves the same fields.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "ArchiveOver.h"
#include "DocumentRecords.h"
#include "EveryClassDocument.h"
#include "ManagerFromSection.h"
#include "WritingArchive.h"
#include "document/QV_ABObj_Constructor.h"
#include "document/ReaderRegistry.h"
#include "player/QV_2D_Light.h"
#include "player/QV_SlideContainer.h"
#include "player/QV_SlideShow_Light.h"
#include "player/SceneDocument.h"

using vgtest::ClassRecord;
using vgtest::RecordRegistry;
using vgtest::RecordVersions;
using vgtest::WritingArchive;

namespace {

// Registered classes that have no row, with the reason.
const std::map<std::string, const char*> kClassesWithoutARow = {
    {"TestSlide", "a slide class of the tests, registered by their own fixture"},
};

struct RoundTripCase {
    RecordVersions versions;
    std::string tag;
    ClassRecord record;
};

void PrintTo(const RoundTripCase& c, std::ostream* out) {
    *out << c.tag << (c.versions == RecordVersions::Newest ? " at its newest version" : " at its oldest version");
}

std::string TagOf(const std::vector<uint8_t>& bytes) {
    vgtest::ArchiveOver in(bytes);
    std::wstring tag;
    in.Archive().ReadString(tag);
    return std::string(tag.begin(), tag.end());
}

std::vector<RoundTripCase> Cases() {
    std::vector<RoundTripCase> cases;
    for (RecordVersions versions : {RecordVersions::Newest, RecordVersions::Oldest})
        for (ClassRecord& record : vgtest::EveryClassRecords(versions))
            cases.push_back({versions, TagOf(record.bytes), std::move(record)});
    return cases;
}

QV_IOF_Item* ReadThrough(RecordRegistry registry, QV_IOF_Virtual& archive) {
    switch (registry) {
    case RecordRegistry::Layer:
        return ReadTaggedLight(archive);
    case RecordRegistry::Slide:
        return ReadTaggedSlide(archive);
    case RecordRegistry::Object:
        return ReadTaggedObject(archive);
    }
    return nullptr;
}

// A record read through its registry, and how the read ended.
struct ReadRecord {
    std::unique_ptr<QV_IOF_Item> item;
    bool failed = true;
    size_t consumed = 0;
};

ReadRecord Read(RecordRegistry registry, const std::vector<uint8_t>& bytes) {
    vgtest::ArchiveOver in(bytes);
    ReadRecord read;
    read.item.reset(ReadThrough(registry, in.Archive()));
    read.failed = in.Failed();
    read.consumed = in.Consumed();
    return read;
}

WritingArchive Saved(QV_IOF_Item& item) {
    WritingArchive out;
    item.Save(out);
    return out;
}

class RecordRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

INSTANTIATE_TEST_SUITE_P(EveryClass, RecordRoundTrip, ::testing::ValuesIn(Cases()), [](const auto& info) {
    return info.param.tag + (info.param.versions == RecordVersions::Newest ? "_newest" : "_oldest");
});

TEST_P(RecordRoundTrip, SavesWhatItReadAndReadsBackWhatItSaved) {
    const RoundTripCase& c = GetParam();
    const ReadRecord stored = Read(c.record.registry, c.record.bytes);
    ASSERT_TRUE(stored.item && !stored.failed && stored.consumed == c.record.bytes.size())
        << "the stored record does not read whole";

    const WritingArchive first = Saved(*stored.item);
    if (c.versions == RecordVersions::Newest) {
        EXPECT_EQ(vgtest::FirstDifferentByte(c.record.bytes, first), "") << "the save differs from the stored record";
    }

    const ReadRecord again = Read(c.record.registry, first.Bytes());
    ASSERT_TRUE(again.item) << "the saved record is not read as its class";
    EXPECT_FALSE(again.failed) << "the saved record does not read";
    EXPECT_EQ(again.consumed, first.Bytes().size()) << "the saved record does not read to its end";
    EXPECT_EQ(vgtest::FirstDifferentField(first.Fields(), Saved(*again.item).Fields()), "")
        << "what was read back from the save saves otherwise";
}

// The document's root, every slide with its layer, objects and sounds, and the music files.
TEST(RecordRoundTripDocument, TheSlideShowSavesItsStoredBytes) {
    const std::vector<uint8_t> document = vgtest::EveryClassDocument(RecordVersions::Newest);
    vgtest::ArchiveOver in(document);
    std::wstring head;
    in.Archive().ReadString(head);
    const size_t start = in.Consumed();
    const std::unique_ptr<QV_SlideShow_Light> show(ReadTopSlideShow(in.Archive()));
    ASSERT_FALSE(in.Failed());
    const std::vector<uint8_t> stored(document.begin() + start, document.begin() + in.Consumed());
    EXPECT_EQ(vgtest::FirstDifferentByte(stored, Saved(*show)), "");
}

// What the resource section keeps once read: its frame durations and its buffers. Its
// pictures become textures as they are read and are no longer there to save.
TEST(RecordRoundTripDocument, TheResourceSectionSavesTheDurationsAndBuffersItKeeps) {
    scenewriter::ResourceSection section;
    section.durations = {{"C:\\Pictures\\dusk.gif", 3, {0.1f, 0.25f}}, {"C:\\Pictures\\rain.gif", 4, {}}};
    section.buffers = {{"C:\\Sounds\\bell.wav", 9, {{0, "", {1, 2, 3, 4}, "C:\\Sounds\\bell.wav"}}},
                       {"common_res.dll", 76, {{76, "common_res.dll", {}, ""}, {0, "", {5}, "second"}}}};
    scenewriter::SceneWriter stored;
    WriteResourceSection(stored, section);
    const std::unique_ptr<QV_DocResManager> manager = vgtest::ManagerFromSection(section);
    EXPECT_EQ(vgtest::FirstDifferentByte(stored.Bytes(), Saved(*manager)), "");
}

// A class registered without a row would go unchecked.
TEST(RecordRoundTripTable, EveryRegisteredClassHasARow) {
    std::set<std::string> registered;
    const auto add = [&registered](const auto& registry) {
        for (const auto& [tag, reader] : registry) registered.emplace(tag.begin(), tag.end());
    };
    add(GetLightReaderRegistry());
    add(GetSlideReaderRegistry());
    add(GetObjectReaderRegistry());
    std::set<std::string> covered;
    for (const RoundTripCase& c : Cases()) covered.insert(c.tag);
    for (const std::string& tag : registered)
        EXPECT_TRUE(covered.count(tag) || kClassesWithoutARow.count(tag)) << tag << " has no row";
    for (const auto& [tag, reason] : kClassesWithoutARow)
        EXPECT_FALSE(covered.count(tag)) << tag << " has a row and is also named as having none";
}

}  // namespace
