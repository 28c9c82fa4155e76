#include "player/QV_SlideContainer.h"

#include "document/FieldArchive.h"
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

void QV_SlideContainer::Load(QV_IOF_Virtual& archive, uint32_t version) { Fields(FieldArchive::Reader(archive, version)); }

void QV_SlideContainer::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_SlideContainer::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_SlideContainer", kRecordVersion)); }

void QV_SlideContainer::Fields(FieldArchive ar) {
    ar.Param(fadeIn);
    ar.Param(fadeOut);
    ar.Param(showTime);
    ar.Param(reserved);
    ar.Param(name);
    if (ar.Version() >= 3) ar.Param(reservedCount);
    if (ar.Reading())
        layer_ = CountedHolder<QV_2D_Light>(ReadTaggedLight(ar.Archive()));
    else if (layer_)
        layer_->Save(ar.Archive());
    DescriptionFields(ar, objectDescriptions_, objects_);
    if (ar.Version() >= 2) DescriptionFields(ar, soundDescriptions_, sounds_);
}

// Each description its own tagged record, read through the object registry, which steps
// over the authoring tool's own records and gives null for them. The slide's descriptions
// are those read until it is activated, then those of its runtime objects.
void QV_SlideContainer::DescriptionFields(FieldArchive& ar, Descriptions& descriptions,
                                          const std::vector<CountedHolder<QV_ABObj>>& runtime) {
    if (ar.Reading()) {
        const uint32_t count = ar.Count(0, ArchiveSize::kSectionHead);
        for (uint32_t i = 0; i < count && !ar.Archive().Failed(); ++i)
            descriptions.emplace_back(ReadTaggedObject(ar.Archive()));
        return;
    }
    std::vector<QV_ABObj_Constructor*> saved;
    for (const auto& description : descriptions)
        if (description) saved.push_back(description.get());
    for (const auto& object : runtime) saved.push_back(&object->Description());
    ar.Count(saved.size(), ArchiveSize::kSectionHead);
    for (QV_ABObj_Constructor* description : saved) description->Save(ar.Archive());
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
