// Light (module id 76): inside the mask, the background brightened by "multiplier" (0 leaves
// it as it is).

float2 Scale;
float multiplier;

#include "BrushFrame.fxh"

float4 Brush(float2 uv : TEXCOORD0) : COLOR0 {
    float3 c = tex2D(BackgroundSampler, uv).rgb;
    return float4(c * (1.0 + multiplier), MaskAt(uv));
}

float4 BrushOverBackground(float2 uv : TEXCOORD0) : COLOR0 {
    float3 c = tex2D(BackgroundSampler, uv).rgb;
    return float4(c * (1.0 + multiplier * MaskAt(uv)), 1.0);
}

#include "BrushTechniques.fxh"
