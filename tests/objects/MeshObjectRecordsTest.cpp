// The 3D objects' records as the document stores them: every version, the counts a document
// cannot inflate, and cut records that never read past their bytes.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <memory>
#include <vector>

#include "ArchiveOver.h"
#include "GuardedBytes.h"
#include "MeshObjectRecords.h"
#include "SpriteRecords.h"
#include "document/ReaderRegistry.h"
#include "objects/QV_3D_in_2D_array_Constructor.h"
#include "objects/QV_ButterflyConstructor.h"
#include "objects/QV_ClockConstructor.h"
#include "objects/QV_SparkleConstructor.h"
#include "document/PictureLayout.h"

namespace {

using namespace scenewriter;

// Reads one registry record followed by a marker, and checks that exactly the record was read.
template <class T>
std::unique_ptr<T> ReadRecord(const SceneWriter& record) {
    SceneWriter bytes = record;
    bytes.Int(-1);
    vgtest::ArchiveOver in(bytes.Bytes());
    std::unique_ptr<QV_ABObj_Constructor> object(ReadTaggedObject(in.Archive()));
    EXPECT_FALSE(in.Failed());
    EXPECT_EQ(in.Buffer().BytesLeft(), 4u);
    auto* typed = dynamic_cast<T*>(object.get());
    if (typed) object.release();
    return std::unique_ptr<T>(typed);
}

MeshObjectRecord PlacedObject(uint32_t count, uint32_t size, const char* name) {
    MeshObjectRecord object;
    object.count = count;
    object.size = size;
    object.image = {"C:\\pictures\\wing.png", 1700000001};
    object.mesh = {"common_res.dll", 69};
    object.placed.relativeLeft = 0.25f;
    object.placed.relativeRight = 0.75f;
    object.placed.timeScale = 100;
    object.placed.base.name = name;
    return object;
}

ButterflyRecord Butterflies(int32_t version) {
    ButterflyRecord record;
    record.version = version;
    record.bodyImage = {"C:\\pictures\\body.png", 1700000002};
    record.bodyMesh = {"C:\\meshes\\body.x", 1700000003};
    record.keptValue1 = 20;
    record.keptValue2 = 80;
    record.wingScale = 1.5f;
    record.object = PlacedObject(3, 120, "Blues");
    return record;
}

TEST(MeshObjectRecords, ButterflyVersionsReadWhatTheyHold) {
    struct Case {
        int32_t version;
        float wingScale;  // version 1 has none: the default stays
    } cases[] = {{1, 1.0f}, {2, 1.5f}, {3, 1.5f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        auto butterflies = ReadRecord<QV_ButterflyConstructor>(MakeButterflies(Butterflies(c.version)));
        ASSERT_NE(butterflies, nullptr);
        EXPECT_EQ(butterflies->BodyImageLink().Value(), FileKey(L"C:\\pictures\\body.png", 1700000002));
        EXPECT_EQ(butterflies->BodyMeshLink().Value(), FileKey(L"C:\\meshes\\body.x", 1700000003));
        EXPECT_EQ(butterflies->KeptValue1().Value(), 20u);
        EXPECT_FLOAT_EQ(butterflies->KeptValue2().Result(), 80.0f);
        EXPECT_FLOAT_EQ(butterflies->WingScale(), c.wingScale);
        EXPECT_EQ(butterflies->Count().Value(), 3u);
        EXPECT_EQ(butterflies->Size().Value(), 120u);
        EXPECT_EQ(butterflies->ImageLink().Value(), FileKey(L"C:\\pictures\\wing.png", 1700000001));
        EXPECT_EQ(butterflies->MeshLink().Value(), FileKey(L"common_res.dll", 69));
        EXPECT_FLOAT_EQ(butterflies->Relative().left, 0.25f);
        EXPECT_EQ(butterflies->TimeScale().Value(), 100u);
        EXPECT_EQ(butterflies->Name(), L"Blues");
    }
}

TEST(MeshObjectRecords, ClockReadsItsRectangleAndHandPicture) {
    ClockRecord record;
    const int32_t rectangle[6] = {10, 90, 20, 100, 50, 60};
    std::copy(rectangle, rectangle + 6, record.rectangle);
    record.handImage = {"C:\\pictures\\hands.png", 1700000004};
    record.object = PlacedObject(2, 80, "Station clock");
    auto clock = ReadRecord<QV_ClockConstructor>(MakeClock(record));
    ASSERT_NE(clock, nullptr);
    MediaRectangle& r = clock->ClockRectangle();
    EXPECT_EQ((std::vector<int>{r.left.Value(), r.right.Value(), r.top.Value(), r.bottom.Value(),
                                r.further1.Value(), r.further2.Value()}),
              (std::vector<int>{10, 90, 20, 100, 50, 60}));
    EXPECT_EQ(clock->HandImageLink().Value(), FileKey(L"C:\\pictures\\hands.png", 1700000004));
    EXPECT_EQ(clock->Count().Value(), 2u);
    EXPECT_EQ(clock->Size().Value(), 80u);
    EXPECT_EQ(clock->Name(), L"Station clock");
    EXPECT_EQ(clock->GetKindFlag(), 1);
}

TEST(MeshObjectRecords, FallingObjectsCarryTheirMeshAndTextureInline) {
    FallingObjectsRecord record;
    record.count = 12;
    record.mesh = {0, "", {'x', 'o', 'f'}, "leaf.x"};
    record.texture = {7, "common_res.dll", {}, ""};
    record.size = 40;
    record.speed = 30;
    record.wobble = 10;
    record.wobbleFrequency = 5;
    record.tumble = 60;
    record.angle = 90;
    record.base.name = "Leaves";
    auto leaves = ReadRecord<QV_3D_in_2D_array_Constructor>(MakeFallingObjects(record));
    ASSERT_NE(leaves, nullptr);
    EXPECT_EQ(leaves->Name(), L"Leaves");
    EXPECT_EQ(leaves->Count().Value(), 12u);
    EXPECT_EQ(leaves->Mesh().Name(), L"leaf.x");
    ASSERT_EQ(leaves->Mesh().Size(), 3u);
    EXPECT_EQ(leaves->Mesh().Bytes()[2], 'f');
    EXPECT_EQ(leaves->Texture().ResourceId(), 7);
    EXPECT_EQ(leaves->Texture().Module(), L"common_res.dll");
    StreamAnimParams& stream = leaves->Stream();
    EXPECT_EQ((std::vector<unsigned>{stream.size.Value(), stream.speed.Value(), stream.wobble.Value(),
                                     stream.wobbleFrequency.Value(), stream.tumble.Value()}),
              (std::vector<unsigned>{40, 30, 10, 5, 60}));
    // 90° moves up the screen.
    EXPECT_EQ(stream.direction.angle, 90);
    EXPECT_NEAR(stream.direction.direction[1], -1.0f, 1e-6f);
}

TEST(MeshObjectRecords, FreshDescriptionsHaveTheirDefaults) {
    PublishPictureLayout(ScreenQuad::FromRect(0, 0, 640, 480), 640, 480, 641, 481);
    QV_ButterflyConstructor butterflies;
    EXPECT_EQ(butterflies.Count().Value(), 1u);
    EXPECT_EQ(butterflies.Size().Value(), 100u);
    EXPECT_EQ(butterflies.BodyImageLink().Value(), FileKey(L"common_res.dll", 6));
    EXPECT_EQ(butterflies.BodyMeshLink().Value(), FileKey(L"common_res.dll", 68));
    EXPECT_EQ(butterflies.MeshLink().Value(), FileKey(L"common_res.dll", 69));
    EXPECT_EQ(butterflies.ImageLink().Value(), FileKey());
    EXPECT_FLOAT_EQ(butterflies.KeptValue1().Result(), 50.0f);
    EXPECT_EQ(butterflies.TimeScale().Value(), 50u);

    // A new clock is 400 pixels large and centred on the picture (integer halves).
    QV_ClockConstructor clock;
    EXPECT_EQ(clock.Size().Value(), 400u);
    EXPECT_EQ(clock.ClockRectangle().further1.Value(), 320);
    EXPECT_EQ(clock.ClockRectangle().further2.Value(), 240);
    EXPECT_EQ(clock.MeshLink().Value(), FileKey(L"common_res.dll", 70));
    EXPECT_EQ(clock.ImageLink().Value(), FileKey(L"common_res.dll", 71));
    EXPECT_EQ(clock.HandImageLink().Value(), FileKey(L"common_res.dll", 72));

    QV_3D_in_2D_array_Constructor leaves;
    EXPECT_EQ(leaves.Count().Value(), 0u);
    EXPECT_EQ(leaves.Stream().speed.Value(), 50u);
    EXPECT_EQ(leaves.Stream().tumble.Value(), 100u);
    EXPECT_EQ(leaves.Stream().size.Value(), 0u);
}

// A count no screen could show is clamped where it is read, so it never makes the objects
// allocate or draw without end.
TEST(MeshObjectRecords, HugeCountsAreClampedWhereTheyAreRead) {
    ButterflyRecord butterflyRecord = Butterflies(2);
    butterflyRecord.object.count = 0xFFFFFFFFu;
    auto butterflies = ReadRecord<QV_ButterflyConstructor>(MakeButterflies(butterflyRecord));
    ClockRecord clockRecord;
    clockRecord.object.count = 2000000000u;
    auto clock = ReadRecord<QV_ClockConstructor>(MakeClock(clockRecord));
    FallingObjectsRecord leavesRecord;
    leavesRecord.count = 1u << 31;
    auto leaves = ReadRecord<QV_3D_in_2D_array_Constructor>(MakeFallingObjects(leavesRecord));
    ASSERT_TRUE(butterflies && clock && leaves);
    EXPECT_EQ(butterflies->Count().Value(), kMaxMeshInstances);
    EXPECT_EQ(clock->Count().Value(), kMaxMeshInstances);
    EXPECT_EQ(leaves->Count().Value(), kMaxMeshInstances);
}

// Sizes and the wing scale past the longest extent that can show are cut where they are
// read; a wing scale that is no number is 1.
TEST(MeshObjectRecords, SizesAndWingScalesBeyondWhatCanShowAreCutWhereTheyAreRead) {
    constexpr float kNaN = std::numeric_limits<float>::quiet_NaN(), kInf = std::numeric_limits<float>::infinity();
    struct Case {
        uint32_t size;
        float wingScale;
        unsigned int readSize;
        float readWingScale;
    };
    const Case cases[] = {
        {120, 1.5f, 120, 1.5f},
        {16384, -2.0f, 16384, -2.0f},
        {16385, 1e20f, 16384, 16384.0f},
        {0xFFFFFFFFu, -1e20f, 16384, -16384.0f},
        {400, kNaN, 400, 1.0f},
        {400, kInf, 400, 1.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.size << " " << c.wingScale);
        ButterflyRecord butterflyRecord = Butterflies(2);
        butterflyRecord.object.size = c.size;
        butterflyRecord.wingScale = c.wingScale;
        auto butterflies = ReadRecord<QV_ButterflyConstructor>(MakeButterflies(butterflyRecord));
        ClockRecord clockRecord;
        clockRecord.object.size = c.size;
        auto clock = ReadRecord<QV_ClockConstructor>(MakeClock(clockRecord));
        FallingObjectsRecord leavesRecord;
        leavesRecord.size = c.size;
        auto leaves = ReadRecord<QV_3D_in_2D_array_Constructor>(MakeFallingObjects(leavesRecord));
        ASSERT_TRUE(butterflies && clock && leaves);
        EXPECT_EQ(butterflies->Size().Value(), c.readSize);
        EXPECT_FLOAT_EQ(butterflies->WingScale(), c.readWingScale);
        EXPECT_EQ(clock->Size().Value(), c.readSize);
        EXPECT_EQ(leaves->Stream().size.Value(), c.readSize);
    }
}

// Each record's count is clamped, but a document of many records could still ask for billions
// of sprites or instances: each record gets what the records before it have left of the
// document's budget of entries, and the document still reads on.
TEST(MeshObjectRecords, TheSpritesAndInstancesOfADocumentTakeWhatIsLeftOfItsBudgetOfEntries) {
    SpriteRecord sprites;
    sprites.count = 16384;
    ButterflyRecord butterflies = Butterflies(2);
    butterflies.object.count = kMaxMeshInstances;
    FallingObjectsRecord leaves;
    leaves.count = kMaxMeshInstances;
    struct Case {
        const char* what;
        SceneWriter record;
        uint32_t made;  // sprites or instances that one record asks for
        std::function<uint32_t(QV_ABObj_Constructor&)> count;
    };
    const Case cases[] = {
        {.what = "sparkles",
         .record = MakeSparkle(sprites),
         .made = 16384,
         .count = [](QV_ABObj_Constructor& d) { return dynamic_cast<QV_SparkleConstructor&>(d).count.Value(); }},
        {.what = "butterflies",
         .record = MakeButterflies(butterflies),
         .made = kMaxMeshInstances,
         .count = [](QV_ABObj_Constructor& d) { return dynamic_cast<QV_ButterflyConstructor&>(d).Count().Value(); }},
        {.what = "falling objects",
         .record = MakeFallingObjects(leaves),
         .made = kMaxMeshInstances,
         .count = [](QV_ABObj_Constructor& d) { return dynamic_cast<QV_3D_in_2D_array_Constructor&>(d).Count().Value(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // Two records more than the budget holds whole, in one document.
        const uint32_t fit = QV_IOF_Virtual::kEntryBudget / c.made;
        SceneWriter document;
        for (uint32_t i = 0; i < fit + 2; ++i) document.Raw(c.record.Bytes());
        vgtest::ArchiveOver in(document.Bytes());
        for (uint32_t i = 0; i < fit + 2; ++i) {
            SCOPED_TRACE(i);
            std::unique_ptr<QV_ABObj_Constructor> object(ReadTaggedObject(in.Archive()));
            ASSERT_NE(object, nullptr);
            const uint32_t granted = i < fit ? c.made : i == fit ? QV_IOF_Virtual::kEntryBudget - fit * c.made : 0;
            EXPECT_EQ(c.count(*object), granted);
        }
        EXPECT_FALSE(in.Failed());
        EXPECT_EQ(in.Buffer().BytesLeft(), 0u);
    }
}

TEST(MeshObjectRecords, ACutRecordFailsTheArchiveWithoutReadingPastIt) {
    FallingObjectsRecord leaves;
    leaves.mesh = {0, "", std::vector<uint8_t>(40, 'm'), "leaf.x"};
    leaves.texture = {0, "", std::vector<uint8_t>(30, 't'), "leaf.png"};
    ClockRecord clock;
    const std::vector<std::vector<uint8_t>> records = {
        MakeButterflies(Butterflies(2)).Bytes(), MakeButterflies(Butterflies(1)).Bytes(),
        MakeClock(clock).Bytes(), MakeFallingObjects(leaves).Bytes()};
    for (const std::vector<uint8_t>& whole : records)
        for (size_t length = 0; length < whole.size(); ++length) {
            vgtest::GuardedBytes bytes(std::vector<uint8_t>(whole.begin(), whole.begin() + length));
            ResourceBuffer buffer(bytes.Data(), bytes.Size());
            QV_IOF_R<ResourceBuffer> archive(&buffer);
            std::unique_ptr<QV_ABObj_Constructor> object(ReadTaggedObject(archive));
            EXPECT_TRUE(buffer.Failed()) << length;
        }
}

}  // namespace
