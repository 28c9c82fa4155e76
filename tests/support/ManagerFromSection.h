#pragma once
// A resource manager read from a writer-made resource section, its pictures decoded on
// CurrentDevice as the document would have them.
#include <memory>

#include "DocumentRecords.h"
#include "document/QV_DocResManager.h"

namespace vgtest {

std::unique_ptr<QV_DocResManager> ManagerFromSection(const scenewriter::ResourceSection& section);

}  // namespace vgtest
