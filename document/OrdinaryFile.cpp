#include "document/OrdinaryFile.h"

std::vector<BYTE> ReadOrdinaryFile(const std::wstring& path, uint64_t maxBytes) {
    std::vector<BYTE> bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    LARGE_INTEGER size = {};
    DWORD read = 0;
    if (GetFileType(file) == FILE_TYPE_DISK && GetFileSizeEx(file, &size) && size.QuadPart > 0 &&
        uint64_t(size.QuadPart) <= maxBytes) {
        bytes.resize(size_t(size.QuadPart));
        if (!ReadFile(file, bytes.data(), DWORD(bytes.size()), &read, nullptr) || read != bytes.size())
            bytes.clear();
    }
    CloseHandle(file);
    return bytes;
}
