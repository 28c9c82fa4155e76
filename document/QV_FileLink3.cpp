#include "document/QV_FileLink3.h"

#include "document/QV_IOF_Virtual.h"

QV_FileLink3::QV_FileLink3(int32_t resourceId, const std::wstring& modulePath)
    : MediaParamTB<FileKey>(FileKey(modulePath, int64_t(uint32_t(resourceId)))) {}

void QV_FileLink3::Load(QV_IOF_Virtual& archive) {
    FileKey key;
    key.stamp = Value().stamp;
    archive.ReadString(key.path);
    archive.ReadInt64(key.stamp);
    if (!archive.Failed()) SetSilently(key);
}

void QV_FileLink3::Save(QV_IOF_Virtual& archive) const {
    FileKey key = Value();
    archive.WriteString(key.path);
    archive.WriteInt64(key.stamp);
}

std::wstring QV_FileLink3::GetExtension() const { return ExtensionOfPath(Value().path); }
