// Expand (module id 102): inside the mask, the background magnified about "center" by
// 1 + amplitude.x, or shrunk towards it by 1 + amplitude.y.

float2 Scale;
float2 amplitude;
float2 center;

#include "BrushFrame.fxh"

float3 SwollenAt(float2 uv) {
    return tex2D(BackgroundSampler, center + (uv - center) * (1.0 + amplitude.y) / (1.0 + amplitude.x)).rgb;
}

float4 Brush(float2 uv : TEXCOORD0) : COLOR0 {
    return float4(SwollenAt(uv), MaskAt(uv));
}

float4 BrushOverBackground(float2 uv : TEXCOORD0) : COLOR0 {
    float3 here = tex2D(BackgroundSampler, uv).rgb;
    return float4(lerp(here, SwollenAt(uv), MaskAt(uv)), 1.0);
}

#include "BrushTechniques.fxh"
