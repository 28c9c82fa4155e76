#pragma once
// Resource modules ("common_res.dll") and the bytes of their resources.
#include <windows.h>
#include <cstdint>
#include <string>

struct ModuleResource {
    const void* bytes = nullptr;
    uint32_t size = 0;
};

// The bytes of one resource of a module, in place (resources stay mapped while the module is
// loaded); null when it is missing or empty.
ModuleResource FindModuleResource(HMODULE module, int id, const wchar_t* type);

// The module a stored name stands for: only the file of that bare name (the text after the
// last separator) in the program's own folder, mapped as data so that none of its code runs.
// A folder stored with the name and the DLL search path are never used. Loaded once per
// process and kept; null when there is no such file (tried again at the next call).
HMODULE LoadResourceModule(const std::wstring& storedName);
