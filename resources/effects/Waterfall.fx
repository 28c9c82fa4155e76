// Waterfall (our id 331). "Noise": inside the mask, the background displaced by the noise
// picture scrolled by "noise_shift" and tiled by "bump_scale", by up to "noise_amplitude".
// "ColorWaves": one wave of "base_color" where the background's brightness, read "shift"
// away, rises above "treshold", at most "transluency" opaque: bright streaks that fall with
// the ramp. Both draw over the picture, on the brush's own mesh.

float2 noise_shift;
float2 bump_scale;
float noise_amplitude;
float3 base_color;
float treshold;
float2 shift;
float transluency;
texture NoiseMap;

sampler NoiseSampler = sampler_state {
    Texture = <NoiseMap>;
    MinFilter = Linear;
    MagFilter = Linear;
    MipFilter = None;
    AddressU = Wrap;
    AddressV = Wrap;
};

#include "BrushFrame.fxh"

float2 NoiseAt(float2 uv) {
    return tex2D(NoiseSampler, uv * bump_scale + noise_shift).rg - 0.5;
}

float4 Noisy(float2 uv : TEXCOORD0) : COLOR0 {
    float2 moved = uv + 2.0 * noise_amplitude * NoiseAt(uv);
    return float4(tex2D(BackgroundSampler, moved).rgb, MaskAt(uv));
}

float4 Wave(float2 uv : TEXCOORD0) : COLOR0 {
    float bright = dot(tex2D(BackgroundSampler, uv + shift).rgb, float3(0.3, 0.59, 0.11));
    float over = saturate((bright - treshold) / max(1.0 - treshold, 0.001));
    return float4(base_color, transluency * over * MaskAt(uv));
}

technique Noise {
    pass Distort {
#include "OverPictureStates.fxh"
        PixelShader = compile ps_2_0 Noisy();
    }
}

technique ColorWaves {
    pass Wave {
#include "OverPictureStates.fxh"
        PixelShader = compile ps_2_0 Wave();
    }
}
