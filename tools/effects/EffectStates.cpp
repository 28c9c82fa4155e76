#include "EffectStates.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <vector>

namespace fx {

namespace {

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

struct NamedState {
    const char* name;
    ValueKind kind;
};

using K = ValueKind;

// D3DRENDERSTATETYPE from ZENABLE to BLENDOPALPHA: the position is the operation id.
constexpr std::array<NamedState, 103> kRenderStates{{
    {"ZEnable", K::ZBuffer}, {"FillMode", K::Fill}, {"ShadeMode", K::Shade},
    {"ZWriteEnable", K::Bool}, {"AlphaTestEnable", K::Bool}, {"LastPixel", K::Bool},
    {"SrcBlend", K::Blend}, {"DestBlend", K::Blend}, {"CullMode", K::Cull}, {"ZFunc", K::Cmp},
    {"AlphaRef", K::Int}, {"AlphaFunc", K::Cmp}, {"DitherEnable", K::Bool},
    {"AlphaBlendEnable", K::Bool}, {"FogEnable", K::Bool}, {"SpecularEnable", K::Bool},
    {"FogColor", K::Int}, {"FogTableMode", K::Int}, {"FogStart", K::Float}, {"FogEnd", K::Float},
    {"FogDensity", K::Float}, {"RangeFogEnable", K::Bool}, {"StencilEnable", K::Bool},
    {"StencilFail", K::StencilOp}, {"StencilZFail", K::StencilOp}, {"StencilPass", K::StencilOp},
    {"StencilFunc", K::Cmp}, {"StencilRef", K::Int}, {"StencilMask", K::Int},
    {"StencilWriteMask", K::Int}, {"TextureFactor", K::Int}, {"Wrap0", K::Int},
    {"Wrap1", K::Int}, {"Wrap2", K::Int}, {"Wrap3", K::Int}, {"Wrap4", K::Int}, {"Wrap5", K::Int},
    {"Wrap6", K::Int}, {"Wrap7", K::Int}, {"Wrap8", K::Int}, {"Wrap9", K::Int},
    {"Wrap10", K::Int}, {"Wrap11", K::Int}, {"Wrap12", K::Int}, {"Wrap13", K::Int},
    {"Wrap14", K::Int}, {"Wrap15", K::Int}, {"Clipping", K::Bool}, {"Lighting", K::Bool},
    {"Ambient", K::Int}, {"FogVertexMode", K::Int}, {"ColorVertex", K::Bool},
    {"LocalViewer", K::Bool}, {"NormalizeNormals", K::Bool}, {"DiffuseMaterialSource", K::Int},
    {"SpecularMaterialSource", K::Int}, {"AmbientMaterialSource", K::Int},
    {"EmissiveMaterialSource", K::Int}, {"VertexBlend", K::Int}, {"ClipPlaneEnable", K::Int},
    {"PointSize", K::Float}, {"PointSize_Min", K::Float}, {"PointSize_Max", K::Float},
    {"PointSpriteEnable", K::Bool}, {"PointScaleEnable", K::Bool}, {"PointScale_A", K::Float},
    {"PointScale_B", K::Float}, {"PointScale_C", K::Float}, {"MultiSampleAntialias", K::Bool},
    {"MultiSampleMask", K::Int}, {"PatchEdgeStyle", K::Int}, {"DebugMonitorToken", K::Int},
    {"IndexedVertexBlendEnable", K::Bool}, {"ColorWriteEnable", K::ColorWrite},
    {"TweenFactor", K::Float}, {"BlendOp", K::BlendOp}, {"PositionDegree", K::Int},
    {"NormalDegree", K::Int}, {"ScissorTestEnable", K::Bool}, {"SlopeScaleDepthBias", K::Float},
    {"AntialiasedLineEnable", K::Bool}, {"MinTessellationLevel", K::Float},
    {"MaxTessellationLevel", K::Float}, {"AdaptiveTess_X", K::Float},
    {"AdaptiveTess_Y", K::Float}, {"AdaptiveTess_Z", K::Float}, {"AdaptiveTess_W", K::Float},
    {"EnableAdaptiveTessellation", K::Bool}, {"TwoSidedStencilMode", K::Bool},
    {"CCW_StencilFail", K::StencilOp}, {"CCW_StencilZFail", K::StencilOp},
    {"CCW_StencilPass", K::StencilOp}, {"CCW_StencilFunc", K::Cmp},
    {"ColorWriteEnable1", K::ColorWrite}, {"ColorWriteEnable2", K::ColorWrite},
    {"ColorWriteEnable3", K::ColorWrite}, {"BlendFactor", K::Int}, {"SRGBWriteEnable", K::Bool},
    {"DepthBias", K::Float}, {"SeparateAlphaBlendEnable", K::Bool},
    {"SrcBlendAlpha", K::Blend}, {"DestBlendAlpha", K::Blend}, {"BlendOpAlpha", K::BlendOp},
}};

// D3DTEXTURESTAGESTATETYPE in order, after the render states; indexed by stage.
constexpr uint32_t kTextureStageFirst = 0x67;
constexpr std::array<NamedState, 18> kTextureStageStates{{
    {"ColorOp", K::TextureOp}, {"ColorArg0", K::TextureArg}, {"ColorArg1", K::TextureArg},
    {"ColorArg2", K::TextureArg}, {"AlphaOp", K::TextureOp}, {"AlphaArg0", K::TextureArg},
    {"AlphaArg1", K::TextureArg}, {"AlphaArg2", K::TextureArg}, {"ResultArg", K::TextureArg},
    {"BumpEnvMat00", K::Float}, {"BumpEnvMat01", K::Float}, {"BumpEnvMat10", K::Float},
    {"BumpEnvMat11", K::Float}, {"TexCoordIndex", K::Int}, {"BumpEnvLScale", K::Float},
    {"BumpEnvLOffset", K::Float}, {"TextureTransformFlags", K::Int}, {"Constant", K::Int},
}};

// The sampler states, after Texture, as a sampler_state assigns them.
constexpr uint32_t kSamplerStateFirst = kTextureOperation + 1;
constexpr std::array<NamedState, 13> kSamplerStates{{
    {"AddressU", K::Address}, {"AddressV", K::Address}, {"AddressW", K::Address},
    {"BorderColor", K::Int}, {"MagFilter", K::Filter}, {"MinFilter", K::Filter},
    {"MipFilter", K::Filter}, {"MipMapLodBias", K::Float}, {"MaxMipLevel", K::Int},
    {"MaxAnisotropy", K::Int}, {"SRGBTexture", K::Bool}, {"ElementIndex", K::Int},
    {"DMAPOffset", K::Int},
}};

constexpr StateInfo kVertexShader{kVertexShaderOperation, K::Shader, 1};
constexpr StateInfo kPixelShader{kPixelShaderOperation, K::Shader, 1};
constexpr StateInfo kPassTexture{kTextureOperation, K::Texture, 8};
constexpr StateInfo kSamplerTexture{kTextureOperation, K::Texture, 1};

template <size_t N>
std::optional<StateInfo> FindIn(const std::array<NamedState, N>& table, std::string_view name,
                                uint32_t first, uint32_t indexCount) {
    for (size_t i = 0; i < N; ++i)
        if (SameName(table[i].name, name))
            return StateInfo{first + uint32_t(i), table[i].kind, indexCount};
    return std::nullopt;
}

struct NamedValueEntry {
    const char* name;
    uint32_t value;
};
using ValueTable = std::vector<NamedValueEntry>;

const ValueTable& ValuesOf(ValueKind kind) {
    static const ValueTable none;
    static const ValueTable boolValues{{"false", 0}, {"true", 1}};
    static const ValueTable zbuffer{{"false", 0}, {"true", 1}, {"UseW", 2}};
    static const ValueTable blend{
        {"Zero", 1}, {"One", 2}, {"SrcColor", 3}, {"InvSrcColor", 4}, {"SrcAlpha", 5},
        {"InvSrcAlpha", 6}, {"DestAlpha", 7}, {"InvDestAlpha", 8}, {"DestColor", 9},
        {"InvDestColor", 10}, {"SrcAlphaSat", 11}, {"BothSrcAlpha", 12}, {"BothInvSrcAlpha", 13},
        {"BlendFactor", 14}, {"InvBlendFactor", 15}};
    static const ValueTable blendOp{
        {"Add", 1}, {"Subtract", 2}, {"RevSubtract", 3}, {"Min", 4}, {"Max", 5}};
    static const ValueTable cull{{"None", 1}, {"CW", 2}, {"CCW", 3}};
    static const ValueTable cmp{{"Never", 1}, {"Less", 2}, {"Equal", 3}, {"LessEqual", 4},
                                {"Greater", 5}, {"NotEqual", 6}, {"GreaterEqual", 7},
                                {"Always", 8}};
    static const ValueTable fill{{"Point", 1}, {"Wireframe", 2}, {"Solid", 3}};
    static const ValueTable shade{{"Flat", 1}, {"Gouraud", 2}, {"Phong", 3}};
    static const ValueTable stencilOp{{"Keep", 1}, {"Zero", 2}, {"Replace", 3}, {"IncrSat", 4},
                                      {"DecrSat", 5}, {"Invert", 6}, {"Incr", 7}, {"Decr", 8}};
    static const ValueTable colorWrite{{"Red", 1}, {"Green", 2}, {"Blue", 4}, {"Alpha", 8}};
    static const ValueTable address{{"Wrap", 1}, {"Mirror", 2}, {"Clamp", 3}, {"Border", 4},
                                    {"MirrorOnce", 5}};
    static const ValueTable filter{{"None", 0}, {"Point", 1}, {"Linear", 2}, {"Anisotropic", 3},
                                   {"PyramidalQuad", 6}, {"GaussianQuad", 7}};
    static const ValueTable textureOp{
        {"Disable", 1}, {"SelectArg1", 2}, {"SelectArg2", 3}, {"Modulate", 4},
        {"Modulate2x", 5}, {"Modulate4x", 6}, {"Add", 7}, {"AddSigned", 8}, {"AddSigned2x", 9},
        {"Subtract", 10}, {"AddSmooth", 11}, {"BlendDiffuseAlpha", 12},
        {"BlendTextureAlpha", 13}, {"BlendFactorAlpha", 14}, {"BlendTextureAlphaPM", 15},
        {"BlendCurrentAlpha", 16}, {"PreModulate", 17}, {"ModulateAlpha_AddColor", 18},
        {"ModulateColor_AddAlpha", 19}, {"ModulateInvAlpha_AddColor", 20},
        {"ModulateInvColor_AddAlpha", 21}, {"BumpEnvMap", 22}, {"BumpEnvMapLuminance", 23},
        {"DotProduct3", 24}, {"MultiplyAdd", 25}, {"Lerp", 26}};
    static const ValueTable textureArg{{"Diffuse", 0}, {"Current", 1}, {"Texture", 2},
                                       {"TFactor", 3}, {"Specular", 4}, {"Temp", 5},
                                       {"Constant", 6}};
    switch (kind) {
        case K::Bool: return boolValues;
        case K::ZBuffer: return zbuffer;
        case K::Blend: return blend;
        case K::BlendOp: return blendOp;
        case K::Cull: return cull;
        case K::Cmp: return cmp;
        case K::Fill: return fill;
        case K::Shade: return shade;
        case K::StencilOp: return stencilOp;
        case K::ColorWrite: return colorWrite;
        case K::Address: return address;
        case K::Filter: return filter;
        case K::TextureOp: return textureOp;
        case K::TextureArg: return textureArg;
        default: return none;
    }
}

}  // namespace

std::optional<StateInfo> FindState(std::string_view name, StateScope scope) {
    if (scope == StateScope::Sampler) {
        if (SameName(name, "Texture")) return kSamplerTexture;
        return FindIn(kSamplerStates, name, kSamplerStateFirst, 1);
    }
    if (SameName(name, "VertexShader")) return kVertexShader;
    if (SameName(name, "PixelShader")) return kPixelShader;
    if (SameName(name, "Texture")) return kPassTexture;
    if (auto state = FindIn(kRenderStates, name, 0, 1)) return state;
    return FindIn(kTextureStageStates, name, kTextureStageFirst, 8);
}

std::optional<uint32_t> NamedValue(ValueKind kind, std::string_view name) {
    for (const NamedValueEntry& entry : ValuesOf(kind))
        if (SameName(entry.name, name)) return entry.value;
    return std::nullopt;
}

}  // namespace fx
