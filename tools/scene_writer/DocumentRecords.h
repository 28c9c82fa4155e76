#pragma once
// The top-level records of a scene document, written with SceneWriter.
#include <cstdint>
#include <string>
#include <vector>

#include "SceneWriter.h"

namespace scenewriter {

struct AudioTrack {
    std::string fileName;  // the stored path
    std::vector<uint8_t> bytes;
};

struct StoredFile {
    int32_t resourceId = 0;
    std::string module;
    std::vector<uint8_t> bytes;
    std::string name;
};

struct StoreEntry {
    std::string path;
    int64_t stamp = 0;
    std::vector<StoredFile> files;
};

struct DurationEntry {
    std::string path;
    int64_t stamp = 0;
    std::vector<float> seconds;
};

struct GuidImage {
    std::string guid;  // "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"
    std::string name;
    uint8_t flag = 1;
    std::vector<uint8_t> bytes;
    std::string blobName;
};

// Version 1 stops after the durations, version 2 after the buffers.
struct ResourceSection {
    int32_t version = 3;
    std::vector<StoreEntry> images;
    std::vector<DurationEntry> durations;
    std::vector<StoreEntry> buffers;
    std::vector<GuidImage> guidImages;
};

// One embedded-file record: id, module, size, bytes, name.
void WriteStoredFile(SceneWriter& out, const StoredFile& file);
// "QRN v 4.0.0".
void WriteDocumentHead(SceneWriter& out);
// The slide show: each slide is a complete tagged record written beforehand.
void WriteSlideShow(SceneWriter& out, const std::vector<SceneWriter>& slides,
                    const std::vector<AudioTrack>& tracks);
void WriteResourceSection(SceneWriter& out, const ResourceSection& section);

// A whole document: head, slide show, resource section.
std::vector<uint8_t> MakeDocument(const std::vector<SceneWriter>& slides,
                                  const std::vector<AudioTrack>& tracks,
                                  const ResourceSection& section);

}  // namespace scenewriter
