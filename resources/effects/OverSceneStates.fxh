// The states of a pass that redraws the whole scene: what it writes replaces what was there.
        ZEnable = false;
        ZWriteEnable = false;
        CullMode = None;
        AlphaTestEnable = false;
        AlphaBlendEnable = false;
