#pragma once
// The reading archive over a ResourceBuffer. Writes accept their value and do nothing, so the
// document classes' save operations have no effect in the player.
#include "document/ArchiveValues.h"
#include "document/QV_IOF_Virtual.h"
#include "document/ResourceBuffer.h"

template <class Buffer>
class QV_IOF_R;

template <>
class QV_IOF_R<ResourceBuffer> : public QV_IOF_Virtual {
public:
    // The buffer is not owned and outlives the archive.
    explicit QV_IOF_R(ResourceBuffer* buffer) : buffer_(buffer) {}

    void WriteEmbeddedFile(EmbeddedFile&) override {}
    void WriteBlob(DataBlob&) override {}
    void WriteString(std::wstring&) override {}
    void WriteInt64(int64_t&) override {}
    void WriteFloat(float&) override {}
    void WritePoint(POINT&) override {}
    void WriteInt(int32_t&) override {}
    void WriteUInt(uint32_t&) override {}
    void WriteByte(char&) override {}
    void WriteBool(bool&) override {}
    void WriteLong(long&) override {}

    void ReadEmbeddedFile(EmbeddedFile& value) override { ParseEmbeddedFile(*buffer_, value); }
    void ReadBlob(DataBlob& value) override { ::ReadBlob(*buffer_, value); }
    void ReadString(std::wstring& value) override { ParseWideString(*buffer_, value); }
    void ReadInt64(int64_t& value) override { buffer_->ReadValue(value); }
    void ReadFloat(float& value) override { buffer_->ReadValue(value); }
    void ReadPoint(POINT& value) override { ReadIntPair(*buffer_, value); }
    void ReadInt(int32_t& value) override { buffer_->ReadValue(value); }
    void ReadUInt(uint32_t& value) override { buffer_->ReadValue(value); }
    void ReadByte(char& value) override { buffer_->ReadValue(value); }
    void ReadBool(bool& value) override;
    void ReadLong(long& value) override;

    bool Failed() const override { return buffer_->Failed(); }
    void MarkFailed() override { buffer_->MarkFailed(); }
    uint64_t BytesLeft() const override { return buffer_->BytesLeft(); }
    bool PeekString(uint32_t offset, std::wstring& text) const override;

private:
    ResourceBuffer* buffer_;
};
