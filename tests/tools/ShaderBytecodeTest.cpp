// The pixel-shader check on bytecode: swizzles made ps_2_0's where the lanes read allow it,
// shaders that need more marked ps_2_x, and the ones that fit neither refused.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "EffectError.h"
#include "EffectFixtures.h"
#include "ShaderBytecode.h"

namespace {

enum Reg : uint32_t { kR = 0, kV = 1, kC = 2, kT = 3, kOC = 8, kS = 10 };
constexpr uint32_t kPs20 = 0xFFFF0200, kPs2x = 0xFFFF0201, kEnd = 0x0000FFFF;

uint32_t Swizzle(const char* lanes) {
    uint32_t swizzle = 0;
    for (int i = 0; i < 4; ++i) swizzle |= uint32_t(std::strchr("xyzw", lanes[i]) - "xyzw") << (2 * i);
    return swizzle;
}
uint32_t Register(Reg type, uint32_t number) { return 0x80000000u | (type & 7) << 28 | (type & 0x18) << 8 | number; }
uint32_t Dst(Reg type, uint32_t number, uint32_t mask = 0xF) { return Register(type, number) | mask << 16; }
uint32_t Src(Reg type, uint32_t number, const char* lanes = "xyzw", uint32_t modifier = 0) {
    return Register(type, number) | Swizzle(lanes) << 16 | modifier << 24;
}
uint32_t Op(uint32_t code, uint32_t params, uint32_t control = 0) { return code | params << 24 | control << 16; }

using Words = std::vector<uint32_t>;
const Words kDclT0{Op(0x1F, 2), 0x80000000u, Dst(kT, 0)};
const Words kDcl2d{Op(0x1F, 2), 0x80000000u | 2u << 27, Dst(kS, 0)};
const Words kDclCube{Op(0x1F, 2), 0x80000000u | 3u << 27, Dst(kS, 0)};
Words Mov(uint32_t dest, uint32_t source) { return {Op(0x01, 2), dest, source}; }
Words Mul(uint32_t dest, uint32_t a, uint32_t b) { return {Op(0x05, 3), dest, a, b}; }
Words Texld(uint32_t dest, const char* coordinate, uint32_t control = 0) {
    return {Op(0x42, 3, control), dest, Src(kT, 0, coordinate), Src(kS, 0)};
}

// Version, an empty constant table, the instructions and the end token.
std::vector<uint8_t> Shader(std::initializer_list<Words> instructions, uint32_t version = kPs20) {
    Words words{version, 0xFFFE | 8u << 16, 0x42415443, 28, 0, version, 0, 28, 0, 0};
    for (const Words& instruction : instructions) words.insert(words.end(), instruction.begin(), instruction.end());
    words.push_back(kEnd);
    std::vector<uint8_t> bytes(words.size() * 4);
    std::memcpy(bytes.data(), words.data(), bytes.size());
    return bytes;
}

Words ToWords(const std::vector<uint8_t>& bytes) {
    Words words(bytes.size() / 4);
    std::memcpy(words.data(), bytes.data(), words.size() * 4);
    return words;
}

// The version and the instructions of a shader, its comments left out.
Words VersionAndInstructions(const std::vector<uint8_t>& bytes) {
    Words words = ToWords(bytes), out{words[0]};
    for (size_t i = 1; i < words.size();) {
        bool comment = (words[i] & 0xFFFF) == 0xFFFE;
        size_t length = words[i] == kEnd ? 0 : comment ? (words[i] >> 16) & 0x7FFF : (words[i] >> 24) & 0xF;
        if (!comment) out.insert(out.end(), words.begin() + long(i), words.begin() + long(i + 1 + length));
        i += 1 + length;
    }
    return out;
}

// The target string the constant table points at.
std::string CtabTarget(const std::vector<uint8_t>& bytes) {
    Words words = ToWords(bytes);
    for (size_t i = 1; i + 1 < words.size(); ++i)
        if ((words[i] & 0xFFFF) == 0xFFFE && words[i + 1] == 0x42415443) {
            const char* table = reinterpret_cast<const char*>(&words[i + 2]);
            uint32_t target = words[i + 2 + 6];
            return target ? std::string(table + target) : std::string();
        }
    return {};
}

TEST(ShaderBytecode, SwizzlesBecomeThoseOfPs20WhereTheLanesReadAllowIt) {
    struct Case {
        const char* name;
        std::vector<uint8_t> input, expected;
        const char* target;
    };
    const std::vector<uint8_t> arbitrary = Shader({Mul(Dst(kR, 0), Src(kR, 1, "zyxw"), Src(kC, 0, "wzyx"))});
    const std::vector<uint8_t> projected = Shader({kDclT0, kDcl2d, Texld(Dst(kR, 0), "xyxx", 1)});
    const std::vector<uint8_t> cubeSwizzled = Shader({kDclT0, kDclCube, Texld(Dst(kR, 0), "yxzw")});
    const Case cases[] = {
        {.name = "texld's 2D coordinate with don't-care lanes",
         .input = Shader({kDclT0, kDcl2d, Texld(Dst(kR, 0), "xyxx")}),
         .expected = Shader({kDclT0, kDcl2d, Texld(Dst(kR, 0), "xyzw")}), .target = "ps_2_0"},
        {.name = "a cube coordinate reads xyz",
         .input = Shader({kDclT0, kDclCube, Texld(Dst(kR, 0), "xyzx")}),
         .expected = Shader({kDclT0, kDclCube, Texld(Dst(kR, 0), "xyzw")}), .target = "ps_2_0"},
        {.name = "replicates stay",
         .input = Shader({Mul(Dst(kR, 1, 0x1), Src(kR, 0, "yyyy"), Src(kC, 0, "xxxx"))}),
         .expected = Shader({Mul(Dst(kR, 1, 0x1), Src(kR, 0, "yyyy"), Src(kC, 0, "xxxx"))}), .target = "ps_2_0"},
        {.name = "lanes the mask does not write",
         .input = Shader({Mov(Dst(kR, 0, 0x3), Src(kR, 1, "xyxx"))}),
         .expected = Shader({Mov(Dst(kR, 0, 0x3), Src(kR, 1, "xyzw"))}), .target = "ps_2_0"},
        {.name = "one lane read is a replicate",
         .input = Shader({Mov(Dst(kR, 0, 0x4), Src(kR, 1, "xywx"))}),
         .expected = Shader({Mov(Dst(kR, 0, 0x4), Src(kR, 1, "wwww"))}), .target = "ps_2_0"},
        {.name = "dp3 does not read w",
         .input = Shader({{Op(0x08, 3), Dst(kR, 0, 0x1), Src(kR, 1, "xyzx"), Src(kC, 0, "xyzy")}}),
         .expected = Shader({{Op(0x08, 3), Dst(kR, 0, 0x1), Src(kR, 1, "xyzw"), Src(kC, 0, "xyzw")}}),
         .target = "ps_2_0"},
        {.name = "arbitrary swizzles need ps_2_x", .input = arbitrary,
         .expected = Shader({Mul(Dst(kR, 0), Src(kR, 1, "zyxw"), Src(kC, 0, "wzyx"))}, kPs2x), .target = "ps_2_a"},
        {.name = "texldp reads w too", .input = projected,
         .expected = Shader({kDclT0, kDcl2d, Texld(Dst(kR, 0), "xyxx", 1)}, kPs2x), .target = "ps_2_a"},
        {.name = "a swizzled cube coordinate needs ps_2_x", .input = cubeSwizzled,
         .expected = Shader({kDclT0, kDclCube, Texld(Dst(kR, 0), "yxzw")}, kPs2x), .target = "ps_2_a"},
        {.name = "a thirteenth temporary needs ps_2_x", .input = Shader({Mov(Dst(kR, 12), Src(kC, 0))}),
         .expected = Shader({Mov(Dst(kR, 12), Src(kC, 0))}, kPs2x), .target = "ps_2_a"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fx::PreparedShader prepared = fx::PreparePixelShader(c.input, "shader");
        EXPECT_EQ(VersionAndInstructions(prepared.bytes), VersionAndInstructions(c.expected));
        EXPECT_EQ(prepared.target, c.target);
        EXPECT_EQ(CtabTarget(prepared.bytes), c.target);
    }
}

TEST(ShaderBytecode, SixtyFiveArithmeticInstructionsNeedPs2x) {
    std::vector<Words> sixtyFour(64, Mov(Dst(kR, 0), Src(kC, 0)));
    auto shaderOf = [](const std::vector<Words>& instructions) {
        Words words{kPs20, 0xFFFE | 8u << 16, 0x42415443, 28, 0, kPs20, 0, 28, 0, 0};
        for (const Words& instruction : instructions) words.insert(words.end(), instruction.begin(), instruction.end());
        words.push_back(kEnd);
        std::vector<uint8_t> bytes(words.size() * 4);
        std::memcpy(bytes.data(), words.data(), bytes.size());
        return bytes;
    };
    EXPECT_EQ(fx::PreparePixelShader(shaderOf(sixtyFour), "shader").target, "ps_2_0");
    sixtyFour.push_back(Mov(Dst(kR, 0), Src(kC, 0)));
    EXPECT_EQ(fx::PreparePixelShader(shaderOf(sixtyFour), "shader").target, "ps_2_a");
    std::vector<Words> tooMany(600, Mov(Dst(kR, 0), Src(kC, 0)));
    EXPECT_THROW(fx::PreparePixelShader(shaderOf(tooMany), "shader"), fx::EffectError);
}

TEST(ShaderBytecode, ShadersThatFitNeitherPs20NorPs2xAreRefused) {
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        const char* reason;
    };
    std::vector<uint8_t> noEnd = Shader({Mov(Dst(kR, 0), Src(kC, 0))});
    noEnd.resize(noEnd.size() - 4);
    std::vector<uint8_t> pastEnd = Shader({});
    pastEnd.resize(pastEnd.size() - 4);
    const Words truncated{Op(0x05, 3), Dst(kR, 0)};
    pastEnd.insert(pastEnd.end(), reinterpret_cast<const uint8_t*>(truncated.data()),
                   reinterpret_cast<const uint8_t*>(truncated.data() + truncated.size()));
    const Case cases[] = {
        {.name = "not whole words", .bytes = std::vector<uint8_t>(7), .reason = "is not shader bytecode (size 7)"},
        {.name = "a vertex shader", .bytes = Shader({}, 0xFFFE0200), .reason = "is not ps_2_0 bytecode"},
        {.name = "no end token", .bytes = noEnd, .reason = "has no end token"},
        {.name = "an instruction past the end", .bytes = pastEnd, .reason = "has an instruction that runs past its end"},
        {.name = "no constant table", .bytes = {0x00, 0x02, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00},
         .reason = "has no constant table"},
        {.name = "a swizzled sampler",
         .bytes = Shader({kDclT0, kDcl2d, {Op(0x42, 3), Dst(kR, 0), Src(kT, 0), Src(kS, 0, "yxzw")}}),
         .reason = "swizzles a sampler"},
        {.name = "rcp of more than one lane", .bytes = Shader({{Op(0x06, 2), Dst(kR, 0, 0x1), Src(kR, 1, "xyzw")}}),
         .reason = "rcp needs a replicate swizzle"},
        {.name = "a source scaled by two", .bytes = Shader({Mul(Dst(kR, 0), Src(kR, 1, "xyzw", 7), Src(kC, 0))}),
         .reason = "uses a source modifier ps_2_0 does not have on mul"},
        {.name = "a result shift", .bytes = Shader({Mov(Dst(kR, 0) | 1u << 24, Src(kC, 0))}),
         .reason = "uses a result shift on mov"},
        {.name = "a temporary beyond ps_2_x", .bytes = Shader({Mov(Dst(kR, 22), Src(kC, 0))}),
         .reason = "uses register r22, beyond ps_2_x"},
        {.name = "a constant beyond the file", .bytes = Shader({Mov(Dst(kR, 0), Src(kC, 32))}),
         .reason = "uses register c32, beyond ps_2_x"},
        {.name = "flow control", .bytes = Shader({{Op(0x28, 1), Src(kR, 0)}}),
         .reason = "uses instruction 40, which ps_2_0 does not have"},
        {.name = "predication", .bytes = Shader({{Op(0x01, 2) | 1u << 28, Dst(kR, 0), Src(kC, 0)}}),
         .reason = "uses predication"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            fx::PreparePixelShader(c.bytes, "Effect.Main.ps_2_0.d3dbc");
            ADD_FAILURE() << "accepted";
        } catch (const fx::EffectError& error) {
            EXPECT_EQ(error.File(), "Effect.Main.ps_2_0.d3dbc");
            EXPECT_EQ(error.Reason(), c.reason);
        }
    }
}

TEST(ShaderBytecode, TheCompilersOutputForTheTestEffect) {
    const std::vector<uint8_t> tinted = vgtest::EffectFixtureBytes(vgtest::kTinted);
    fx::PreparedShader prepared = fx::PreparePixelShader(tinted, "Tinted");
    EXPECT_EQ(prepared.target, "ps_2_0");
    EXPECT_EQ(CtabTarget(tinted), "");
    EXPECT_EQ(CtabTarget(prepared.bytes), "ps_2_0");
    // Only texld's coordinate (t0.xyxx from the compiler) changed.
    Words before = VersionAndInstructions(tinted), after = VersionAndInstructions(prepared.bytes);
    ASSERT_EQ(before.size(), after.size());
    int changed = 0;
    for (size_t i = 0; i < before.size(); ++i)
        if (before[i] != after[i]) {
            ++changed;
            EXPECT_EQ(after[i], Src(kT, 0));
        }
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(fx::ShaderConstantNames(prepared.bytes, "Tinted"), (std::vector<std::string>{"SceneSampler", "Tint"}));

    EXPECT_EQ(fx::PreparePixelShader(vgtest::EffectFixtureBytes(vgtest::kSwizzled), "Swizzled").target, "ps_2_a");
    EXPECT_EQ(fx::PreparePixelShader(vgtest::EffectFixtureBytes(vgtest::kTransformed), "Transformed").target, "ps_2_0");
}

TEST(ShaderBytecode, AConstantTableThatRunsPastItsEndIsRefused) {
    std::vector<uint8_t> bytes = Shader({});
    Words words = ToWords(bytes);
    words[2 + 1 + 3] = 1000;  // the constant count
    std::memcpy(bytes.data(), words.data(), bytes.size());
    EXPECT_THROW(fx::ShaderConstantNames(bytes, "shader"), fx::EffectError);
}

}  // namespace
