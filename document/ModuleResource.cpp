#include "document/ModuleResource.h"

#include <map>

#include "document/PlainFileName.h"

namespace {

std::wstring BareName(const std::wstring& storedName) {
    const size_t separator = storedName.find_last_of(L"\\/");
    return separator == std::wstring::npos ? storedName : storedName.substr(separator + 1);
}

// The folder of the running program, with its final backslash; empty when it is unknown.
std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH * 2] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
    if (length == 0 || length >= MAX_PATH * 2) return {};
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

}  // namespace

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

HMODULE LoadResourceModule(const std::wstring& storedName) {
    const std::wstring name = BareName(storedName);
    if (!IsPlainFileName(name)) return nullptr;
    // Keyed without case, so that spellings of one file share one mapping.
    static std::map<std::wstring, HMODULE> loaded;
    const std::wstring key = FileNameKey(name);
    auto found = loaded.find(key);
    if (found != loaded.end()) return found->second;
    const std::wstring folder = ProgramFolder();
    if (folder.empty()) return nullptr;
    HMODULE module = LoadLibraryExW((folder + name).c_str(), nullptr,
                                    LOAD_LIBRARY_AS_IMAGE_RESOURCE | LOAD_LIBRARY_AS_DATAFILE);
    if (module) loaded.emplace(key, module);
    return module;
}
