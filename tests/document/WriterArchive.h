#pragma once
// A reading archive over bytes made with the scene writer.
#include <cstdint>
#include <vector>

#include "document/QV_IOF_R.h"
#include "document/ResourceBuffer.h"
#include "tools/scene_writer/SceneWriter.h"

struct WriterArchive {
    explicit WriterArchive(const scenewriter::SceneWriter& writer)
        : bytes(writer.Bytes()), buffer(bytes.data(), bytes.size()), archive(&buffer) {}
    WriterArchive(const WriterArchive&) = delete;

    size_t BytesLeft() const { return buffer.BytesLeft(); }

    std::vector<uint8_t> bytes;
    ResourceBuffer buffer;
    QV_IOF_R<ResourceBuffer> archive;
};
