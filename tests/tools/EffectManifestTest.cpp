// The manifest that ties committed shader bytecode to the effect source it was compiled from.
#include <gtest/gtest.h>

#include "EffectError.h"
#include "EffectFixtures.h"
#include "EffectManifest.h"

namespace {

using vgtest::EffectFixtureText;

TEST(EffectManifest, HashesAsSha256sumDoes) {
    EXPECT_EQ(fx::Sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(fx::Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    // Two blocks of padding: 56 bytes leave no room for the length in the first.
    EXPECT_EQ(fx::Sha256Hex(std::string(56, 'a')),
              "b35439a4ac6f0948b6d6f9e3c6af0f5f590ce20f1bde7090ef7970686ec6738a");
}

TEST(EffectManifest, TheCommittedBytecodeIsThatOfTheCommittedTestEffect) {
    EXPECT_NO_THROW(fx::CheckSourceHash(EffectFixtureText(vgtest::kTestEffectManifest), "TestEffect.fx",
                                        EffectFixtureText(vgtest::kTestEffectSource), "TestEffect.fx"));
}

TEST(EffectManifest, ASourceNewerThanItsBytecodeOrMissingFromTheManifestIsRefused) {
    const std::string source = EffectFixtureText(vgtest::kTestEffectSource);
    const std::string manifest = EffectFixtureText(vgtest::kTestEffectManifest);
    struct Case {
        const char* name;
        std::string manifest, sourceName, source;
        const char* reason;
    };
    const Case cases[] = {
        {.name = "one byte edited", .manifest = manifest, .sourceName = "TestEffect.fx",
         .source = source + " ", .reason = "changed after its shader bytecode was made: run scripts/effects"},
        {.name = "not in the manifest", .manifest = manifest, .sourceName = "Other.fx", .source = source,
         .reason = "has no shader bytecode yet: run scripts/effects"},
        {.name = "empty manifest", .manifest = "", .sourceName = "TestEffect.fx", .source = source,
         .reason = "has no shader bytecode yet: run scripts/effects"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            fx::CheckSourceHash(c.manifest, c.sourceName, c.source, "effects/" + c.sourceName);
            ADD_FAILURE() << "accepted";
        } catch (const fx::EffectError& error) {
            EXPECT_EQ(error.File(), "effects/" + c.sourceName);
            EXPECT_EQ(error.Reason(), c.reason);
        }
    }
}

}  // namespace
