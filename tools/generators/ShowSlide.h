#pragma once
// A slide of the default scene together with its picture slide show alone: the same picture,
// camera, fades and show time on a plain layer, without objects, brushes or sounds, so that a
// slide show of pictures only can be measured against the same job.
#include "SceneWriter.h"
#include "SlideRecords.h"

struct ShowSlide {
    scenewriter::SceneWriter full;        // the complete slide record
    scenewriter::SceneWriter pictureOnly;  // its picture, camera and times alone
    scenewriter::LinkValue picture;        // the picture both show
};

// `layer` is the plain layer within the slide's own layer record.
ShowSlide MakeShowSlide(const scenewriter::SlideRecord& slide, const scenewriter::LayerRecord& layer);
