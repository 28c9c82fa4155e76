// Rotation (our id 332): inside the mask, the background turned about the centre ("offset"
// is minus the centre) by the 2 x 2 matrix "coord_transf" (rows 11 12, 21 22, row vectors),
// in units where both axes are alike ("Scale"), tinted by "mix_color", whose alpha fades it.

float2 Scale;
float4 coord_transf;
float2 offset;
float4 mix_color;

#include "BrushFrame.fxh"

float3 TurnedAt(float2 uv) {
    float2 p = (uv + offset) * Scale;
    float2 turned = float2(p.x * coord_transf.x + p.y * coord_transf.z, p.x * coord_transf.y + p.y * coord_transf.w);
    return tex2D(BackgroundSampler, turned / Scale - offset).rgb * mix_color.rgb;
}

float4 Brush(float2 uv : TEXCOORD0) : COLOR0 {
    return float4(TurnedAt(uv), MaskAt(uv) * mix_color.a);
}

float4 BrushOverBackground(float2 uv : TEXCOORD0) : COLOR0 {
    float3 here = tex2D(BackgroundSampler, uv).rgb;
    return float4(lerp(here, TurnedAt(uv), MaskAt(uv) * mix_color.a), 1.0);
}

#include "BrushTechniques.fxh"
