// The lightning. "BlendMask_Max" gathers the glow, spot and core quads into the lightning's
// own target, keeping the brightest of overlapping quads; its colours are premultiplied by
// their alpha. The other techniques lay that target ("Texture1" or "Texture2") over the
// scene across the picture quad: "CommonTex" as a normal layer, "Blend_ScreenTex" and
// "Blend_ColorDodgeTex" as the screen and colour-dodge blends of the scene ("Texture1") and
// the bolt, drawn opaque, and "Blend_SumTex" added to what is there.

texture Texture1;
texture Texture2;

// Layer textures repeat along the bolt (u) and stop across it (v).
sampler LayerSampler = sampler_state {
    Texture = <Texture1>;
    MinFilter = Linear;
    MagFilter = Linear;
    MipFilter = None;
    AddressU = Wrap;
    AddressV = Clamp;
};
sampler FirstSampler = sampler_state {
    Texture = <Texture1>;
    MinFilter = Linear;
    MagFilter = Linear;
    MipFilter = None;
    AddressU = Clamp;
    AddressV = Clamp;
};
sampler SecondSampler = sampler_state {
    Texture = <Texture2>;
    MinFilter = Linear;
    MagFilter = Linear;
    MipFilter = None;
    AddressU = Clamp;
    AddressV = Clamp;
};

float4 Mask(float4 colour : COLOR0, float2 uv : TEXCOORD0) : COLOR0 {
    float4 c = tex2D(LayerSampler, uv) * colour;
    return float4(c.rgb * c.a, c.a);
}

float4 Layer(float2 uv : TEXCOORD0) : COLOR0 {
    return tex2D(FirstSampler, uv);
}

float4 Screen(float2 uv : TEXCOORD0) : COLOR0 {
    float3 scene = tex2D(FirstSampler, uv).rgb;
    float3 bolt = tex2D(SecondSampler, uv).rgb;
    return float4(1.0 - (1.0 - scene) * (1.0 - bolt), 1.0);
}

float4 ColourDodge(float2 uv : TEXCOORD0) : COLOR0 {
    float3 scene = tex2D(FirstSampler, uv).rgb;
    float3 bolt = tex2D(SecondSampler, uv).rgb;
    return float4(saturate(scene / max(1.0 - bolt, 1.0 / 255.0)), 1.0);
}

technique BlendMask_Max {
    pass Gather {
        AlphaBlendEnable = true;
        BlendOp = Max;
        SrcBlend = One;
        DestBlend = One;
        CullMode = None;
        ZEnable = false;
        PixelShader = compile ps_2_0 Mask();
    }
}

technique CommonTex {
    pass Over {
        AlphaBlendEnable = true;
        BlendOp = Add;
        SrcBlend = One;
        DestBlend = InvSrcAlpha;
        CullMode = None;
        ZEnable = false;
        PixelShader = compile ps_2_0 Layer();
    }
}

technique Blend_ScreenTex {
    pass Screen {
        AlphaBlendEnable = false;
        CullMode = None;
        ZEnable = false;
        PixelShader = compile ps_2_0 Screen();
    }
}

technique Blend_ColorDodgeTex {
    pass Dodge {
        AlphaBlendEnable = false;
        CullMode = None;
        ZEnable = false;
        PixelShader = compile ps_2_0 ColourDodge();
    }
}

technique Blend_SumTex {
    pass Sum {
        AlphaBlendEnable = true;
        BlendOp = Add;
        SrcBlend = One;
        DestBlend = One;
        CullMode = None;
        ZEnable = false;
        PixelShader = compile ps_2_0 Layer();
    }
}
