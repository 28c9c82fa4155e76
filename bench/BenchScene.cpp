#include "BenchScene.h"

#include <cstdio>

namespace bench {

bool DeviceReady(const vgtest::TestDevice& device) {
    if (device.Device()) return true;
    std::fprintf(stderr, "no Direct3D 9 device, hr=0x%08lx\n", static_cast<unsigned long>(device.CreationResult()));
    return false;
}

bool OpenDefaultScene(vgtest::RunningScene& scene) {
    if (FAILED(scene.OpenOwnDocument())) {
        std::fprintf(stderr, "the default scene does not open\n");
        return false;
    }
    scene.PrepareSlides();
    scene.SetFitMode(2);
    return true;
}

}  // namespace bench
