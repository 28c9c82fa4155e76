// Render-target pairs on a real device.
#include <gtest/gtest.h>

#include "TestDevice.h"
#include "base/CurrentDevice.h"
#include "base/RenderTargetPair.h"
#include "player/TargetSizeStack.h"

namespace {

class RenderTargetPairTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(device_.Device(), nullptr) << "no Direct3D 9 device";
        CurrentDevice = device_.Device();
    }
    void TearDown() override { CurrentDevice = nullptr; }

    ComHolder<IDirect3DSurface9> Target() {
        ComHolder<IDirect3DSurface9> surface;
        device_.Device()->GetRenderTarget(0, surface.Receive());
        return surface;
    }
    vgtest::TestDevice device_{64, 64};
};

TEST_F(RenderTargetPairTest, FlipsAlternateAndReturnThePreviousTarget) {
    RenderTargetPair pair;
    pair.Resize(32, 16);
    ASSERT_TRUE(pair.Texture(0));
    ASSERT_TRUE(pair.Texture(1));
    EXPECT_EQ(pair.Current().Get(), pair.Texture(0).Get());
    EXPECT_EQ(pair.Width(), 32u);
    EXPECT_EQ(pair.Height(), 16u);

    pair.BeginRender(pair);
    EXPECT_EQ(pair.Flip().Get(), pair.Texture(0).Get());
    EXPECT_EQ(pair.Current().Get(), pair.Texture(1).Get());
    EXPECT_EQ(pair.Flip().Get(), pair.Texture(1).Get());
    EXPECT_EQ(pair.Current().Get(), pair.Texture(0).Get());
    pair.EndRender();
}

TEST_F(RenderTargetPairTest, EndRenderRestoresTheSurfacesOfBeginRender) {
    ComHolder<IDirect3DSurface9> backBuffer = Target();
    ComHolder<IDirect3DSurface9> depth;
    device_.Device()->GetDepthStencilSurface(depth.Receive());
    RenderTargetPair pair;
    pair.Resize(16, 16);
    pair.BeginRender(pair);
    EXPECT_NE(Target().Get(), backBuffer.Get());
    ComHolder<IDirect3DSurface9> noDepth;
    EXPECT_EQ(device_.Device()->GetDepthStencilSurface(noDepth.Receive()), D3DERR_NOTFOUND);
    pair.Flip();
    pair.Flip();
    pair.EndRender();
    EXPECT_EQ(Target().Get(), backBuffer.Get());
    ComHolder<IDirect3DSurface9> restored;
    device_.Device()->GetDepthStencilSurface(restored.Receive());
    EXPECT_EQ(restored.Get(), depth.Get());
}

TEST_F(RenderTargetPairTest, FlipClearsTheNewTargetToOpaqueBlack) {
    RenderTargetPair pair;
    pair.Resize(16, 16);
    pair.BeginRender(pair);
    device_.Device()->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFFFFFFFF, 1.0f, 0);
    pair.Flip();
    ComHolder<IDirect3DSurface9> copy;
    device_.Device()->CreateOffscreenPlainSurface(16, 16, D3DFMT_A8R8G8B8, D3DPOOL_SYSTEMMEM,
                                                  copy.Receive(), nullptr);
    ComHolder<IDirect3DSurface9> target = Target();
    ASSERT_EQ(device_.Device()->GetRenderTargetData(target.Get(), copy.Get()), D3D_OK);
    D3DLOCKED_RECT locked;
    ASSERT_EQ(copy->LockRect(&locked, nullptr, D3DLOCK_READONLY), D3D_OK);
    EXPECT_EQ(*static_cast<DWORD*>(locked.pBits), 0xFF000000u);
    copy->UnlockRect();
    pair.EndRender();
}

TEST_F(RenderTargetPairTest, ZeroSizeKeepsTexturesAndReleaseKeepsTheSize) {
    RenderTargetPair pair;
    pair.Resize(16, 16);
    IDirect3DTexture9* before = pair.Texture(0).Get();
    pair.Resize(0, 8);
    EXPECT_EQ(pair.Texture(0).Get(), before);
    EXPECT_EQ(pair.Width(), 0u);
    EXPECT_EQ(pair.Height(), 8u);
    pair.Resize(16, 16);
    pair.ReleaseTextures();
    EXPECT_FALSE(pair.Current());
    EXPECT_EQ(pair.Width(), 16u);
}

TEST_F(RenderTargetPairTest, CopiesAreManagedAndSized) {
    RenderTargetPair pair;
    pair.Resize(16, 16);
    ComHolder<IDirect3DTexture9> copy;
    CopySquareTexture(pair.Current(), 1, copy);
    ASSERT_TRUE(copy);
    D3DSURFACE_DESC desc;
    copy->GetLevelDesc(0, &desc);
    EXPECT_EQ(desc.Width, 256u);
    EXPECT_EQ(desc.Pool, D3DPOOL_MANAGED);
    ComHolder<IDirect3DTexture9> none, result;
    CopyTexture(none, 8, 8, D3DFMT_A8R8G8B8, result);
    EXPECT_FALSE(result);
    EXPECT_EQ(GetBackBufferDesc().Width, 64u);
}

TEST(TargetSizeStack, LastPushedComesFirst) {
    TargetSizeStack stack;
    stack.Push(1, 2);
    stack.Push(3, 4);
    EXPECT_EQ(stack.Pop(), std::make_pair(3u, 4u));
    EXPECT_EQ(stack.Pop(), std::make_pair(1u, 2u));
    EXPECT_EQ(stack.Count(), 0u);
}

}  // namespace
