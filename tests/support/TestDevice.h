#pragma once
// A real Direct3D 9 device for drawing tests: a hidden window on the test display and a
// windowed HAL device with a lockable-by-copy back buffer, plus pixel read-back.
#include <windows.h>
#include <d3d9.h>
#include <cstdint>
#include <vector>

namespace vgtest {

class TestDevice {
public:
    TestDevice(UINT width = 256, UINT height = 256);
    ~TestDevice();
    TestDevice(const TestDevice&) = delete;
    TestDevice& operator=(const TestDevice&) = delete;

    // Null when no device could be made; Ok() says why in the failure message.
    IDirect3DDevice9* Device() const { return device_; }
    IDirect3D9* D3D() const { return d3d_; }
    HWND Window() const { return window_; }
    UINT Width() const { return width_; }
    UINT Height() const { return height_; }
    HRESULT CreationResult() const { return result_; }

    // A real IDirect3DDevice9::Reset with the parameters the device was made with; it fails
    // with D3DERR_INVALIDCALL while a default-pool resource is alive.
    HRESULT Reset();

    // Copies the current render target (0) to system memory: width*height X8R8G8B8 values.
    std::vector<uint32_t> ReadBack() const;
    // The same for level 0 of a render-target texture, row by row at its own width.
    std::vector<uint32_t> ReadBack(IDirect3DTexture9* target) const;
    // One pixel of the current render target, alpha forced to 0xFF.
    uint32_t PixelAt(UINT x, UINT y) const;

private:
    D3DPRESENT_PARAMETERS PresentParameters() const;
    std::vector<uint32_t> ReadSurface(IDirect3DSurface9* surface) const;

    UINT width_, height_;
    HWND window_ = nullptr;
    IDirect3D9* d3d_ = nullptr;
    IDirect3DDevice9* device_ = nullptr;
    HRESULT result_ = E_FAIL;
};

// Colour distance helper for pixel assertions: largest per-channel difference.
int ChannelDistance(uint32_t a, uint32_t b);

}  // namespace vgtest

// Fails the current test (never skips) when the device is missing.
#define VG_REQUIRE_DEVICE(dev)                                                        \
    ASSERT_NE((dev).Device(), nullptr)                                                \
        << "no Direct3D 9 device on the test display, hr=0x" << std::hex              \
        << static_cast<unsigned long>((dev).CreationResult())
