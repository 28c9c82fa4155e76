#include "SlideRecords.h"

namespace scenewriter {

void WriteLink(SceneWriter& out, const LinkValue& link) { out.String(link.path).Int64(link.stamp); }

void WriteCamera(SceneWriter& out, const CameraRecord& camera) {
    out.Section("QVT_Camera", camera.version).Int(camera.enabled).UInt(camera.zoom).UInt(camera.speed);
    if (camera.version >= 2) WriteLink(out, camera.border);
}

SceneWriter MakeLayer(const LayerRecord& layer) {
    SceneWriter out;
    out.Section("QV_2D_Light", layer.version);
    if (layer.version >= 2) WriteLink(out, layer.picture);
    if (layer.version >= 3) WriteCamera(out, layer.camera);
    return out;
}

SceneWriter MakeSlide(const SlideRecord& slide) {
    SceneWriter out;
    out.Section("QV_SlideContainer", slide.version);
    out.UInt(slide.fadeIn).UInt(slide.fadeOut).UInt(slide.showTime).Int(slide.reserved);
    out.String(slide.name);
    if (slide.version >= 3) out.UInt(slide.reservedCount);
    out.Append(slide.layer);
    out.UInt(uint32_t(slide.objects.size()));
    for (const SceneWriter& object : slide.objects) out.Append(object);
    if (slide.version >= 2) {
        out.UInt(uint32_t(slide.sounds.size()));
        for (const SceneWriter& sound : slide.sounds) out.Append(sound);
    }
    return out;
}

}  // namespace scenewriter
