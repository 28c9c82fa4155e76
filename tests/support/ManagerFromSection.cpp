#include "ManagerFromSection.h"

#include <string>

#include "ArchiveOver.h"

namespace vgtest {

std::unique_ptr<QV_DocResManager> ManagerFromSection(const scenewriter::ResourceSection& section) {
    scenewriter::SceneWriter out;
    WriteResourceSection(out, section);
    ArchiveOver in(out.Bytes());
    std::wstring tag;
    in.Archive().ReadString(tag);
    auto manager = std::make_unique<QV_DocResManager>();
    manager->Load(in.Archive(), in.Archive().ReadVersion());
    return manager;
}

}  // namespace vgtest
