#pragma once
#include "SceneWriter.h"

namespace vgtest {

// Reads the record cut short at every byte through the object registry, each cut placed right
// before a page that cannot be read: every read must fail the archive without reading past.
void ExpectEveryCutFails(const scenewriter::SceneWriter& record);

}  // namespace vgtest
