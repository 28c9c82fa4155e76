#pragma once
// A link to a picture, with the authoring tool's undo history of its key (never driven here).
#include "document/MediaControl.h"
#include "document/QV_FileLink3.h"
#include "document/UndoHistory.h"

class QV_ImageFileLink;

class UndoImage : public UndoCtrl {
public:
    explicit UndoImage(QV_ImageFileLink* owner);

    void OnOwnerDestroyed() override { owner_ = nullptr; }
    bool QueryState() override { return false; }
    // Keeps the snapshot equal to the link's key.
    void OnParamChanged(MediaControl* source) override;
    virtual void Undo();
    virtual void Redo();
    virtual void Commit();

    const FileKey& Snapshot() const { return snapshot_; }

private:
    void AssignSnapshotToOwner();

    FileKey snapshot_;
    QV_ImageFileLink* owner_;
    UndoHistory<FileKey> history_;
};

class QV_ImageFileLink : public QV_FileLink3 {
public:
    QV_ImageFileLink();
    QV_ImageFileLink(int32_t resourceId, const std::wstring& modulePath);
    explicit QV_ImageFileLink(const FileKey& key);
    QV_ImageFileLink(const QV_ImageFileLink& other);
    ~QV_ImageFileLink() override;

    UndoImage& UndoControl() { return undo_; }

private:
    UndoImage undo_;
};
