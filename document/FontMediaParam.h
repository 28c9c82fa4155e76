#pragma once
// The font of a text, as D3DXCreateFontW takes it.
#include <windows.h>

#include <string>

#include "document/MediaParam.h"

class FontMediaParam : public MediaParam {
public:
    FontMediaParam() = default;
    FontMediaParam(int32_t height, uint32_t weight, int32_t italic, std::wstring face)
        : height(height), weight(weight), italic(italic), face(std::move(face)) {}
    FontMediaParam(const FontMediaParam&) = default;

    int32_t height = 32;  // logical units
    uint32_t weight = FW_BOLD;
    int32_t italic = 0;  // non-zero: italic
    std::wstring face = L"Arial";
};
