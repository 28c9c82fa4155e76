#include "document/FileKey.h"

bool operator<(const FileKey& a, const FileKey& b) {
    // wchar_t is an unsigned 16-bit unit on Windows, so the string order is the code-unit order.
    int order = a.path.compare(b.path);
    if (order != 0) return order < 0;
    return a.stamp < b.stamp;
}

bool operator==(const FileKey& a, const FileKey& b) {
    return a.stamp == b.stamp && a.path == b.path;
}
