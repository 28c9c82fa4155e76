#include "audio/QV_AudioFile.h"

#include <windows.h>
#include <cstdio>

#include "audio/MusicFolder.h"
#include "document/FieldArchive.h"

void QV_AudioFile::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_AudioFile::Load(QV_IOF_Virtual& archive) { Fields(FieldArchive::Reader(archive, kRecordVersion)); }

void QV_AudioFile::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_AudioFile", kRecordVersion)); }

void QV_AudioFile::Fields(FieldArchive ar) {
    ar.Value(fileName_);
    ar.Value(data_);
}

void QV_AudioFile::ExtractToTempFile(MusicFolder& folder) {
    if (!data_.Size()) return;
    const std::wstring& stored = data_.Name();
    DWORD attributes = GetFileAttributesW(stored.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        data_.Clear();
        return;
    }
    const std::wstring target = folder.Place(stored);
    if (target.empty()) return;
    if (FILE* out = _wfopen(target.c_str(), L"wb")) {
        std::fwrite(data_.Bytes(), 1, data_.Size(), out);
        std::fclose(out);
    }
    // A failed write leaves the track pointing at a missing or partial file.
    data_.SetName(target);
}
