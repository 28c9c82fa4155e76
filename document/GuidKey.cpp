#include "document/GuidKey.h"

#include <objbase.h>

#include <cstring>

bool operator<(const GuidKey& a, const GuidKey& b) {
    return std::memcmp(&a.id, &b.id, sizeof(GUID)) < 0;
}

bool operator==(const GuidKey& a, const GuidKey& b) {
    return std::memcmp(&a.id, &b.id, sizeof(GUID)) == 0;
}

GuidKey GuidKey::MakeFresh() {
    GuidKey key;
    CoCreateGuid(&key.id);
    key.flag = 1;
    return key;
}
