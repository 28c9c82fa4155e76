// Background copy (module id 75): inside the mask, the background taken from "offset" further
// on. Coordinates beyond the picture are mirrored back into it, so an offset of a whole
// picture on an axis (the brush's wrap flags) shows the copy mirrored on that axis.

float2 Scale;
float2 offset;

#include "BrushFrame.fxh"

// 0..1 as it is, 1..2 back down, -1..0 back up, and so on.
float2 Mirrored(float2 t) {
    return 1.0 - abs(frac(t * 0.5) * 2.0 - 1.0);
}

float3 CopyAt(float2 uv) {
    return tex2D(BackgroundSampler, Mirrored(uv + offset)).rgb;
}

float4 Brush(float2 uv : TEXCOORD0) : COLOR0 {
    return float4(CopyAt(uv), MaskAt(uv));
}

float4 BrushOverBackground(float2 uv : TEXCOORD0) : COLOR0 {
    float3 here = tex2D(BackgroundSampler, uv).rgb;
    return float4(lerp(here, CopyAt(uv), MaskAt(uv)), 1.0);
}

#include "BrushTechniques.fxh"
