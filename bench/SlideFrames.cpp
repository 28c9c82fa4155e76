// The default scene's frames at fixed moments of every slide, as PNG files, for telling
// whether a change moved any pixel: the show plays once from its start at a fixed frame step
// with the shared random generator and the local clock fixed, so two runs of one build write
// the same files, and two builds that draw alike write the same pixels.
//   bench_slide_frames FOLDER [width height]      640 x 480 unless given
// Each slide gives three files: half-way through its fade-in, a second after it, and three
// seconds later (slide-07-a.png, -b, -c).
#include <windows.h>
#include <d3dx9tex.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include "BenchScene.h"
#include "RunningScene.h"
#include "ShowPosition.h"
#include "TestDevice.h"
#include "base/CurrentDevice.h"
#include "document/SharedRandom.h"
#include "objects/LocalClock.h"
#include "player/PictureView.h"
#include "player/QV_SlideShow_Light.h"

namespace {

constexpr float kFrameStep = 1.0f / 15;

bool FixedTime(std::tm& local) {
    local = {};
    local.tm_hour = 10;
    local.tm_min = 8;
    return true;
}

bool SaveFrame(IDirect3DDevice9* device, const std::wstring& path) {
    IDirect3DSurface9* target = nullptr;
    if (FAILED(device->GetRenderTarget(0, &target))) return false;
    const HRESULT saved = D3DXSaveSurfaceToFileW(path.c_str(), D3DXIFF_PNG, target, nullptr, nullptr);
    target->Release();
    return SUCCEEDED(saved);
}

std::wstring Widen(const char* text) { return std::wstring(text, text + std::strlen(text)); }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: bench_slide_frames FOLDER [width height]\n");
        return 2;
    }
    const std::wstring folder = Widen(argv[1]) + L"\\";
    const UINT width = argc == 4 ? UINT(std::atoi(argv[2])) : 640;
    const UINT height = argc == 4 ? UINT(std::atoi(argv[3])) : 480;
    vgtest::TestDevice device(width, height);
    if (!bench::DeviceReady(device)) return 1;
    CurrentDevice = device.Device();
    SetLocalTimeSource(&FixedTime);
    SharedRandom::Seed(SharedRandom::kInitialSeed);
    vgtest::RunningScene scene;
    if (!bench::OpenDefaultScene(scene)) return 1;

    bench::ShowPosition position(scene);
    const unsigned slides = scene.Show()->SlideCount();
    int status = 0;
    unsigned slide = 0;
    int taken = 0;  // of the current slide's three moments
    for (float t = 0; slide < slides && t < 2 * scene.RoundSeconds(); t += kFrameStep) {
        position.DrawFrame(t);
        if (position.Slide() != slide) {
            if (position.Slide() < slide) break;  // the show came round again
            slide = position.Slide();
            taken = 0;
        }
        const float fadeIn = float(scene.Show()->SlideAt(slide)->FadeIn());
        const float moments[] = {position.SlideStart() + fadeIn / 2, position.SteadyFrom(),
                                 position.SteadyFrom() + 3.0f};
        if (taken == 3 || t < moments[taken]) continue;
        wchar_t name[32];
        std::swprintf(name, 32, L"slide-%02u-%c.png", slide, L'a' + taken);
        if (!SaveFrame(device.Device(), folder + name)) {
            std::fprintf(stderr, "could not write %ls\n", name);
            status = 1;
        }
        ++taken;
    }
    scene.Close();
    GetPictureView().ReleaseDeviceObjects(device.Device());
    SetLocalTimeSource(nullptr);
    CurrentDevice = nullptr;
    return status;
}
