#pragma once
// The computer's local wall-clock time, read through a source that tests can replace.
#include <ctime>

// Fills `local`; false when the time cannot be had or converted.
using LocalTimeSource = bool (*)(std::tm& local);

bool ReadLocalTime(std::tm& local);
// Null puts the platform's clock back (_time64 and _localtime64_s).
void SetLocalTimeSource(LocalTimeSource source);
