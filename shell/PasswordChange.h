#pragma once
// The password change of the screensaver: the system's password provider, loaded only
// when it is needed.
#include <windows.h>

inline constexpr const wchar_t* kPasswordProvider = L"MPR.DLL";

// Calls PwdChangePasswordA("SCRSAVE", parent, 0, 0) of the provider library. S_OK when the
// provider ran; a library that does not load or lacks the function changes nothing and
// gives HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND) or HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND).
HRESULT ChangeSaverPassword(HWND parent, const wchar_t* providerLibrary = kPasswordProvider);
