// An explosion on its sprite: a ball of fire whose edge is torn by scrolling noise, coloured
// from a gradient picture (cool on the left, hot on the right). Over each second the noise
// blends from the second's start offset to its target, so the flames never stand still.

texture GradientTex;
texture NoiseTex;
float3 color1 = {1.0, 1.0, 1.0};  // the tint of the hot core
float3 color2 = {1.0, 1.0, 1.0};  // the tint of the cool rim
float4 noise_shift;               // noise offsets: at the second's start (xy), at its target (zw)
float3 noise_params = {0.79, 0.15, 0.42};  // the ball's radius, how far noise tears its edge, the edge's softness
float2 time = {0.0, 1.0};         // (f, 1 - f), f the fraction of the current second
float2 phase_3rd = {0.0, 1.0};    // burning out: (g, 1 - g), g rising to 1 as the sprite fades out
float phase_1st = 0.0;            // the flash of ignition: 2 falling to 0 as the sprite fades in

sampler Gradient = sampler_state {
    Texture = <GradientTex>;
    MinFilter = Linear;
    MagFilter = Linear;
    MipFilter = None;
    AddressU = Clamp;
    AddressV = Clamp;
};
sampler Noise = sampler_state {
    Texture = <NoiseTex>;
    MinFilter = Linear;
    MagFilter = Linear;
    MipFilter = None;
    AddressU = Wrap;
    AddressV = Wrap;
};

float4 Fire(float4 colour : COLOR0, float2 uv : TEXCOORD0) : COLOR0 {
    float n = tex2D(Noise, uv + noise_shift.xy).r * time.y + tex2D(Noise, uv + noise_shift.zw).r * time.x;
    float r = length(uv * 2.0 - 1.0);
    // The ball's body, its edge torn by the noise; hotter towards the middle and where the
    // noise is bright.
    float body = saturate((noise_params.x - r - (n - 0.5) * 2.0 * noise_params.y) / max(noise_params.z, 0.01));
    float heat = body * (0.5 + 0.5 * n) * (1.3 - 0.6 * r);
    // Brighter at ignition; burning out, the thin parts of the noise go first.
    float burn = phase_3rd.x * (1.2 - n);
    heat = saturate(heat * (1.0 + phase_1st) - burn);
    body = saturate(body - burn);
    float4 fire = tex2D(Gradient, float2(heat, 0.5));
    return float4(fire.rgb * lerp(color2, color1, heat), fire.a * body * colour.a);
}

technique Main {
    pass Burn {
        AlphaBlendEnable = true;
        SrcBlend = SrcAlpha;
        DestBlend = InvSrcAlpha;
        BlendOp = Add;
        CullMode = None;
        PixelShader = compile ps_2_0 Fire();
    }
}
