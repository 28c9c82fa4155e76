#pragma once
// What most benchmarks start with: the windowed test device, and the default scene on it as
// the saver opens and prepares it.
#include "RunningScene.h"
#include "TestDevice.h"

namespace bench {

// False, with the reason on stderr, when the device could not be made.
bool DeviceReady(const vgtest::TestDevice& device);
// Opens the program's own document, prepares every slide and fills the screen, as the saver
// does; false, with the reason on stderr, when it does not open.
bool OpenDefaultScene(vgtest::RunningScene& scene);

}  // namespace bench
