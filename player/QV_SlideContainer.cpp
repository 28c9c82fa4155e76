#include "player/QV_SlideContainer.h"

#include "document/ParamArchive.h"
#include "document/QV_IOF_Virtual.h"
#include "document/ReaderRegistry.h"

QV_SlideContainer::QV_SlideContainer() {
    fadeIn.Assign(1, nullptr);
    fadeOut.Assign(1, nullptr);
    showTime.Assign(10, nullptr);
    reserved.Assign(0, nullptr);
    reservedCount.Assign(10, nullptr);
}

QV_SlideContainer::~QV_SlideContainer() {
    objectDescriptions_.clear();
    soundDescriptions_.clear();
    for (auto& object : objects_) object.Release();
    // All silent before any goes: letting a playing buffer go waits on the mixer, which
    // mixes every other one that plays, so thousands took minutes.
    SetSoundsActive(false);
    for (auto& sound : sounds_) sound.Release();
    layer_.Release();
}

void QV_SlideContainer::ReadDescriptions(QV_IOF_Virtual& archive, Descriptions& into) {
    const uint32_t count = archive.ReadCount(ArchiveSize::kSectionHead);
    for (uint32_t i = 0; i < count && !archive.Failed(); ++i)
        into.emplace_back(ReadTaggedObject(archive));
}

void QV_SlideContainer::Load(QV_IOF_Virtual& archive, uint32_t version) {
    ReadUIntParam(archive, fadeIn);
    ReadUIntParam(archive, fadeOut);
    ReadUIntParam(archive, showTime);
    ReadLongParam(archive, reserved);
    std::wstring text = name.Value();
    archive.ReadString(text);
    name.SetSilently(text);
    if (version >= 3) ReadUIntParam(archive, reservedCount);
    layer_ = CountedHolder<QV_2D_Light>(ReadTaggedLight(archive));
    ReadDescriptions(archive, objectDescriptions_);
    if (version >= 2) ReadDescriptions(archive, soundDescriptions_);
}

void QV_SlideContainer::Save(QV_IOF_Virtual& archive) {
    archive.WriteSectionHead(L"QV_SlideContainer", 3);
    WriteUIntParam(archive, fadeIn);
    WriteUIntParam(archive, fadeOut);
    WriteUIntParam(archive, showTime);
    WriteLongParam(archive, reserved);
    std::wstring text = name.Value();
    archive.WriteString(text);
    WriteUIntParam(archive, reservedCount);
    if (layer_) layer_->Save(archive);
    for (auto* list : {&objects_, &sounds_}) {
        int32_t count = int32_t(list->size());
        archive.WriteInt(count);
        for (auto& object : *list) object->Description().Save(archive);
    }
}

void QV_SlideContainer::CreateObjects(Descriptions& from, std::vector<CountedHolder<QV_ABObj>>& into) {
    for (auto& description : from) {
        QV_ABObj* object = description ? description->CreateObject() : nullptr;
        if (object) into.emplace_back(object);
    }
    from.clear();
}

void QV_SlideContainer::Activate() {
    if (layer_) {
        layer_->CreateDeviceObjects();
        layer_->Resize(1, 1);
    }
    CreateObjects(objectDescriptions_, objects_);
    CreateObjects(soundDescriptions_, sounds_);
}

void QV_SlideContainer::Render(bool nested) {
    if (!layer_) return;
    int passes = 0;
    for (auto& object : objects_)
        if (object->NeedsBackground()) ++passes;
    if (layer_->UsesPostEffects()) ++passes;
    if (passes > 0) layer_->PrepareTargets();
    layer_->DrawBackground(nested);
    layer_->RenderObjects(objects_, passes);
}

void QV_SlideContainer::EndRender(bool nested) {
    if (layer_) layer_->EndRender(nested);
}

void QV_SlideContainer::FrameMove(float t) {
    if (layer_) layer_->FrameMove(t);
    for (auto& object : objects_) object->UpdateByTimeLine(t);
    for (auto& sound : sounds_) sound->UpdateByTimeLine(t);
}

void QV_SlideContainer::StartObjects() {
    for (auto& object : objects_) object->Description().ResetTimeLine();
    if (layer_) layer_->RestoreDeviceObjects();
}

void QV_SlideContainer::SetSoundsActive(bool active) {
    for (auto& sound : sounds_) sound->SetEnabled(active ? 1 : 0);
}

void QV_SlideContainer::Resize(int width, int height) {
    if (layer_) layer_->Resize(width, height);
}

void QV_SlideContainer::SetFitMode(int mode) {
    if (layer_) layer_->SetFitMode(mode);
}

void QV_SlideContainer::InvalidateDeviceObjects() {
    if (layer_) layer_->InvalidateDeviceObjects();
}
