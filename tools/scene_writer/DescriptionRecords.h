#pragma once
// The sections every scene description ends with: its time line inside the description
// base section.
#include <cstdint>
#include <string>
#include <vector>

#include "SceneWriter.h"

namespace scenewriter {

struct WindowRecord {
    float start = 0, end = 0, fadeInEnd = 0, fadeOutStart = 0;  // seconds
};

// Durations in hundredths of a second.
struct TimeLineRecord {
    int32_t version = 1;
    int32_t mode = 0;  // 0 always visible, 1 random cycle, 2 windows
    int32_t timeMode = 0;
    uint32_t hiddenMin = 100, hiddenMax = 100;
    uint32_t visibleMin = 100, visibleMax = 100;
    uint32_t fadeIn = 50, fadeOut = 50;
    std::vector<WindowRecord> windows{};
};

// Version 1 has no time line.
struct DescriptionBaseRecord {
    int32_t version = 2;
    std::string name{};
    TimeLineRecord timeLine{};
};

// A description placed on the picture: a pixel rectangle with two further values, the same
// rectangle as fractions of the picture, a flag and (version 2) a time scale.
struct PlacedRecord {
    int32_t version = 2;
    int32_t left = 0, right = 0, top = 0, bottom = 0, further1 = 0, further2 = 0;
    float relativeLeft = 0, relativeRight = 1, relativeTop = 0, relativeBottom = 1;
    bool flag = false;
    uint32_t timeScale = 50;  // 50 is real time
    DescriptionBaseRecord base;
};

// Tagged "QV_TimeLineControl".
void WriteTimeLine(SceneWriter& out, const TimeLineRecord& timeLine);
// Tagged "QV_ABObj_Constructor".
void WriteDescriptionBase(SceneWriter& out, const DescriptionBaseRecord& base);
// Tagged "QV_ViewObjCtrl".
void WritePlaced(SceneWriter& out, const PlacedRecord& placed);

}  // namespace scenewriter
