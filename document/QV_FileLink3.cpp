#include "document/QV_FileLink3.h"

#include "document/FieldArchive.h"

QV_FileLink3::QV_FileLink3(int32_t resourceId, const std::wstring& modulePath)
    : MediaParamTB<FileKey>(FileKey(modulePath, int64_t(uint32_t(resourceId)))) {}

void QV_FileLink3::Fields(FieldArchive& ar) {
    // Read into an empty path, so a stored empty path empties the link.
    FileKey key(ar.Reading() ? std::wstring() : Value().path, Value().stamp);
    ar.Value(key.path);
    ar.Value(key.stamp);
    if (ar.Reading() && !ar.Archive().Failed()) SetSilently(key);
}

std::wstring QV_FileLink3::GetExtension() const { return ExtensionOfPath(Value().path); }
