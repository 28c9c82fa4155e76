#include "MeshObjectRecords.h"

namespace scenewriter {

void WriteMeshObject(SceneWriter& out, const MeshObjectRecord& object) {
    out.Section("QV_3D_Obj_Ctrl", object.version).UInt(object.count).UInt(object.size);
    WriteLink(out, object.image);
    WriteLink(out, object.mesh);
    WritePlaced(out, object.placed);
}

SceneWriter MakeButterflies(const ButterflyRecord& record) {
    SceneWriter out;
    out.Section("QV_ButterflyConstructor", record.version);
    WriteLink(out, record.bodyImage);
    WriteLink(out, record.bodyMesh);
    out.UInt(record.keptValue1).UInt(record.keptValue2);
    if (record.version >= 2) out.Float(record.wingScale);
    WriteMeshObject(out, record.object);
    return out;
}

SceneWriter MakeClock(const ClockRecord& record) {
    SceneWriter out;
    out.Section("QV_ClockConstructor", record.version);
    for (int32_t value : record.rectangle) out.Long(value);
    WriteLink(out, record.handImage);
    WriteMeshObject(out, record.object);
    return out;
}

SceneWriter MakeFallingObjects(const FallingObjectsRecord& record) {
    SceneWriter out;
    out.Section("QV_3D_in_2D_array_Constructor", record.version).String(record.base.name).UInt(record.count);
    WriteStoredFile(out, record.mesh);
    WriteStoredFile(out, record.texture);
    out.UInt(record.size).UInt(record.speed).UInt(record.wobble).UInt(record.wobbleFrequency).UInt(record.tumble);
    out.UInt(record.angle);
    WriteDescriptionBase(out, record.base);
    return out;
}

}  // namespace scenewriter
