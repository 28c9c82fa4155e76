#include "MeshTestScene.h"

#include <string>

#include "ArchiveOver.h"
#include "document/QV_ABObj_Constructor.h"
#include "player/PictureLayout.h"

namespace vgtest {

void PublishPictureSize(int width, int height) {
    PublishPictureLayout(ScreenQuad::FromRect(0, 0, float(width), float(height)), float(width), float(height),
                         width, height);
}

std::unique_ptr<QV_3DObjArray> MakeObject(QV_ABObj_Constructor& description) {
    return std::unique_ptr<QV_3DObjArray>(dynamic_cast<QV_3DObjArray*>(description.CreateObject()));
}

std::unique_ptr<QV_DocResManager> PublishedManager(const scenewriter::ResourceSection& section) {
    scenewriter::SceneWriter out;
    scenewriter::WriteResourceSection(out, section);
    ArchiveOver in(out.Bytes());
    std::wstring tag;
    in.Archive().ReadString(tag);
    auto manager = std::make_unique<QV_DocResManager>();
    manager->Load(in.Archive(), in.Archive().ReadVersion());
    CurrentDocResManager = manager.get();
    return manager;
}

}  // namespace vgtest
