// Radial wave (module id 103): inside the mask, the background pushed along the radius from
// "center" by amplitude x sin(frequency r + time), r measured in units where both axes are
// alike ("bg_scale_factor"). The mask is the red channel of the mask picture times its alpha.

float2 Scale;
float2 bg_scale_factor;
float2 center;
float frequency;
float amplitude;
float time;
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

float3 RippledAt(float2 uv) {
    float2 d = (uv - center) * bg_scale_factor;
    float r = length(d);
    float2 radial = d / max(r, 0.0001);
    float push = amplitude * sin(frequency * r + time);
    return tex2D(BackgroundSampler, uv + push * radial / bg_scale_factor).rgb;
}

float4 Rippled(float2 uv : TEXCOORD0) : COLOR0 {
    return float4(RippledAt(uv), MaskAt(uv));
}

float4 RippledOverBackground(float2 uv : TEXCOORD0) : COLOR0 {
    float3 here = tex2D(BackgroundSampler, uv).rgb;
    return float4(lerp(here, RippledAt(uv), MaskAt(uv)), 1.0);
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
        PixelShader = compile ps_2_0 Rippled();
    }
}

technique MainFX {
    pass Whole {
        ZEnable = false;
        ZWriteEnable = false;
        CullMode = None;
        AlphaTestEnable = false;
        AlphaBlendEnable = false;
        PixelShader = compile ps_2_0 RippledOverBackground();
    }
}
