// A plant swaying in the wind. No matrix is given, so the sway moves the texture across the
// quad: the texture coordinate u is shifted by an amount that grows with the square of the
// height above the foot (v = 1), from a slow wind swing ("WMagnitude") and a ripple that
// runs up the stem ("BMagnitude"), both at "Frequency" radians a second of "Time". The
// result is the texture times the vertex colour times "color".

texture Texture;
float Time;
float Frequency;
float WMagnitude;
float BMagnitude;
float4 color = {1.0, 1.0, 1.0, 1.0};

// Outside the texture the plant is clear.
sampler PlantSampler = sampler_state {
    Texture = <Texture>;
    MinFilter = Linear;
    MagFilter = Linear;
    MipFilter = None;
    AddressU = Border;
    AddressV = Clamp;
    BorderColor = 0x00000000;
};

float4 Sway(float4 colour : COLOR0, float2 uv : TEXCOORD0) : COLOR0 {
    float height = 1.0 - uv.y;
    float phase = Time * Frequency;
    float swing = WMagnitude * sin(phase) + BMagnitude * sin(2.7 * phase + 3.0 * uv.y);
    float2 at = float2(uv.x - swing * height * height, uv.y);
    return tex2D(PlantSampler, at) * colour * color;
}

technique Main {
    pass Sway {
        AlphaBlendEnable = true;
        BlendOp = Add;
        SrcBlend = SrcAlpha;
        DestBlend = InvSrcAlpha;
        CullMode = None;
        ZEnable = false;
        PixelShader = compile ps_2_0 Sway();
    }
}
