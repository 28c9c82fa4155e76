#pragma once
// A file link: a parameter whose value names one stored file of the document's resources by
// path and stamp.
#include <string>

#include "document/FileKey.h"
#include "document/MediaParamT.h"

class FieldArchive;
class QV_IOF_Virtual;

class QV_FileLink3 : public MediaParamTB<FileKey> {
public:
    QV_FileLink3() = default;
    // A resource of a module; an empty module path names the program's own module.
    QV_FileLink3(int32_t resourceId, const std::wstring& modulePath);
    explicit QV_FileLink3(const FileKey& key) : MediaParamTB<FileKey>(key) {}
    QV_FileLink3(const QV_FileLink3&) = default;

    // The link's record, without tag or version: path, then the 8-byte stamp. Stored as read,
    // without notification; a failed read leaves the link as it was.
    void Fields(FieldArchive& ar);

    std::wstring GetPath() const { return Value().path; }
    // From the last "." to the end, lower-cased in the ASCII range; empty without a dot.
    std::wstring GetExtension() const;
};

// A link to an HLSL effect, compiled or as text.
class QV_HLSLEffectFile : public QV_FileLink3 {
public:
    using QV_FileLink3::QV_FileLink3;
};

// A link to an .x mesh.
class QV_MeshFile : public QV_FileLink3 {
public:
    using QV_FileLink3::QV_FileLink3;
};
