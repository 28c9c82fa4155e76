// The slide camera's steps and its record.
#include <gtest/gtest.h>

#include "ArchiveOver.h"
#include "SlideRecords.h"
#include "document/SharedRandom.h"
#include "player/PictureView.h"
#include "player/QVT_Camera.h"

namespace {

bool IsIdentity(const D3DXMATRIX& m) {
    D3DXMATRIX identity;
    D3DXMatrixIdentity(&identity);
    return m == identity;
}

TEST(QVT_Camera, DisabledOrStoppedCameraGivesTheIdentity) {
    for (int enabled : {0, 1})
        for (bool started : {false, true}) {
            if (enabled && started) continue;
            QVT_Camera camera;
            camera.enabled.Assign(enabled, nullptr);
            if (started) camera.Start();
            GetPictureView().SetZoomAndPan(1.5f, 0.5f, 0.5f);
            camera.FrameMove(1.0f);
            camera.FrameMove(1.1f);
            EXPECT_TRUE(IsIdentity(GetPictureView().CameraMatrix())) << enabled << started;
        }
}

TEST(QVT_Camera, FirstStepPicksATargetAtOnceAndStartsFromTheCentre) {
    SharedRandom::Seed(1);
    // Draws from seed 1: 41 (odd: a drift), then 18467 and 6334 (the target), then 26500.
    QVT_Camera camera;
    camera.enabled.Assign(1, nullptr);
    EXPECT_FALSE(camera.Start());
    camera.FrameMove(10.0f);  // the clock's first step sets its start only
    EXPECT_FLOAT_EQ(camera.t0, camera.speed.Time());
    EXPECT_FLOAT_EQ(camera.targetX, 18467.0f / 32767 * 2 - 1);
    EXPECT_FLOAT_EQ(camera.targetY, 6334.0f / 32767 * 2 - 1);
    EXPECT_FLOAT_EQ(camera.t1, camera.t0 + 5 + 26500.0f / 32767 * 2);
    EXPECT_FLOAT_EQ(camera.startX, 0.0f);
    // Zoom 1.2 from the first step on, the pan still at the centre.
    EXPECT_FLOAT_EQ(GetPictureView().CameraMatrix()._11, 1.2f);
    EXPECT_TRUE(camera.Start());
}

TEST(QVT_Camera, EvenDrawRestsHalfAUnit) {
    SharedRandom::Seed(2);
    const int first = SharedRandom::Next();
    SharedRandom::Seed(2);
    QVT_Camera camera;
    camera.targetX = 0.25f;
    camera.PickTarget(3.0f);
    if (first % 2 == 0) {
        EXPECT_FLOAT_EQ(camera.t1, 3.5f);
        EXPECT_FLOAT_EQ(camera.targetX, 0.25f);
    } else {
        EXPECT_GE(camera.t1, 8.0f);
    }
    EXPECT_FLOAT_EQ(camera.startX, 0.25f);
}

TEST(QVT_Camera, SpeedZeroStandsStill) {
    QVT_Camera camera;
    camera.enabled.Assign(1, nullptr);
    camera.speed.Assign(0, nullptr);
    camera.Start();
    for (float t = 0; t < 3; t += 0.1f) camera.FrameMove(t);
    EXPECT_FLOAT_EQ(camera.speed.Time(), 0.0f);
}

TEST(QVT_Camera, RecordVersionsAndAssignment) {
    using namespace scenewriter;
    for (int version : {1, 2}) {
        SceneWriter out;
        CameraRecord record;
        record.version = version;
        record.enabled = 1;
        record.zoom = 150;
        record.speed = 100;
        record.border = {"pictures.dll", 9};
        WriteCamera(out, record);
        vgtest::ArchiveOver in(out.Bytes());
        QVT_Camera* read = QVT_Camera::Read(in.Archive());
        EXPECT_FALSE(in.Failed());
        EXPECT_EQ(in.Consumed(), out.Size());
        EXPECT_EQ(read->enabled.Value(), 1);
        EXPECT_FLOAT_EQ(read->zoom.Result(), 1.5f);
        EXPECT_FLOAT_EQ(read->speed.Result(), 2.0f);
        EXPECT_EQ(read->borderLink.GetPath(), version == 1 ? L"common_res.dll" : L"pictures.dll");

        QVT_Camera copy;
        copy = *read;
        EXPECT_FLOAT_EQ(copy.zoom.Result(), 1.5f);
        EXPECT_EQ(copy.borderLink.Value(), read->borderLink.Value());
        delete read;
    }
}

}  // namespace
