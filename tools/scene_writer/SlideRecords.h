#pragma once
// Slides, background layers and cameras as the document stores them.
#include <cstdint>
#include <string>
#include <vector>

#include "SceneWriter.h"

namespace scenewriter {

struct LinkValue {
    std::string path;
    int64_t stamp = 0;
};

struct CameraRecord {
    int32_t version = 2;
    int32_t enabled = 0;
    uint32_t zoom = 120;   // hundredths
    uint32_t speed = 50;   // fiftieths
    LinkValue border{"common_res.dll", 6};
};

struct LayerRecord {
    int32_t version = 3;
    LinkValue picture{"common_res.dll", 5};
    CameraRecord camera{};
};

struct SlideRecord {
    int32_t version = 3;
    uint32_t fadeIn = 1;
    uint32_t fadeOut = 1;
    uint32_t showTime = 10;
    int32_t reserved = 0;
    std::string name{};
    uint32_t reservedCount = 10;
    SceneWriter layer{};                  // a complete tagged layer record
    std::vector<SceneWriter> objects{};   // complete tagged object records
    std::vector<SceneWriter> sounds{};
};

// A file link's own record: path, then stamp.
void WriteLink(SceneWriter& out, const LinkValue& link);
void WriteCamera(SceneWriter& out, const CameraRecord& camera);
// Tagged "QV_2D_Light".
SceneWriter MakeLayer(const LayerRecord& layer);
// Tagged "QV_SlideContainer".
SceneWriter MakeSlide(const SlideRecord& slide);

}  // namespace scenewriter
