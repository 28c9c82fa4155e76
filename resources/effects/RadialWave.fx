// Radial wave (module id 103): inside the mask, the background pushed along the radius from
// "center" by amplitude x sin(frequency r + time), r measured in units where both axes are
// alike ("bg_scale_factor").

float2 Scale;
float2 bg_scale_factor;
float2 center;
float frequency;
float amplitude;
float time;

#include "BrushFrame.fxh"

float3 RippledAt(float2 uv) {
    float2 d = (uv - center) * bg_scale_factor;
    float r = length(d);
    float2 radial = d / max(r, 0.0001);
    float push = amplitude * sin(frequency * r + time);
    return tex2D(BackgroundSampler, uv + push * radial / bg_scale_factor).rgb;
}

float4 Brush(float2 uv : TEXCOORD0) : COLOR0 {
    return float4(RippledAt(uv), MaskAt(uv));
}

float4 BrushOverBackground(float2 uv : TEXCOORD0) : COLOR0 {
    float3 here = tex2D(BackgroundSampler, uv).rgb;
    return float4(lerp(here, RippledAt(uv), MaskAt(uv)), 1.0);
}

#include "BrushTechniques.fxh"
