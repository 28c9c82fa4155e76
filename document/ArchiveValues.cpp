#include "document/ArchiveValues.h"

#include <objbase.h>

#include "document/QV_IOF_Virtual.h"

size_t ParseWideString(ResourceBuffer& buffer, std::wstring& target) {
    if (!buffer.Skip(3)) return 0;
    size_t header = 4;
    uint32_t length = 0;
    uint8_t shortLength = 0;
    if (!buffer.ReadValue(shortLength)) return 0;
    length = shortLength;
    if (shortLength == 0xFF) {
        uint16_t mediumLength = 0;
        if (!buffer.ReadValue(mediumLength)) return 0;
        header += 2;
        length = mediumLength;
        if (mediumLength == 0xFFFF) {
            if (!buffer.ReadValue(length)) return 0;
            header += 4;
        }
    }
    if (length == 0) return header;
    const BYTE* units = buffer.Take(size_t(length) * 2);
    if (!units) return 0;
    std::wstring text(length, L'\0');
    memcpy(text.data(), units, size_t(length) * 2);
    // A zero unit inside the text ends it.
    text.resize(wcsnlen(text.c_str(), length));
    target = std::move(text);
    return header + size_t(length) * 2;
}

namespace {

// The size-prefixed bytes shared by blobs and embedded files; false on overrun.
bool ReadSizedBytes(ResourceBuffer& buffer, DataBlob& blob, size_t& consumed) {
    uint32_t size = 0;
    if (!buffer.ReadValue(size)) return false;
    consumed += 4;
    if (size == 0) return true;
    const BYTE* bytes = buffer.Take(size);
    if (!bytes) return false;
    blob.SetBytes(size, bytes);
    consumed += size;
    return true;
}

}  // namespace

void ReadBlob(ResourceBuffer& buffer, DataBlob& blob) {
    size_t consumed = 0;
    if (!ReadSizedBytes(buffer, blob, consumed)) return;
    ParseWideString(buffer, blob.MutableName());
}

size_t ParseEmbeddedFile(ResourceBuffer& buffer, EmbeddedFile& file) {
    int32_t id = 0;
    if (!buffer.ReadValue(id)) return 0;
    file.SetResourceId(id);
    size_t consumed = 4 + ParseWideString(buffer, file.MutableModule());
    if (!ReadSizedBytes(buffer, file, consumed)) return consumed;
    consumed += ParseWideString(buffer, file.MutableName());
    return consumed;
}

void ReadIntPair(ResourceBuffer& buffer, POINT& point) {
    int32_t xy[2];
    if (!buffer.ReadValue(xy)) return;
    point.x = xy[0];
    point.y = xy[1];
}

void ReadUIntVector(std::vector<uint32_t>& values, ResourceBuffer& buffer) {
    uint32_t count = 0;
    if (!buffer.ReadValue(count)) return;
    if (buffer.Failed() || uint64_t(count) * 4 > buffer.BytesLeft()) {
        buffer.MarkFailed();
        return;
    }
    values.clear();
    uint32_t value = 0;
    for (uint32_t i = 0; i < count && buffer.ReadValue(value); ++i) values.push_back(value);
}

void ReadGuid(QV_IOF_Virtual& archive, GUID& guid) {
    std::wstring text;
    archive.ReadString(text);
    // Malformed text leaves whatever the conversion leaves, as stored documents expect.
    CLSIDFromString(text.c_str(), &guid);
}

void WriteGuid(QV_IOF_Virtual& archive, GUID& guid) {
    wchar_t text[39] = {};
    StringFromGUID2(guid, text, 39);
    std::wstring value(text);
    archive.WriteString(value);
}

std::wstring GetFileNameOfPath(const std::wstring& path) {
    size_t slash = path.rfind(L'\\');
    if (slash == std::wstring::npos) return std::wstring();
    return path.substr(slash + 1);
}
