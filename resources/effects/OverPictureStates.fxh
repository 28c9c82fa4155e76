// The states of a pass that draws over what is there, blended by the alpha it writes.
        ZEnable = false;
        ZWriteEnable = false;
        CullMode = None;
        AlphaTestEnable = false;
        AlphaBlendEnable = true;
        SrcBlend = SrcAlpha;
        DestBlend = InvSrcAlpha;
        BlendOp = Add;
