#pragma once
// What the command line asked the saver to do.
#include <cstdint>

enum SaverMode : int32_t {
    Config = 0,
    Preview = 1,
    FullScreen = 2,
    TestWindow = 3,
    ChangePassword = 4,
    None = 5,
};
