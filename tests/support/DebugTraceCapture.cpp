#include "DebugTraceCapture.h"

namespace vgtest {

namespace {

// The lines of the one capture alive; tests run on one thread.
std::vector<std::wstring>* gLines = nullptr;

// The wide form of the debug-print exception, which newer systems raise for OutputDebugStringW.
constexpr DWORD kWidePrint = 0x4001000A;

}  // namespace

DebugTraceCapture::DebugTraceCapture() {
    gLines = &lines_;
    handler_ = AddVectoredExceptionHandler(1, OnException);
}

DebugTraceCapture::~DebugTraceCapture() {
    RemoveVectoredExceptionHandler(handler_);
    gLines = nullptr;
}

LONG CALLBACK DebugTraceCapture::OnException(EXCEPTION_POINTERS* info) {
    const EXCEPTION_RECORD& record = *info->ExceptionRecord;
    if (!gLines || record.NumberParameters < 2) return EXCEPTION_CONTINUE_SEARCH;
    const size_t length = record.ExceptionInformation[0];
    if (record.ExceptionCode == DBG_PRINTEXCEPTION_C) {
        const auto* text = reinterpret_cast<const unsigned char*>(record.ExceptionInformation[1]);
        gLines->emplace_back(text, text + (length > 0 ? length - 1 : 0));
    } else if (record.ExceptionCode == kWidePrint) {
        const auto* text = reinterpret_cast<const wchar_t*>(record.ExceptionInformation[1]);
        gLines->emplace_back(text, text + (length > 0 ? length - 1 : 0));
    }
    // The system's own handler finishes the print.
    return EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace vgtest
