#include <gtest/gtest.h>

#include <vector>

#include "ArchiveOver.h"
#include "SceneWriter.h"
#include "SectionReading.h"
#include "document/QV_ABObj.h"
#include "document/QV_ViewObjCtrl.h"
#include "document/SharedRandom.h"
#include "document/PictureLayout.h"
#include "document/ScreenQuad.h"

namespace {

using scenewriter::SceneWriter;

void PublishPictureSize(int width, int height) {
    PublishPictureLayout(ScreenQuad{}, 800.0f, 600.0f, width, height);
}

// The runtime object of the test description: records the local times it is given.
class RecordingObject : public QV_ABObj {
public:
    explicit RecordingObject(QV_ABObj_Constructor* description) : QV_ABObj(description) {}
    void Render(QV_2D_Light&) override {}
    void Hook(void*, void*) override {}
    void OnScreenChanged() override {}
    void Update(float localTime) override { updates.push_back(localTime); }
    std::vector<float> updates;
};

class PlacedDescription : public QV_ViewObjCtrl {
public:
    PlacedDescription() = default;
    PlacedDescription(const PlacedDescription&) = default;
    QV_ABObj* CreateObject() override { return new RecordingObject(new PlacedDescription(*this)); }
};

class DescriptionBase : public testing::Test {
protected:
    void SetUp() override { PublishPictureSize(1000, 500); }
    void TearDown() override { PublishPictureSize(0, 0); }
};

PlacedDescription WithRelative(float left, float right, float top, float bottom) {
    PlacedDescription source;
    source.SetRelative({left, right, top, bottom});
    return source;
}

TEST_F(DescriptionBase, BindingSnapsTheRelativeSidesToWholePixels) {
    struct Case {
        QV_ViewObjCtrl::RelativeRect relative;
        int left, right, top, bottom;
        QV_ViewObjCtrl::RelativeRect snapped;
    };
    const Case cases[] = {
        {{0.25f, 0.75f, 0.1f, 0.9f}, 250, 750, 50, 450, {0.25f, 0.75f, 0.1f, 0.9f}},
        {{0.0f, 0.3333f, 0.0f, 1.0f}, 0, 333, 0, 500, {0.0f, 0.333f, 0.0f, 1.0f}},
        {{0.0005f, 1.0f, 0.0031f, 0.9999f}, 0, 1000, 1, 499, {0.0f, 1.0f, 0.002f, 0.998f}},
    };
    for (const Case& c : cases) {
        // A copy binds its rectangle from the relative sides and the published size.
        PlacedDescription source = WithRelative(c.relative.left, c.relative.right,
                                                c.relative.top, c.relative.bottom);
        PlacedDescription bound(source);
        EXPECT_EQ(bound.Rectangle().left.Value(), c.left);
        EXPECT_EQ(bound.Rectangle().right.Value(), c.right);
        EXPECT_EQ(bound.Rectangle().top.Value(), c.top);
        EXPECT_EQ(bound.Rectangle().bottom.Value(), c.bottom);
        EXPECT_EQ(bound.Relative().left, c.snapped.left);
        EXPECT_EQ(bound.Relative().right, c.snapped.right);
        EXPECT_EQ(bound.Relative().top, c.snapped.top);
        EXPECT_EQ(bound.Relative().bottom, c.snapped.bottom);
    }
}

TEST_F(DescriptionBase, DefaultDescriptionCoversThePicture) {
    PlacedDescription description;
    EXPECT_EQ(description.Rectangle().right.Value(), 1000);
    EXPECT_EQ(description.Rectangle().bottom.Value(), 500);
    EXPECT_EQ(description.TimeScale().Value(), 50u);
    EXPECT_EQ(description.Flag(), 0);
    EXPECT_EQ(description.Enabled(), 1);
    EXPECT_EQ(description.TimeLine().Mode().Value(), 0);
}

TEST_F(DescriptionBase, PixelSideChangesMoveTheRelativeSides) {
    PlacedDescription description;
    description.Rectangle().left.Assign(100, nullptr);
    description.Rectangle().bottom.Assign(125, nullptr);
    EXPECT_EQ(description.Relative().left, 0.1f);
    EXPECT_EQ(description.Relative().bottom, 0.25f);
    EXPECT_EQ(description.GetLeftPx(), 100.0f);
    EXPECT_EQ(description.GetBottomPx(), 125.0f);
}

TEST_F(DescriptionBase, SyncAfterAPictureSizeChangeMovesPixelsAndSnapsFractions) {
    PlacedDescription source = WithRelative(0.25f, 0.7f, 0.1f, 0.9f);
    PlacedDescription description(source);
    EXPECT_EQ(description.Rectangle().right.Value(), 700);
    PublishPictureSize(333, 100);
    // Not synchronised yet: the getters follow the picture, the pixel sides do not.
    EXPECT_EQ(description.Rectangle().right.Value(), 700);
    EXPECT_EQ(description.GetRightPx(), 0.7f * 333.0f);
    description.SyncPixelRect();
    EXPECT_EQ(description.Rectangle().left.Value(), 83);
    EXPECT_EQ(description.Rectangle().right.Value(), 233);
    EXPECT_EQ(description.Rectangle().top.Value(), 10);
    EXPECT_EQ(description.Rectangle().bottom.Value(), 90);
    EXPECT_EQ(description.Relative().left, 83.0f / 333.0f);
    EXPECT_EQ(description.Relative().right, 233.0f / 333.0f);
}

TEST_F(DescriptionBase, CopyTakesItsPixelsFromTheRelativeSidesOnly) {
    PlacedDescription source = WithRelative(0.5f, 0.6f, 0.2f, 0.4f);
    source.Rectangle().left.SetSilently(-77);
    source.Rectangle().further1.SetSilently(5);
    source.Rectangle().further2.SetSilently(6);
    source.TimeScale().SetSilently(80);
    PlacedDescription copy(source);
    EXPECT_EQ(copy.Rectangle().left.Value(), 500);
    EXPECT_EQ(copy.Rectangle().top.Value(), 100);
    EXPECT_EQ(copy.Rectangle().further1.Value(), 0);
    EXPECT_EQ(copy.Rectangle().further2.Value(), 0);
    EXPECT_EQ(copy.TimeScale().Value(), 80u);
    // The copy's observers are its own: changing the source's sides leaves it alone.
    source.Rectangle().left.Assign(10, nullptr);
    EXPECT_EQ(copy.Relative().left, 0.5f);
    EXPECT_EQ(source.Relative().left, 0.01f);
}

TEST_F(DescriptionBase, WithoutAPictureSizeTheRelativeSidesStay) {
    PublishPictureSize(0, 0);
    PlacedDescription source = WithRelative(0.25f, 0.75f, 0.1f, 0.9f);
    PlacedDescription copy(source);
    EXPECT_EQ(copy.Relative().left, 0.25f);
    EXPECT_EQ(copy.Relative().right, 0.75f);
    EXPECT_EQ(copy.Relative().top, 0.1f);
    EXPECT_EQ(copy.Relative().bottom, 0.9f);
    copy.Rectangle().left.Assign(30, nullptr);
    EXPECT_EQ(copy.Relative().left, 0.25f);
    PublishPictureSize(1000, 500);
    copy.SyncPixelRect();
    EXPECT_EQ(copy.Rectangle().left.Value(), 250);
    EXPECT_EQ(copy.Rectangle().bottom.Value(), 450);
}

TEST_F(DescriptionBase, StepTimeScalesAndCapsTheClock) {
    struct Case {
        const char* name;
        unsigned int timeScale;
        std::vector<float> times;
        float scaledTime, lastScaledStep, lastShortStep;
    };
    const Case cases[] = {
        {"real time", 50, {0.1f, 0.15f}, 0.15f, 0.05f, 0.05f},
        {"twice as fast", 100, {0.1f, 0.15f}, 0.3f, 0.1f, 0.05f},
        {"a pause of 3 s", 100, {3.0f}, 0.4f, 0.4f, 0.1f},
        {"a step back counts forward", 50, {1.0f, 0.9f}, 0.3f, 0.1f, 0.1f},
        {"stopped", 0, {0.1f, 0.2f}, 0.0f, 0.0f, 0.1f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PlacedDescription description;
        description.TimeScale().SetSilently(c.timeScale);
        for (float t : c.times) description.StepTime(t);
        EXPECT_NEAR(description.ScaledTime(), c.scaledTime, 1e-6);
        EXPECT_NEAR(description.ScaledStep(), c.lastScaledStep, 1e-6);
        EXPECT_NEAR(description.ShortStep(), c.lastShortStep, 1e-6);
        EXPECT_EQ(description.LastTime(), c.times.back());
    }
}

TEST(DescriptionPlacement, RandomPointsDrawXThenYFromTheSharedGenerator) {
    PublishPictureSize(200, 100);
    PlacedDescription description;
    for (uint32_t seed : {1u, 2u, 99u, 123456u}) {
        SharedRandom::Seed(seed);
        D3DXVECTOR3 inset = description.RandomPointInRectInset(10.0f, 20.0f);
        EXPECT_GE(inset.x, 10.0f);
        EXPECT_LE(inset.x, 190.0f);
        EXPECT_GE(inset.y, 20.0f);
        EXPECT_LE(inset.y, 80.0f);
        EXPECT_EQ(inset.z, 0.0f);

        SharedRandom::Seed(seed);
        float rx = SharedRandom::NextUnit();
        float ry = SharedRandom::NextUnit();
        SharedRandom::Seed(seed);
        D3DXVECTOR3 point = description.RandomPointInRect();
        EXPECT_EQ(point.x, 0.0f + rx * 200.0f);
        EXPECT_EQ(point.y, 0.0f + ry * 100.0f);
    }
    SharedRandom::Seed(1);  // 41, 18467
    D3DXVECTOR3 point = description.RandomPointInRect();
    EXPECT_EQ(point.x, 41.0f / 32767.0f * 200.0f);
    EXPECT_EQ(point.y, 18467.0f / 32767.0f * 100.0f);
    PublishPictureSize(0, 0);
}

TEST_F(DescriptionBase, ScreenQuadHasTheRectangleCornersInQuadOrder) {
    PlacedDescription source = WithRelative(0.1f, 0.5f, 0.2f, 0.6f);
    PlacedDescription description(source);
    ScreenQuad quad;
    quad.corners[0].rhw = 9.0f;
    description.GetScreenQuad(quad);
    const float expected[4][2] = {{100, 300}, {100, 100}, {500, 300}, {500, 100}};
    const ScreenQuad fresh;
    for (int i = 0; i < ScreenQuad::kCorners; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(quad.corners[i].x, expected[i][0]);
        EXPECT_EQ(quad.corners[i].y, expected[i][1]);
        EXPECT_EQ(quad.corners[i].rhw, 1.0f);
        EXPECT_EQ(quad.corners[i].u, fresh.corners[i].u);
        EXPECT_EQ(quad.corners[i].v, fresh.corners[i].v);
    }
}

// The QV_ViewObjCtrl section of a version, with its base section of another.
SceneWriter ViewSection(int32_t viewVersion, int32_t baseVersion) {
    SceneWriter w;
    w.Section("QV_ViewObjCtrl", viewVersion)
        .Long(10).Long(20).Long(30).Long(40).Long(1).Long(2)
        .Float(0.125f).Float(0.5f).Float(0.25f).Float(0.75f)
        .Bool(true);
    if (viewVersion > 1) w.UInt(75);
    w.Section("QV_ABObj_Constructor", baseVersion).String("Lantern");
    if (baseVersion > 1) {
        w.Section("QV_TimeLineControl", 1)
            .Long(1).Long(0).UInt(10).UInt(20).UInt(30).UInt(40).UInt(60).UInt(70).Int(0);
    }
    return w;
}

TEST_F(DescriptionBase, SectionsOfEveryVersionReadWhatTheyHold) {
    struct Case {
        int32_t viewVersion, baseVersion;
        unsigned int timeScale;
        int timeLineMode;
    };
    const Case cases[] = {{2, 2, 75, 1}, {1, 2, 50, 1}, {2, 1, 75, 0}, {1, 1, 50, 0}, {3, 3, 75, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "view " << c.viewVersion << " base " << c.baseVersion);
        SceneWriter writer = ViewSection(c.viewVersion, c.baseVersion);
        writer.Int(-1);
        vgtest::ArchiveOver bytes(writer.Bytes());
        PlacedDescription description;
        vgtest::ReadTaggedSection(description, bytes.Archive());
        EXPECT_FALSE(bytes.Failed());
        EXPECT_EQ(bytes.Buffer().BytesLeft(), 4u);
        // Stored as read: the pixel and relative rectangles do not correct each other.
        EXPECT_EQ(description.Rectangle().left.Value(), 10);
        EXPECT_EQ(description.Rectangle().bottom.Value(), 40);
        EXPECT_EQ(description.Rectangle().further2.Value(), 2);
        EXPECT_EQ(description.Relative().left, 0.125f);
        EXPECT_EQ(description.Relative().bottom, 0.75f);
        EXPECT_EQ(description.Flag(), 1);
        EXPECT_EQ(description.TimeScale().Value(), c.timeScale);
        EXPECT_EQ(description.Name(), L"Lantern");
        EXPECT_EQ(description.TimeLine().Mode().Value(), c.timeLineMode);
        if (c.baseVersion > 1) EXPECT_EQ(description.TimeLine().FadeOut().Value(), 70u);
        else EXPECT_EQ(description.TimeLine().FadeOut().Value(), 50u);

        // The clone derives its pixels from the stored fractions.
        PlacedDescription clone(description);
        EXPECT_EQ(clone.Rectangle().left.Value(), 125);
        EXPECT_EQ(clone.Rectangle().bottom.Value(), 375);
        EXPECT_EQ(clone.Name(), L"Lantern");
    }
}

TEST_F(DescriptionBase, RuntimeObjectRunsOnItsDescriptionsTimeLine) {
    PlacedDescription description;
    description.TimeLine().Mode().Assign(QV_TimeLineControl::kRandomCycle, nullptr);
    description.TimeLine().TimeMode().Assign(QV_TimeLineControl::kRunAtOpacity, nullptr);
    std::unique_ptr<QV_ABObj> object(description.CreateObject());
    auto& recording = static_cast<RecordingObject&>(*object);
    object->Description().ResetTimeLine();
    object->UpdateByTimeLine(4.0f);
    object->UpdateByTimeLine(4.25f);
    EXPECT_EQ(recording.updates, (std::vector<float>{0.0f, 0.125f}));
    EXPECT_EQ(object->GetKind(), QV_ABObj::kSceneObject);
    EXPECT_FALSE(object->NeedsBackground());
    EXPECT_EQ(object->NotifyDescription(), 0);
    object->SetEnabled(0);
    EXPECT_EQ(object->Enabled(), 0);
    // The stored description is untouched: the object runs on its own clone.
    EXPECT_EQ(description.TimeLine().Cycle().Last(), 0.0f);
}

}  // namespace
