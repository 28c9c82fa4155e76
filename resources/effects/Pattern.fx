// Pattern (module id 78): inside the mask, the "Pattern" picture tiled over the picture and
// tinted by "mix_color" (its alpha fades the pattern). "coord_transf" holds the rows of the
// 2 x 2 matrix that turns picture coordinates into tiles (scaled, turned, mirrored); it turns
// them in units where a tile is "scale" wide and 1 high, so that turning keeps tiles square.
// "offset" moves the tiles, in tiles. The mask is the red channel of the mask picture times
// its alpha.

float2 Scale;
float4 mix_color;
float2 scale;
float2 offset;
float4 coord_transf;
texture Pattern;
texture Mask;
texture Background;

sampler PatternSampler = sampler_state {
    Texture = <Pattern>;
    MinFilter = Linear;
    MagFilter = Linear;
    MipFilter = None;
    AddressU = Wrap;
    AddressV = Wrap;
};
sampler MaskSampler = sampler_state {
    Texture = <Mask>;
    MinFilter = Linear;
    MagFilter = Linear;
    MipFilter = None;
    AddressU = Clamp;
    AddressV = Clamp;
};
// Render targets may lack a power-of-two size, which allows only clamped addressing.
sampler BackgroundSampler = sampler_state {
    Texture = <Background>;
    MinFilter = Linear;
    MagFilter = Linear;
    MipFilter = None;
    AddressU = Clamp;
    AddressV = Clamp;
};

float MaskAt(float2 uv) {
    float4 m = tex2D(MaskSampler, uv);
    return m.r * m.a;
}

float4 PatternAt(float2 uv) {
    float2 s = uv * scale;
    float2 turned = float2(s.x * coord_transf.x + s.y * coord_transf.z,
                           s.x * coord_transf.y + s.y * coord_transf.w);
    return tex2D(PatternSampler, turned / scale + offset) * mix_color;
}

float4 Patterned(float2 uv : TEXCOORD0) : COLOR0 {
    float4 p = PatternAt(uv);
    return float4(p.rgb, p.a * MaskAt(uv));
}

float4 PatternedOverBackground(float2 uv : TEXCOORD0) : COLOR0 {
    float4 p = PatternAt(uv);
    float3 here = tex2D(BackgroundSampler, uv).rgb;
    return float4(lerp(here, p.rgb, p.a * MaskAt(uv)), 1.0);
}

technique Main {
    pass Over {
        ZEnable = false;
        ZWriteEnable = false;
        CullMode = None;
        AlphaTestEnable = false;
        AlphaBlendEnable = true;
        SrcBlend = SrcAlpha;
        DestBlend = InvSrcAlpha;
        BlendOp = Add;
        PixelShader = compile ps_2_0 Patterned();
    }
}

technique MainFX {
    pass Whole {
        ZEnable = false;
        ZWriteEnable = false;
        CullMode = None;
        AlphaTestEnable = false;
        AlphaBlendEnable = false;
        PixelShader = compile ps_2_0 PatternedOverBackground();
    }
}
