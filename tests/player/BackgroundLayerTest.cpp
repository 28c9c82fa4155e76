// The background layer: its record, the picture it draws, and the object walk with targets.
#include <gtest/gtest.h>

#include <memory>

#include "ArchiveOver.h"
#include "DocumentRecords.h"
#include "ManagerFromSection.h"
#include "PictureBytes.h"
#include "SlideRecords.h"
#include "TestDevice.h"
#include "base/CurrentDevice.h"
#include "document/QV_ABObj_Constructor.h"
#include "document/QV_DocResManager.h"
#include "document/ReaderRegistry.h"
#include "document/PictureLayout.h"
#include "player/PictureView.h"
#include "player/QV_2D_Light.h"
#include "player/TargetSizeStack.h"

using namespace scenewriter;

namespace {

// A runtime object that records what the layer gave it.
struct Visit {
    int id;
    IDirect3DTexture9* scene;
    IDirect3DSurface9* target;
};

class NoDescription : public QV_ABObj_Constructor {
public:
    QV_ABObj* CreateObject() override { return nullptr; }
};

class RecordingObject : public QV_ABObj {
public:
    RecordingObject(int id, bool needsBackground, std::vector<Visit>* visits)
        : QV_ABObj(new NoDescription), id_(id), needs_(needsBackground), visits_(visits) {}
    void Render(QV_2D_Light& layer) override {
        IDirect3DSurface9* target = nullptr;
        CurrentDevice->GetRenderTarget(0, &target);
        target->Release();
        visits_->push_back({id_, layer.GetSceneTexture().Get(), target});
    }
    void Hook(void*, void*) override {}
    void OnScreenChanged() override {}
    void Update(float) override {}
    bool NeedsBackground() override { return needs_; }

private:
    int id_;
    bool needs_;
    std::vector<Visit>* visits_;
};

class BackgroundLayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(device_.Device(), nullptr) << "no Direct3D 9 device";
        CurrentDevice = device_.Device();
        ResourceSection section;
        section.images = {{"C:\\red.png", 1, {StoredFile{0, "", Red(), "C:\\red.png"}}},
                          {"C:\\wide.png", 2, {StoredFile{0, "", Wide(), "C:\\wide.png"}}}};
        manager_ = vgtest::ManagerFromSection(section);
        CurrentDocResManager = manager_.get();
    }
    void TearDown() override {
        CurrentDocResManager = nullptr;
        manager_.reset();
        GetPictureView().ReleaseDeviceObjects(device_.Device());
        CurrentDevice = nullptr;
    }
    std::vector<uint8_t> Red() { return vgtest::MakePicture(device_.Device(), 64, 48, D3DXIFF_PNG, 0xFFFF0000); }
    std::vector<uint8_t> Wide() { return vgtest::MakePicture(device_.Device(), 128, 48, D3DXIFF_PNG, 0xFF00FF00); }

    // A layer made current the way a slide makes it: device objects, size, states.
    std::unique_ptr<QV_2D_Light> CurrentLayer(const FileKey& picture, int fitMode = PictureView::kFit) {
        auto layer = std::make_unique<QV_2D_Light>();
        layer->pictureLink.SetSilently(picture);
        layer->CreateDeviceObjects();
        layer->Resize(1, 1);
        layer->SetFitMode(fitMode);
        layer->Resize(int(device_.Width()), int(device_.Height()));
        layer->StartCamera();
        layer->RestoreDeviceObjects();
        return layer;
    }

    ComHolder<IDirect3DSurface9> BackBuffer() {
        ComHolder<IDirect3DSurface9> surface;
        device_.Device()->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, surface.Receive());
        return surface;
    }

    vgtest::TestDevice device_{128, 96};
    std::unique_ptr<QV_DocResManager> manager_;
};

TEST_F(BackgroundLayerTest, RecordVersionsReadThroughTheRegistry) {
    struct {
        int32_t version;
        const wchar_t* picture;
        int32_t cameraEnabled;
    } cases[] = {{1, L"common_res.dll", 0}, {2, L"C:\\red.png", 0}, {3, L"C:\\red.png", 1}};
    for (const auto& c : cases) {
        LayerRecord record;
        record.version = c.version;
        record.picture = {"C:\\red.png", 1};
        record.camera.enabled = 1;
        SceneWriter out = MakeLayer(record);
        vgtest::ArchiveOver in(out.Bytes());
        std::unique_ptr<QV_2D_Light> layer(ReadTaggedLight(in.Archive()));
        ASSERT_NE(layer, nullptr);
        EXPECT_FALSE(in.Failed());
        EXPECT_EQ(in.Consumed(), out.Size());
        EXPECT_EQ(layer->pictureLink.GetPath(), c.picture) << c.version;
        EXPECT_EQ(layer->camera.enabled.Value(), c.cameraEnabled) << c.version;
    }
}

TEST_F(BackgroundLayerTest, DrawsThePictureFittedWithBordersAroundIt) {
    auto layer = CurrentLayer({L"C:\\wide.png", 2});
    EXPECT_EQ(layer->GetPictureWidth(), 128u);
    const PictureLayout& layout = CurrentPictureLayout();
    EXPECT_EQ(layout.pictureWidth, 128);
    EXPECT_FLOAT_EQ(layout.fittedQuad.Top(), 24.0f);  // 128 x 48 letterboxed in 128 x 96

    IDirect3DDevice9* d = device_.Device();
    d->BeginScene();
    layer->FrameMove(0.0f);
    layer->DrawBackground(false);
    layer->EndRender(false);
    d->EndScene();
    EXPECT_LE(vgtest::ChannelDistance(device_.PixelAt(64, 48), 0xFF00FF00u), 2);
    // Above the picture: the border picture (dark), not the white clear.
    EXPECT_LT(device_.PixelAt(64, 8) & 0xFF, 0x40u);
}

TEST_F(BackgroundLayerTest, MissingPictureLeavesTheWhiteClear) {
    auto layer = CurrentLayer({L"C:\\nowhere.png", 9});
    device_.Device()->BeginScene();
    layer->DrawBackground(false);
    device_.Device()->EndScene();
    EXPECT_EQ(device_.PixelAt(64, 48), 0xFFFFFFFFu);
}

TEST_F(BackgroundLayerTest, ObjectsWithoutBackgroundNeedsStayOnTheBackBuffer) {
    auto layer = CurrentLayer({L"C:\\red.png", 1});
    std::vector<Visit> visits;
    std::vector<CountedHolder<QV_ABObj>> objects;
    for (int id = 1; id <= 3; ++id) objects.emplace_back(new RecordingObject(id, false, &visits));
    objects.emplace_back(nullptr);  // an entry without an object is passed over
    layer->RenderObjects(objects, 0);
    ASSERT_EQ(visits.size(), 3u);
    EXPECT_EQ(visits[0].id, 3);
    EXPECT_EQ(visits[2].id, 1);
    for (const Visit& v : visits) {
        EXPECT_EQ(v.target, BackBuffer().Get());
        EXPECT_EQ(v.scene, layer->GetPictureQuad().picture.texture.Get());
    }
}

TEST_F(BackgroundLayerTest, TwoBackgroundObjectsFlipThenReturnToTheBackBuffer) {
    auto layer = CurrentLayer({L"C:\\red.png", 1});
    std::vector<Visit> visits;
    std::vector<CountedHolder<QV_ABObj>> objects;
    objects.emplace_back(new RecordingObject(1, true, &visits));   // A
    objects.emplace_back(new RecordingObject(2, true, &visits));   // B
    objects.emplace_back(new RecordingObject(3, false, &visits));  // drawn first
    RenderTargetPair& targets = layer->Targets();
    ASSERT_TRUE(targets.Texture(0));
    IDirect3DTexture9* first = targets.Texture(0).Get();
    IDirect3DTexture9* second = targets.Texture(1).Get();

    device_.Device()->BeginScene();
    layer->PrepareTargets();
    layer->DrawBackground(false);
    layer->RenderObjects(objects, 2);
    device_.Device()->EndScene();

    ASSERT_EQ(visits.size(), 3u);
    ComHolder<IDirect3DSurface9> firstSurface, secondSurface;
    first->GetSurfaceLevel(0, firstSurface.Receive());
    second->GetSurfaceLevel(0, secondSurface.Receive());
    EXPECT_EQ(visits[0].target, firstSurface.Get());   // object 3 into target 1
    EXPECT_EQ(visits[1].id, 2);
    EXPECT_EQ(visits[1].target, secondSurface.Get());  // B flips into target 2 ...
    EXPECT_EQ(visits[1].scene, first);                 // ... with target 1 as its scene
    EXPECT_EQ(visits[2].id, 1);
    EXPECT_EQ(visits[2].target, BackBuffer().Get());   // A returns to the back buffer
    EXPECT_EQ(visits[2].scene, second);
}

TEST_F(BackgroundLayerTest, NestedTargetsRestoreTheOuterSize) {
    auto layer = CurrentLayer({L"C:\\red.png", 1});
    RenderTargetPair own;
    own.Resize(32, 16);
    layer->PushTarget(own, PictureView::kTargetPass);
    EXPECT_TRUE(layer->Nested());
    EXPECT_EQ(layer->Width(), 32);
    layer->Resize(500, 500);  // nested: the stored size stays
    EXPECT_EQ(layer->Width(), 32);
    layer->PopTarget();
    EXPECT_FALSE(layer->Nested());
    EXPECT_EQ(layer->Width(), 128);
    EXPECT_EQ(layer->Height(), 96);
    EXPECT_EQ(GetTargetSizeStack().Count(), 0u);
    layer->PopTarget();  // unmatched: nothing happens
    EXPECT_EQ(layer->Width(), 128);
}

TEST_F(BackgroundLayerTest, RestoreSetsTheStartingStatesAndSizesTheTargets) {
    auto layer = CurrentLayer({L"C:\\red.png", 1});
    IDirect3DDevice9* d = device_.Device();
    DWORD value = 0;
    d->GetRenderState(D3DRS_ZENABLE, &value);
    EXPECT_EQ(value, DWORD(FALSE));
    d->GetTextureStageState(0, D3DTSS_COLOROP, &value);
    EXPECT_EQ(value, DWORD(D3DTOP_SELECTARG1));
    d->GetTextureStageState(1, D3DTSS_COLOROP, &value);
    EXPECT_EQ(value, DWORD(D3DTOP_DISABLE));
    d->GetSamplerState(0, D3DSAMP_ADDRESSU, &value);
    EXPECT_EQ(value, DWORD(D3DTADDRESS_MIRROR));
    EXPECT_EQ(layer->Targets().Width(), 128u);

    layer->InvalidateDeviceObjects();
    EXPECT_FALSE(layer->Targets().Current());
    EXPECT_FALSE(layer->GetSceneTexture());
}

TEST_F(BackgroundLayerTest, ChangingThePictureLinkReloads) {
    auto layer = CurrentLayer({L"C:\\red.png", 1});
    layer->pictureLink.Assign(FileKey(L"C:\\wide.png", 2), nullptr);
    EXPECT_EQ(layer->GetPictureWidth(), 128u);
    EXPECT_EQ(CurrentPictureLayout().pictureWidth, 128);
}

}  // namespace
