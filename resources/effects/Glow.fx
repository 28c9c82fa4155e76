// The glow of the shader sprites: their halo drawn into a target of its own ("Blend_Max"),
// that target laid over the scene in the glow colour ("Blend_Screen", "Blend_Normal"), and the
// sprites drawn on top ("Common", which a static text's target is shown through as well).

texture Texture1;  // the sprites' picture; in the two composites, the scene drawn so far
texture Texture2;  // in the two composites, the halo target
// The glow colour (rgb) and its strength (a): the glow amount times the time line's opacity.
float4 BlendColor = {1.0, 1.0, 1.0, 1.0};

sampler First = sampler_state {
    Texture = <Texture1>;
    MinFilter = Linear;
    MagFilter = Linear;
    MipFilter = None;
    AddressU = Clamp;
    AddressV = Clamp;
};
sampler Second = sampler_state {
    Texture = <Texture2>;
    MinFilter = Linear;
    MagFilter = Linear;
    MipFilter = None;
    AddressU = Clamp;
    AddressV = Clamp;
};

struct SpritePixel {
    float4 colour : COLOR0;
    float2 uv : TEXCOORD0;
};

// The sprite's picture in its vertex colour.
float4 Sprite(SpritePixel p) : COLOR0 {
    return tex2D(First, p.uv) * p.colour;
}

// Premultiplied, so that where halos overlap the brightest wins channel by channel.
float4 Halo(SpritePixel p) : COLOR0 {
    float4 c = tex2D(First, p.uv) * p.colour;
    return float4(c.rgb * c.a, c.a);
}

// How much glow covers a point of the picture: the halo's coverage times the strength.
float Coverage(float2 uv) {
    return saturate(tex2D(Second, uv).a * BlendColor.a);
}

// The glow colour screened over the scene: it only ever brightens.
float4 Screen(float2 uv : TEXCOORD0) : COLOR0 {
    float3 scene = tex2D(First, uv).rgb;
    float3 light = BlendColor.rgb * Coverage(uv);
    return float4(1.0 - (1.0 - scene) * (1.0 - light), 1.0);
}

// The glow colour laid over the scene by its coverage.
float4 Normal(float2 uv : TEXCOORD0) : COLOR0 {
    float3 scene = tex2D(First, uv).rgb;
    return float4(lerp(scene, BlendColor.rgb, Coverage(uv)), 1.0);
}

technique Blend_Max {
    pass Halo {
        AlphaBlendEnable = true;
        SrcBlend = One;
        DestBlend = One;
        BlendOp = Max;
        CullMode = None;
        PixelShader = compile ps_2_0 Halo();
    }
}

// The composites cover the whole picture: where there is no glow they draw the scene as it was.
technique Blend_Screen {
    pass Composite {
        AlphaBlendEnable = false;
        CullMode = None;
        PixelShader = compile ps_2_0 Screen();
    }
}

technique Blend_Normal {
    pass Composite {
        AlphaBlendEnable = false;
        CullMode = None;
        PixelShader = compile ps_2_0 Normal();
    }
}

technique Common {
    pass Sprites {
        AlphaBlendEnable = true;
        SrcBlend = SrcAlpha;
        DestBlend = InvSrcAlpha;
        BlendOp = Add;
        CullMode = None;
        PixelShader = compile ps_2_0 Sprite();
    }
}
