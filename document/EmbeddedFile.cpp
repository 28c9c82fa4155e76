#include "document/EmbeddedFile.h"

#include "document/ModuleResource.h"

bool EmbeddedFile::LoadFromModule() {
    // When the module does not load, the null handle makes the executable's own resource of
    // that id stand in.
    HMODULE module = LoadResourceModule(module_);
    ModuleResource resource = FindModuleResource(module, resourceId_, L"KDV");
    if (!resource.bytes) return false;
    SetBytes(resource.size, resource.bytes);
    return true;
}

FileKey EmbeddedFile::MakeFileLink() const {
    if (resourceId_ != 0) return FileKey(module_, int64_t(uint32_t(resourceId_)));
    static uint32_t counter = 0;
    // The counter wraps as a 32-bit integer and widens with its sign.
    ++counter;
    return FileKey(name_, int64_t(int32_t(counter)));
}
