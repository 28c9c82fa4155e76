// The tool chain's test effect (never shipped): every construct the effect writer supports.
// The tests draw through it and compare the pixels with this arithmetic.

float4x4 ColorMatrix : COLORTRANSFORM <string UIName = "Colour matrix";> = {
    0.0, 1.0, 0.0, 0.0,
    0.0, 0.0, 1.0, 0.0,
    1.0, 0.0, 0.0, 0.0,
    0.0, 0.0, 0.0, 1.0
};
float4 Tint : DIFFUSE <float UIMin = 0.0; float UIMax = 1.0; int Steps = 4;> = {0.25, 0.5, 0.75, 1.0};
float Gain <bool Visible = true; float2 Range = {0.0, 2.0};> = 0.5;
int Unused = -3;

texture SceneTex <string ResourceName = "scene";>;
sampler SceneSampler = sampler_state {
    Texture = <SceneTex>;
    MinFilter = Point;
    MagFilter = Point;
    MipFilter = None;
    AddressU = Clamp;
    AddressV = Clamp;
};

struct PixelIn {
    float2 uv : TEXCOORD0;
};

// The picture times the tint.
float4 Tinted(PixelIn input) : COLOR0 {
    return tex2D(SceneSampler, input.uv) * Tint;
}

// The picture through the colour matrix (its channels rotated), scaled by the gain.
float4 Transformed(float2 uv : TEXCOORD0) : COLOR0 {
    return mul(tex2D(SceneSampler, uv), ColorMatrix) * Gain;
}

// Arbitrary swizzles: ps_2_0 cannot, so the writer marks it ps_2_x.
float4 Swizzled(float2 uv : TEXCOORD0) : COLOR0 {
    float4 c = tex2D(SceneSampler, uv);
    return c.bgra * Tint.wzyx;
}

// The tests draw clockwise quads, which CullMode = CCW keeps.
technique Tinting <string Purpose = "tint the picture";> {
    pass Only {
        AlphaBlendEnable = false;
        CullMode = None;
        PixelShader = compile ps_2_0 Tinted();
    }
}

technique Layered {
    pass Base <int Order = 1;> {
        AlphaBlendEnable = false;
        CullMode = None;
        PixelShader = compile ps_2_0 Transformed();
    }
    pass Over {
        AlphaBlendEnable = true;
        SrcBlend = One;
        DestBlend = One;
        BlendOp = RevSubtract;
        CullMode = CCW;
        ColorWriteEnable = Red | Green | Blue;
        PixelShader = compile ps_2_0 Swizzled();
    }
}
