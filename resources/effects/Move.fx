// Move (module id 91): inside the mask, the background shifted by "Direction" (fractions of
// the picture). The mask is the red channel of the mask picture times its alpha.

float2 Scale;
float2 Direction;
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

float3 MovedAt(float2 uv) {
    return tex2D(BackgroundSampler, uv - Direction).rgb;
}

float4 Moved(float2 uv : TEXCOORD0) : COLOR0 {
    return float4(MovedAt(uv), MaskAt(uv));
}

float4 MovedOverBackground(float2 uv : TEXCOORD0) : COLOR0 {
    float3 here = tex2D(BackgroundSampler, uv).rgb;
    return float4(lerp(here, MovedAt(uv), MaskAt(uv)), 1.0);
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
        PixelShader = compile ps_2_0 Moved();
    }
}

technique MainFX {
    pass Whole {
        ZEnable = false;
        ZWriteEnable = false;
        CullMode = None;
        AlphaTestEnable = false;
        AlphaBlendEnable = false;
        PixelShader = compile ps_2_0 MovedOverBackground();
    }
}
