#pragma once
// A file the document embeds (id 0, no module, bytes present) or names as a resource of
// another module (id and module set).
#include <windows.h>
#include "document/DataBlob.h"
#include "document/FileKey.h"

class EmbeddedFile : public DataBlob {
public:
    EmbeddedFile() = default;
    EmbeddedFile(int32_t resourceId, const std::wstring& module)
        : resourceId_(resourceId), module_(module) {}
    explicit EmbeddedFile(const std::wstring& name) { name_ = name; }
    EmbeddedFile(const EmbeddedFile&) = default;
    EmbeddedFile& operator=(const EmbeddedFile&) = default;

    // Replaces the bytes with a copy of resource (id, "KDV") of the named module; when the
    // module does not load, the executable's own resource of that id stands in. False, and
    // nothing changed, when no such resource exists.
    bool LoadFromModule();

    // The key that names this record: (module, id) for a module resource, otherwise (name,
    // next value of a process-wide counter), so two unnamed-id records never share a key.
    FileKey MakeFileLink() const;

    int32_t ResourceId() const { return resourceId_; }
    const std::wstring& Module() const { return module_; }
    void SetResourceId(int32_t id) { resourceId_ = id; }
    void SetModule(const std::wstring& module) { module_ = module; }
    std::wstring& MutableModule() { return module_; }

private:
    int32_t resourceId_ = 0;
    std::wstring module_;
};
