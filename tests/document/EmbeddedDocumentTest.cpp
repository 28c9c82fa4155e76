// This binary carries a writer-made document as its own resource 107 of type "KDV" and opens
// it exactly as the player opens its scene.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "TestDevice.h"
#include "TestDocumentContent.h"
#include "base/CurrentDevice.h"
#include "document/QV_DocResManager.h"
#include "player/QV_SlideShow_Light.h"
#include "player/SceneDocument.h"

namespace {

std::wstring Wide(const char* ascii) { return std::wstring(ascii, ascii + strlen(ascii)); }

TEST(EmbeddedDocument, OpensFromTheRunningModule) {
    QV_SlideShow_Light* raw = nullptr;
    ASSERT_EQ(LoadSceneDocument(&raw), S_OK);
    std::unique_ptr<QV_SlideShow_Light> show(raw);
    std::unique_ptr<QV_DocResManager> manager(CurrentDocResManager);
    CurrentDocResManager = nullptr;

    EXPECT_EQ(show->SlideCount(), 0u);
    ASSERT_EQ(show->AudioFiles().size(), 2u);
    EXPECT_EQ(show->AudioFiles()[0]->FileName(), Wide(testdocument::kFirstTrack));
    EXPECT_EQ(show->AudioFiles()[0]->Data().Size(), unsigned(testdocument::kFirstTrackBytes));
    EXPECT_EQ(show->AudioFiles()[1]->FileName(), Wide(testdocument::kSecondTrack));
    ASSERT_NE(manager, nullptr);
    const FileKey picture(Wide(testdocument::kPicturePath), testdocument::kPictureStamp);
    ASSERT_EQ(manager->Storage().store.count(picture), 1u);
    EXPECT_EQ(manager->Storage().store.at(picture)[0].Size(), 4u);
}

TEST(EmbeddedDocument, EveryOpeningReadsItsOwnCopy) {
    QV_SlideShow_Light* first = nullptr;
    QV_SlideShow_Light* second = nullptr;
    ASSERT_EQ(LoadSceneDocument(&first), S_OK);
    QV_DocResManager* firstManager = CurrentDocResManager;
    ASSERT_EQ(LoadSceneDocument(&second), S_OK);
    EXPECT_NE(CurrentDocResManager, firstManager);
    EXPECT_NE(first, second);
    delete firstManager;
    delete CurrentDocResManager;
    CurrentDocResManager = nullptr;
    delete first;
    delete second;
}

}  // namespace

namespace {

// The program's own pictures: an empty path names the running module.
class OwnResources : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(device_.Device(), nullptr) << "no Direct3D 9 device";
        CurrentDevice = device_.Device();
    }
    void TearDown() override { CurrentDevice = nullptr; }
    vgtest::TestDevice device_{32, 32};
};

TEST_F(OwnResources, EmptyPathNamesTheRunningModulesPicture) {
    QV_DocResManager manager;
    TextureSet& set = manager.GetTextures({L"", 2});
    ASSERT_EQ(set.frames.size(), 1u);
    ASSERT_TRUE(set.frames[0]);
    EXPECT_EQ(set.width, unsigned(testdocument::kPictureWidth));
    EXPECT_FLOAT_EQ(set.ratio, 0.5f);

    ComHolder<IDirect3DTexture9> builtin = manager.Cache().GetBuiltinTexture();
    ASSERT_TRUE(builtin);
    EXPECT_GT(builtin->GetLevelCount(), 1u);  // a full mip chain
    EXPECT_EQ(manager.Cache().GetBuiltinTexture().Get(), builtin.Get());
}

TEST_F(OwnResources, FrameSetsComeWithTheirDurations) {
    QV_DocResManager manager;
    const FileKey link(L"", testdocument::kFrameSetId);
    TextureSet& set = manager.LoadFrameSetFromModule(link);
    ASSERT_EQ(set.frames.size(), 2u);
    EXPECT_TRUE(set.frames[1]);
    EXPECT_EQ(set.durations, (std::vector<float>{0.25f, 0.5f}));
    EXPECT_EQ(set.width, unsigned(testdocument::kFrameWidth));
    EXPECT_EQ(manager.Storage().store.at(link).size(), 2u);
    EXPECT_EQ(&manager.LoadFrameSetFromModule(link), &set);

    EXPECT_TRUE(manager.LoadFrameSetFromModule({L"absent_module.dll", 1}).frames.empty());
    EXPECT_TRUE(manager.LoadFrameSetFromModule({L"", 4321}).frames.empty());
}

TEST_F(OwnResources, ModuleRecordsFallBackToTheProgramsOwnResource) {
    QV_DocResManager manager;
    // The module does not load, so the program's own resource of that id stands in.
    const EmbeddedFile* file = manager.GetEmbeddedFile({L"absent_module.dll", 2});
    ASSERT_NE(file, nullptr);
    EXPECT_GT(file->Size(), 0u);
}

}  // namespace
