// Pattern (module id 78): inside the mask, the "Pattern" picture tiled over the picture and
// tinted by "mix_color" (its alpha fades the pattern). "coord_transf" holds the rows of the
// 2 x 2 matrix that turns picture coordinates into tiles (scaled, turned, mirrored); it turns
// them in units where a tile is "scale" wide and 1 high, so that turning keeps tiles square.
// "offset" moves the tiles, in tiles.

float2 Scale;
float4 mix_color;
float2 scale;
float2 offset;
float4 coord_transf;
texture Pattern;

sampler PatternSampler = sampler_state {
    Texture = <Pattern>;
    MinFilter = Linear;
    MagFilter = Linear;
    MipFilter = None;
    AddressU = Wrap;
    AddressV = Wrap;
};

#include "BrushFrame.fxh"

float4 PatternAt(float2 uv) {
    float2 s = uv * scale;
    float2 turned = float2(s.x * coord_transf.x + s.y * coord_transf.z,
                           s.x * coord_transf.y + s.y * coord_transf.w);
    return tex2D(PatternSampler, turned / scale + offset) * mix_color;
}

float4 Brush(float2 uv : TEXCOORD0) : COLOR0 {
    float4 p = PatternAt(uv);
    return float4(p.rgb, p.a * MaskAt(uv));
}

float4 BrushOverBackground(float2 uv : TEXCOORD0) : COLOR0 {
    float4 p = PatternAt(uv);
    float3 here = tex2D(BackgroundSampler, uv).rgb;
    return float4(lerp(here, p.rgb, p.a * MaskAt(uv)), 1.0);
}

#include "BrushTechniques.fxh"
