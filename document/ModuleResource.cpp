#include "document/ModuleResource.h"

ModuleResource FindModuleResource(HMODULE module, int id, const wchar_t* type) {
    ModuleResource resource;
    HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(id), type);
    if (!info) return resource;
    DWORD size = SizeofResource(module, info);
    HGLOBAL loaded = size ? LoadResource(module, info) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return resource;
    resource.bytes = bytes;
    resource.size = size;
    return resource;
}
