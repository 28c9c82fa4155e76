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
    std::vector<WindowRecord> windows;
};

// Version 1 has no time line.
struct DescriptionBaseRecord {
    int32_t version = 2;
    std::string name;
    TimeLineRecord timeLine;
};

// A description placed on the picture: its rectangle in pixels (left, right, top, bottom and
// two further values), the same in fractions of the picture, and its time scale (50: real
// time; from version 2 on).
struct ViewRecord {
    int32_t version = 2;
    int32_t rectangle[6] = {0, 0, 0, 0, 0, 0};
    float relativeLeft = 0, relativeRight = 1, relativeTop = 0, relativeBottom = 1;
    uint8_t flag = 0;
    uint32_t timeScale = 50;
    DescriptionBaseRecord base;
};

// Tagged "QV_TimeLineControl".
void WriteTimeLine(SceneWriter& out, const TimeLineRecord& timeLine);
// Tagged "QV_ABObj_Constructor".
void WriteDescriptionBase(SceneWriter& out, const DescriptionBaseRecord& base);
// Tagged "QV_ViewObjCtrl".
void WriteView(SceneWriter& out, const ViewRecord& view);

}  // namespace scenewriter
