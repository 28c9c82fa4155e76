#include "objects/QV_3D_in_2D_array.h"

#include "document/DocResourceCache.h"
#include "document/QV_DocResManager.h"
#include "objects/QV_3D_in_2D_array_Constructor.h"
#include "objects/QV_SreamAnim.h"
#include "objects/Rotations.h"
#include "player/MeshBatch.h"
#include "player/QV_2D_Light.h"

QV_3D_in_2D_array::QV_3D_in_2D_array(QV_3D_in_2D_array_Constructor* description)
    : QV_ABObj(description), description_(description) {
    description_->SetRuntimeObject(this);
    LoadMesh();
    SyncChildren();
}

QV_3D_in_2D_array::~QV_3D_in_2D_array() {
    for (QV_Frame* child : mesh_.children) FrameTreeDeleter()(child);
}

void QV_3D_in_2D_array::LoadMesh() {
    QV_DocResManager* manager = CurrentDocResManager;
    if (!manager) return;
    DocResourceCache& cache = manager->Cache();
    mesh_.texture = cache.GetTexture(description_->Texture()).texture;
    TakeMeshEntry(mesh_, cache.GetMesh(description_->Mesh(), sizeof(MeshVertex)));
}

void QV_3D_in_2D_array::SyncChildren() {
    std::vector<QV_Frame*>& children = mesh_.children;
    const unsigned int count = description_->Count().Value();
    while (children.size() < count) {
        auto* child = new QV_Frame;
        child->radius = mesh_.radius;
        for (int i = 0; i < 3; ++i) child->centre[i] = mesh_.centre[i];
        // The mesh turns about the centre of its bounding sphere.
        child->local = Translation(-mesh_.centre[0], -mesh_.centre[1], -mesh_.centre[2]);
        child->animation = std::make_shared<QV_LeafFallAnim>(description_->Stream());
        children.push_back(child);
    }
    while (children.size() > count) {
        FrameTreeDeleter()(children.front());
        children.erase(children.begin());
    }
}

void QV_3D_in_2D_array::Update(float localTime) {
    StreamAnimTime = localTime;
    mesh_.world = mesh_.local;
    for (QV_Frame* child : mesh_.children) child->UpdateWorld(&mesh_.world);
}

void QV_3D_in_2D_array::Render(QV_2D_Light& layer) { layer.DrawMeshInstancesTwoSided(mesh_); }
