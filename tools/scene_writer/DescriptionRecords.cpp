#include "DescriptionRecords.h"

namespace scenewriter {

void WriteTimeLine(SceneWriter& out, const TimeLineRecord& timeLine) {
    out.Section("QV_TimeLineControl", timeLine.version);
    out.Long(timeLine.mode).Long(timeLine.timeMode);
    out.UInt(timeLine.hiddenMin).UInt(timeLine.hiddenMax);
    out.UInt(timeLine.visibleMin).UInt(timeLine.visibleMax);
    out.UInt(timeLine.fadeIn).UInt(timeLine.fadeOut);
    out.Int(int32_t(timeLine.windows.size()));
    for (const WindowRecord& window : timeLine.windows)
        out.Float(window.start).Float(window.end).Float(window.fadeInEnd).Float(window.fadeOutStart);
}

void WriteDescriptionBase(SceneWriter& out, const DescriptionBaseRecord& base) {
    out.Section("QV_ABObj_Constructor", base.version).String(base.name);
    if (base.version > 1) WriteTimeLine(out, base.timeLine);
}

void WritePlaced(SceneWriter& out, const PlacedRecord& placed) {
    out.Section("QV_ViewObjCtrl", placed.version);
    out.Long(placed.left).Long(placed.right).Long(placed.top).Long(placed.bottom);
    out.Long(placed.further1).Long(placed.further2);
    out.Float(placed.relativeLeft).Float(placed.relativeRight).Float(placed.relativeTop).Float(placed.relativeBottom);
    out.Bool(placed.flag);
    if (placed.version > 1) out.UInt(placed.timeScale);
    WriteDescriptionBase(out, placed.base);
}

}  // namespace scenewriter
