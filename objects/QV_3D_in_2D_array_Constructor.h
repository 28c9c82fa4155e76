#pragma once
// Many copies of one textured mesh (leaves, petals, flakes) that drift across the picture,
// tumble, and come back in at the opposite edge. The mesh and the texture are records of
// their own in the description, not links.
#include "document/EmbeddedFile.h"
#include "document/FreshOnCopy.h"
#include "document/QV_ABObj_Constructor.h"
#include "objects/StreamAnimParams.h"

class FieldArchive;
class QV_3D_in_2D_array;

class QV_3D_in_2D_array_Constructor : public QV_ABObj_Constructor {
public:
    static constexpr uint32_t kRecordVersion = 1;

    QV_3D_in_2D_array_Constructor() = default;
    // The copy has no runtime object yet.
    QV_3D_in_2D_array_Constructor(const QV_3D_in_2D_array_Constructor&) = default;

    void Save(QV_IOF_Virtual& archive) override;
    // A QV_3D_in_2D_array over a copy of this description.
    QV_ABObj* CreateObject() override;

    // The fields after the tag and version the dispatcher read. The count is clamped.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    void SetRuntimeObject(QV_3D_in_2D_array* object) { runtime_.object = object; }
    QV_3D_in_2D_array* RuntimeObject() const { return runtime_.object; }
    EmbeddedFile& Mesh() { return mesh_; }
    EmbeddedFile& Texture() { return texture_; }
    MediaParamT<unsigned int>& Count() { return count_; }
    StreamAnimParams& Stream() { return stream_; }

private:
    struct Runtime {
        QV_3D_in_2D_array* object = nullptr;
    };

    FreshOnCopy<Runtime> runtime_;
    EmbeddedFile mesh_;
    EmbeddedFile texture_;
    MediaParamT<unsigned int> count_{0};
    StreamAnimParams stream_;
};
