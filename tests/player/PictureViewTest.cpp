// Fitting pictures into the drawing area, the picture-position zoom and the camera's pan.
#include <gtest/gtest.h>

#include <d3dx9.h>

#include "TestDevice.h"
#include "base/CurrentDevice.h"
#include "document/BuiltinResources.h"
#include "player/PictureView.h"

namespace {

TextureEntry Picture(unsigned w, unsigned h) {
    TextureEntry entry;
    entry.width = w;
    entry.height = h;
    entry.ratio = float(h) / float(w);
    return entry;
}

D3DXVECTOR3 Map(const D3DXMATRIX& m, float x, float y) {
    D3DXVECTOR3 in(x, y, 0), out;
    D3DXVec3TransformCoord(&out, &in, &m);
    return out;
}

TEST(ScreenQuadFit, LetterboxesByAspect) {
    struct {
        unsigned w, h;
        float a, b;
        float left, top, right, bottom;
    } cases[] = {
        {800, 600, 1024, 768, 0, 0, 1024, 768},
        {800, 600, 1280, 720, 160, 0, 1120, 720},
        {600, 800, 1280, 720, 370, 0, 910, 720},
        {1600, 900, 1024, 768, 0, 96, 1024, 672},
        {0, 0, 640, 480, 0, 0, 640, 480},  // no picture: the whole area, no division by zero
    };
    for (const auto& c : cases) {
        ScreenQuad q = ScreenQuad::FitImage(Picture(c.w, c.h), c.a, c.b);
        EXPECT_FLOAT_EQ(q.Left(), c.left) << c.w << "x" << c.h;
        EXPECT_FLOAT_EQ(q.Top(), c.top) << c.w << "x" << c.h;
        EXPECT_FLOAT_EQ(q.Right(), c.right) << c.w << "x" << c.h;
        EXPECT_FLOAT_EQ(q.Bottom(), c.bottom) << c.w << "x" << c.h;
        EXPECT_FLOAT_EQ(q.corners[ScreenQuad::kBottomLeft].v, 1.0f);
    }
}

class PictureViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(device_.Device(), nullptr) << "no Direct3D 9 device";
        CurrentDevice = device_.Device();
        view_.InitDefaultView();
    }
    void TearDown() override { CurrentDevice = nullptr; }
    vgtest::TestDevice device_{1280, 720};
    PictureView view_;
};

TEST_F(PictureViewTest, PicturePositionZoomByViewType) {
    struct {
        int type;
        float sx, sy;
    } cases[] = {
        {PictureView::kStretch, 1280.0f / 960.0f, 1.0f},
        {PictureView::kFit, 1.0f, 1.0f},
        {PictureView::kFill, 1280.0f / 960.0f, 1280.0f / 960.0f},
        {7, 1.0f, 1.0f},
    };
    for (const auto& c : cases) {
        view_.Setup(Picture(800, 600), 1280, 720, c.type, false);
        EXPECT_FLOAT_EQ(view_.ZoomMatrix()._11, c.sx) << c.type;
        EXPECT_FLOAT_EQ(view_.ZoomMatrix()._22, c.sy) << c.type;
        EXPECT_EQ(view_.FittedRect().left, 160);
        EXPECT_FLOAT_EQ(view_.PictureRatio(), 600.0f / 720.0f);
        // The zoom keeps the picture's centre in place.
        D3DXVECTOR3 centre = Map(view_.ZoomMatrix(), 400, 300);
        EXPECT_NEAR(centre.x, 400, 1e-3);
        EXPECT_NEAR(centre.y, 300, 1e-3);
    }
    // Stretch fills the whole area with the picture.
    view_.Setup(Picture(800, 600), 1280, 720, PictureView::kStretch, false);
    const D3DXMATRIX toScreen = view_.ZoomMatrix() * view_.FitMatrix();
    D3DXVECTOR3 topLeft = Map(toScreen, 0, 0), bottomRight = Map(toScreen, 800, 600);
    EXPECT_NEAR(topLeft.x, 0, 1e-2);
    EXPECT_NEAR(bottomRight.x, 1280, 1e-2);
    EXPECT_NEAR(bottomRight.y, 720, 1e-2);
}

TEST_F(PictureViewTest, SameAspectNeedsNoZoom) {
    vgtest::TestDevice same(1024, 768);
    ASSERT_NE(same.Device(), nullptr);
    CurrentDevice = same.Device();
    for (int type : {0, 1, 2}) {
        view_.Setup(Picture(800, 600), 1024, 768, type, false);
        EXPECT_FLOAT_EQ(view_.PictureRatio(), 0.78125f);
        EXPECT_FLOAT_EQ(view_.ZoomMatrix()._11, 1.0f);
        EXPECT_FLOAT_EQ(view_.ZoomMatrix()._22, 1.0f);
    }
    CurrentDevice = device_.Device();
}

TEST_F(PictureViewTest, CameraZoomsAboutTheCentreAndPansToTheEdges) {
    view_.Setup(Picture(800, 600), 1280, 720, PictureView::kFit, false);
    const D3DXMATRIX noCamera = view_.ZoomMatrix() * view_.FitMatrix();
    view_.SetZoomAndPan(1.2f, 0, 0);
    const D3DXMATRIX centred = view_.CameraMatrix() * view_.ZoomMatrix() * view_.FitMatrix();
    D3DXVECTOR3 a = Map(centred, 400, 300), b = Map(noCamera, 400, 300);
    EXPECT_NEAR(a.x, b.x, 1e-2);
    EXPECT_NEAR(a.y, b.y, 1e-2);
    EXPECT_NEAR(Map(centred, 800, 300).x - a.x, 1.2f * (Map(noCamera, 800, 300).x - b.x), 1e-2);

    // Pan (1, 1) and (-1, -1): the picture's corners reach the drawing area's corners.
    view_.SetZoomAndPan(1.2f, 1, 1);
    const D3DXMATRIX panned = view_.CameraMatrix() * view_.ZoomMatrix() * view_.FitMatrix();
    D3DXVECTOR3 corner = Map(panned, 800, 600);
    EXPECT_NEAR(corner.x, 1280, 1e-2);
    EXPECT_NEAR(corner.y, 720, 1e-2);
    view_.SetZoomAndPan(1.2f, -1, -1);
    const D3DXMATRIX left = view_.CameraMatrix() * view_.ZoomMatrix() * view_.FitMatrix();
    EXPECT_NEAR(Map(left, 0, 0).x, 0, 1e-2);
    EXPECT_NEAR(Map(left, 0, 0).y, 0, 1e-2);
}

TEST_F(PictureViewTest, TargetPassLeavesTheCameraOut) {
    view_.Setup(Picture(800, 600), 1280, 720, PictureView::kTargetPass, true);
    view_.SetZoomAndPan(2.0f, 0.5f, 0.5f);
    D3DXMATRIX identity, wvp, vp;
    D3DXMatrixIdentity(&identity);
    view_.GetWorldViewProjection(identity, wvp);
    view_.GetViewProjection(vp);
    for (int i = 0; i < 16; ++i) EXPECT_FLOAT_EQ(wvp.m[i / 4][i % 4], vp.m[i / 4][i % 4]);
    // Nested: the projection stays in area pixels.
    EXPECT_FLOAT_EQ(view_.Projection()._11, 2.0f / 1280.0f);
}

TEST_F(PictureViewTest, BordersDrawAroundThePictureWithTheirOwnDevice) {
    vgtest::TestDevice other(64, 64);
    ASSERT_NE(other.Device(), nullptr);
    // Without a resource manager the quads have no texture: they draw white under
    // the fixed function's defaults, which is enough to see where they go.
    view_.BindBorderTextures(builtin::Link(builtin::kBorderPicture));
    CurrentDevice = other.Device();
    view_.BindBorderTextures(builtin::Link(builtin::kBorderPicture));
    CurrentDevice = device_.Device();

    view_.Setup(Picture(800, 600), 1280, 720, PictureView::kFit, false);
    IDirect3DDevice9* d = device_.Device();
    d->SetRenderState(D3DRS_LIGHTING, FALSE);
    d->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    d->SetRenderState(D3DRS_ZENABLE, FALSE);
    d->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
    d->BeginScene();
    view_.DrawBorders();
    d->EndScene();
    EXPECT_GT(device_.PixelAt(80, 360) & 0xFFFFFF, 0xC0C0C0u);  // left border
    EXPECT_EQ(device_.PixelAt(640, 360) & 0xFFFFFF, 0u);       // the picture's place
    EXPECT_GT(device_.PixelAt(1200, 360) & 0xFFFFFF, 0xC0C0C0u);
    view_.ReleaseDeviceObjects(other.Device());
}

TEST_F(PictureViewTest, BordersFollowEachNewPictureAndStayPutWhenTheViewIsSetUpAgain) {
    view_.BindBorderTextures(builtin::Link(builtin::kBorderPicture));
    IDirect3DDevice9* d = device_.Device();
    d->SetRenderState(D3DRS_LIGHTING, FALSE);
    d->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    d->SetRenderState(D3DRS_ZENABLE, FALSE);
    struct Case {
        UINT width, height;
        int type;
        bool leftBorder;  // at (80, 360)
    };
    // 16:9 fills the 1280 x 720 screen; 4:3 leaves borders at its sides, whatever view type a
    // nested pass sets up in between.
    const Case cases[] = {{800, 600, PictureView::kFit, true}, {1600, 900, PictureView::kFit, false},
                          {1600, 900, PictureView::kTargetPass, false}, {800, 600, PictureView::kFit, true},
                          {800, 600, PictureView::kTargetPass, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " type " << c.type);
        view_.Setup(Picture(c.width, c.height), 1280, 720, c.type, false);
        view_.Setup(Picture(c.width, c.height), 1280, 720, PictureView::kFit, false);
        d->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
        d->BeginScene();
        view_.DrawBorders();
        d->EndScene();
        EXPECT_EQ((device_.PixelAt(80, 360) & 0xFFFFFF) > 0xC0C0C0u, c.leftBorder);
        EXPECT_EQ(device_.PixelAt(640, 360) & 0xFFFFFF, 0u);
    }
    view_.ReleaseDeviceObjects(device_.Device());
}

}  // namespace
