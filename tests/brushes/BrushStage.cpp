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

scenewriter::FxBaseRecord DistinctBrushBase(int32_t version) {
    scenewriter::FxBaseRecord fx;
    fx.version = version;
    fx.speed = 7;
    fx.fxMode = 1;
    fx.maskGuid = kBrushMaskGuid;
    fx.maskName = "mask";
    fx.maskFlag = 5;
    fx.effect = {"C:\\fx\\glow.fx", 1234};
    fx.effectScale = 100;
    for (int i = 0; i < 12; ++i) fx.region[i] = float(i + 1);
    fx.spareInt = -9;
    fx.base.name = "brush";
    fx.base.timeLine.mode = 1;
    return fx;
}

void ExpectBrushesRead(std::span<BrushReadCase> cases) {
    for (BrushReadCase& c : cases) {
        SCOPED_TRACE(c.tag);
        auto brush = BrushStage::ReadBrush(c.record);
        ASSERT_NE(brush, nullptr);
        c.check(*brush);
        EXPECT_EQ(brush->fxMode.Value(), 1);
        EXPECT_EQ(brush->spareInt.Value(), -9);
        EXPECT_EQ(brush->Name(), L"brush");
    }
}

}  // namespace vgtest
