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

void WriteView(SceneWriter& out, const ViewRecord& view) {
    out.Section("QV_ViewObjCtrl", view.version);
    for (int32_t side : view.rectangle) out.Long(side);
    out.Float(view.relativeLeft).Float(view.relativeRight).Float(view.relativeTop).Float(view.relativeBottom);
    out.Byte(view.flag);
    if (view.version > 1) out.UInt(view.timeScale);
    WriteDescriptionBase(out, view.base);
}

}  // namespace scenewriter
