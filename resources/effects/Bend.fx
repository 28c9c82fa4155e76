// Bend (our id 333): inside the mask, the background turned about "Center" by an angle that
// grows with the distance from it: Angle x (1 + Bend x r), r in units where a picture's height
// is 1 ("Scale".xy; "Scale".zw is its inverse). The mask is the red channel of the mask
// picture times its alpha.

float4 Scale;
float2 Center;
float Angle;
float Bend;
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

float3 BentAt(float2 uv) {
    float2 p = (uv - Center) * Scale.xy;
    float a = Angle * (1.0 + Bend * length(p));
    float s = sin(a);
    float c = cos(a);
    float2 turned = float2(p.x * c - p.y * s, p.x * s + p.y * c);
    return tex2D(BackgroundSampler, Center + turned * Scale.zw).rgb;
}

float4 Bent(float2 uv : TEXCOORD0) : COLOR0 {
    return float4(BentAt(uv), MaskAt(uv));
}

float4 BentOverBackground(float2 uv : TEXCOORD0) : COLOR0 {
    float3 here = tex2D(BackgroundSampler, uv).rgb;
    return float4(lerp(here, BentAt(uv), MaskAt(uv)), 1.0);
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
        PixelShader = compile ps_2_0 Bent();
    }
}

technique MainFX {
    pass Whole {
        ZEnable = false;
        ZWriteEnable = false;
        CullMode = None;
        AlphaTestEnable = false;
        AlphaBlendEnable = false;
        PixelShader = compile ps_2_0 BentOverBackground();
    }
}
