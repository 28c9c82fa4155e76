#include "brushes/FakeUndervater.h"

#include <memory>

#include "document/ParamArchive.h"
#include "document/QV_IOF_Virtual.h"
#include "player/PictureView.h"

void FakeUndervater::Load(QV_IOF_Virtual& archive, uint32_t version) {
    if (version == 1) {
        ReadUIntParamNotified(archive, Brush.speed);
        Brush.speed.Assign(Brush.speed.Value() >> 1, nullptr);
    } else {
        const auto read = std::make_unique<QV_UnderwaterFX>();
        read->LoadWithTag(archive);
        Brush = *read;
    }
    LoadFromArchive(archive);
}

void FakeUndervater::Save(QV_IOF_Virtual& archive) {
    archive.WriteSectionHead(L"FakeUndervater", kRecordVersion);
    Brush.Save(archive);
    SaveToArchive(archive);
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
