#include "MeshTestScene.h"

#include "ManagerFromSection.h"
#include "document/QV_ABObj_Constructor.h"

namespace vgtest {

std::unique_ptr<QV_3DObjArray> MakeObject(QV_ABObj_Constructor& description) {
    return std::unique_ptr<QV_3DObjArray>(dynamic_cast<QV_3DObjArray*>(description.CreateObject()));
}

std::unique_ptr<QV_DocResManager> PublishedManager(const scenewriter::ResourceSection& section) {
    auto manager = ManagerFromSection(section);
    CurrentDocResManager = manager.get();
    return manager;
}

}  // namespace vgtest
