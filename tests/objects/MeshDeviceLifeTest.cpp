// The 3D objects over a device's life: a reset with meshes alive, and two screens whose
// devices each get their own meshes and textures.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

#include "MemoryKeyStore.h"
#include "MeshObjectRecords.h"
#include "MeshShapes.h"
#include "PictureBytes.h"
#include "RunningScene.h"
#include "TestDevice.h"
#include "base/CurrentDevice.h"
#include "document/BuiltinResources.h"
#include "document/ResourceBuffer.h"
#include "objects/LocalClock.h"
#include "objects/QV_3DObjArray.h"
#include "objects/QV_3D_in_2D_array.h"
#include "player/PictureView.h"
#include "player/SceneDocument.h"
#include "player/ScreenPlayerContext.h"
#include "settings/SettingsAccess.h"

namespace {

using namespace scenewriter;

constexpr UINT kWidth = 320, kHeight = 240;
constexpr D3DCOLOR kBackground = 0xFF204060;

ULONG References(IUnknown* object) {
    object->AddRef();
    return object->Release();
}

bool FixedTime(std::tm& local) {
    local = {};
    local.tm_hour = 4;
    local.tm_min = 20;
    return true;
}

// One slide over a plain picture with butterflies, a clock and leaves. The leaves' records
// carry their bytes, or name resources of the built-in module.
std::vector<uint8_t> MeshDocument(IDirect3DDevice9* device, bool leavesFromModule) {
    const std::string picture = "C:\\pictures\\plain.png", wing = "C:\\pictures\\wing.png";
    ResourceSection section;
    section.images = {
        {picture, 1, {StoredFile{0, "", vgtest::MakePicture(device, kWidth, kHeight, D3DXIFF_PNG, kBackground), picture}}},
        {wing, 2, {StoredFile{0, "", vgtest::MakePicture(device, 16, 16, D3DXIFF_PNG, 0xFFFF8000), wing}}}};
    ButterflyRecord butterflies;
    butterflies.object.count = 3;
    butterflies.object.image = {wing, 2};
    ClockRecord clock;
    const int32_t centre[6] = {0, 0, 0, 0, kWidth / 2, kHeight / 2};
    std::copy(centre, centre + 6, clock.rectangle);
    clock.object.size = 200;
    FallingObjectsRecord leaves;
    leaves.count = 20;
    leaves.size = 40;
    if (leavesFromModule) {
        leaves.mesh = {builtin::kClockDisc.id, builtin::kModuleName, {}, ""};
        leaves.texture = {builtin::kClockDial.id, builtin::kModuleName, {}, ""};
    } else {
        leaves.mesh = {0, "", meshes::XFileBytes(meshes::FoldedLeaf()), ""};
        leaves.texture = {0, "", vgtest::MakePicture(device, 16, 16, D3DXIFF_PNG, 0xFFC04020), ""};
    }
    SlideRecord slide;
    LayerRecord layer;
    layer.picture = {picture, 1};
    slide.layer = MakeLayer(layer);
    slide.objects = {MakeFallingObjects(leaves), MakeClock(clock), MakeButterflies(butterflies)};
    return MakeDocument({MakeSlide(slide)}, {}, section);
}

std::vector<uint8_t> testDocument;
HRESULT OpenTestDocument(QV_SlideShow_Light** scene) {
    ResourceBuffer buffer(testDocument.data(), testDocument.size());
    return LoadSceneDocument(buffer, scene);
}

// The vertex buffers of the meshes the slide's objects draw (the clock's dial and hands
// share one).
std::set<IDirect3DVertexBuffer9*> MeshBuffers(const QV_SlideShow_Light& show) {
    std::set<IDirect3DVertexBuffer9*> buffers;
    for (const auto& object : show.SlideAt(0)->RuntimeObjects()) {
        if (auto* meshes = dynamic_cast<QV_3DObjArray*>(object.Get()))
            for (MeshBatch& batch : meshes->Batches()) buffers.insert(batch.vertexBuffer.Get());
        if (auto* falling = dynamic_cast<QV_3D_in_2D_array*>(object.Get()))
            buffers.insert(falling->Mesh().vertexBuffer.Get());
    }
    return buffers;
}

int PixelsOtherThanThePicture(const vgtest::TestDevice& device) {
    int count = 0;
    for (uint32_t pixel : device.ReadBack())
        if (vgtest::ChannelDistance(pixel, kBackground) > 24) ++count;
    return count;
}

class MeshDeviceLifeTest : public ::testing::Test {
protected:
    void SetUp() override {
        UseKeyStore(&store_);
        SetLocalTimeSource(&FixedTime);
    }
    void TearDown() override {
        SetLocalTimeSource(nullptr);
        UseKeyStore(nullptr);
        CurrentDocResManager = nullptr;
        CurrentDevice = nullptr;
    }

    vgtest::MemoryKeyStore store_;
};

TEST_F(MeshDeviceLifeTest, AResetWithMeshesAliveLeaksNoReferenceAndTheyDrawAgain) {
    vgtest::TestDevice device(kWidth, kHeight);
    VG_REQUIRE_DEVICE(device);
    CurrentDevice = device.Device();
    testDocument = MeshDocument(device.Device(), false);
    auto context = std::make_unique<ScreenPlayerContext>();
    context->SetSceneOpener(&OpenTestDocument);
    ASSERT_EQ(context->Start(), S_OK);
    const std::set<IDirect3DVertexBuffer9*> buffers = MeshBuffers(*context->Scene());
    ASSERT_EQ(buffers.size(), 4u);  // body, wing, disc, leaf
    for (IDirect3DVertexBuffer9* buffer : buffers) {
        ASSERT_NE(buffer, nullptr);
        buffer->AddRef();
    }
    context->Scene()->FrameMove(1);
    context->DrawScene();
    const std::vector<uint32_t> before = device.ReadBack();
    EXPECT_GT(PixelsOtherThanThePicture(device), 500);
    const ULONG deviceReferences = References(device.Device());

    // The unit's objects go as the application lets them go; the meshes stay alive.
    context->InvalidateDeviceObjects();
    context->Manager()->OnLostDevice();
    ASSERT_EQ(device.Reset(), D3D_OK);
    ASSERT_EQ(context->Start(), S_OK);
    context->DrawScene();
    EXPECT_EQ(device.ReadBack(), before);
    EXPECT_EQ(References(device.Device()), deviceReferences);

    // Closing the unit releases every mesh: only this test's references are left.
    context.reset();
    for (IDirect3DVertexBuffer9* buffer : buffers) EXPECT_EQ(buffer->Release(), 0u);
    GetPictureView().ReleaseDeviceObjects(device.Device());
}

// The leaves name module resources, which the cache remembers. Both documents are open before
// either screen's objects are made, as when the latest manager's cache is not the drawn one.
TEST_F(MeshDeviceLifeTest, TwoScreensDrawTheirObjectsFromTheirOwnDevices) {
    vgtest::TestDevice first(kWidth, kHeight), second(kWidth, kHeight);
    VG_REQUIRE_DEVICE(first);
    VG_REQUIRE_DEVICE(second);
    vgtest::TestDevice* devices[2] = {&first, &second};
    vgtest::RunningScene scenes[2];
    for (int i = 0; i < 2; ++i) {
        CurrentDevice = devices[i]->Device();
        ASSERT_EQ(scenes[i].OpenBytes(MeshDocument(CurrentDevice, true)), S_OK);
    }
    for (int i = 0; i < 2; ++i) {
        CurrentDevice = devices[i]->Device();
        CurrentDocResManager = scenes[i].Manager();
        scenes[i].PrepareSlides();
    }
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        CurrentDevice = devices[i]->Device();
        CurrentDocResManager = scenes[i].Manager();
        for (const auto& object : scenes[i].Show()->SlideAt(0)->RuntimeObjects()) {
            auto* falling = dynamic_cast<QV_3D_in_2D_array*>(object.Get());
            if (!falling) continue;
            ComHolder<IDirect3DDevice9> owner;
            ASSERT_TRUE(falling->Mesh().vertexBuffer);
            falling->Mesh().vertexBuffer->GetDevice(owner.Receive());
            EXPECT_EQ(owner.Get(), devices[i]->Device());
            ASSERT_TRUE(falling->Mesh().texture);
            falling->Mesh().texture->GetDevice(owner.Receive());
            EXPECT_EQ(owner.Get(), devices[i]->Device());
        }
        scenes[i].DrawFrame(1);
        EXPECT_GT(PixelsOtherThanThePicture(*devices[i]), 500);
    }
    for (int i = 0; i < 2; ++i) {
        CurrentDevice = devices[i]->Device();
        CurrentDocResManager = scenes[i].Manager();
        scenes[i].Close();
        GetPictureView().ReleaseDeviceObjects(devices[i]->Device());
    }
}

}  // namespace
