#include "shell/BrowserLaunch.h"

#include <cwchar>

namespace {

constexpr DWORD kCommandBytes = 260;

bool Append(wchar_t* line, size_t capacity, size_t& used, const wchar_t* text, size_t length) {
    if (used + length >= capacity) return false;
    std::wmemcpy(line + used, text, length);
    used += length;
    line[used] = L'\0';
    return true;
}

// The default value of the http open command, at most 260 bytes.
bool ReadBrowserCommand(wchar_t* command, size_t capacity) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, L"http\\shell\\open\\command", 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return false;
    DWORD type = 0;
    DWORD bytes = kCommandBytes;
    const LSTATUS status = RegQueryValueExW(key, nullptr, nullptr, &type,
                                            reinterpret_cast<BYTE*>(command), &bytes);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
    // A stored string need not be terminated.
    const size_t units = bytes / sizeof(wchar_t);
    command[units < capacity ? units : capacity - 1] = L'\0';
    return command[0] != L'\0';
}

}  // namespace

bool BrowserCommandLine(const wchar_t* command, const wchar_t* url, wchar_t* line,
                        size_t capacity) {
    if (capacity == 0) return false;
    line[0] = L'\0';
    size_t used = 0;
    const size_t urlLength = std::wcslen(url);
    if (const wchar_t* placeholder = std::wcsstr(command, L"\"%1\"")) {
        const size_t before = static_cast<size_t>(placeholder - command) + 1;  // up to the quote
        const wchar_t* after = placeholder + 3;                                // the closing quote
        return Append(line, capacity, used, command, before) &&
               Append(line, capacity, used, url, urlLength) &&
               Append(line, capacity, used, after, std::wcslen(after));
    }
    return Append(line, capacity, used, command, std::wcslen(command)) &&
           Append(line, capacity, used, L" ", 1) && Append(line, capacity, used, url, urlLength);
}

bool OpenUrlInBrowser(const wchar_t* url) {
    wchar_t command[kCommandBytes / sizeof(wchar_t) + 1];
    if (!ReadBrowserCommand(command, kCommandBytes / sizeof(wchar_t) + 1)) return false;
    wchar_t line[kBrowserCommandCapacity];
    if (!BrowserCommandLine(command, url, line, kBrowserCommandCapacity)) return false;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}
