// Waves (module id 77): inside the mask, the background displaced along "direction_n" by a
// sine wave of "frequency" that runs against "direction" as "time" grows. Distances are
// measured in picture coordinates times "Scale", where both axes have the same unit. The mask
// is the red channel of the mask picture times its alpha.

float2 Scale;
float2 direction;
float2 direction_n;
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

float3 WavedAt(float2 uv) {
    float wave = sin(frequency * dot(uv * Scale, direction) + time);
    return tex2D(BackgroundSampler, uv + amplitude * wave * direction_n / Scale).rgb;
}

float4 Waved(float2 uv : TEXCOORD0) : COLOR0 {
    return float4(WavedAt(uv), MaskAt(uv));
}

float4 WavedOverBackground(float2 uv : TEXCOORD0) : COLOR0 {
    float3 here = tex2D(BackgroundSampler, uv).rgb;
    return float4(lerp(here, WavedAt(uv), MaskAt(uv)), 1.0);
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
        PixelShader = compile ps_2_0 Waved();
    }
}

technique MainFX {
    pass Whole {
        ZEnable = false;
        ZWriteEnable = false;
        CullMode = None;
        AlphaTestEnable = false;
        AlphaBlendEnable = false;
        PixelShader = compile ps_2_0 WavedOverBackground();
    }
}
