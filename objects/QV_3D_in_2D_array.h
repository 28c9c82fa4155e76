#pragma once
// The runtime object of falling 3D objects: one mesh drawn at every child frame of its own
// frame, each child drifted and tumbled by a QV_LeafFallAnim.
#include "document/QV_ABObj.h"
#include "player/QV_IndexedMesh.h"

class QV_3D_in_2D_array_Constructor;

class QV_3D_in_2D_array : public QV_ABObj {
public:
    // Takes ownership of the copy; loads the mesh and makes the description's count of
    // children.
    explicit QV_3D_in_2D_array(QV_3D_in_2D_array_Constructor* description);
    ~QV_3D_in_2D_array() override;

    // Publishes the local time as StreamAnimTime, then moves every child.
    void Update(float localTime) override;
    // The mesh at every child, blended, both windings.
    void Render(QV_2D_Light& layer) override;
    void Hook(void*, void*) override {}
    void OnScreenChanged() override {}

    // Texture and mesh from the records, decoded by the cache of the manager being drawn, so
    // that each screen's device gets its own.
    void LoadMesh();
    // Children to the description's count: new ones at the end, surplus ones from the front.
    void SyncChildren();

    QV_SpriteArrayT<MeshVertex>& Mesh() { return mesh_; }

private:
    QV_SpriteArrayT<MeshVertex> mesh_;  // its children are owned
    QV_3D_in_2D_array_Constructor* description_;
};
