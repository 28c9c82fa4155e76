// The base of every drawing test: a real device clears and draws, and pixels read back.
#include <gtest/gtest.h>

#include "TestDevice.h"

namespace {

struct ColouredVertex {
    float x, y, z, rhw;
    DWORD colour;
};

TEST(TestDevice, ClearsAndDrawsATriangleThatReadsBack) {
    vgtest::TestDevice dev(128, 128);
    VG_REQUIRE_DEVICE(dev);
    IDirect3DDevice9* d = dev.Device();

    ASSERT_EQ(d->Clear(0, nullptr, D3DCLEAR_TARGET, D3DCOLOR_XRGB(0, 0, 255), 1.0f, 0), D3D_OK);
    ASSERT_EQ(d->BeginScene(), D3D_OK);
    // A triangle over the left half of the target, in screen coordinates.
    const ColouredVertex triangle[3] = {
        {0.0f, 0.0f, 0.5f, 1.0f, D3DCOLOR_XRGB(255, 0, 0)},
        {64.0f, 64.0f, 0.5f, 1.0f, D3DCOLOR_XRGB(255, 0, 0)},
        {0.0f, 128.0f, 0.5f, 1.0f, D3DCOLOR_XRGB(255, 0, 0)},
    };
    d->SetFVF(D3DFVF_XYZRHW | D3DFVF_DIFFUSE);
    d->SetRenderState(D3DRS_LIGHTING, FALSE);
    d->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    ASSERT_EQ(d->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, triangle, sizeof(ColouredVertex)), D3D_OK);
    ASSERT_EQ(d->EndScene(), D3D_OK);

    EXPECT_LE(vgtest::ChannelDistance(dev.PixelAt(10, 64), 0xFFFF0000u), 2);  // inside
    EXPECT_LE(vgtest::ChannelDistance(dev.PixelAt(120, 64), 0xFF0000FFu), 2); // outside
    EXPECT_LE(vgtest::ChannelDistance(dev.PixelAt(10, 2), 0xFF0000FFu), 2);   // above the edge
}

}  // namespace
