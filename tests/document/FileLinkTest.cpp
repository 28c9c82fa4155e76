#include <gtest/gtest.h>

#include <map>
#include <string>

#include "ArchiveOver.h"
#include "SceneWriter.h"
#include "SectionReading.h"
#include "document/EmbeddedFile.h"
#include "document/FileKey.h"
#include "document/GuidKey.h"
#include "document/QV_FileLink3.h"
#include "document/QV_ImageFileLink.h"

namespace {

using scenewriter::SceneWriter;

TEST(FileKey, OrdersByPathCodeUnitsThenBySignedStamp) {
    struct Case {
        FileKey a, b;
        bool aBeforeB, bBeforeA;
    };
    const Case cases[] = {
        {{L"a", 5}, {L"ab", 0}, true, false},
        {{L"x", -1}, {L"x", 0}, true, false},
        {{L"x", INT64_MIN}, {L"x", INT64_MAX}, true, false},
        // Code units compare unsigned: U+FFFF after ASCII, upper case before lower case.
        {{L"a", 0}, {std::wstring(1, wchar_t(0xFFFF)), 0}, true, false},
        {{L"B", 9}, {L"a", 0}, true, false},
        {{L"common_res.dll", 76}, {L"common_res.dll", 91}, true, false},
        {{L"same", 3}, {L"same", 3}, false, false},
        {{L"", 7}, {L"a", 0}, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a.stamp << " vs " << c.b.stamp);
        EXPECT_EQ(c.a < c.b, c.aBeforeB);
        EXPECT_EQ(c.b < c.a, c.bBeforeA);
        EXPECT_EQ(c.a != c.b, c.aBeforeB || c.bBeforeA);
    }
}

TEST(FileKey, TheSameModuleResourceReadTwiceIsOneKey) {
    SceneWriter writer;
    for (int i = 0; i < 2; ++i) writer.String("common_res.dll").Int64(76);
    writer.String("common_res.dll").Int64(91);
    vgtest::ArchiveOver bytes(writer.Bytes());
    std::map<FileKey, int> store;
    for (int i = 0; i < 3; ++i) {
        QV_FileLink3 link;
        vgtest::ReadFields(link, bytes.Archive());
        ++store[link.Value()];
    }
    ASSERT_EQ(store.size(), 2u);
    EXPECT_EQ((store[FileKey(L"common_res.dll", 76)]), 2);
    EXPECT_EQ(bytes.Buffer().BytesLeft(), 0u);
}

TEST(GuidKey, OrdersByTheGuidBytesAloneFromTheFirstByte) {
    GuidKey a, b;
    a.id.Data1 = 0x00000001;  // first byte in memory: 01
    b.id.Data1 = 0x00000100;  // first byte 00, second 01
    a.name = L"first";
    b.name = L"second";
    EXPECT_TRUE(b < a);
    EXPECT_FALSE(a < b);
    GuidKey sameGuid = a;
    sameGuid.name = L"other name";
    sameGuid.flag = 7;
    EXPECT_TRUE(sameGuid == a);
    EXPECT_FALSE(sameGuid < a);
    EXPECT_FALSE(a < sameGuid);
    GuidKey highByte;
    highByte.id.Data4[7] = 0x80;  // unsigned: above 0x7F
    GuidKey lowByte;
    lowByte.id.Data4[7] = 0x7F;
    EXPECT_TRUE(lowByte < highByte);
}

TEST(GuidKey, FreshRecordsHaveTheirOwnGuidAndFlagOne) {
    GuidKey a = GuidKey::MakeFresh();
    GuidKey b = GuidKey::MakeFresh();
    EXPECT_EQ(a.flag, 1);
    EXPECT_FALSE(a == b);
    EXPECT_FALSE(a == GuidKey{});
}

TEST(QV_FileLink3, LoadStoresPathAndStampAsReadWithoutNotification) {
    struct Case {
        const char* path;
        int64_t stamp;
    };
    for (Case c : {Case{"", 107}, Case{"", 0}, Case{"C:\\pictures\\sky.png", 1300000000},
                   Case{"common_res.dll", -5}}) {
        SCOPED_TRACE(c.path);
        SceneWriter writer;
        writer.String(c.path).Int64(c.stamp);
        vgtest::ArchiveOver bytes(writer.Bytes());
        QV_ImageFileLink link(FileKey(L"previous", 1));
        int heard = 0;
        struct Counter : MediaControl {
            int* n;
            void OnParamChanged(MediaControl*) override { ++*n; }
        } counter;
        counter.n = &heard;
        link.Attach(&counter);
        vgtest::ReadFields(link, bytes.Archive());
        link.Detach(&counter);
        EXPECT_EQ(heard, 0);
        std::wstring expected(c.path, c.path + std::char_traits<char>::length(c.path));
        EXPECT_EQ(link.GetPath(), expected);
        EXPECT_EQ(link.Value().stamp, c.stamp);
    }
}

TEST(QV_FileLink3, ShortRecordLeavesTheLinkAsItWas) {
    SceneWriter writer;
    writer.String("picture.png").Int(3);  // the stamp is cut short
    vgtest::ArchiveOver bytes(writer.Bytes());
    QV_FileLink3 link(76, L"common_res.dll");
    vgtest::ReadFields(link, bytes.Archive());
    EXPECT_TRUE(bytes.Failed());
    EXPECT_EQ(link.Value(), FileKey(L"common_res.dll", 76));
}

TEST(QV_FileLink3, ExtensionRunsFromTheLastDotLowerCased) {
    struct Case {
        const wchar_t* path;
        const wchar_t* extension;
    };
    const Case cases[] = {
        {L"common_res.dll", L".dll"},
        {L"COMMON_RES.DLL", L".dll"},
        {L"C:\\art\\Sky.Final.PNG", L".png"},
        {L"C:\\folder.old\\file", L".old\\file"},
        {L"no_dot", L""},
        {L"", L""},
        {L"trailing.", L"."},
        {L"mesh.X\u00C4", L".x\u00C4"},  // only ASCII letters change case
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.path);
        QV_MeshFile link(FileKey(c.path, 0));
        EXPECT_EQ(link.GetExtension(), c.extension);
    }
}

TEST(QV_FileLink3, ModuleResourceStampIsTheId) {
    QV_HLSLEffectFile effect(76, L"common_res.dll");
    EXPECT_EQ(effect.Value(), FileKey(L"common_res.dll", 76));
    QV_FileLink3 empty;
    EXPECT_EQ(empty.Value(), FileKey());
    QV_FileLink3 copy(effect);
    EXPECT_EQ(copy.Value(), effect.Value());
    EXPECT_TRUE(copy.Observers().empty());
}

TEST(QV_ImageFileLink, UndoControlKeepsTheKeyAndDetachesInEitherOrder) {
    QV_ImageFileLink link(FileKey(L"a.png", 1));
    EXPECT_EQ(link.UndoControl().Snapshot(), FileKey(L"a.png", 1));
    link.Assign(FileKey(L"b.png", 2), nullptr);
    EXPECT_EQ(link.UndoControl().Snapshot(), FileKey(L"b.png", 2));
    link.UndoControl().Commit();
    link.Assign(FileKey(L"c.png", 3), nullptr);
    link.UndoControl().Commit();
    link.UndoControl().Undo();
    EXPECT_EQ(link.Value(), FileKey(L"b.png", 2));
    QV_ImageFileLink copy(link);
    ASSERT_EQ(copy.Observers().size(), 1u);
    EXPECT_EQ(copy.Observers()[0], &copy.UndoControl());
}

TEST(EmbeddedFile, MakeFileLinkNamesModuleResourcesAndCountsUnnamedOnes) {
    EmbeddedFile moduleResource(76, L"common_res.dll");
    EXPECT_EQ(moduleResource.MakeFileLink(), FileKey(L"common_res.dll", 76));
    EXPECT_EQ(moduleResource.MakeFileLink(), moduleResource.MakeFileLink());

    EmbeddedFile inlinePicture(L"frame.png");
    FileKey first = inlinePicture.MakeFileLink();
    FileKey second = inlinePicture.MakeFileLink();
    EXPECT_EQ(first.path, L"frame.png");
    EXPECT_EQ(second.path, L"frame.png");
    EXPECT_EQ(second.stamp, first.stamp + 1);
    EXPECT_NE(first, second);
}

}  // namespace
