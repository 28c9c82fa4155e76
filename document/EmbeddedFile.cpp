#include "document/EmbeddedFile.h"

bool EmbeddedFile::LoadFromModule() {
    // The handle is kept for the life of the process: later lookups reuse the loaded module.
    HMODULE module = LoadLibraryW(module_.c_str());
    HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(resourceId_), L"KDV");
    if (!info) return false;
    DWORD size = SizeofResource(module, info);
    HGLOBAL loaded = LoadResource(module, info);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return false;
    SetBytes(size, bytes);
    return true;
}

FileKey EmbeddedFile::MakeFileLink() const {
    if (resourceId_ != 0) return FileKey(module_, int64_t(uint32_t(resourceId_)));
    static uint32_t counter = 0;
    // The counter wraps as a 32-bit integer and widens with its sign.
    ++counter;
    return FileKey(name_, int64_t(int32_t(counter)));
}
