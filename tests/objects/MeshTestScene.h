#pragma once
// What the 3D-object tests share: the runtime object of a
// description with its controllers, and a resource manager read from a writer-made section.
#include <memory>

#include "DocumentRecords.h"
#include "PublishedPicture.h"
#include "document/QV_DocResManager.h"
#include "objects/QV_3DObjArray.h"
#include "player/QV_Frame.h"

namespace vgtest {

// The runtime object a description makes, typed.
std::unique_ptr<QV_3DObjArray> MakeObject(QV_ABObj_Constructor& description);

// The controller of an instance's root frame, or of its child frame `child`.
template <class Controller>
Controller& ControllerOf(QV_3DObjArray& object, size_t instance, int child = -1) {
    QV_Frame* frame = object.Instances()[instance].get();
    if (child >= 0) frame = frame->children[size_t(child)];
    return dynamic_cast<Controller&>(*frame->animation);
}

// A manager that has read the section, published as CurrentDocResManager.
std::unique_ptr<QV_DocResManager> PublishedManager(const scenewriter::ResourceSection& section);

}  // namespace vgtest
