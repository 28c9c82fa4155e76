// Waves (module id 77): inside the mask, the background displaced along "direction_n" by a
// sine wave of "frequency" that runs against "direction" as "time" grows. Distances are
// measured in picture coordinates times "Scale", where both axes have the same unit.

float2 Scale;
float2 direction;
float2 direction_n;
float frequency;
float amplitude;
float time;

#include "BrushFrame.fxh"

float3 WavedAt(float2 uv) {
    float wave = sin(frequency * dot(uv * Scale, direction) + time);
    return tex2D(BackgroundSampler, uv + amplitude * wave * direction_n / Scale).rgb;
}

float4 Brush(float2 uv : TEXCOORD0) : COLOR0 {
    return float4(WavedAt(uv), MaskAt(uv));
}

float4 BrushOverBackground(float2 uv : TEXCOORD0) : COLOR0 {
    float3 here = tex2D(BackgroundSampler, uv).rgb;
    return float4(lerp(here, WavedAt(uv), MaskAt(uv)), 1.0);
}

#include "BrushTechniques.fxh"
