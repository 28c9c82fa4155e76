// A password provider that records how it was called.
#include <windows.h>

#include <cstring>

namespace {

struct Call {
    int count = 0;
    char provider[32] = "";
    HWND parent = nullptr;
    DWORD reserved1 = 1;
    void* reserved2 = reinterpret_cast<void*>(1);
};
Call lastCall;

}  // namespace

extern "C" __declspec(dllexport) DWORD WINAPI PwdChangePasswordA(LPCSTR provider, HWND parent,
                                                                 DWORD reserved1, LPVOID reserved2) {
    ++lastCall.count;
    std::strncpy(lastCall.provider, provider ? provider : "", 31);
    lastCall.parent = parent;
    lastCall.reserved1 = reserved1;
    lastCall.reserved2 = reserved2;
    return 0;
}

extern "C" __declspec(dllexport) int RecordedCall(char* provider, HWND* parent, DWORD* reserved1,
                                                  void** reserved2) {
    std::strcpy(provider, lastCall.provider);
    *parent = lastCall.parent;
    *reserved1 = lastCall.reserved1;
    *reserved2 = lastCall.reserved2;
    return lastCall.count;
}
