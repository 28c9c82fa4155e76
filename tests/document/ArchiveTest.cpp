// The stored value forms and the bounds of the reading archive.
#include <gtest/gtest.h>

#include <string>

#include "ArchiveOver.h"
#include "SceneWriter.h"
#include "document/ArchiveValues.h"
#include "document/DataBlob.h"
#include "document/EmbeddedFile.h"

using scenewriter::LengthForm;
using scenewriter::SceneWriter;
using vgtest::ArchiveOver;

namespace {

std::vector<uint8_t> Bytes(std::initializer_list<int> values) {
    std::vector<uint8_t> out;
    for (int v : values) out.push_back(uint8_t(v));
    return out;
}

std::vector<uint8_t> Concat(std::vector<uint8_t> a, const std::vector<uint8_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<uint8_t> Units(size_t count, char16_t unit) {
    std::vector<uint8_t> out;
    for (size_t i = 0; i < count; ++i) {
        out.push_back(uint8_t(unit));
        out.push_back(uint8_t(unit >> 8));
    }
    return out;
}

struct StringCase {
    const char* name;
    std::vector<uint8_t> bytes;
    size_t expectedLength;
    size_t expectedConsumed;
};

void PrintTo(const StringCase& c, std::ostream* out) { *out << c.name; }

class StringForms : public ::testing::TestWithParam<StringCase> {};

TEST_P(StringForms, HeaderLengthAndConsumedBytes) {
    const StringCase& c = GetParam();
    ArchiveOver in(c.bytes);
    std::wstring text;
    EXPECT_EQ(ParseWideString(in.Buffer(), text), c.expectedConsumed);
    EXPECT_EQ(text.size(), c.expectedLength);
    EXPECT_EQ(in.Consumed(), c.expectedConsumed);
    EXPECT_FALSE(in.Failed());
}

INSTANTIATE_TEST_SUITE_P(
    Archive, StringForms,
    ::testing::Values(
        StringCase{"ByteLength", Concat(Bytes({0xFF, 0xFE, 0xFF, 0x05}), Units(5, u'a')), 5, 14},
        StringCase{"WordLength", Concat(Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01}), Units(300, u'b')),
                   300, 606},
        StringCase{"DoubleWordLength",
                   Concat(Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x03, 0, 0, 0}), Units(3, u'c')), 3, 16},
        // The marker bytes are not compared.
        StringCase{"MarkersIgnored", Concat(Bytes({0, 0, 0, 0x02}), Units(2, u'd')), 2, 8},
        StringCase{"ZeroLength", Bytes({0xFF, 0xFE, 0xFF, 0x00}), 0, 4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Archive, ZeroLengthStringKeepsTheTargetAndAZeroUnitCutsTheText) {
    ArchiveOver empty(Bytes({0xFF, 0xFE, 0xFF, 0x00}));
    std::wstring kept = L"before";
    empty.Archive().ReadString(kept);
    EXPECT_EQ(kept, L"before");

    ArchiveOver cut(Bytes({0xFF, 0xFE, 0xFF, 0x03, 'a', 0, 0, 0, 'b', 0}));
    std::wstring text;
    cut.Archive().ReadString(text);
    EXPECT_EQ(text, L"a");
    EXPECT_EQ(cut.Consumed(), 10u);
}

TEST(Archive, WriterStringsReadBackInEveryLengthForm) {
    for (LengthForm form : {LengthForm::Byte, LengthForm::Word, LengthForm::DoubleWord}) {
        SceneWriter out;
        out.String(u"Velmora \u00e9\u4e2d", form).Int(7);
        ArchiveOver in(out.Bytes());
        std::wstring text;
        int32_t after = 0;
        in.Archive().ReadString(text);
        in.Archive().ReadInt(after);
        EXPECT_EQ(text, L"Velmora \u00e9\u4e2d");
        EXPECT_EQ(after, 7);
    }
}

TEST(Archive, ScalarValuesAreLittleEndianAndUnaligned) {
    SceneWriter out;
    out.Byte(0x7A).Int(-2).UInt(0xFFFFFFF0u).Long(-123456).Float(2.5f).Bool(true).Int64(-5).Point(-3, 9);
    ArchiveOver in(out.Bytes());
    QV_IOF_Virtual& a = in.Archive();
    char b = 0;
    int32_t i = 0;
    uint32_t u = 0;
    long l = 0;
    float f = 0;
    bool flag = false;
    int64_t stamp = 0;
    POINT p = {};
    a.ReadByte(b);
    a.ReadInt(i);
    a.ReadUInt(u);
    a.ReadLong(l);
    a.ReadFloat(f);
    a.ReadBool(flag);
    a.ReadInt64(stamp);
    a.ReadPoint(p);
    EXPECT_EQ(b, 0x7A);
    EXPECT_EQ(i, -2);
    EXPECT_EQ(u, 0xFFFFFFF0u);
    EXPECT_EQ(l, -123456);
    EXPECT_EQ(f, 2.5f);
    EXPECT_TRUE(flag);
    EXPECT_EQ(stamp, -5);
    EXPECT_EQ(p.x, -3);
    EXPECT_EQ(p.y, 9);
    EXPECT_EQ(in.Consumed(), out.Size());
    EXPECT_FALSE(in.Failed());
}

TEST(Archive, BlobsAndEmbeddedFilesCarryTheirBytesAndNames) {
    SceneWriter out;
    out.Blob({}, "empty").Blob({1, 2, 3}, "three").EmbeddedFile(35, "common_res.dll", {9, 8}, "pic");
    ArchiveOver in(out.Bytes());
    DataBlob empty, three;
    in.Archive().ReadBlob(empty);
    EXPECT_EQ(in.Consumed(), 4u + 4 + 10);  // size, then the name string
    EXPECT_EQ(empty.Bytes(), nullptr);
    EXPECT_EQ(empty.Size(), 0u);
    EXPECT_EQ(empty.Name(), L"empty");
    in.Archive().ReadBlob(three);
    ASSERT_EQ(three.Size(), 3u);
    EXPECT_EQ(three.Bytes()[2], 3);
    EXPECT_EQ(three.Name(), L"three");

    EmbeddedFile file;
    size_t before = in.Consumed();
    EXPECT_EQ(ParseEmbeddedFile(in.Buffer(), file), 4u + (4 + 28) + 4 + 2 + (4 + 6));
    EXPECT_EQ(in.Consumed() - before, 52u);
    EXPECT_EQ(file.ResourceId(), 35);
    EXPECT_EQ(file.Module(), L"common_res.dll");
    EXPECT_EQ(file.Size(), 2u);
    EXPECT_EQ(file.Name(), L"pic");
}

TEST(Archive, GuidTextReadsBackAsTheSameGuid) {
    GUID original = {0x12345678, 0x9ABC, 0xDEF0, {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}};
    SceneWriter out;
    out.String("{12345678-9ABC-DEF0-0123-456789ABCDEF}").String("");
    ArchiveOver in(out.Bytes());
    GUID read = {};
    ReadGuid(in.Archive(), read);
    EXPECT_TRUE(IsEqualGUID(read, original));
    GUID fromEmpty = original;
    ReadGuid(in.Archive(), fromEmpty);  // whatever the conversion makes of "", never a crash
    EXPECT_FALSE(in.Failed());
}

TEST(Archive, UIntVectorIsCountThenValues) {
    SceneWriter out;
    out.UInt(3).UInt(10).UInt(20).UInt(30);
    ArchiveOver in(out.Bytes());
    std::vector<uint32_t> values;
    ReadUIntVector(values, in.Buffer());
    EXPECT_EQ(values, (std::vector<uint32_t>{10, 20, 30}));
}

TEST(Archive, FileNameOfPath) {
    struct {
        const wchar_t* path;
        const wchar_t* name;
    } cases[] = {
        {L"C:\\pictures\\sea\\wave.png", L"wave.png"},
        {L"wave.png", L""},
        {L"folder\\", L""},
        {L"", L""},
    };
    for (const auto& c : cases) EXPECT_EQ(GetFileNameOfPath(c.path), c.name) << c.path;
}

TEST(Archive, BlobRenameDropsBytesOnlyForAnotherName) {
    DataBlob blob;
    blob.SetName(L"a");
    const unsigned char bytes[] = {1, 2};
    blob.SetBytes(2, bytes);
    blob.SetName(L"a");
    EXPECT_EQ(blob.Size(), 2u);
    DataBlob copy = blob;
    EXPECT_NE(copy.Bytes(), blob.Bytes());
    EXPECT_EQ(copy.Bytes()[1], 2);
    blob.SetName(L"b");
    EXPECT_EQ(blob.Size(), 0u);
    EXPECT_EQ(blob.Bytes(), nullptr);
    EXPECT_EQ(blob.Name(), L"b");
}

// Reads that would pass the end copy nothing, fail the archive, and every read after that
// leaves its target alone.
TEST(Archive, OverrunsFailAndLeaveTargetsUntouched) {
    struct {
        const char* name;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"string header cut", Bytes({0xFF, 0xFE})},
        {"string longer than the bytes", Concat(Bytes({0xFF, 0xFE, 0xFF, 0x09}), Units(2, u'x'))},
        {"huge double-word length", Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F})},
    };
    for (auto& c : cases) {
        ArchiveOver in(c.bytes);
        std::wstring text = L"kept";
        in.Archive().ReadString(text);
        EXPECT_EQ(text, L"kept") << c.name;
        EXPECT_TRUE(in.Failed()) << c.name;
    }

    SceneWriter out;
    out.UInt(1000).Byte(1);  // a blob claiming 1000 bytes
    ArchiveOver in(out.Bytes());
    DataBlob blob;
    in.Archive().ReadBlob(blob);
    EXPECT_EQ(blob.Size(), 0u);
    EXPECT_TRUE(in.Failed());
    int32_t value = 42;
    in.Archive().ReadInt(value);
    EXPECT_EQ(value, 42);

    ArchiveOver shortInt(Bytes({1, 2, 3}));
    int32_t untouched = 7;
    shortInt.Archive().ReadInt(untouched);
    EXPECT_EQ(untouched, 7);
}

TEST(Archive, CountsThatCannotFitTheBytesLeftFailWithoutAllocating) {
    SceneWriter out;
    out.UInt(0x40000000u).UInt(1).UInt(2);
    ArchiveOver in(out.Bytes());
    EXPECT_EQ(in.Archive().ReadCount(4), 0u);
    EXPECT_TRUE(in.Failed());

    SceneWriter fits;
    fits.UInt(2).UInt(1).UInt(2);
    ArchiveOver ok(fits.Bytes());
    EXPECT_EQ(ok.Archive().ReadCount(4), 2u);
    EXPECT_FALSE(ok.Failed());

    SceneWriter vector;
    vector.UInt(0xFFFFFFFFu);
    ArchiveOver bad(vector.Bytes());
    std::vector<uint32_t> values;
    ReadUIntVector(values, bad.Buffer());
    EXPECT_TRUE(values.empty());
    EXPECT_TRUE(bad.Failed());
}

TEST(Archive, TheCountsOfOneDocumentShareOneBudgetOfEntries) {
    const uint32_t budget = QV_IOF_Virtual::kEntryBudget;
    // Room for every entry: the bytes never stand in the way here.
    SceneWriter out;
    out.UInt(budget / 2).UInt(budget / 2).UInt(1).UInt(budget + 1);
    out.Raw(std::vector<uint8_t>(budget + 8, 0));
    ArchiveOver halves(out.Bytes());
    EXPECT_EQ(halves.Archive().ReadCount(1), budget / 2);
    EXPECT_EQ(halves.Archive().ReadCount(1), budget / 2);
    EXPECT_EQ(halves.Archive().ReadCount(1), 0u);
    EXPECT_TRUE(halves.Failed());

    SceneWriter beyond;
    beyond.UInt(budget + 1).Raw(std::vector<uint8_t>(budget + 8, 0));
    ArchiveOver whole(beyond.Bytes());
    EXPECT_EQ(whole.Archive().ReadCount(1), 0u);
    EXPECT_TRUE(whole.Failed());
}

TEST(Archive, AsksTakeWhatIsLeftOfTheBudgetWithoutFailingOrStarvingTheLists) {
    const uint32_t budget = QV_IOF_Virtual::kEntryBudget;
    SceneWriter out;
    out.UInt(budget / 2).UInt(budget / 2).UInt(1);
    out.Raw(std::vector<uint8_t>(budget + 8, 0));
    ArchiveOver in(out.Bytes());
    EXPECT_EQ(in.Archive().ReadCount(1), budget / 2);
    EXPECT_EQ(in.Archive().GrantEntries(budget), budget / 2);
    EXPECT_EQ(in.Archive().GrantEntries(16384), 0u);
    EXPECT_FALSE(in.Failed());
    // The lists are refused only by what the lists before them took.
    EXPECT_EQ(in.Archive().ReadCount(1), budget / 2);
    EXPECT_FALSE(in.Failed());
    EXPECT_EQ(in.Archive().ReadCount(1), 0u);
    EXPECT_TRUE(in.Failed());
}

TEST(Archive, WritesOfTheReadingArchiveDoNothing) {
    SceneWriter out;
    out.Int(5);
    ArchiveOver in(out.Bytes());
    int32_t v = 9;
    std::wstring s = L"x";
    in.Archive().WriteInt(v);
    in.Archive().WriteString(s);
    EXPECT_EQ(in.Consumed(), 0u);
    in.Archive().ReadInt(v);
    EXPECT_EQ(v, 5);
}

TEST(Archive, BufferWithoutSourceLeavesTargets) {
    ResourceBuffer none;
    int32_t v = 3;
    EXPECT_FALSE(none.ReadValue(v));
    EXPECT_EQ(v, 3);
    EXPECT_EQ(none.BytesLeft(), 0u);
}

}  // namespace
