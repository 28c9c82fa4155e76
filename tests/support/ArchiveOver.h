#pragma once
// A reading archive over bytes a test wrote, and how many of them it has consumed.
#include <cstdint>
#include <vector>

#include "document/QV_IOF_R.h"
#include "document/ResourceBuffer.h"

namespace vgtest {

class ArchiveOver {
public:
    explicit ArchiveOver(std::vector<uint8_t> bytes)
        : bytes_(std::move(bytes)), buffer_(bytes_.data(), bytes_.size()), archive_(&buffer_) {}
    ArchiveOver(const ArchiveOver&) = delete;
    ArchiveOver& operator=(const ArchiveOver&) = delete;

    QV_IOF_Virtual& Archive() { return archive_; }
    ResourceBuffer& Buffer() { return buffer_; }
    size_t Consumed() const { return bytes_.size() - buffer_.BytesLeft(); }
    bool Failed() const { return buffer_.Failed(); }

private:
    std::vector<uint8_t> bytes_;
    ResourceBuffer buffer_;
    QV_IOF_R<ResourceBuffer> archive_;
};

}  // namespace vgtest
