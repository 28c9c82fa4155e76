#include "objects/LocalClock.h"

#include <time.h>

namespace {

bool PlatformLocalTime(std::tm& local) {
    const __time64_t now = _time64(nullptr);
    return now != -1 && _localtime64_s(&local, &now) == 0;
}

LocalTimeSource source = &PlatformLocalTime;

}  // namespace

bool ReadLocalTime(std::tm& local) { return source(local); }

void SetLocalTimeSource(LocalTimeSource newSource) { source = newSource ? newSource : &PlatformLocalTime; }
