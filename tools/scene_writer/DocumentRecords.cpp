#include "DocumentRecords.h"

namespace scenewriter {

void WriteStoredFile(SceneWriter& out, const StoredFile& file) {
    out.EmbeddedFile(file.resourceId, file.module, file.bytes, file.name);
}

namespace {

void WriteStoreSection(SceneWriter& out, const std::vector<StoreEntry>& entries) {
    out.UInt(uint32_t(entries.size()));
    for (const StoreEntry& entry : entries) {
        out.String(entry.path).Int64(entry.stamp).UInt(uint32_t(entry.files.size()));
        for (const StoredFile& file : entry.files) WriteStoredFile(out, file);
    }
}

}  // namespace

void WriteDocumentHead(SceneWriter& out) { out.String("QRN v 4.0.0"); }

void WriteSlideShow(SceneWriter& out, const std::vector<SceneWriter>& slides,
                    const std::vector<AudioTrack>& tracks) {
    out.Section("QV_SlideShow_Light", 1);
    out.UInt(uint32_t(slides.size()));
    for (const SceneWriter& slide : slides) out.Append(slide);
    out.UInt(uint32_t(tracks.size()));
    for (const AudioTrack& track : tracks) {
        out.Section("QV_AudioFile", 1);
        out.String(track.fileName);
        out.Blob(track.bytes, "");
    }
}

void WriteResourceSection(SceneWriter& out, const ResourceSection& section) {
    out.Section("QV_DocResManager", section.version);
    WriteStoreSection(out, section.images);
    out.UInt(uint32_t(section.durations.size()));
    for (const DurationEntry& entry : section.durations) {
        out.String(entry.path).Int64(entry.stamp).UInt(uint32_t(entry.seconds.size()));
        for (float value : entry.seconds) out.Float(value);
    }
    if (section.version == 1) return;
    WriteStoreSection(out, section.buffers);
    if (section.version == 2) return;
    out.UInt(uint32_t(section.guidImages.size()));
    for (const GuidImage& image : section.guidImages) {
        out.String(image.guid).String(image.name).Byte(image.flag);
        out.Blob(image.bytes, image.blobName);
    }
}

std::vector<uint8_t> MakeDocument(const std::vector<SceneWriter>& slides,
                                  const std::vector<AudioTrack>& tracks,
                                  const ResourceSection& section) {
    SceneWriter out;
    WriteDocumentHead(out);
    WriteSlideShow(out, slides, tracks);
    WriteResourceSection(out, section);
    return out.Bytes();
}

}  // namespace scenewriter
