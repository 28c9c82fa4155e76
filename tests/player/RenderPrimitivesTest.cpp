// Meshes, quads and sprite chunks on a real device.
#include <gtest/gtest.h>

#include <d3dx9.h>

#include "TestDevice.h"
#include "base/CurrentDevice.h"
#include "player/ColouredQuads.h"
#include "player/GridMesh.h"
#include "player/QV_AnimationBase.h"
#include "player/QV_IndexedMesh.h"
#include "player/ScreenSpriteArray.h"
#include "player/TexturedQuad.h"

namespace {

class RenderPrimitivesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(device_.Device(), nullptr) << "no Direct3D 9 device";
        CurrentDevice = device_.Device();
        d()->SetRenderState(D3DRS_LIGHTING, FALSE);
        d()->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
        d()->SetRenderState(D3DRS_ZENABLE, FALSE);
        d()->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
        d()->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
        d()->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
    }
    void TearDown() override { CurrentDevice = nullptr; }
    IDirect3DDevice9* d() { return device_.Device(); }

    static ScreenQuad Rect(float left, float top, float right, float bottom) {
        ScreenQuad q;
        q.corners[0].x = left, q.corners[0].y = bottom;
        q.corners[1].x = left, q.corners[1].y = top;
        q.corners[2].x = right, q.corners[2].y = bottom;
        q.corners[3].x = right, q.corners[3].y = top;
        return q;
    }

    ComHolder<IDirect3DTexture9> SolidTexture(D3DCOLOR colour) {
        ComHolder<IDirect3DTexture9> texture;
        D3DXCreateTexture(d(), 4, 4, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, texture.Receive());
        D3DLOCKED_RECT locked;
        texture->LockRect(0, &locked, nullptr, 0);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                reinterpret_cast<D3DCOLOR*>(static_cast<BYTE*>(locked.pBits) + y * locked.Pitch)[x] = colour;
        texture->UnlockRect(0);
        return texture;
    }

    template <class Mesh>
    std::vector<uint16_t> Indices(Mesh& mesh, UINT count) {
        uint16_t* index = mesh.LockIndices();
        std::vector<uint16_t> out(index, index + count);
        mesh.UnlockIndices();
        return out;
    }

    vgtest::TestDevice device_{64, 64};
};

TEST_F(RenderPrimitivesTest, GridAndQuadIndices) {
    QV_IndexedMesh<TexVertex> grid;
    ASSERT_EQ(grid.CreateVertexBuffer(6), D3D_OK);
    ASSERT_EQ(CreateGridIndexBuffer(grid, 3, 2), D3D_OK);
    EXPECT_EQ(grid.triangleCount, 4u);
    EXPECT_EQ(Indices(grid, 12), (std::vector<uint16_t>{0, 1, 3, 3, 1, 4, 1, 2, 4, 4, 2, 5}));
    D3DINDEXBUFFER_DESC desc;
    grid.indexBuffer->GetDesc(&desc);
    EXPECT_EQ(desc.Size, 4u * 16);
    EXPECT_EQ(desc.Pool, D3DPOOL_MANAGED);

    QV_IndexedMesh<DX_V::PCT> quads;
    ASSERT_EQ(quads.CreateQuads(2), D3D_OK);
    EXPECT_EQ(quads.vertexCount, 8u);
    EXPECT_EQ(quads.primitiveType, D3DPT_TRIANGLELIST);
    EXPECT_EQ(Indices(quads, 12), (std::vector<uint16_t>{0, 1, 2, 2, 1, 3, 4, 5, 6, 6, 5, 7}));
}

TEST_F(RenderPrimitivesTest, GridFillInterpolatesPositionsAndTextureCoordinates) {
    QV_SimpleMesh<TexVertex> mesh;
    ASSERT_EQ(mesh.CreateVertexBuffer(6), D3D_OK);
    const TexVertex corners[4] = {{0, 0, 0, 0, 0}, {20, 0, 0, 1, 0}, {0, 10, 0, 0, 1}, {20, 10, 0, 1, 1}};
    FillGridMesh(mesh, 2, 1, corners);
    TexVertex* v = mesh.Lock();
    ASSERT_NE(v, nullptr);
    EXPECT_FLOAT_EQ(v[1].x, 10.0f);
    EXPECT_FLOAT_EQ(v[1].u, 0.5f);
    EXPECT_FLOAT_EQ(v[3].y, 10.0f);
    EXPECT_FLOAT_EQ(v[5].x, 20.0f);
    EXPECT_FLOAT_EQ(v[5].v, 1.0f);
    mesh.Unlock();
    const TexVertex half = ScaleTexVertex({2, 4, 6, 8, 10}, 0.5f);
    EXPECT_FLOAT_EQ(half.v, 5.0f);
}

TEST_F(RenderPrimitivesTest, CornerAlphasTruncateAndMapCorners) {
    QV_SimpleMesh<ScreenColourVertex> overlay;
    ASSERT_EQ(BuildColouredScreenQuad(overlay, 0x00102030, Rect(0, 0, 64, 64)), D3D_OK);
    SetScreenQuadCornerAlphas(overlay, 1.0f, 0.999f, 0.5f, 0.0f);
    ScreenColourVertex* v = overlay.Lock();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v[0].diffuse, 0xFF102030u);  // a
    EXPECT_EQ(v[1].diffuse, 0x7F102030u);  // c
    EXPECT_EQ(v[2].diffuse, 0xFE102030u);  // b
    EXPECT_EQ(v[3].diffuse, 0x00102030u);  // d
    EXPECT_FLOAT_EQ(v[3].x, 64.0f);
    overlay.Unlock();
}

TEST_F(RenderPrimitivesTest, ColouredScreenQuadBlendsOverTheTarget) {
    d()->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF0000FF, 1.0f, 0);
    QV_SimpleMesh<ScreenColourVertex> overlay;
    ASSERT_EQ(BuildColouredScreenQuad(overlay, 0xFFFF0000, Rect(0, 0, 32, 64)), D3D_OK);
    SetScreenQuadCornerAlphas(overlay, 0.5f, 0.5f, 0.5f, 0.5f);
    d()->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    d()->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_DIFFUSE);
    d()->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
    d()->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_DIFFUSE);
    d()->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG1);
    d()->BeginScene();
    overlay.SetStream();
    d()->DrawPrimitive(overlay.primitiveType, 0, overlay.primitiveCount);
    d()->EndScene();
    EXPECT_LE(vgtest::ChannelDistance(device_.PixelAt(10, 30), 0xFF7F0080u), 3);
    EXPECT_LE(vgtest::ChannelDistance(device_.PixelAt(50, 30), 0xFF0000FFu), 1);
}

// The lake's tint quads: half-transparent red over blue, whatever stage 0 and the blend were
// left with by the draw before (a device reset leaves other states than a frame does).
TEST_F(RenderPrimitivesTest, ColourQuadBlendsItsOwnColourAndAlphaWhateverWasLeftSet) {
    struct Left {
        const char* name;
        D3DTEXTUREOP colourOp, alphaOp;
        DWORD arg2;
        D3DBLEND destination;
    } cases[] = {
        {"the device's defaults", D3DTOP_MODULATE, D3DTOP_SELECTARG1, D3DTA_CURRENT, D3DBLEND_ZERO},
        {"a sprite's: alpha times alpha", D3DTOP_MODULATE, D3DTOP_MODULATE, D3DTA_DIFFUSE, D3DBLEND_INVSRCALPHA},
        {"a sum and an additive blend", D3DTOP_ADD, D3DTOP_ADD, D3DTA_TFACTOR, D3DBLEND_ONE},
    };
    D3DXMATRIX identity;
    D3DXMatrixIdentity(&identity);
    for (D3DTRANSFORMSTATETYPE t : {D3DTS_WORLD, D3DTS_VIEW, D3DTS_PROJECTION}) d()->SetTransform(t, &identity);
    d()->SetRenderState(D3DRS_TEXTUREFACTOR, 0xFF404040);
    QV_SimpleMesh<ColourVertex> quad;
    ASSERT_EQ(BuildColouredQuad(quad, 0xFFFF0000, Rect(-1.0f, 1.0f, 0.0f, -1.0f)), D3D_OK);
    SetQuadCornerAlphas(quad, 0.5f, 0.5f, 0.5f, 0.5f);
    for (const Left& left : cases) {
        SCOPED_TRACE(left.name);
        d()->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF0000FF, 1.0f, 0);
        d()->SetTextureStageState(0, D3DTSS_COLOROP, left.colourOp);
        d()->SetTextureStageState(0, D3DTSS_ALPHAOP, left.alphaOp);
        d()->SetTextureStageState(0, D3DTSS_COLORARG2, left.arg2);
        d()->SetTextureStageState(0, D3DTSS_ALPHAARG2, left.arg2);
        d()->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_ONE);
        d()->SetRenderState(D3DRS_DESTBLEND, left.destination);
        d()->BeginScene();
        DrawColourQuad(quad);
        d()->EndScene();
        EXPECT_LE(vgtest::ChannelDistance(device_.PixelAt(10, 30), 0xFF7F0080u), 3);
        EXPECT_LE(vgtest::ChannelDistance(device_.PixelAt(50, 30), 0xFF0000FFu), 1);
    }
}

TEST_F(RenderPrimitivesTest, TexturedScreenQuadDrawsItsTextureAndFades) {
    TexturedQuad<ScreenTexVertex> quad;
    ASSERT_EQ(quad.BuildWithTexture(SolidTexture(0xFF00FF00), Rect(16, 16, 48, 48)), D3D_OK);
    quad.SetAlpha(255, 1.0f);
    ScreenTexVertex* v = quad.Lock();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v[2].diffuse, 0xFFFFFFFFu);
    EXPECT_FLOAT_EQ(v[1].v, 0.0f);
    quad.Unlock();
    d()->SetTexture(0, quad.texture.Get());
    d()->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    d()->BeginScene();
    quad.SetStream();
    d()->DrawPrimitive(quad.primitiveType, 0, quad.primitiveCount);
    d()->EndScene();
    EXPECT_LE(vgtest::ChannelDistance(device_.PixelAt(32, 32), 0xFF00FF00u), 2);
    EXPECT_LE(vgtest::ChannelDistance(device_.PixelAt(8, 8), 0xFF000000u), 1);

    quad.SetAlpha(200, 0.5f);
    v = quad.Lock();
    EXPECT_EQ(v[0].diffuse >> 24, 100u);
    quad.Unlock();
}

TEST_F(RenderPrimitivesTest, PictureQuadCornersAndUnitCoordinates) {
    TexturedQuad<TexVertex> quad;
    ASSERT_EQ(quad.InitUnitUV(), D3D_OK);
    quad.SetSize(40, 30);
    TexVertex* v = quad.Lock();
    ASSERT_NE(v, nullptr);
    const TexVertex expected[4] = {{0, 30, 0, 0, 1}, {0, 0, 0, 0, 0}, {40, 30, 0, 1, 1}, {40, 0, 0, 1, 0}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(v[i].x, expected[i].x);
        EXPECT_FLOAT_EQ(v[i].y, expected[i].y);
        EXPECT_FLOAT_EQ(v[i].u, expected[i].u);
        EXPECT_FLOAT_EQ(v[i].v, expected[i].v);
    }
    quad.Unlock();
    EXPECT_EQ(quad.vertexCount, 4u);
    EXPECT_EQ(quad.primitiveCount, 2u);
}

TEST_F(RenderPrimitivesTest, SpriteArraysSplitIntoChunksAndDraw) {
    struct {
        UINT quads;
        std::vector<UINT> chunkVertices;
    } cases[] = {{16383, {65532}}, {16384, {65532, 4}}, {3, {12}}};
    for (const auto& c : cases) {
        ScreenSpriteArray sprites;
        sprites.Resize(c.quads);
        ASSERT_EQ(sprites.Chunks().size(), c.chunkVertices.size()) << c.quads;
        for (size_t i = 0; i < c.chunkVertices.size(); ++i)
            EXPECT_EQ(sprites.Chunks()[i].vertexCount, c.chunkVertices[i]) << c.quads;
        EXPECT_EQ(sprites.QuadCount(), c.quads);
    }

    ScreenSpriteArray sprites;
    sprites.Resize(2);
    sprites.SetTexture(SolidTexture(0xFFFFFFFF));
    sprites.LockAll();
    sprites.SetQuad(0, {16, 16, 0}, {8, 0, 0}, {0, 8, 0});
    sprites.SetQuadColour(0, 0xFFFF0000);
    sprites.SetQuad(1, {48, 48, 0}, {4, 0, 0}, {0, 4, 0});
    sprites.SetQuadColour(1, 0xFF00FF00);
    sprites.SetQuad(2, {0, 0, 0}, {1, 0, 0}, {0, 1, 0});  // past the end: ignored
    sprites.UnlockAll();
    d()->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    d()->BeginScene();
    sprites.Draw();
    d()->EndScene();
    EXPECT_LE(vgtest::ChannelDistance(device_.PixelAt(16, 16), 0xFFFF0000u), 2);
    EXPECT_LE(vgtest::ChannelDistance(device_.PixelAt(48, 48), 0xFF00FF00u), 2);
    EXPECT_LE(vgtest::ChannelDistance(device_.PixelAt(32, 32), 0xFF000000u), 1);
}

class Doubler : public QV_AnimationBase {
public:
    void Animate(QV_Frame& frame) override { D3DXMatrixScaling(&frame.world, 2, 2, 2); }
};

TEST(QV_Frame, WorldFollowsAnimationParentAndChildren) {
    QV_Frame root, child;
    D3DXMatrixTranslation(&root.local, 1, 0, 0);
    root.UpdateWorld(nullptr);
    EXPECT_FLOAT_EQ(root.world._41, 1.0f);

    D3DXMatrixTranslation(&child.local, 0, 3, 0);
    root.children.push_back(&child);
    root.animation = std::make_shared<Doubler>();
    root.UpdateWorld(nullptr);
    EXPECT_FLOAT_EQ(root.world._11, 2.0f);
    EXPECT_FLOAT_EQ(child.world._42, 6.0f);  // child local, then the parent's scaling
    QV_Frame copy = root;                    // shares the animation without owning it twice
    EXPECT_EQ(copy.animation.get(), root.animation.get());
}

}  // namespace
