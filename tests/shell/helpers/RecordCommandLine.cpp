// Stands in for a browser: writes its command line to the file named by VG_RECORD_FILE and
// then sets the event named by VG_RECORD_EVENT.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    wchar_t file[MAX_PATH] = L"", event[MAX_PATH] = L"";
    GetEnvironmentVariableW(L"VG_RECORD_FILE", file, MAX_PATH);
    GetEnvironmentVariableW(L"VG_RECORD_EVENT", event, MAX_PATH);
    const wchar_t* line = GetCommandLineW();
    HANDLE output = CreateFileW(file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (output != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(output, line, static_cast<DWORD>(lstrlenW(line) * sizeof(wchar_t)), &written,
                  nullptr);
        CloseHandle(output);
    }
    if (HANDLE done = OpenEventW(EVENT_MODIFY_STATE, FALSE, event)) {
        SetEvent(done);
        CloseHandle(done);
    }
    return 0;
}
