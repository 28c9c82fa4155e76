// The two techniques of a brush, after its two pixel shaders: "Main" draws Brush over the
// picture, its alpha the share of the brush; "MainFX", the post effect's, draws
// BrushOverBackground over the whole picture, which must reproduce "Background" wherever the
// brush does not show.

technique Main {
    pass Over {
#include "OverPictureStates.fxh"
        PixelShader = compile ps_2_0 Brush();
    }
}

technique MainFX {
    pass Whole {
#include "OverSceneStates.fxh"
        PixelShader = compile ps_2_0 BrushOverBackground();
    }
}
