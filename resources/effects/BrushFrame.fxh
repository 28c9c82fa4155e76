// The frame every brush effect shares: the mask picture ("Mask"), the scene beneath the brush
// ("Background", the picture itself or everything drawn before a post effect) and the mask
// test. A brush's own textures and samplers are declared before this file, so that their
// sampler registers come first.

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

// How much of the brush shows: the red channel of the mask picture times its alpha.
float MaskAt(float2 uv) {
    float4 m = tex2D(MaskSampler, uv);
    return m.r * m.a;
}
