// This binary carries a writer-made document as its own resource 107 of type "KDV" and opens
// it exactly as the player opens its scene.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "TestDocumentContent.h"
#include "document/QV_DocResManager.h"
#include "document/SceneDocument.h"
#include "player/QV_SlideShow_Light.h"

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
