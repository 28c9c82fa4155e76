#pragma once
// A slide class registered only in tests, so that documents with slide records can be read
// before the real slide reader exists: a label, and from version 2 on a number.
#include <string>

#include "document/QV_IOF_Virtual.h"
#include "player/QV_SlideContainer.h"

namespace vgtest {

class TestSlide : public QV_SlideContainer {
public:
    static constexpr int32_t kDefaultNumber = -99;
    void Load(QV_IOF_Virtual& archive, uint32_t version) {
        archive.ReadString(label);
        if (version > 1) archive.ReadInt(number);
    }
    std::wstring label;
    int32_t number = kDefaultNumber;
};

// Registers "TestSlide" in the slide registry (once, however often called).
void RegisterTestSlide();

}  // namespace vgtest
