#pragma once
// Identity of objects named by GUID (shared render targets, fonts, GUID pictures). Only the
// GUID's 16 bytes order and compare; name and flag ride along.
#include <windows.h>
#include <cstdint>
#include <string>

struct GuidKey {
    GUID id = {};
    std::wstring name;
    int32_t flag = 0;

    // A record made fresh rather than read: a new GUID and the flag 1.
    static GuidKey MakeFresh();
};

// The GUID's bytes as they lie in memory, as unsigned bytes from the first on.
bool operator<(const GuidKey& a, const GuidKey& b);
bool operator==(const GuidKey& a, const GuidKey& b);
