// Rotation (our id 332): inside the mask, the background turned about the centre ("offset"
// is minus the centre) by the 2 x 2 matrix "coord_transf" (rows 11 12, 21 22, row vectors),
// in units where both axes are alike ("Scale"), tinted by "mix_color", whose alpha fades it.
// The mask is the red channel of the mask picture times its alpha.

float2 Scale;
float4 coord_transf;
float2 offset;
float4 mix_color;
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

float3 TurnedAt(float2 uv) {
    float2 p = (uv + offset) * Scale;
    float2 turned = float2(p.x * coord_transf.x + p.y * coord_transf.z, p.x * coord_transf.y + p.y * coord_transf.w);
    return tex2D(BackgroundSampler, turned / Scale - offset).rgb * mix_color.rgb;
}

float4 Turned(float2 uv : TEXCOORD0) : COLOR0 {
    return float4(TurnedAt(uv), MaskAt(uv) * mix_color.a);
}

float4 TurnedOverBackground(float2 uv : TEXCOORD0) : COLOR0 {
    float3 here = tex2D(BackgroundSampler, uv).rgb;
    return float4(lerp(here, TurnedAt(uv), MaskAt(uv) * mix_color.a), 1.0);
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
        PixelShader = compile ps_2_0 Turned();
    }
}

technique MainFX {
    pass Whole {
        ZEnable = false;
        ZWriteEnable = false;
        CullMode = None;
        AlphaTestEnable = false;
        AlphaBlendEnable = false;
        PixelShader = compile ps_2_0 TurnedOverBackground();
    }
}
