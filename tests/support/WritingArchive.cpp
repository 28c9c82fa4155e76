#include "WritingArchive.h"

#include <cstdio>

#include "document/DataBlob.h"
#include "document/EmbeddedFile.h"

namespace vgtest {

namespace {

std::u16string Units(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }

std::string Quoted(const std::wstring& text) {
    std::string quoted = "\"";
    for (wchar_t unit : text) {
        if (unit >= 0x20 && unit < 0x7F) {
            quoted += char(unit);
            continue;
        }
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\u%04X", unsigned(unit));
        quoted += escaped;
    }
    return quoted + "\"";
}

// The name, the size and the bytes: all of a short blob, a digest of a long one.
std::string BlobText(const DataBlob& blob) {
    std::string text = Quoted(blob.Name()) + " " + std::to_string(blob.Size()) + " bytes";
    constexpr uint32_t kShown = 16;
    char hex[4];
    for (uint32_t i = 0; i < blob.Size() && i < kShown; ++i) {
        std::snprintf(hex, sizeof hex, i ? " %02X" : " :%02X", blob.Bytes()[i]);
        text += hex;
    }
    if (blob.Size() > kShown) {
        uint64_t digest = 14695981039346656037ull;
        for (uint32_t i = 0; i < blob.Size(); ++i) digest = (digest ^ blob.Bytes()[i]) * 1099511628211ull;
        char tail[32];
        std::snprintf(tail, sizeof tail, " ... digest %016llX", static_cast<unsigned long long>(digest));
        text += tail;
    }
    return text;
}

std::string Describe(const std::vector<WrittenField>& fields, size_t index) {
    if (index >= fields.size()) return "nothing";
    return "field " + std::to_string(index + 1) + " (" + fields[index].kind + ") " + fields[index].value;
}

}  // namespace

void WritingArchive::Field(const char* kind, std::string value) {
    fields_.push_back({kind, std::move(value), out_.Size()});
}

void WritingArchive::WriteEmbeddedFile(EmbeddedFile& value) {
    Field("embedded file",
          "id " + std::to_string(value.ResourceId()) + " module " + Quoted(value.Module()) + " " + BlobText(value));
    out_.Int(value.ResourceId()).String(Units(value.Module())).UInt(value.Size());
    out_.Raw({value.Bytes(), value.Bytes() + value.Size()}).String(Units(value.Name()));
}

void WritingArchive::WriteBlob(DataBlob& value) {
    Field("blob", BlobText(value));
    out_.UInt(value.Size()).Raw({value.Bytes(), value.Bytes() + value.Size()}).String(Units(value.Name()));
}

void WritingArchive::WriteString(std::wstring& value) {
    Field("string", Quoted(value));
    out_.String(Units(value));
}

void WritingArchive::WriteInt64(int64_t& value) {
    Field("int64", std::to_string(value));
    out_.Int64(value);
}

void WritingArchive::WriteFloat(float& value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", double(value));
    Field("float", text);
    out_.Float(value);
}

void WritingArchive::WritePoint(POINT& value) {
    Field("point", std::to_string(value.x) + ", " + std::to_string(value.y));
    out_.Point(int32_t(value.x), int32_t(value.y));
}

void WritingArchive::WriteInt(int32_t& value) {
    Field("int32", std::to_string(value));
    out_.Int(value);
}

void WritingArchive::WriteUInt(uint32_t& value) {
    Field("uint32", std::to_string(value));
    out_.UInt(value);
}

void WritingArchive::WriteByte(char& value) {
    Field("byte", std::to_string(int(static_cast<unsigned char>(value))));
    out_.Byte(uint8_t(value));
}

void WritingArchive::WriteBool(bool& value) {
    Field("bool", value ? "true" : "false");
    out_.Bool(value);
}

void WritingArchive::WriteLong(long& value) {
    Field("long", std::to_string(value));
    out_.Long(int32_t(value));
}

std::string FirstDifferentField(const std::vector<WrittenField>& expected, const std::vector<WrittenField>& actual) {
    for (size_t i = 0; i < expected.size() || i < actual.size(); ++i) {
        const bool same = i < expected.size() && i < actual.size() && expected[i].kind == actual[i].kind &&
                          expected[i].value == actual[i].value;
        if (!same) return Describe(actual, i) + ", against " + Describe(expected, i);
    }
    return {};
}

std::string FirstDifferentByte(const std::vector<uint8_t>& expected, const WritingArchive& actual) {
    const std::vector<uint8_t>& bytes = actual.Bytes();
    size_t at = 0;
    while (at < expected.size() && at < bytes.size() && expected[at] == bytes[at]) ++at;
    if (at == expected.size() && at == bytes.size()) return {};
    const std::vector<WrittenField>& fields = actual.Fields();
    size_t field = 0;
    while (field + 1 < fields.size() && fields[field + 1].offset <= at) ++field;
    return "byte " + std::to_string(at) + " of " + std::to_string(expected.size()) + " (saved " +
           std::to_string(bytes.size()) + "), in " + (at < bytes.size() ? Describe(fields, field) : "nothing");
}

}  // namespace vgtest
