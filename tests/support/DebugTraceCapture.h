#pragma once
// What the program writes to the debug trace (OutputDebugString) while a capture is alive:
// the string each call raises as a debug-print exception, seen by a vectored handler first.
#include <windows.h>

#include <string>
#include <vector>

namespace vgtest {

class DebugTraceCapture {
public:
    DebugTraceCapture();
    ~DebugTraceCapture();
    DebugTraceCapture(const DebugTraceCapture&) = delete;
    DebugTraceCapture& operator=(const DebugTraceCapture&) = delete;

    // Every line traced so far, narrow or wide, as wide text.
    const std::vector<std::wstring>& Lines() const { return lines_; }

private:
    static LONG CALLBACK OnException(EXCEPTION_POINTERS* info);

    void* handler_ = nullptr;
    std::vector<std::wstring> lines_;
};

}  // namespace vgtest
