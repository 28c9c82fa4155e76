// Fire (module id 92), the one effect with a vertex shader: the mesh is placed by
// "WorldViewProj", and each vertex carries three noise coordinates scrolled upwards by "c11",
// "c12" and "c13". The noise bends the flame "Pattern" (bright where v is 1, at the bottom)
// and thins it; the heat runs from "ColorK1" to "ColorK1" + "ColorK2". "Main" fades it with
// "Brightness" and "Density" inside the mask, read at the vertex's place on the screen
// ("bg_scale_factor"); "AsEffect" is the flame background's: fixed red to yellow, no mask.

float4x4 WorldViewProj;
float4x4 ViewProj;
float2 c11;
float2 c12;
float2 c13;
float3 ColorK1;
float3 ColorK2;
float2 bg_scale_factor;
float Brightness;
float Density;
texture Noise;
texture Pattern;

sampler NoiseSampler = sampler_state {
    Texture = <Noise>;
    MinFilter = Linear;
    MagFilter = Linear;
    MipFilter = None;
    AddressU = Wrap;
    AddressV = Wrap;
};
// The pattern tiles across but not up: wrapped, the noise's bend would fetch its bright
// foot at the top of the band, a glowing line above the flames.
sampler PatternSampler = sampler_state {
    Texture = <Pattern>;
    MinFilter = Linear;
    MagFilter = Linear;
    MipFilter = None;
    AddressU = Wrap;
    AddressV = Clamp;
};

#include "BrushFrame.fxh"

struct FireTexels {
    float2 uv : TEXCOORD0;
    float2 noise1 : TEXCOORD1;
    float2 noise2 : TEXCOORD2;
    float2 noise3 : TEXCOORD3;
    float2 screen : TEXCOORD4;
};

struct FireVertex {
    float4 position : POSITION;
    float2 uv : TEXCOORD0;
    float2 noise1 : TEXCOORD1;
    float2 noise2 : TEXCOORD2;
    float2 noise3 : TEXCOORD3;
    float2 screen : TEXCOORD4;
};

FireVertex Place(float4 position : POSITION, float2 uv : TEXCOORD0) {
    FireVertex v;
    v.position = mul(position, WorldViewProj);
    v.uv = uv;
    v.noise1 = uv + c11;
    v.noise2 = uv * 2.0 + c12;
    v.noise3 = uv * 3.0 + c13;
    v.screen = (v.position.xy / v.position.w * float2(0.5, -0.5) + 0.5) * bg_scale_factor;
    return v;
}

float Heat(FireTexels v) {
    float n = (tex2D(NoiseSampler, v.noise1).r + tex2D(NoiseSampler, v.noise2).r + tex2D(NoiseSampler, v.noise3).r) / 3.0;
    float flame = tex2D(PatternSampler, v.uv + float2(0.0, (n - 0.5) * 0.25)).r;
    return saturate(flame * (0.5 + n) * 1.25);
}

float4 Flames(FireTexels v) : COLOR0 {
    float heat = Heat(v);
    float alpha = saturate((heat + Density) * (1.0 + Brightness));
    return float4(ColorK1 + ColorK2 * heat, alpha * MaskAt(v.screen));
}

float4 FlamesAlone(FireTexels v) : COLOR0 {
    float heat = Heat(v);
    return float4(float3(1.0, 0.15, 0.0) + float3(0.0, 0.85, 0.3) * heat * heat, saturate(heat * 1.3));
}

technique Main {
    pass Burn {
#include "OverPictureStates.fxh"
        VertexShader = compile vs_2_0 Place();
        PixelShader = compile ps_2_0 Flames();
    }
}

technique AsEffect {
    pass Burn {
#include "OverPictureStates.fxh"
        VertexShader = compile vs_2_0 Place();
        PixelShader = compile ps_2_0 FlamesAlone();
    }
}
