#include "TestDevice.h"

#include <algorithm>
#include <cstdlib>

namespace vgtest {
namespace {

const wchar_t kWindowClass[] = L"VelmoraGlowTestWindow";

ATOM RegisterTestClass() {
    static ATOM atom = [] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kWindowClass;
        return RegisterClassW(&wc);
    }();
    return atom;
}

}  // namespace

TestDevice::TestDevice(UINT width, UINT height) : width_(width), height_(height) {
    RegisterTestClass();
    window_ = CreateWindowExW(0, kWindowClass, L"test", WS_POPUP, 0, 0, width, height,
                              nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    d3d_ = Direct3DCreate9(D3D_SDK_VERSION);
    if (!window_ || !d3d_) return;

    D3DPRESENT_PARAMETERS pp = PresentParameters();
    result_ = d3d_->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window_,
                                 D3DCREATE_HARDWARE_VERTEXPROCESSING | D3DCREATE_FPU_PRESERVE,
                                 &pp, &device_);
    if (FAILED(result_)) {
        result_ = d3d_->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window_,
                                     D3DCREATE_SOFTWARE_VERTEXPROCESSING | D3DCREATE_FPU_PRESERVE,
                                     &pp, &device_);
    }
    if (FAILED(result_)) device_ = nullptr;
}

D3DPRESENT_PARAMETERS TestDevice::PresentParameters() const {
    D3DPRESENT_PARAMETERS pp = {};
    pp.Windowed = TRUE;
    pp.SwapEffect = D3DSWAPEFFECT_DISCARD;
    pp.BackBufferFormat = D3DFMT_X8R8G8B8;
    pp.BackBufferWidth = width_;
    pp.BackBufferHeight = height_;
    pp.BackBufferCount = 1;
    pp.hDeviceWindow = window_;
    pp.EnableAutoDepthStencil = TRUE;
    pp.AutoDepthStencilFormat = D3DFMT_D24S8;
    pp.PresentationInterval = D3DPRESENT_INTERVAL_IMMEDIATE;
    return pp;
}

HRESULT TestDevice::Reset() {
    if (!device_) return E_FAIL;
    D3DPRESENT_PARAMETERS pp = PresentParameters();
    return device_->Reset(&pp);
}

TestDevice::~TestDevice() {
    if (device_) device_->Release();
    if (d3d_) d3d_->Release();
    if (window_) DestroyWindow(window_);
}

std::vector<uint32_t> TestDevice::ReadBack() const {
    IDirect3DSurface9* target = nullptr;
    if (!device_ || FAILED(device_->GetRenderTarget(0, &target))) return {};
    std::vector<uint32_t> pixels = ReadSurface(target);
    target->Release();
    return pixels;
}

std::vector<uint32_t> TestDevice::ReadBack(IDirect3DTexture9* target) const {
    IDirect3DSurface9* level = nullptr;
    if (!device_ || !target || FAILED(target->GetSurfaceLevel(0, &level))) return {};
    std::vector<uint32_t> pixels = ReadSurface(level);
    level->Release();
    return pixels;
}

std::vector<uint32_t> TestDevice::ReadSurface(IDirect3DSurface9* surface) const {
    std::vector<uint32_t> pixels;
    D3DSURFACE_DESC desc;
    surface->GetDesc(&desc);
    IDirect3DSurface9* copy = nullptr;
    if (SUCCEEDED(device_->CreateOffscreenPlainSurface(desc.Width, desc.Height, desc.Format,
                                                       D3DPOOL_SYSTEMMEM, &copy, nullptr)) &&
        SUCCEEDED(device_->GetRenderTargetData(surface, copy))) {
        D3DLOCKED_RECT locked;
        if (SUCCEEDED(copy->LockRect(&locked, nullptr, D3DLOCK_READONLY))) {
            pixels.resize(size_t(desc.Width) * desc.Height);
            for (UINT y = 0; y < desc.Height; ++y) {
                const auto* row = reinterpret_cast<const uint32_t*>(
                    static_cast<const BYTE*>(locked.pBits) + size_t(y) * locked.Pitch);
                std::copy(row, row + desc.Width, pixels.begin() + size_t(y) * desc.Width);
            }
            copy->UnlockRect();
        }
    }
    if (copy) copy->Release();
    return pixels;
}

uint32_t TestDevice::PixelAt(UINT x, UINT y) const {
    std::vector<uint32_t> pixels = ReadBack();
    if (pixels.empty() || x >= width_ || y >= height_) return 0;
    return pixels[size_t(y) * width_ + x] | 0xFF000000u;
}

int ChannelDistance(uint32_t a, uint32_t b) {
    int worst = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        int da = int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF);
        worst = std::max(worst, std::abs(da));
    }
    return worst;
}

}  // namespace vgtest
