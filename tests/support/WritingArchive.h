#pragma once
// A writing archive for tests: each write appends its value in the document's own byte form,
// so that the reading archive takes it back, and is kept as a typed field, so that a
// comparison can name the field where two writes part. Reads leave their targets as they were.
#include <cstdint>
#include <string>
#include <vector>

#include "SceneWriter.h"
#include "document/QV_IOF_Virtual.h"

namespace vgtest {

struct WrittenField {
    std::string kind;   // "float", "int32", "string", ...
    std::string value;  // printable, and equal exactly when the stored values are
    size_t offset = 0;  // where its bytes begin
};

class WritingArchive : public QV_IOF_Virtual {
public:
    void WriteEmbeddedFile(EmbeddedFile& value) override;
    void WriteBlob(DataBlob& value) override;
    void WriteString(std::wstring& value) override;
    void WriteInt64(int64_t& value) override;
    void WriteFloat(float& value) override;
    void WritePoint(POINT& value) override;
    void WriteInt(int32_t& value) override;
    void WriteUInt(uint32_t& value) override;
    void WriteByte(char& value) override;
    void WriteBool(bool& value) override;
    void WriteLong(long& value) override;

    void ReadEmbeddedFile(EmbeddedFile&) override {}
    void ReadBlob(DataBlob&) override {}
    void ReadString(std::wstring&) override {}
    void ReadInt64(int64_t&) override {}
    void ReadFloat(float&) override {}
    void ReadPoint(POINT&) override {}
    void ReadInt(int32_t&) override {}
    void ReadUInt(uint32_t&) override {}
    void ReadByte(char&) override {}
    void ReadBool(bool&) override {}
    void ReadLong(long&) override {}

    bool Failed() const override { return false; }
    void MarkFailed() override {}
    uint64_t BytesLeft() const override { return 0; }
    bool PeekString(uint32_t, std::wstring&) const override { return false; }

    const std::vector<uint8_t>& Bytes() const { return out_.Bytes(); }
    const std::vector<WrittenField>& Fields() const { return fields_; }

private:
    // Starts a field at the current end of the bytes.
    void Field(const char* kind, std::string value);

    scenewriter::SceneWriter out_;
    std::vector<WrittenField> fields_;
};

// "field 7 (float) 2.5, against 3" for the first field where `actual` parts from `expected`
// (a missing field reads as "nothing"); empty when both hold the same fields.
std::string FirstDifferentField(const std::vector<WrittenField>& expected, const std::vector<WrittenField>& actual);
// "byte 12 of 40, in field 3 (string) \"moon\"" for the first byte where `actual` parts from
// the fields' own bytes; empty when they are the same bytes.
std::string FirstDifferentByte(const std::vector<uint8_t>& expected, const WritingArchive& actual);

}  // namespace vgtest
