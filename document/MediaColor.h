#pragma once
// A colour (red in the low byte, then green, then blue) with a transparency in percent whose
// result is the alpha byte: 255 at 0 %, 127 at 50 %, 0 at 100 %.
#include "document/MediaParamT.h"
#include "document/UINTSclaleTo.h"

class MediaColor : public MediaParamT<unsigned long> {
public:
    static constexpr unsigned long kDefaultColour = 0xFFFFFF;
    static constexpr float kAlphaPerPercent = -2.55f;
    static constexpr float kOpaqueAlpha = 255.0f;

    MediaColor() : MediaParamT<unsigned long>(kDefaultColour) {
        transparency_.SetScale(kAlphaPerPercent);
        transparency_.SetOffset(kOpaqueAlpha);
        transparency_.OnParamChanged(nullptr);
    }
    MediaColor(const MediaColor&) = default;

    UINTSclaleTo<unsigned char>& Transparency() { return transparency_; }
    const UINTSclaleTo<unsigned char>& Transparency() const { return transparency_; }
    unsigned char Alpha() const { return transparency_.Result(); }

private:
    UINTSclaleTo<unsigned char> transparency_;
};

// Byte i of a colour (0 red, 1 green, 2 blue) over 255, as effects take it.
inline float ColourChannel(unsigned long colour, int i) { return float((colour >> (8 * i)) & 0xFF) / 255.0f; }
