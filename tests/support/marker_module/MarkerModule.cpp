// A module whose code proves that it ran: its entry point creates the file that the
// VG_MODULE_MARKER environment variable names. It also carries a picture (KDV 5), so a
// module loaded as data can be seen to serve resources without running.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    wchar_t path[MAX_PATH] = L"";
    if (GetEnvironmentVariableW(L"VG_MODULE_MARKER", path, MAX_PATH) == 0) return TRUE;
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    return TRUE;
}
