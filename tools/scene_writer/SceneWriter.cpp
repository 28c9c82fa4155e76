#include "SceneWriter.h"

#include <cstring>

namespace scenewriter {

namespace {

void PutLittleEndian(std::vector<uint8_t>& out, uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(value >> (8 * i)));
}

}  // namespace

std::u16string Widen(std::string_view ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

void SceneWriter::Put(const void* data, size_t size) {
    const auto* p = static_cast<const uint8_t*>(data);
    bytes_.insert(bytes_.end(), p, p + size);
}

SceneWriter& SceneWriter::Int(int32_t value) {
    PutLittleEndian(bytes_, uint32_t(value), 4);
    return *this;
}

SceneWriter& SceneWriter::UInt(uint32_t value) {
    PutLittleEndian(bytes_, value, 4);
    return *this;
}

SceneWriter& SceneWriter::Float(float value) {
    uint32_t bits;
    static_assert(sizeof bits == sizeof value);
    std::memcpy(&bits, &value, 4);
    return UInt(bits);
}

SceneWriter& SceneWriter::Byte(uint8_t value) {
    bytes_.push_back(value);
    return *this;
}

SceneWriter& SceneWriter::Int64(int64_t value) {
    PutLittleEndian(bytes_, uint64_t(value), 8);
    return *this;
}

SceneWriter& SceneWriter::String(std::u16string_view text, LengthForm form) {
    const uint32_t length = uint32_t(text.size());
    if (form == LengthForm::Shortest) {
        form = length < 0xFF ? LengthForm::Byte
             : length < 0xFFFF ? LengthForm::Word
                               : LengthForm::DoubleWord;
    }
    bytes_.insert(bytes_.end(), {0xFF, 0xFE, 0xFF});
    switch (form) {
    case LengthForm::Byte:
        bytes_.push_back(uint8_t(length));
        break;
    case LengthForm::Word:
        bytes_.push_back(0xFF);
        PutLittleEndian(bytes_, length, 2);
        break;
    default:
        bytes_.insert(bytes_.end(), {0xFF, 0xFF, 0xFF});
        PutLittleEndian(bytes_, length, 4);
        break;
    }
    for (char16_t unit : text) PutLittleEndian(bytes_, unit, 2);
    return *this;
}

SceneWriter& SceneWriter::String(std::string_view ascii, LengthForm form) {
    return String(Widen(ascii), form);
}

SceneWriter& SceneWriter::Blob(const std::vector<uint8_t>& bytes, std::string_view name) {
    UInt(uint32_t(bytes.size()));
    Raw(bytes);
    return String(name);
}

SceneWriter& SceneWriter::EmbeddedFile(int32_t resourceId, std::string_view module,
                                       const std::vector<uint8_t>& bytes, std::string_view name) {
    Int(resourceId);
    String(module);
    return Blob(bytes, name);
}

SceneWriter& SceneWriter::Raw(const std::vector<uint8_t>& bytes) {
    Put(bytes.data(), bytes.size());
    return *this;
}

}  // namespace scenewriter
