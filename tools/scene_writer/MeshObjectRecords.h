#pragma once
// The 3D objects as the document stores them: butterflies and clocks (counted mesh objects
// placed by a rectangle) and falling objects that carry their mesh and texture inline.
#include <cstdint>
#include <string>
#include <utility>

#include "DescriptionRecords.h"
#include "DocumentRecords.h"
#include "SceneWriter.h"
#include "SlideRecords.h"

namespace scenewriter {

struct MeshObjectRecord {
    int32_t version = 1;
    uint32_t count = 1;
    uint32_t size = 50;
    LinkValue image;
    LinkValue mesh;
    PlacedRecord placed;
};

// A mesh object's fields as a description's constructor sets them.
inline MeshObjectRecord MeshObjectDefaults(uint32_t size, LinkValue image, LinkValue mesh) {
    MeshObjectRecord object;
    object.size = size;
    object.image = std::move(image);
    object.mesh = std::move(mesh);
    return object;
}

struct ButterflyRecord {
    int32_t version = 2;  // version 1 has no wing scale
    LinkValue bodyImage{"common_res.dll", 6};
    LinkValue bodyMesh{"common_res.dll", 68};
    uint32_t keptValue1 = 50, keptValue2 = 50;
    float wingScale = 1.0f;
    MeshObjectRecord object = MeshObjectDefaults(100, {}, {"common_res.dll", 69});
};

struct ClockRecord {
    int32_t version = 1;
    int32_t rectangle[6] = {0, 0, 0, 0, 0, 0};  // the last two: the centre
    LinkValue handImage{"common_res.dll", 72};
    MeshObjectRecord object = MeshObjectDefaults(400, {"common_res.dll", 71}, {"common_res.dll", 70});
};

struct FallingObjectsRecord {
    int32_t version = 1;
    uint32_t count = 0;
    StoredFile mesh;
    StoredFile texture;
    uint32_t size = 0, speed = 50, wobble = 0, wobbleFrequency = 0, tumble = 100;
    uint32_t angle = 0;  // degrees: 0 right, 90 up
    DescriptionBaseRecord base;  // its name is also written ahead of the fields
};

// Tagged "QV_3D_Obj_Ctrl".
void WriteMeshObject(SceneWriter& out, const MeshObjectRecord& object);
// Tagged "QV_ButterflyConstructor": an entry of a slide's object list.
SceneWriter MakeButterflies(const ButterflyRecord& record);
// Tagged "QV_ClockConstructor".
SceneWriter MakeClock(const ClockRecord& record);
// Tagged "QV_3D_in_2D_array_Constructor".
SceneWriter MakeFallingObjects(const FallingObjectsRecord& record);

}  // namespace scenewriter
