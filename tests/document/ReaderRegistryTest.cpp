// Tag dispatch through the three registries.
#include <gtest/gtest.h>

#include "ArchiveOver.h"
#include "SceneWriter.h"
#include "TestSlide.h"
#include "document/ReaderRegistry.h"

using scenewriter::SceneWriter;
using vgtest::ArchiveOver;
using vgtest::TestSlide;

namespace {

TEST(ReaderRegistry, KnownTagCreatesAndReadsOnlyThatVersionsFields) {
    vgtest::RegisterTestSlide();
    struct {
        int32_t version;
        int32_t expectedNumber;
        size_t consumed;
    } cases[] = {
        {1, TestSlide::kDefaultNumber, 26 + 8},  // tag and version, then the label only
        {2, 77, 26 + 8 + 4},
        {9, 77, 26 + 8 + 4},  // newer than known: read as the newest
    };
    for (const auto& c : cases) {
        SceneWriter out;
        out.Section("TestSlide", c.version).String("ab");
        if (c.version > 1) out.Int(77);
        out.Int(-1);  // what follows the record
        ArchiveOver in(out.Bytes());
        QV_SlideContainer* slide = ReadTaggedSlide(in.Archive());
        ASSERT_NE(slide, nullptr);
        auto* test = static_cast<TestSlide*>(slide);
        EXPECT_EQ(test->label, L"ab");
        EXPECT_EQ(test->number, c.expectedNumber) << c.version;
        EXPECT_EQ(in.Consumed(), c.consumed) << c.version;
        delete slide;
    }
}

TEST(ReaderRegistry, UnknownTagConsumesTagAndVersionOnlyAndFailsTheRead) {
    vgtest::RegisterTestSlide();
    SceneWriter out;
    // Each registry knows only its own tags.
    out.Section("TestSlide", 1).String("ab");
    ArchiveOver in(out.Bytes());
    EXPECT_EQ(ReadTaggedObject(in.Archive()), nullptr);
    EXPECT_EQ(in.Consumed(), 8u + 18u);
    EXPECT_TRUE(in.Failed());

    SceneWriter light;
    light.Section("QV_Unheard", 3);
    ArchiveOver lightIn(light.Bytes());
    EXPECT_EQ(ReadTaggedLight(lightIn.Archive()), nullptr);
    EXPECT_EQ(lightIn.Consumed(), light.Size());
}

TEST(ReaderRegistry, RegistrationHappensOncePerReader) {
    vgtest::RegisterTestSlide();
    auto& registry = GetSlideReaderRegistry();
    IOF_Virtual_ReaderII<QV_SlideContainer>* first = registry.at(L"TestSlide");
    // A second registering run, even under another tag, adds nothing.
    RegisterSceneReader(registry, L"TestSlideAgain", *first);
    EXPECT_EQ(registry.count(L"TestSlideAgain"), 0u);
    EXPECT_EQ(registry.at(L"TestSlide"), first);
}

}  // namespace
