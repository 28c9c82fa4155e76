// Background copy (module id 75): inside the mask, the background taken from "offset" further
// on. Coordinates beyond the picture are mirrored back into it, so an offset of a whole
// picture on an axis (the brush's wrap flags) shows the copy mirrored on that axis.
// The mask is the red channel of the mask picture times its alpha.

float2 Scale;
float2 offset;
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

// 0..1 as it is, 1..2 back down, -1..0 back up, and so on.
float2 Mirrored(float2 t) {
    return 1.0 - abs(frac(t * 0.5) * 2.0 - 1.0);
}

float3 CopyAt(float2 uv) {
    return tex2D(BackgroundSampler, Mirrored(uv + offset)).rgb;
}

float4 Copy(float2 uv : TEXCOORD0) : COLOR0 {
    return float4(CopyAt(uv), MaskAt(uv));
}

float4 CopyOverBackground(float2 uv : TEXCOORD0) : COLOR0 {
    float3 here = tex2D(BackgroundSampler, uv).rgb;
    return float4(lerp(here, CopyAt(uv), MaskAt(uv)), 1.0);
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
        PixelShader = compile ps_2_0 Copy();
    }
}

technique MainFX {
    pass Whole {
        ZEnable = false;
        ZWriteEnable = false;
        CullMode = None;
        AlphaTestEnable = false;
        AlphaBlendEnable = false;
        PixelShader = compile ps_2_0 CopyOverBackground();
    }
}
