// The smoke's puffs: the puff texture times the vertex colour, alpha-blended. The smoke sets
// no technique and binds its texture on stage 0 itself, so the sampler names no texture and
// its pass leaves sampler 0's texture as it is.

sampler PuffSampler = sampler_state {
    MinFilter = Linear;
    MagFilter = Linear;
    MipFilter = None;
    AddressU = Clamp;
    AddressV = Clamp;
};

float4 Puff(float4 colour : COLOR0, float2 uv : TEXCOORD0) : COLOR0 {
    return tex2D(PuffSampler, uv) * colour;
}

technique Puffs {
    pass Blended {
        AlphaBlendEnable = true;
        BlendOp = Add;
        SrcBlend = SrcAlpha;
        DestBlend = InvSrcAlpha;
        CullMode = None;
        ZEnable = false;
        PixelShader = compile ps_2_0 Puff();
    }
}
