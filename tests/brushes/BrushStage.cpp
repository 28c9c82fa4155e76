#include "BrushStage.h"

#include "ArchiveOver.h"
#include "document/ReaderRegistry.h"

namespace vgtest {

std::unique_ptr<QV_FX_Constructor> BrushStage::ReadBrush(const scenewriter::SceneWriter& record) {
    ArchiveOver in(record.Bytes());
    std::unique_ptr<QV_ABObj_Constructor> read(ReadTaggedObject(in.Archive()));
    EXPECT_FALSE(in.Failed());
    EXPECT_EQ(in.Consumed(), record.Size());
    auto* brush = dynamic_cast<QV_FX_Constructor*>(read.get());
    if (brush) read.release();
    return std::unique_ptr<QV_FX_Constructor>(brush);
}

}  // namespace vgtest
