#include "shell/PasswordChange.h"

namespace {

using ChangePasswordFunction = DWORD(WINAPI*)(LPCSTR provider, HWND parent, DWORD reserved1,
                                              LPVOID reserved2);

}  // namespace

HRESULT ChangeSaverPassword(HWND parent, const wchar_t* providerLibrary) {
    HMODULE library = LoadLibraryW(providerLibrary);
    if (!library) return HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND);
    const auto change = reinterpret_cast<ChangePasswordFunction>(
        reinterpret_cast<void*>(GetProcAddress(library, "PwdChangePasswordA")));
    HRESULT result = HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
    if (change) {
        change("SCRSAVE", parent, 0, nullptr);
        result = S_OK;
    }
    FreeLibrary(library);
    return result;
}
