// Heat shimmer (module id 63): the finished scene "SceneTex" redrawn with its coordinates
// pushed by the two-channel "Bumpmap" (0.5 is no push), tiled by "bump_scale" and drifting
// with "Offset", by up to "stenght". Pixel shader only: the drawing code sets no vertex
// shader inside the pass.

float stenght;
float2 Offset;
float2 bump_scale;
texture SceneTex;
texture Bumpmap;

// Render targets may lack a power-of-two size, which allows only clamped addressing.
sampler SceneSampler = sampler_state {
    Texture = <SceneTex>;
    MinFilter = Linear;
    MagFilter = Linear;
    MipFilter = None;
    AddressU = Clamp;
    AddressV = Clamp;
};
sampler BumpSampler = sampler_state {
    Texture = <Bumpmap>;
    MinFilter = Linear;
    MagFilter = Linear;
    MipFilter = None;
    AddressU = Wrap;
    AddressV = Wrap;
};

float4 Shimmer(float2 uv : TEXCOORD0) : COLOR0 {
    float2 push = tex2D(BumpSampler, uv * bump_scale + Offset).rg * 2.0 - 1.0;
    return float4(tex2D(SceneSampler, uv + push * stenght).rgb, 1.0);
}

technique BumpmapDistortLow2 {
    pass Shimmer {
        ZEnable = false;
        ZWriteEnable = false;
        CullMode = None;
        AlphaTestEnable = false;
        AlphaBlendEnable = false;
        PixelShader = compile ps_2_0 Shimmer();
    }
}
