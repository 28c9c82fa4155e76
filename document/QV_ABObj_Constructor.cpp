#include "document/QV_ABObj_Constructor.h"

#include "document/FieldArchive.h"

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

void QV_ABObj_Constructor::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_ABObj_Constructor::TaggedFields(FieldArchive outer) {
    FieldArchive ar = outer.Section(L"QV_ABObj_Constructor", kSectionVersion);
    ar.Value(name_);
    if (ar.Version() > 1) timeLine_->TaggedFields(ar);
}

void QV_ABObj_Constructor::GetTextureFrameInfo(TextureFrameInfo& info) { info = TextureFrameInfo{}; }

void QV_ABObj_Constructor::NewIdentity() {}

void QV_ABObj_Constructor::ResetTimeLine() { timeLine_->Cycle().Reset(); }

void QV_ABObj_Constructor::HookA(void*) {}

void QV_ABObj_Constructor::HookB(void*) {}

int QV_ABObj_Constructor::QueryA(void*) { return 0; }

int QV_ABObj_Constructor::QueryRuntimeObject(QV_ABObj*) { return 0; }

