#pragma once
// The bytes of one resource of a module, in place (resources stay mapped while the module is
// loaded); null when it is missing or empty.
#include <windows.h>
#include <cstdint>

struct ModuleResource {
    const void* bytes = nullptr;
    uint32_t size = 0;
};

ModuleResource FindModuleResource(HMODULE module, int id, const wchar_t* type);
