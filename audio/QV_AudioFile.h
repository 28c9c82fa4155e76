#pragma once
// One music file of the document: its stored path and its bytes.
#include <cstdint>
#include <string>

#include "document/DataBlob.h"
#include "document/QV_IOF_Item.h"

class FieldArchive;
class MusicFolder;

class QV_AudioFile : public QV_IOF_Item {
public:
    static constexpr uint32_t kRecordVersion = 1;

    void Save(QV_IOF_Virtual& archive) override;
    // The record after its tag and version: file name, then the bytes as a blob.
    void Load(QV_IOF_Virtual& archive);
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);
    // Makes the file playable from disk: a stored path naming an existing file is kept;
    // otherwise the bytes are written to a file of the run's music folder and the blob names
    // that file, whether or not the write succeeded. The bytes are dropped either way; only
    // without a folder does nothing change.
    void ExtractToTempFile(MusicFolder& folder);

    const std::wstring& FileName() const { return fileName_; }
    const DataBlob& Data() const { return data_; }

private:
    std::wstring fileName_;
    DataBlob data_;
};
