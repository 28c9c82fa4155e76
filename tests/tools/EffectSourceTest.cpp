// The effect writer on effect sources: what it reads from the test effect, and a table of
// sources it must refuse, each with its line and reason and without writing anything.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <optional>
#include <string>

#include "EffectBuild.h"
#include "EffectError.h"
#include "EffectFixtures.h"
#include "EffectParser.h"
#include "Fx2Writer.h"

namespace {

// Serves the test effect's committed bytecode by function, whatever the effect is named.
std::vector<uint8_t> CommittedShader(const std::string& fileName) {
    std::string function = fileName.substr(fileName.find('.') + 1);
    function = function.substr(0, function.find('.'));
    if (function == "Tinted") return vgtest::EffectFixtureBytes(vgtest::kTinted);
    if (function == "Transformed") return vgtest::EffectFixtureBytes(vgtest::kTransformed);
    if (function == "Swizzled") return vgtest::EffectFixtureBytes(vgtest::kSwizzled);
    throw fx::EffectError("bytecode", 0, "has no bytecode " + fileName + ": run scripts/effects");
}

// Reads includes from a table of file names and texts.
fx::IncludeReader IncludesFrom(std::map<std::string, std::string> files) {
    return [files = std::move(files)](const std::string& name) -> std::optional<std::string> {
        auto found = files.find(name);
        if (found == files.end()) return std::nullopt;
        return found->second;
    };
}

// The declarations the shaders of the test effect need.
const std::string kDeclarations =
    "float4 Tint;\n"
    "texture SceneTex;\n"
    "sampler SceneSampler = sampler_state { Texture = <SceneTex>; };\n";

TEST(EffectSource, TheTestEffectReadsAsWritten) {
    fx::EffectSource effect = fx::ParseEffectSource(vgtest::EffectFixtureText(vgtest::kTestEffectSource), "TestEffect.fx");
    ASSERT_EQ(effect.parameters.size(), 6u);
    const fx::Parameter& sampler = effect.parameters[5];
    EXPECT_EQ(sampler.name, "SceneSampler");
    ASSERT_EQ(sampler.samplerStates.size(), 6u);
    EXPECT_EQ(sampler.samplerStates[0].reference, "SceneTex");
    ASSERT_EQ(effect.techniques.size(), 2u);
    ASSERT_EQ(effect.techniques[1].passes.size(), 2u);
    std::vector<std::string> shaders;
    for (const fx::ShaderRef& shader : effect.Shaders()) shaders.push_back(fx::ShaderKey(shader));
    EXPECT_EQ(shaders, (std::vector<std::string>{"Tinted.ps_2_0", "Transformed.ps_2_0", "Swizzled.ps_2_0"}));

    std::vector<uint8_t> binary = fx::BuildEffectBinary(vgtest::EffectFixtureText(vgtest::kTestEffectSource),
                                                        "TestEffect.fx", CommittedShader);
    ASSERT_GE(binary.size(), 8u);
    uint32_t tag, dataSize;
    std::memcpy(&tag, binary.data(), 4);
    std::memcpy(&dataSize, binary.data() + 4, 4);
    EXPECT_EQ(tag, fx::kFx2Tag);
    EXPECT_LT(dataSize, binary.size());
    EXPECT_EQ(binary.size() % 4, 0u);
}

TEST(EffectSource, SourcesTheWriterDoesNotUnderstandAreRefusedWithTheirLineAndReason) {
    struct Case {
        const char* name;
        std::string source;
        int line;
        const char* reason;
    };
    const Case cases[] = {
        {.name = "preprocessor", .source = "float a;\n#define B 1\n", .line = 2,
         .reason = "preprocessor directives are not supported"},
        {.name = "open comment", .source = "float a;\n/* never closed\nfloat b;\n", .line = 2,
         .reason = "comment is not closed"},
        {.name = "open string", .source = "float a <string s = \"x;>;\n", .line = 1, .reason = "string is not closed"},
        {.name = "stray character", .source = "float a;\nfloat b @ 1;\n", .line = 2, .reason = "unexpected character '@'"},
        {.name = "unknown type", .source = "half4 a;\n", .line = 1, .reason = "unsupported parameter type 'half4'"},
        {.name = "string parameter", .source = "string s = \"x\";\n", .line = 1,
         .reason = "unsupported parameter type 'string'"},
        {.name = "array", .source = "\nfloat4 a[2];\n", .line = 2, .reason = "array parameters are not supported"},
        {.name = "shared", .source = "shared float a;\n", .line = 1, .reason = "shared parameters are not supported"},
        {.name = "declared twice", .source = "float a;\nint a;\n", .line = 2, .reason = "'a' is declared twice"},
        {.name = "value count", .source = "float4 v = {1, 2, 3};\n", .line = 1, .reason = "3 values for a type of 4"},
        {.name = "fraction for an int", .source = "int i = 1.5;\n", .line = 1, .reason = "'1.5' is not an integer"},
        {.name = "missing semicolon", .source = "float a = 1\nfloat b;\n", .line = 2,
         .reason = "expected ';' before 'float'"},
        {.name = "texture initializer", .source = "texture t = 1;\n", .line = 1, .reason = "'t' cannot have an initializer"},
        {.name = "sampler without sampler_state", .source = "sampler s = 3;\n", .line = 1,
         .reason = "a sampler is initialised with sampler_state"},
        {.name = "pass state in a sampler", .source = "sampler s = sampler_state {\n CullMode = None;\n};\n",
         .line = 2, .reason = "unknown sampler state 'CullMode'"},
        {.name = "texture reference to a number", .source = "float g;\nsampler s = sampler_state { Texture = <g>; };\n",
         .line = 2, .reason = "'g' is not a texture parameter"},
        {.name = "unknown state", .source = "technique T {\n pass P {\n  Sparkle = 1;\n }\n}\n", .line = 3,
         .reason = "unknown state 'Sparkle'"},
        {.name = "unknown value", .source = "technique T { pass P {\n CullMode = Sideways; } }\n", .line = 2,
         .reason = "'Sideways' is not a value of this state"},
        {.name = "index on a plain state", .source = "technique T { pass P { CullMode[1] = None; } }\n", .line = 1,
         .reason = "state 'CullMode' takes no index"},
        {.name = "stage out of range", .source = "technique T { pass P { ColorOp[8] = Modulate; } }\n", .line = 1,
         .reason = "index of 'ColorOp' must be 0 to 7"},
        {.name = "value from a parameter", .source = "bool b;\ntechnique T { pass P { AlphaBlendEnable = <b>; } }\n",
         .line = 2, .reason = "state values from parameters are not supported"},
        {.name = "profile", .source = "technique T { pass P {\n PixelShader = compile ps_3_0 Main(); } }\n", .line = 2,
         .reason = "profile 'ps_3_0' is not supported for PixelShader (use ps_2_0)"},
        {.name = "shader arguments", .source = "technique T { pass P { PixelShader = compile ps_2_0 Main(1); } }\n",
         .line = 1, .reason = "shader arguments are not supported"},
        {.name = "assembly", .source = "technique T { pass P { PixelShader = asm { ps_2_0 }; } }\n", .line = 1,
         .reason = "assembly shaders are not supported"},
        {.name = "no pass", .source = "technique T { }\n", .line = 1, .reason = "technique 'T' has no pass"},
        {.name = "technique twice", .source = "technique T { pass { } }\ntechnique T { pass { } }\n", .line = 2,
         .reason = "technique 'T' is declared twice"},
        {.name = "technique named as a parameter", .source = "float T;\ntechnique T { pass { } }\n", .line = 2,
         .reason = "technique 'T' has a parameter's name"},
        {.name = "effect 10", .source = "technique10 T { }\n", .line = 1, .reason = "'technique10' is not an fx_2_0 construct"},
        {.name = "function not closed", .source = "float4 Main() : COLOR0 {\n return 0;\n", .line = 1,
         .reason = "'{' is not closed"},
        {.name = "shader constant that is no parameter",
         .source = "texture SceneTex;\nsampler SceneSampler = sampler_state { Texture = <SceneTex>; };\n"
                   "technique T { pass P {\n PixelShader = compile ps_2_0 Tinted(); } }\n",
         .line = 4, .reason = "Tinted uses 'Tint', which is not a parameter of the effect"},
        {.name = "missing bytecode", .source = kDeclarations + "technique T { pass P { PixelShader = compile ps_2_0 Blur(); } }\n",
         .line = 0, .reason = "has no bytecode Effect.Blur.ps_2_0.d3dbc: run scripts/effects"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            fx::BuildEffectBinary(c.source, "Effect.fx", CommittedShader);
            ADD_FAILURE() << "accepted";
        } catch (const fx::EffectError& error) {
            EXPECT_EQ(error.Line(), c.line) << error.what();
            EXPECT_EQ(error.Reason(), c.reason);
        }
    }
}

TEST(EffectSource, WhatShadersAndStructsHoldIsSteppedOver) {
    const std::string source = kDeclarations +
        "struct In { float2 uv : TEXCOORD0; };\n"
        "static const float kHalf = 0.5;\n"
        "static float Helper(float x) { return x > 0.5 ? x * kHalf : -x; }\n"
        "float4 Tinted(In i) : COLOR0 { return tex2D(SceneSampler, i.uv) * Tint * Helper(1.0); }\n"
        "technique T { pass P { PixelShader = compile ps_2_0 Tinted(); VertexShader = null; } }\n";
    fx::EffectSource effect = fx::ParseEffectSource(source, "Effect.fx");
    EXPECT_EQ(effect.parameters.size(), 3u);
    EXPECT_NO_THROW(fx::BuildEffectBinary(source, "Effect.fx", CommittedShader));
}

TEST(EffectSource, AnIncludedFileStandsInItsPlaceAndEachIncludedFileIsListedOnce) {
    const std::string technique = "technique T { pass P {\n#include \"Pass.fxh\"\n } }\n";
    const fx::IncludeReader includes = IncludesFrom({
        {"Frame.fxh", "#include \"Tint.fxh\"\ntexture SceneTex;\n"
                      "sampler SceneSampler = sampler_state { Texture = <SceneTex>; };\n"},
        {"Tint.fxh", "float4 Tint;\n"},
        {"Pass.fxh", "// a pass body\nCullMode = None;\nPixelShader = compile ps_2_0 Tinted();\n"},
    });
    const std::string source = "#include \"Frame.fxh\"  // the frame\n" + technique +
                               "technique U { pass Q {\n#include \"Pass.fxh\"\n } }\n";
    const std::string inlined = kDeclarations + "technique T { pass P { CullMode = None; PixelShader = compile ps_2_0 Tinted(); } }\n"
                                "technique U { pass Q { CullMode = None; PixelShader = compile ps_2_0 Tinted(); } }\n";

    fx::EffectSource effect = fx::ParseEffectSource(source, "effects/Effect.fx", includes);
    EXPECT_EQ(effect.includes, (std::vector<std::string>{"Frame.fxh", "Tint.fxh", "Pass.fxh"}));
    ASSERT_EQ(effect.parameters.size(), 3u);
    EXPECT_EQ(effect.parameters[0].name, "Tint");
    ASSERT_EQ(effect.techniques.size(), 2u);
    EXPECT_EQ(effect.techniques[1].passes[0].states[0].file, "effects/Pass.fxh");
    EXPECT_EQ(effect.techniques[1].passes[0].states[0].line, 2);
    EXPECT_EQ(fx::BuildEffectBinary(source, "effects/Effect.fx", CommittedShader, includes),
              fx::BuildEffectBinary(inlined, "effects/Effect.fx", CommittedShader));
}

TEST(EffectSource, IncludesTheWriterCannotFollowAreRefusedWithTheirFileLineAndReason) {
    struct Case {
        const char* name;
        std::string source;
        std::map<std::string, std::string> files;
        const char* file;
        int line;
        const char* reason;
    };
    const Case cases[] = {
        {.name = "missing file", .source = "float a;\n#include \"Frame.fxh\"\n", .files = {},
         .file = "effects/Effect.fx", .line = 2, .reason = "'Frame.fxh' cannot be read"},
        {.name = "a folder in the name", .source = "#include \"../Frame.fxh\"\n", .files = {{"../Frame.fxh", ""}},
         .file = "effects/Effect.fx", .line = 1, .reason = "'../Frame.fxh' is not a file beside the source"},
        {.name = "angle brackets", .source = "#include <Frame.fxh>\n", .files = {{"Frame.fxh", ""}},
         .file = "effects/Effect.fx", .line = 1, .reason = "#include names a file in double quotes"},
        {.name = "unclosed name", .source = "#include \"Frame.fxh\nfloat a;\n", .files = {{"Frame.fxh", ""}},
         .file = "effects/Effect.fx", .line = 1, .reason = "#include names a file in double quotes"},
        {.name = "text after the name", .source = "#include \"Frame.fxh\" float a;\n", .files = {{"Frame.fxh", ""}},
         .file = "effects/Effect.fx", .line = 1, .reason = "unexpected text after #include"},
        {.name = "a file that includes itself", .source = "#include \"Loop.fxh\"\n",
         .files = {{"Loop.fxh", "#include \"Loop.fxh\"\n"}}, .file = "effects/Loop.fxh", .line = 1,
         .reason = "includes nest more than 8 deep"},
        {.name = "a fault inside the included file", .source = "float a;\n#include \"Frame.fxh\"\nfloat b;\n",
         .files = {{"Frame.fxh", "float c;\n\nhalf4 d;\n"}}, .file = "effects/Frame.fxh", .line = 3,
         .reason = "unsupported parameter type 'half4'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            fx::ParseEffectSource(c.source, "effects/Effect.fx", IncludesFrom(c.files));
            ADD_FAILURE() << "accepted";
        } catch (const fx::EffectError& error) {
            EXPECT_EQ(error.File(), c.file) << error.what();
            EXPECT_EQ(error.Line(), c.line) << error.what();
            EXPECT_EQ(error.Reason(), c.reason);
        }
    }
}

}  // namespace
