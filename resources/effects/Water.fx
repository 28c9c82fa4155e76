// Water (module id 90): inside the mask, the background seen through a water surface. The
// surface's normals come from "BumpMap" (a normal map, xyz as 0..1 colours), drifting by
// "Direction2" per unit of "Time"; they bend the view by the turning 2 x 2 matrix
// "BampTrans", more on the crests of ripples whose frequency and direction "Direction1"
// gives. The view is tinted by "Color" and darkened by "Shadows" where the surface turns away
// from "Vhalf", and lit by highlights of the form (P1 + P2) / (P1 x + P2) times x, with x
// the surface's cosine to "Vhalf" (1 facing it, 0 across): a narrow lobe in red and blue, a
// wide one in green.
// Distances are measured in picture coordinates times "Scale". A texel that is no normal
// (z below 0, as an unbound sampler reads) counts as flat water.

float2 Scale;
float4 BampTrans;
float3 P1;
float3 P2;
float Time;
float2 Direction1;
float2 Direction2;
float Shadows;
float3 Vhalf;
float3 Color;
texture BumpMap;

sampler BumpSampler = sampler_state {
    Texture = <BumpMap>;
    MinFilter = Linear;
    MagFilter = Linear;
    MipFilter = None;
    AddressU = Wrap;
    AddressV = Wrap;
};

#include "BrushFrame.fxh"

float3 WaterAt(float2 uv) {
    float2 p = uv * Scale;
    float3 n = tex2D(BumpSampler, p + Direction2 * Time).rgb * 2.0 - 1.0;
    n.xy *= saturate(n.z * 4.0);
    float ripple = sin(dot(p, Direction1) + Time);
    float2 bend = float2(dot(n.xy, BampTrans.xz), dot(n.xy, BampTrans.yw)) * (0.75 + 0.25 * ripple);
    float x = saturate(dot(normalize(float3(n.xy, 1.0)), Vhalf));
    float3 lobes = (P1 + P2) / (P1 * x + P2);
    float3 seen = tex2D(BackgroundSampler, uv + bend).rgb * Color * (1.0 - Shadows * (1.0 - x));
    return seen + lobes * (0.5 * x);
}

float4 Brush(float2 uv : TEXCOORD0) : COLOR0 {
    return float4(WaterAt(uv), MaskAt(uv));
}

float4 BrushOverBackground(float2 uv : TEXCOORD0) : COLOR0 {
    float3 here = tex2D(BackgroundSampler, uv).rgb;
    return float4(lerp(here, WaterAt(uv), MaskAt(uv)), 1.0);
}

#include "BrushTechniques.fxh"
