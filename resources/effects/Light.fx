// Light (module id 76): inside the mask, the background brightened by "multiplier" (0 leaves
// it as it is). The mask is the red channel of the mask picture times its alpha.

float2 Scale;
float multiplier;
texture Mask;
texture Background;

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

float4 Lit(float2 uv : TEXCOORD0) : COLOR0 {
    float3 c = tex2D(BackgroundSampler, uv).rgb;
    return float4(c * (1.0 + multiplier), MaskAt(uv));
}

float4 LitOverBackground(float2 uv : TEXCOORD0) : COLOR0 {
    float3 c = tex2D(BackgroundSampler, uv).rgb;
    return float4(c * (1.0 + multiplier * MaskAt(uv)), 1.0);
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
        PixelShader = compile ps_2_0 Lit();
    }
}

technique MainFX {
    pass Whole {
        ZEnable = false;
        ZWriteEnable = false;
        CullMode = None;
        AlphaTestEnable = false;
        AlphaBlendEnable = false;
        PixelShader = compile ps_2_0 LitOverBackground();
    }
}
