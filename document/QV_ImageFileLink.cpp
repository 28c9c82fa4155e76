#include "document/QV_ImageFileLink.h"

UndoImage::UndoImage(QV_ImageFileLink* owner) : snapshot_(owner->Value()), owner_(owner) {}

void UndoImage::OnParamChanged(MediaControl*) {
    if (owner_ && owner_->Value() != snapshot_) snapshot_ = owner_->Value();
}

void UndoImage::Undo() {
    if (history_.StepOlder(snapshot_)) AssignSnapshotToOwner();
}

void UndoImage::Redo() {
    if (history_.StepNewer(snapshot_)) AssignSnapshotToOwner();
}

void UndoImage::Commit() { history_.Commit(snapshot_); }

void UndoImage::AssignSnapshotToOwner() {
    if (owner_) owner_->Assign(snapshot_, this);
}

QV_ImageFileLink::QV_ImageFileLink() : undo_(this) { Attach(&undo_); }

QV_ImageFileLink::QV_ImageFileLink(int32_t resourceId, const std::wstring& modulePath)
    : QV_FileLink3(resourceId, modulePath), undo_(this) {
    Attach(&undo_);
}

QV_ImageFileLink::QV_ImageFileLink(const FileKey& key) : QV_FileLink3(key), undo_(this) {
    Attach(&undo_);
}

QV_ImageFileLink::QV_ImageFileLink(const QV_ImageFileLink& other)
    : QV_FileLink3(other), undo_(this) {
    Attach(&undo_);
}

QV_ImageFileLink::~QV_ImageFileLink() {
    // The undo control goes first; it must not be told of its owner's end afterwards.
    Detach(&undo_);
}
