#pragma once
// Opens document bytes placed right before a no-access page, so that a read past their end
// faults at once.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "player/QV_SlideShow_Light.h"

namespace vgtest {

struct OpenedDocument {
    HRESULT result = E_FAIL;
    std::unique_ptr<QV_SlideShow_Light> show;
};

OpenedDocument OpenGuarded(const std::vector<uint8_t>& bytes);

}  // namespace vgtest
