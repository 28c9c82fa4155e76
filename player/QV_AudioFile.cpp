#include "player/QV_AudioFile.h"

#include "document/QV_IOF_Virtual.h"

void QV_AudioFile::Save(QV_IOF_Virtual& archive) {
    std::wstring tag = L"QV_AudioFile";
    int32_t version = 1;
    archive.WriteString(tag);
    archive.WriteInt(version);
    archive.WriteString(fileName_);
    archive.WriteBlob(data_);
}

void QV_AudioFile::Load(QV_IOF_Virtual& archive) {
    archive.ReadString(fileName_);
    archive.ReadBlob(data_);
}
