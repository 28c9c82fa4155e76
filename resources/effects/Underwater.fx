// Underwater (module id 88): the whole picture wobbles on both axes; the mask is not used.
// Each axis is displaced by a sine of the other coordinate ("frequency" per axis, so that
// both axes have the same wavelength on the picture) moving with "time"; "amplitude" is a
// fraction of the picture's height. Both techniques redraw the whole scene.

float2 Scale;
float2 frequency;
float amplitude;
float time;

#include "BrushFrame.fxh"

float4 Wobbled(float2 uv : TEXCOORD0) : COLOR0 {
    float2 wave = float2(sin(frequency.y * uv.y + time) * frequency.y / frequency.x,
                         sin(frequency.x * uv.x + time));
    return float4(tex2D(BackgroundSampler, uv + amplitude * wave).rgb, 1.0);
}

technique Main {
    pass Over {
#include "OverSceneStates.fxh"
        PixelShader = compile ps_2_0 Wobbled();
    }
}

technique MainFX {
    pass Whole {
#include "OverSceneStates.fxh"
        PixelShader = compile ps_2_0 Wobbled();
    }
}
