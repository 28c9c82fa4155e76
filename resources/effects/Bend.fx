// Bend (our id 333): inside the mask, the background turned about "Center" by an angle that
// grows with the distance from it: Angle x (1 + Bend x r), r in units where a picture's height
// is 1 ("Scale".xy; "Scale".zw is its inverse).

float4 Scale;
float2 Center;
float Angle;
float Bend;

#include "BrushFrame.fxh"

float3 BentAt(float2 uv) {
    float2 p = (uv - Center) * Scale.xy;
    float a = Angle * (1.0 + Bend * length(p));
    float s = sin(a);
    float c = cos(a);
    float2 turned = float2(p.x * c - p.y * s, p.x * s + p.y * c);
    return tex2D(BackgroundSampler, Center + turned * Scale.zw).rgb;
}

float4 Brush(float2 uv : TEXCOORD0) : COLOR0 {
    return float4(BentAt(uv), MaskAt(uv));
}

float4 BrushOverBackground(float2 uv : TEXCOORD0) : COLOR0 {
    float3 here = tex2D(BackgroundSampler, uv).rgb;
    return float4(lerp(here, BentAt(uv), MaskAt(uv)), 1.0);
}

#include "BrushTechniques.fxh"
