#pragma once
// The store of every file the document embeds, keyed by FileKey, and the pictures named by
// GUID. Each screen unit's document has its own manager.
#include <windows.h>
#include <cstdint>
#include <map>
#include <vector>

#include "document/DataBlob.h"
#include "document/EmbeddedFile.h"
#include "document/FileKey.h"
#include "document/GuidKey.h"
#include "document/QV_IOF_Item.h"

using EmbeddedFileMap = std::map<FileKey, std::vector<EmbeddedFile>>;
using FrameDurationMap = std::map<FileKey, std::vector<float>>;

// The maps as the section is read; `images` and `guidImages` are emptied once turned into
// device objects, `buffers` and `frameDurations` keep what was read.
struct DocResStorage {
    EmbeddedFileMap images;
    FrameDurationMap frameDurations;
    EmbeddedFileMap buffers;
    std::map<GuidKey, DataBlob> guidImages;
    EmbeddedFileMap store;
};

class QV_DocResManager : public QV_IOF_Item {
public:
    QV_DocResManager() = default;
    QV_DocResManager(const QV_DocResManager&) = delete;
    QV_DocResManager& operator=(const QV_DocResManager&) = delete;

    void Save(QV_IOF_Virtual& archive) override;
    // The section's fields after its tag and version. Version 1 ends after the frame
    // durations, version 2 after the buffers; any other reads the GUID pictures too.
    HRESULT Load(QV_IOF_Virtual& archive, uint32_t version);

    const DocResStorage& Storage() const { return storage_; }

private:
    DocResStorage storage_;
};

// The manager of the screen unit being drawn.
extern QV_DocResManager* CurrentDocResManager;
