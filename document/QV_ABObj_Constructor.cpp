#include "document/QV_ABObj_Constructor.h"

#include "document/QV_IOF_Virtual.h"

QV_ABObj_Constructor::QV_ABObj_Constructor() : timeLine_(std::make_unique<QV_TimeLineControl>()) {}

QV_ABObj_Constructor::QV_ABObj_Constructor(const QV_ABObj_Constructor& other)
    : QV_IOF_Item(other),
      enabled_(other.enabled_),
      name_(other.name_),
      timeLine_(std::make_unique<QV_TimeLineControl>(*other.timeLine_)) {}

QV_ABObj_Constructor::~QV_ABObj_Constructor() = default;

void QV_ABObj_Constructor::AssignDescription(const QV_ABObj_Constructor& other) {
    if (this == &other) return;
    enabled_ = other.enabled_;
    name_ = other.name_;
    timeLine_ = std::make_unique<QV_TimeLineControl>(*other.timeLine_);
}

void QV_ABObj_Constructor::Save(QV_IOF_Virtual& archive) {
    archive.WriteSectionHead(L"QV_ABObj_Constructor", int32_t(kSectionVersion));
    archive.WriteString(name_);
    timeLine_->Save(archive);
}

void QV_ABObj_Constructor::GetTextureFrameInfo(TextureFrameInfo& info) { info = TextureFrameInfo{}; }

void QV_ABObj_Constructor::NewIdentity() {}

void QV_ABObj_Constructor::ResetTimeLine() { timeLine_->Cycle().Reset(); }

void QV_ABObj_Constructor::HookA(void*) {}

void QV_ABObj_Constructor::HookB(void*) {}

int QV_ABObj_Constructor::QueryA(void*) { return 0; }

int QV_ABObj_Constructor::QueryRuntimeObject(QV_ABObj*) { return 0; }

void QV_ABObj_Constructor::LoadWithTag(QV_IOF_Virtual& archive) {
    uint32_t version = archive.ReadSectionHead();
    archive.ReadString(name_);
    if (version > 1) timeLine_->LoadWithTag(archive);
}
