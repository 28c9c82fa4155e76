#include "document/QV_DocResManager.h"

#include "document/ArchiveValues.h"
#include "document/QV_IOF_Virtual.h"

QV_DocResManager* CurrentDocResManager = nullptr;

namespace {

// Path string, stamp and a count: the head of every keyed entry.
constexpr uint32_t kMinKeyedEntryBytes = ArchiveSize::kString + 8 + 4;
// Resource id, module string, size and name string.
constexpr uint32_t kMinEmbeddedFileBytes = 4 + ArchiveSize::kString + 4 + ArchiveSize::kString;
// GUID string, name string, flag and an empty blob with its name.
constexpr uint32_t kMinGuidImageBytes = 3 * ArchiveSize::kString + 1 + 4;

FileKey ReadFileKey(QV_IOF_Virtual& archive) {
    FileKey key;
    archive.ReadString(key.path);
    archive.ReadInt64(key.stamp);
    return key;
}

void WriteFileKey(QV_IOF_Virtual& archive, FileKey key) {
    archive.WriteString(key.path);
    archive.WriteInt64(key.stamp);
}

// A key repeated within a section keeps its first entry.
void ReadEmbeddedFileSection(QV_IOF_Virtual& archive, EmbeddedFileMap& section) {
    uint32_t entries = archive.ReadCount(kMinKeyedEntryBytes);
    for (uint32_t i = 0; i < entries && !archive.Failed(); ++i) {
        FileKey key = ReadFileKey(archive);
        uint32_t records = archive.ReadCount(kMinEmbeddedFileBytes);
        std::vector<EmbeddedFile> files(records);
        for (EmbeddedFile& file : files) archive.ReadEmbeddedFile(file);
        section.emplace(std::move(key), std::move(files));
    }
}

void ReadFrameDurationSection(QV_IOF_Virtual& archive, FrameDurationMap& section) {
    uint32_t entries = archive.ReadCount(kMinKeyedEntryBytes);
    for (uint32_t i = 0; i < entries && !archive.Failed(); ++i) {
        FileKey key = ReadFileKey(archive);
        uint32_t values = archive.ReadCount(4);
        std::vector<float> durations(values);
        for (float& duration : durations) archive.ReadFloat(duration);
        section.emplace(std::move(key), std::move(durations));
    }
}

void ReadGuidImageSection(QV_IOF_Virtual& archive, std::map<GuidKey, DataBlob>& section) {
    uint32_t entries = archive.ReadCount(kMinGuidImageBytes);
    for (uint32_t i = 0; i < entries && !archive.Failed(); ++i) {
        GuidKey key;
        ReadGuid(archive, key.id);
        archive.ReadString(key.name);
        char flag = 0;
        archive.ReadByte(flag);
        key.flag = flag;
        DataBlob blob;
        archive.ReadBlob(blob);
        section.emplace(std::move(key), std::move(blob));
    }
}

void WriteEmbeddedFileSection(QV_IOF_Virtual& archive, const EmbeddedFileMap& section) {
    int32_t entries = int32_t(section.size());
    archive.WriteInt(entries);
    for (const auto& [key, files] : section) {
        WriteFileKey(archive, key);
        int32_t records = int32_t(files.size());
        archive.WriteInt(records);
        for (EmbeddedFile file : files) archive.WriteEmbeddedFile(file);
    }
}

}  // namespace

HRESULT QV_DocResManager::Load(QV_IOF_Virtual& archive, uint32_t version) {
    ReadEmbeddedFileSection(archive, storage_.images);
    ReadFrameDurationSection(archive, storage_.frameDurations);
    for (const auto& [key, files] : storage_.images) storage_.store[key] = files;
    storage_.images.clear();
    if (version == 1) return S_OK;

    ReadEmbeddedFileSection(archive, storage_.buffers);
    // An image's records stay when a buffer entry has the same key.
    for (const auto& [key, files] : storage_.buffers) storage_.store.emplace(key, files);
    if (version == 2) return S_OK;

    ReadGuidImageSection(archive, storage_.guidImages);
    storage_.guidImages.clear();
    return S_OK;
}

void QV_DocResManager::Save(QV_IOF_Virtual& archive) {
    std::wstring tag = L"QV_DocResManager";
    int32_t version = 3;
    archive.WriteString(tag);
    archive.WriteInt(version);
    WriteEmbeddedFileSection(archive, storage_.images);
    int32_t durationEntries = int32_t(storage_.frameDurations.size());
    archive.WriteInt(durationEntries);
    for (const auto& [key, durations] : storage_.frameDurations) {
        WriteFileKey(archive, key);
        int32_t values = int32_t(durations.size());
        archive.WriteInt(values);
        for (float duration : durations) archive.WriteFloat(duration);
    }
    WriteEmbeddedFileSection(archive, storage_.buffers);
    int32_t guidEntries = 0;
    archive.WriteInt(guidEntries);
}
