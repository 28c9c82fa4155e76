// Move (module id 91): inside the mask, the background shifted by "Direction" (fractions of
// the picture).

float2 Scale;
float2 Direction;

#include "BrushFrame.fxh"

float3 MovedAt(float2 uv) {
    return tex2D(BackgroundSampler, uv - Direction).rgb;
}

float4 Brush(float2 uv : TEXCOORD0) : COLOR0 {
    return float4(MovedAt(uv), MaskAt(uv));
}

float4 BrushOverBackground(float2 uv : TEXCOORD0) : COLOR0 {
    float3 here = tex2D(BackgroundSampler, uv).rgb;
    return float4(lerp(here, MovedAt(uv), MaskAt(uv)), 1.0);
}

#include "BrushTechniques.fxh"
