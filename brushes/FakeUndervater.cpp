#include "brushes/FakeUndervater.h"

#include <memory>

#include "document/FieldArchive.h"
#include "document/QV_IOF_Virtual.h"
#include "player/PictureView.h"

void FakeUndervater::Load(QV_IOF_Virtual& archive, uint32_t version) { Fields(FieldArchive::Reader(archive, version)); }

void FakeUndervater::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void FakeUndervater::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"FakeUndervater", kRecordVersion)); }

void FakeUndervater::Fields(FieldArchive ar) {
    if (ar.Version() == 1) {
        ar.Notified(Brush.speed);
        Brush.speed.Assign(Brush.speed.Value() >> 1, nullptr);
    } else {
        QV_FX_Constructor::EmbeddedFields(ar, Brush);
    }
    QV_2D_Light::TaggedFields(ar);
}

void FakeUndervater::CreateDeviceObjects() {
    QV_2D_Light::CreateDeviceObjects();
    Brush.OnCreate(nullptr);
}

void FakeUndervater::FrameMove(float t) {
    QV_2D_Light::FrameMove(t);
    Brush.Update(t);
}

void FakeUndervater::EndRender(bool nested) {
    if (UsesPostEffects()) {
        RenderTargetPair& pair = BeginTargetPass(false);
        // Without target textures the slide was drawn straight onto the back buffer.
        if (pair.Current()) {
            GetSceneTexture() = pair.Current();
            Brush.Render(*this);
            GetSceneTexture() = GetPictureQuad().picture.texture;
        }
    }
    if (!nested) GetPictureView().DrawBorders();
}
