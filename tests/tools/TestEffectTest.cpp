// The tool chain's test effect as the build writes it, run by D3DX on a real device: loaded
// through the resource manager (module and id) and from its bytes, read back, drawn through
// each technique and compared with the shader's arithmetic, its pass states, and a reset.
#include <gtest/gtest.h>

#include <d3dx9.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "TestDevice.h"
#include "base/ComHolder.h"
#include "base/CurrentDevice.h"
#include "document/ModuleResource.h"
#include "document/QV_DocResManager.h"
#include "base/RenderTargetPair.h"

namespace {

const wchar_t kModule[] = L"test_effects.dll";
constexpr int kEffectId = 1;
constexpr UINT kSize = 64;

using Color = std::array<float, 4>;  // r, g, b, a

// The 2 × 2 picture the effect samples, texel by texel (top left, top right, bottom left,
// bottom right), and the pixel at the centre of each quarter of the target.
const std::array<Color, 4> kTexels{{
    {204 / 255.f, 102 / 255.f, 153 / 255.f, 1.f},
    {51 / 255.f, 153 / 255.f, 102 / 255.f, 1.f},
    {1.f, 0.f, 128 / 255.f, 1.f},
    {0.f, 1.f, 64 / 255.f, 1.f},
}};
const std::array<POINT, 4> kQuarterCentres{{{16, 16}, {48, 16}, {16, 48}, {48, 48}}};

// The effect's defaults: the colour matrix rotates the channels (r, g, b) to (b, r, g).
const D3DXMATRIX kRotation(0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 1);
const D3DXVECTOR4 kDefaultTint(0.25f, 0.5f, 0.75f, 1.f);
constexpr float kDefaultGain = 0.5f;

struct EffectInputs {
    D3DXVECTOR4 tint = kDefaultTint;
    float gain = kDefaultGain;
    D3DXMATRIX matrix = kRotation;
};

float Saturate(float v) { return std::clamp(v, 0.f, 1.f); }

// The shaders' arithmetic in the test effect, pass by pass, with the blending of the passes.
Color Tinted(const Color& c, const EffectInputs& in) {
    return {c[0] * in.tint.x, c[1] * in.tint.y, c[2] * in.tint.z, c[3] * in.tint.w};
}
Color Transformed(const Color& c, const EffectInputs& in) {
    Color out{};
    for (int j = 0; j < 4; ++j) {
        for (int i = 0; i < 4; ++i) out[j] += c[i] * in.matrix(i, j);
        out[j] *= in.gain;
    }
    return out;
}
Color Swizzled(const Color& c, const EffectInputs& in) {
    return {c[2] * in.tint.w, c[1] * in.tint.z, c[0] * in.tint.y, c[3] * in.tint.x};
}
// Layered: Base replaces the target, then Over is subtracted from it (RevSubtract, One, One).
Color Layered(const Color& c, const EffectInputs& in) {
    Color base = Transformed(c, in), over = Swizzled(c, in), out{};
    for (int k = 0; k < 4; ++k) out[k] = Saturate(Saturate(base[k]) - Saturate(over[k]));
    return out;
}

uint32_t ToPixel(const Color& c) {
    auto channel = [](float v) { return uint32_t(Saturate(v) * 255.f + 0.5f); };
    return 0xFF000000u | channel(c[0]) << 16 | channel(c[1]) << 8 | channel(c[2]);
}

struct Vertex {
    float x, y, z, rhw, u, v;
};

class TestEffectTest : public ::testing::Test {
protected:
    void SetUp() override {
        VG_REQUIRE_DEVICE(device_);
        CurrentDevice = device_.Device();
        module_ = LoadLibraryW(kModule);
        ASSERT_NE(module_, nullptr) << "test_effects.dll is not beside the test";
        MakePicture();
    }
    void TearDown() override { CurrentDevice = nullptr; }

    IDirect3DDevice9* Device() { return device_.Device(); }

    void MakePicture() {
        ASSERT_EQ(Device()->CreateTexture(2, 2, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED,
                                          picture_.Receive(), nullptr), D3D_OK);
        D3DLOCKED_RECT locked;
        ASSERT_EQ(picture_->LockRect(0, &locked, nullptr, 0), D3D_OK);
        for (int i = 0; i < 4; ++i) {
            auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(locked.pBits) + (i / 2) * locked.Pitch);
            const Color& c = kTexels[i];
            row[i % 2] = uint32_t(c[3] * 255 + 0.5f) << 24 | (ToPixel(c) & 0xFFFFFF);
        }
        picture_->UnlockRect(0);
    }

    // The effect straight from the module's resource bytes.
    ComHolder<ID3DXEffect> EffectFromBytes() {
        ModuleResource resource = FindModuleResource(module_, kEffectId, RT_RCDATA);
        ComHolder<ID3DXEffect> effect;
        ComHolder<ID3DXBuffer> errors;
        EXPECT_NE(resource.bytes, nullptr);
        if (!resource.bytes) return effect;
        EXPECT_EQ(D3DXCreateEffect(Device(), resource.bytes, resource.size, nullptr, nullptr, 0,
                                   nullptr, effect.Receive(), errors.Receive()), D3D_OK)
            << (errors ? static_cast<const char*>(errors->GetBufferPointer()) : "");
        return effect;
    }

    // A black target, then a quad over all of it through every pass of the technique.
    std::vector<uint32_t> Draw(ID3DXEffect* effect, const char* technique, const EffectInputs& in) {
        Device()->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.f, 0);
        Device()->BeginScene();
        EXPECT_EQ(effect->SetTechnique(technique), D3D_OK);
        effect->SetVector("Tint", &in.tint);
        effect->SetFloat("Gain", in.gain);
        effect->SetMatrix("ColorMatrix", &in.matrix);
        effect->SetTexture("SceneTex", picture_.Get());
        const float edge = float(kSize) - 0.5f;
        const Vertex quad[4] = {{-0.5f, -0.5f, 0, 1, 0, 0}, {edge, -0.5f, 0, 1, 1, 0},
                                {-0.5f, edge, 0, 1, 0, 1}, {edge, edge, 0, 1, 1, 1}};
        UINT passes = 0;
        EXPECT_EQ(effect->Begin(&passes, 0), D3D_OK);
        for (UINT p = 0; p < passes; ++p) {
            effect->BeginPass(p);
            Device()->SetVertexShader(nullptr);
            Device()->SetFVF(D3DFVF_XYZRHW | D3DFVF_TEX1);
            Device()->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(Vertex));
            effect->EndPass();
        }
        effect->End();
        Device()->EndScene();
        return device_.ReadBack();
    }

    void ExpectQuarters(const std::vector<uint32_t>& pixels, Color (*shader)(const Color&, const EffectInputs&),
                        const EffectInputs& in) {
        ASSERT_EQ(pixels.size(), size_t(kSize * kSize));
        for (int q = 0; q < 4; ++q) {
            uint32_t expected = ToPixel(shader(kTexels[q], in));
            uint32_t actual = pixels[kQuarterCentres[q].y * kSize + kQuarterCentres[q].x] | 0xFF000000u;
            EXPECT_LE(vgtest::ChannelDistance(actual, expected), 2)
                << "quarter " << q << ": got " << std::hex << actual << ", expected " << expected;
        }
    }

    vgtest::TestDevice device_{kSize, kSize};
    HMODULE module_ = nullptr;
    ComHolder<IDirect3DTexture9> picture_;
};

TEST_F(TestEffectTest, LoadsThroughTheResourceManagerByModuleAndIdAndFromItsBytes) {
    QV_DocResManager manager;
    const FileKey link(kModule, kEffectId);
    ComHolder<ID3DXEffect> first = manager.GetEffect(link);
    ASSERT_NE(first.Get(), nullptr);
    ComHolder<ID3DXEffect> second = manager.GetEffect(link);
    EXPECT_EQ(first.Get(), second.Get());
    ASSERT_EQ(manager.Storage().store.at(link).size(), 1u);
    EXPECT_NE(manager.Storage().store.at(link).back().Bytes(), nullptr);

    ComHolder<ID3DXEffect> fromBytes = EffectFromBytes();
    ASSERT_TRUE(fromBytes);
    D3DXEFFECT_DESC desc;
    ASSERT_EQ(fromBytes->GetDesc(&desc), D3D_OK);
    EXPECT_EQ(desc.Parameters, 6u);
    EXPECT_EQ(desc.Techniques, 2u);
}

TEST_F(TestEffectTest, ParametersWithTheirTypesSemanticsAndDefaultsReadBack) {
    ComHolder<ID3DXEffect> effect = EffectFromBytes();
    ASSERT_TRUE(effect);
    struct Case {
        const char* name;
        D3DXPARAMETER_CLASS cls;
        D3DXPARAMETER_TYPE type;
        UINT rows, columns;
        const char* semantic;
        UINT annotations;
    };
    const Case cases[] = {
        {.name = "ColorMatrix", .cls = D3DXPC_MATRIX_ROWS, .type = D3DXPT_FLOAT, .rows = 4, .columns = 4,
         .semantic = "COLORTRANSFORM", .annotations = 1},
        {.name = "Tint", .cls = D3DXPC_VECTOR, .type = D3DXPT_FLOAT, .rows = 1, .columns = 4,
         .semantic = "DIFFUSE", .annotations = 3},
        {.name = "Gain", .cls = D3DXPC_SCALAR, .type = D3DXPT_FLOAT, .rows = 1, .columns = 1,
         .semantic = nullptr, .annotations = 2},
        {.name = "Unused", .cls = D3DXPC_SCALAR, .type = D3DXPT_INT, .rows = 1, .columns = 1,
         .semantic = nullptr, .annotations = 0},
        {.name = "SceneTex", .cls = D3DXPC_OBJECT, .type = D3DXPT_TEXTURE, .rows = 0, .columns = 0,
         .semantic = nullptr, .annotations = 1},
        {.name = "SceneSampler", .cls = D3DXPC_OBJECT, .type = D3DXPT_SAMPLER, .rows = 0, .columns = 0,
         .semantic = nullptr, .annotations = 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        D3DXHANDLE handle = effect->GetParameterByName(nullptr, c.name);
        ASSERT_NE(handle, nullptr);
        D3DXPARAMETER_DESC desc;
        ASSERT_EQ(effect->GetParameterDesc(handle, &desc), D3D_OK);
        EXPECT_EQ(desc.Class, c.cls);
        EXPECT_EQ(desc.Type, c.type);
        EXPECT_EQ(desc.Rows, c.rows);
        EXPECT_EQ(desc.Columns, c.columns);
        EXPECT_STREQ(desc.Semantic, c.semantic);
        EXPECT_EQ(desc.Annotations, c.annotations);
    }

    D3DXMATRIX matrix;
    ASSERT_EQ(effect->GetMatrix("ColorMatrix", &matrix), D3D_OK);
    EXPECT_EQ(matrix, kRotation);
    D3DXVECTOR4 tint;
    ASSERT_EQ(effect->GetVector("Tint", &tint), D3D_OK);
    EXPECT_EQ(tint, kDefaultTint);
    float gain = 0;
    ASSERT_EQ(effect->GetFloat("Gain", &gain), D3D_OK);
    EXPECT_EQ(gain, kDefaultGain);
    INT unused = 0;
    ASSERT_EQ(effect->GetInt("Unused", &unused), D3D_OK);
    EXPECT_EQ(unused, -3);
}

TEST_F(TestEffectTest, AnnotationsOfParametersTechniquesAndPassesReadBack) {
    ComHolder<ID3DXEffect> effect = EffectFromBytes();
    ASSERT_TRUE(effect);
    D3DXHANDLE tinting = effect->GetTechniqueByName("Tinting");
    D3DXHANDLE layered = effect->GetTechniqueByName("Layered");
    ASSERT_NE(tinting, nullptr);
    ASSERT_NE(layered, nullptr);
    D3DXHANDLE base = effect->GetPass(layered, 0);

    struct StringCase {
        D3DXHANDLE owner;
        const char* annotation;
        const char* text;
    };
    const StringCase strings[] = {
        {.owner = effect->GetParameterByName(nullptr, "ColorMatrix"), .annotation = "UIName", .text = "Colour matrix"},
        {.owner = effect->GetParameterByName(nullptr, "SceneTex"), .annotation = "ResourceName", .text = "scene"},
        {.owner = tinting, .annotation = "Purpose", .text = "tint the picture"},
    };
    for (const StringCase& c : strings) {
        SCOPED_TRACE(c.annotation);
        LPCSTR text = nullptr;
        ASSERT_EQ(effect->GetString(effect->GetAnnotationByName(c.owner, c.annotation), &text), D3D_OK);
        EXPECT_STREQ(text, c.text);
    }

    struct NumberCase {
        D3DXHANDLE owner;
        const char* annotation;
        std::vector<float> values;
    };
    D3DXHANDLE tint = effect->GetParameterByName(nullptr, "Tint");
    D3DXHANDLE gain = effect->GetParameterByName(nullptr, "Gain");
    const NumberCase numbers[] = {
        {.owner = tint, .annotation = "UIMin", .values = {0.f}},
        {.owner = tint, .annotation = "UIMax", .values = {1.f}},
        {.owner = tint, .annotation = "Steps", .values = {4.f}},
        {.owner = gain, .annotation = "Visible", .values = {1.f}},
        {.owner = gain, .annotation = "Range", .values = {0.f, 2.f}},
        {.owner = base, .annotation = "Order", .values = {1.f}},
    };
    for (const NumberCase& c : numbers) {
        SCOPED_TRACE(c.annotation);
        std::vector<float> values(c.values.size());
        ASSERT_EQ(effect->GetFloatArray(effect->GetAnnotationByName(c.owner, c.annotation), values.data(),
                                        UINT(values.size())), D3D_OK);
        EXPECT_EQ(values, c.values);
    }
}

TEST_F(TestEffectTest, TechniquesWithTheirPassesValidate) {
    ComHolder<ID3DXEffect> effect = EffectFromBytes();
    ASSERT_TRUE(effect);
    struct Case {
        const char* technique;
        std::vector<std::string> passes;
    };
    const Case cases[] = {{.technique = "Tinting", .passes = {"Only"}},
                          {.technique = "Layered", .passes = {"Base", "Over"}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.technique);
        D3DXHANDLE technique = effect->GetTechniqueByName(c.technique);
        D3DXTECHNIQUE_DESC desc;
        ASSERT_EQ(effect->GetTechniqueDesc(technique, &desc), D3D_OK);
        ASSERT_EQ(desc.Passes, c.passes.size());
        for (UINT p = 0; p < desc.Passes; ++p) {
            D3DXPASS_DESC pass;
            ASSERT_EQ(effect->GetPassDesc(effect->GetPass(technique, p), &pass), D3D_OK);
            EXPECT_EQ(pass.Name, c.passes[p]);
            EXPECT_NE(pass.pPixelShaderFunction, nullptr);
        }
        EXPECT_EQ(effect->ValidateTechnique(technique), D3D_OK);
    }
}

TEST_F(TestEffectTest, EachTechniqueDrawsTheShadersArithmetic) {
    ComHolder<ID3DXEffect> effect = EffectFromBytes();
    ASSERT_TRUE(effect);
    D3DXMATRIX identity;
    D3DXMatrixIdentity(&identity);
    struct Case {
        const char* name;
        const char* technique;
        Color (*shader)(const Color&, const EffectInputs&);
        EffectInputs inputs;
    };
    const Case cases[] = {
        {.name = "tint, defaults", .technique = "Tinting", .shader = Tinted, .inputs = {}},
        {.name = "tint set", .technique = "Tinting", .shader = Tinted,
         .inputs = {.tint = D3DXVECTOR4(1.f, 0.5f, 0.25f, 1.f)}},
        {.name = "two passes, defaults", .technique = "Layered", .shader = Layered, .inputs = {}},
        {.name = "two passes, gain and tint set", .technique = "Layered", .shader = Layered,
         .inputs = {.tint = D3DXVECTOR4(0.5f, 0.25f, 0.5f, 0.25f), .gain = 1.f}},
        {.name = "two passes, identity matrix", .technique = "Layered", .shader = Layered,
         .inputs = {.tint = D3DXVECTOR4(0.25f, 0.25f, 0.25f, 0.25f), .gain = 1.f, .matrix = identity}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectQuarters(Draw(effect.Get(), c.technique, c.inputs), c.shader, c.inputs);
    }
}

TEST_F(TestEffectTest, PassStatesReachTheDeviceAndEndRestoresThem) {
    ComHolder<ID3DXEffect> effect = EffectFromBytes();
    ASSERT_TRUE(effect);
    struct State {
        D3DRENDERSTATETYPE state;
        DWORD before, inPass;
    };
    const State states[] = {
        {D3DRS_ALPHABLENDENABLE, FALSE, TRUE},
        {D3DRS_SRCBLEND, D3DBLEND_SRCALPHA, D3DBLEND_ONE},
        {D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA, D3DBLEND_ONE},
        {D3DRS_BLENDOP, D3DBLENDOP_ADD, D3DBLENDOP_REVSUBTRACT},
        {D3DRS_CULLMODE, D3DCULL_CW, D3DCULL_CCW},
        {D3DRS_COLORWRITEENABLE, 0xF, 0x7},
    };
    for (const State& s : states) Device()->SetRenderState(s.state, s.before);
    Device()->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
    Device()->SetSamplerState(0, D3DSAMP_ADDRESSU, D3DTADDRESS_WRAP);

    ASSERT_EQ(effect->SetTechnique("Layered"), D3D_OK);
    effect->SetTexture("SceneTex", picture_.Get());
    UINT passes = 0;
    ASSERT_EQ(effect->Begin(&passes, 0), D3D_OK);
    ASSERT_EQ(effect->BeginPass(1), D3D_OK);
    for (const State& s : states) {
        DWORD value = 0;
        Device()->GetRenderState(s.state, &value);
        EXPECT_EQ(value, s.inPass) << "render state " << s.state;
    }
    DWORD filter = 0, address = 0;
    Device()->GetSamplerState(0, D3DSAMP_MINFILTER, &filter);
    Device()->GetSamplerState(0, D3DSAMP_ADDRESSU, &address);
    EXPECT_EQ(filter, DWORD(D3DTEXF_POINT));
    EXPECT_EQ(address, DWORD(D3DTADDRESS_CLAMP));
    ComHolder<IDirect3DBaseTexture9> bound;
    Device()->GetTexture(0, bound.Receive());
    EXPECT_EQ(bound.Get(), static_cast<IDirect3DBaseTexture9*>(picture_.Get()));
    ComHolder<IDirect3DPixelShader9> shader;
    Device()->GetPixelShader(shader.Receive());
    EXPECT_TRUE(shader);
    effect->EndPass();
    effect->End();

    for (const State& s : states) {
        DWORD value = 0;
        Device()->GetRenderState(s.state, &value);
        EXPECT_EQ(value, s.before) << "render state " << s.state;
    }
    Device()->GetSamplerState(0, D3DSAMP_MINFILTER, &filter);
    EXPECT_EQ(filter, DWORD(D3DTEXF_LINEAR));
    shader.Reset();
    Device()->GetPixelShader(shader.Receive());
    EXPECT_FALSE(shader);
}

// Wine 8's OnResetDevice is a stub that fails with E_NOTIMPL; the effect draws all the same.
TEST_F(TestEffectTest, DrawsTheSameAfterADeviceReset) {
    ComHolder<ID3DXEffect> effect = EffectFromBytes();
    ASSERT_TRUE(effect);
    const EffectInputs defaults;
    ExpectQuarters(Draw(effect.Get(), "Layered", defaults), Layered, defaults);

    effect->OnLostDevice();
    ASSERT_EQ(device_.Reset(), D3D_OK);
    HRESULT reset = effect->OnResetDevice();
    EXPECT_TRUE(reset == D3D_OK || reset == E_NOTIMPL) << std::hex << reset;
    ExpectQuarters(Draw(effect.Get(), "Layered", defaults), Layered, defaults);
}

// The manager's reset goes on past an effect that fails to reset: the shared render targets
// after it are made again, and the effect still draws.
TEST_F(TestEffectTest, TheManagersResetGoesOnPastAnEffectThatFailsToReset) {
    QV_DocResManager manager;
    ComHolder<ID3DXEffect> effect = manager.GetEffect(FileKey(kModule, kEffectId));
    ASSERT_TRUE(effect);
    RenderTargetPair& pair = manager.GetGuidImage(GuidKey());
    ASSERT_NE(pair.Current().Get(), nullptr);

    manager.OnLostDevice();
    EXPECT_EQ(pair.Current().Get(), nullptr);
    ASSERT_EQ(device_.Reset(), D3D_OK);
    manager.OnResetDevice();
    EXPECT_NE(pair.Current().Get(), nullptr);
    const EffectInputs defaults;
    ExpectQuarters(Draw(effect.Get(), "Tinting", defaults), Tinted, defaults);
}

}  // namespace
