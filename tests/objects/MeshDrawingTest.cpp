// The 3D objects drawn on a real device over a known picture and read back: the module's
// meshes and pictures, a butterfly's body and wings, a clock's hands at an injected time,
// the batch operation's windings, blending and empty cases, and falling objects whose mesh
// and texture come from their own bytes.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "MeshShapes.h"
#include "MeshTestScene.h"
#include "PictureBytes.h"
#include "TestDevice.h"
#include "base/CountedHolder.h"
#include "base/CurrentDevice.h"
#include "document/BuiltinResources.h"
#include "objects/AC_Butterfly.h"
#include "objects/LocalClock.h"
#include "objects/QV_3D_in_2D_array.h"
#include "objects/QV_3D_in_2D_array_Constructor.h"
#include "objects/QV_ButterflyConstructor.h"
#include "objects/QV_ClockConstructor.h"
#include "objects/QV_SreamAnim.h"
#include "player/PictureView.h"
#include "player/QV_2D_Light.h"

namespace {

using namespace scenewriter;
using vgtest::ChannelDistance;

constexpr UINT kSide = 400;
constexpr D3DCOLOR kBackground = 0xFF2040A0, kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kYellow = 0xFFFFFF00;
const FileKey kBackgroundKey(L"C:\\pictures\\background.png", 1), kRedKey(L"C:\\pictures\\red.png", 2),
    kGreenKey(L"C:\\pictures\\green.png", 3), kYellowKey(L"C:\\pictures\\yellow.png", 4),
    kHalfYellowKey(L"C:\\pictures\\half.png", 5);

std::tm threeOClock = {};
bool FixedTime(std::tm& local) {
    local = threeOClock;
    return true;
}

bool Near(uint32_t pixel, D3DCOLOR colour, int tolerance = 8) { return ChannelDistance(pixel, colour) <= tolerance; }

class MeshDrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        VG_REQUIRE_DEVICE(device_);
        CurrentDevice = device_.Device();
        ResourceSection section;
        auto entry = [&](const FileKey& key, UINT side, D3DCOLOR colour) {
            const std::string path(key.path.begin(), key.path.end());
            const auto bytes = vgtest::MakePicture(device_.Device(), side, side, D3DXIFF_PNG, colour);
            return StoreEntry{path, key.stamp, {StoredFile{0, "", bytes, path}}};
        };
        section.images = {entry(kBackgroundKey, kSide, kBackground), entry(kRedKey, 16, kRed),
                          entry(kGreenKey, 16, kGreen), entry(kYellowKey, 16, kYellow),
                          entry(kHalfYellowKey, 16, 0x80FFFF00)};
        manager_ = vgtest::PublishedManager(section);
        layer_ = std::make_unique<QV_2D_Light>();
        layer_->pictureLink.SetSilently(kBackgroundKey);
        layer_->CreateDeviceObjects();
        layer_->Resize(1, 1);
        layer_->SetFitMode(PictureView::kFit);
        layer_->Resize(int(kSide), int(kSide));
        layer_->RestoreDeviceObjects();
    }
    void TearDown() override {
        layer_.reset();
        manager_.reset();
        GetPictureView().ReleaseDeviceObjects(device_.Device());
        CurrentDevice = nullptr;
    }

    // The picture, then the object over it.
    void Draw(QV_ABObj& object) {
        device_.Device()->BeginScene();
        layer_->DrawBackground(false);
        object.Render(*layer_);
        device_.Device()->EndScene();
    }
    void DrawBatch(MeshBatch& batch) {
        device_.Device()->BeginScene();
        layer_->DrawBackground(false);
        layer_->DrawMeshInstances(batch);
        device_.Device()->EndScene();
    }
    // One read of the frame, for several pixels.
    struct Shot {
        std::vector<uint32_t> pixels;
        uint32_t At(POINT p) const { return pixels[size_t(p.y) * kSide + size_t(p.x)] | 0xFF000000u; }
    };
    Shot ReadShot() { return {device_.ReadBack()}; }
    // How many pixels of the square around (x, y) with half side `reach` are near the colour.
    int CountNear(int x, int y, int reach, D3DCOLOR colour) {
        const std::vector<uint32_t> pixels = device_.ReadBack();
        int count = 0;
        for (int j = std::max(0, y - reach); j <= std::min(int(kSide) - 1, y + reach); ++j)
            for (int i = std::max(0, x - reach); i <= std::min(int(kSide) - 1, x + reach); ++i)
                if (Near(pixels[size_t(j) * kSide + size_t(i)], colour, 40)) ++count;
        return count;
    }
    // A batch of a mesh written as .x text, decoded from its bytes.
    MeshBatch BatchOf(const meshes::MeshData& mesh) {
        const std::vector<uint8_t> bytes = meshes::XFileBytes(mesh);
        EmbeddedFile record;
        record.SetBytes(uint32_t(bytes.size()), bytes.data());
        MeshBatch batch;
        TakeMeshEntry(batch, manager_->Cache().GetMesh(record, sizeof(MeshVertex)));
        return batch;
    }

    vgtest::TestDevice device_{kSide, kSide};
    std::unique_ptr<QV_DocResManager> manager_;
    std::unique_ptr<QV_2D_Light> layer_;
};

TEST_F(MeshDrawingTest, TheModuleServesTheMeshesAndPicturesTheObjectsName) {
    // D3DX's bounding spheres hold the mesh but are not the smallest.
    struct Case {
        const builtin::Resource& mesh;
        float smallestRadius;
    } meshes[] = {{builtin::kButterflyBody, 30}, {builtin::kButterflyWing, 40.3f}, {builtin::kClockDisc, 50}};
    for (const Case& c : meshes) {
        const MeshEntry& mesh = manager_->GetMesh(builtin::Link(c.mesh), 32);
        EXPECT_TRUE(mesh.Loaded()) << c.mesh.id;
        EXPECT_GE(mesh.radius, c.smallestRadius * 0.99f) << c.mesh.id;
        EXPECT_LE(mesh.radius, c.smallestRadius * 1.5f) << c.mesh.id;
    }
    for (const builtin::Resource& picture : {builtin::kClockDial, builtin::kClockHands}) {
        const TextureSet& set = manager_->GetTextures(builtin::Link(picture));
        EXPECT_TRUE(set.CurrentFrame()) << picture.id;
    }
}

// A butterfly seen from the front-left with its wings half down: the body at its place, one
// wing to each side below it.
TEST_F(MeshDrawingTest, AButterflysBodyAndBothWingsShowAroundItsPosition) {
    QV_ButterflyConstructor description;
    description.BodyImageLink().SetSilently(kRedKey);
    description.ImageLink().SetSilently(kGreenKey);
    auto object = vgtest::MakeObject(description);
    ButterflyFlight& flight = vgtest::ControllerOf<AC_Butterfly>(*object, 0).Flight();
    flight.position = {200, 200, 0};
    flight.heading = {.value = 60, .target = 60, .rate = 350};
    flight.forwardSpeed = {.value = 100, .target = 100, .rate = 350};
    flight.flap = 45;
    object->Update(0);  // no time passes: nothing moves
    Draw(*object);
    EXPECT_GT(CountNear(200, 200, 12, kRed), 20);
    EXPECT_GT(CountNear(180, 218, 6, kGreen), 20);  // one wing down to the left
    EXPECT_GT(CountNear(222, 218, 6, kGreen), 20);  // the other down to the right
    EXPECT_EQ(CountNear(200, 150, 20, kGreen) + CountNear(200, 150, 20, kRed), 0);  // nothing above
    EXPECT_TRUE(Near(device_.PixelAt(20, 20), kBackground));
}

TEST_F(MeshDrawingTest, TheClocksHandsPointWhereTheLocalTimeSays) {
    SetLocalTimeSource(&FixedTime);
    QV_ClockConstructor description;
    description.Size().SetSilently(360);
    description.ClockRectangle().further1.SetSilently(200);
    description.ClockRectangle().further2.SetSilently(200);
    auto object = vgtest::MakeObject(description);
    const D3DCOLOR ivory = 0xFFF6EED6, hand = 0xFF181A2C;
    struct Case {
        int hour, minute;
        POINT hands[2];   // on the hour hand, on the minute hand
        POINT dial[2];    // where neither hand is
    } cases[] = {
        {3, 0, {{250, 200}, {200, 120}}, {{150, 200}, {200, 280}}},
        {9, 30, {{152, 187}, {200, 280}}, {{250, 200}, {200, 120}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hour);
        threeOClock.tm_hour = c.hour;
        threeOClock.tm_min = c.minute;
        object->Update(0);
        Draw(*object);
        const Shot shot = ReadShot();
        for (POINT p : c.hands) EXPECT_TRUE(Near(shot.At(p), hand, 24)) << p.x << "," << p.y << " " << std::hex << shot.At(p);
        for (POINT p : c.dial) EXPECT_TRUE(Near(shot.At(p), ivory, 24)) << p.x << "," << p.y << " " << std::hex << shot.At(p);
        // The dial's red mark stands at 12 o'clock, where the hands point at 0°; outside the
        // dial the picture shows.
        EXPECT_TRUE(Near(shot.At({200, 64}), 0xFFC81E1E, 40)) << std::hex << shot.At({200, 64});
        EXPECT_FALSE(Near(shot.At({200, 336}), 0xFFC81E1E, 40));
        EXPECT_TRUE(Near(shot.At({200, 12}), kBackground));
    }
    SetLocalTimeSource(nullptr);
}

// A dial larger than the screen covers it all, twice (both windings), and each hand at most
// as much: one clock stays within the object's budget of 8 screens, a thousand stop at it.
TEST_F(MeshDrawingTest, ClocksPastTheFillBudgetStopAtItAndThoseWithinItAllDraw) {
    SetLocalTimeSource(&FixedTime);
    const double screen = double(kSide) * double(kSide);
    struct Case {
        unsigned int count;
        double minScreens, maxScreens;
    };
    for (const Case& c : {Case{1, 2, 6}, Case{1000, 7, 8}}) {
        SCOPED_TRACE(c.count);
        QV_ClockConstructor description;
        description.Size().SetSilently(2000);
        description.ClockRectangle().further1.SetSilently(200);
        description.ClockRectangle().further2.SetSilently(200);
        description.Count().SetSilently(c.count);
        std::vector<CountedHolder<QV_ABObj>> objects;
        objects.emplace_back(vgtest::MakeObject(description).release());
        ASSERT_EQ(static_cast<QV_3DObjArray*>(objects[0].Get())->Instances().size(), c.count);
        objects[0]->Update(0);
        device_.Device()->BeginScene();
        layer_->DrawBackground(false);
        layer_->RenderObjects(objects, 0);
        device_.Device()->EndScene();
        EXPECT_GE(layer_->LargestObjectCover() / screen, c.minScreens);
        EXPECT_LE(layer_->LargestObjectCover() / screen, c.maxScreens);
        EXPECT_DOUBLE_EQ(layer_->FrameCover(), layer_->LargestObjectCover());
    }
    SetLocalTimeSource(nullptr);
}

TEST_F(MeshDrawingTest, ANewDialPictureReloadsTheDialBatch) {
    QV_ClockConstructor description;
    auto object = vgtest::MakeObject(description);
    static_cast<QV_ClockConstructor&>(object->Description()).ImageLink().Assign(kRedKey, nullptr);
    const MeshBatch& dial = object->Batches()[0];
    EXPECT_EQ(dial.texture.Get(), manager_->GetTextures(kRedKey).CurrentFrame().Get());
    EXPECT_TRUE(HasMeshBuffers(dial));
    EXPECT_TRUE(dial.Transparent());
    EXPECT_NE(object->Batches()[1].texture.Get(), dial.texture.Get());
}

// Two triangles: the left one clockwise on the screen, the right one counter-clockwise.
meshes::MeshData TwoWindings() {
    meshes::MeshData mesh;
    mesh.vertices = {{100, 150, 0, 0, 0}, {180, 150, 0, 1, 0}, {100, 250, 0, 0, 1},
                     {220, 150, 0, 0, 0}, {220, 250, 0, 0, 1}, {300, 150, 0, 1, 0}};
    mesh.faces = {{0, 1, 2}, {3, 4, 5}};
    return mesh;
}

TEST_F(MeshDrawingTest, OpaqueBatchesKeepOneWindingAndTransparentOnesBothBlended) {
    const D3DCOLOR halfYellow = 0xFF8F9F50;  // yellow at half alpha over the background
    struct Case {
        const char* label;
        bool transparent;
        unsigned char counterClockwise;
        FileKey texture;
        D3DCOLOR left, right;
    } cases[] = {
        {"opaque, CCW culled", false, 1, kYellowKey, kYellow, kBackground},
        {"opaque, CW culled", false, 0, kYellowKey, kBackground, kYellow},
        {"transparent shows both", true, 1, kYellowKey, kYellow, kYellow},
        {"transparent, either flag", true, 0, kYellowKey, kYellow, kYellow},
        {"transparent blends", true, 1, kHalfYellowKey, halfYellow, halfYellow},
        {"opaque ignores alpha", false, 1, kHalfYellowKey, kYellow, kBackground},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        MeshBatch batch = BatchOf(TwoWindings());
        ASSERT_TRUE(HasMeshBuffers(batch));
        batch.texture = manager_->GetTextures(c.texture).CurrentFrame();
        batch.SetTransparent(c.transparent);
        QV_Frame frame;
        frame.counterClockwise = c.counterClockwise;
        batch.drawList = {&frame};
        DrawBatch(batch);
        const Shot shot = ReadShot();
        EXPECT_TRUE(Near(shot.At({120, 170}), c.left, 10)) << std::hex << shot.At({120, 170});
        EXPECT_TRUE(Near(shot.At({240, 170}), c.right, 10)) << std::hex << shot.At({240, 170});
    }
}

TEST_F(MeshDrawingTest, WithoutTextureABatchIsWhiteAndWithoutBuffersItDrawsNothing) {
    MeshBatch untextured = BatchOf(TwoWindings());
    QV_Frame frame;
    untextured.drawList = {&frame};
    DrawBatch(untextured);
    EXPECT_TRUE(Near(device_.PixelAt(120, 170), 0xFFFFFFFF));

    // A mesh that did not load: the picture stays exactly as it was.
    device_.Device()->BeginScene();
    layer_->DrawBackground(false);
    device_.Device()->EndScene();
    const std::vector<uint32_t> before = device_.ReadBack();
    MeshBatch empty;
    TakeMeshEntry(empty, MeshEntry());
    empty.texture = manager_->GetTextures(kYellowKey).CurrentFrame();
    empty.SetTransparent(true);
    empty.drawList = {&frame};
    device_.Device()->BeginScene();
    layer_->DrawMeshInstances(empty);
    layer_->DrawMeshInstancesTwoSided(empty);
    device_.Device()->EndScene();
    EXPECT_EQ(device_.ReadBack(), before);
    // The next drawing still finds the picture's states.
    DrawBatch(empty);
    EXPECT_TRUE(Near(device_.PixelAt(120, 170), kBackground));
}

// Leaves as a document embeds them: mesh and texture records with bytes and neither a module
// nor a name. Each object gets its own texture, and both meshes load.
TEST_F(MeshDrawingTest, FallingObjectsTakeTheirMeshAndTextureFromTheirOwnBytes) {
    vgtest::PublishPictureSize(int(kSide), int(kSide));
    auto leaves = [&](D3DCOLOR colour, float x) {
        QV_3D_in_2D_array_Constructor description;
        const std::vector<uint8_t> mesh = meshes::XFileBytes(meshes::FoldedLeaf());
        const std::vector<uint8_t> texture = vgtest::MakePicture(device_.Device(), 16, 16, D3DXIFF_PNG, colour);
        description.Mesh().SetBytes(uint32_t(mesh.size()), mesh.data());
        description.Texture().SetBytes(uint32_t(texture.size()), texture.data());
        description.Count().SetSilently(1);
        description.Stream().size.SetSilently(80);
        auto object = std::unique_ptr<QV_3D_in_2D_array>(static_cast<QV_3D_in_2D_array*>(description.CreateObject()));
        auto& leaf = static_cast<QV_LeafFallAnim&>(*object->Mesh().children[0]->animation);
        leaf.State() = {.x = x, .y = 200, .sideways = 0, .speedFactor = 0.1f};
        return object;
    };
    auto red = leaves(kRed, 100), green = leaves(kGreen, 300);
    ASSERT_TRUE(HasMeshBuffers(red->Mesh()));
    ASSERT_TRUE(HasMeshBuffers(green->Mesh()));
    EXPECT_NE(red->Mesh().texture.Get(), green->Mesh().texture.Get());
    EXPECT_NEAR(red->Mesh().children[0]->radius, 23.3f, 0.5f);

    StreamAnimTime = 0;
    red->Update(0);
    green->Update(0);
    device_.Device()->BeginScene();
    layer_->DrawBackground(false);
    red->Render(*layer_);
    green->Render(*layer_);
    device_.Device()->EndScene();
    // Barely tumbled yet, each leaf covers most of its size (80) around its place.
    EXPECT_GT(CountNear(100, 200, 60, kRed), 1000);
    EXPECT_GT(CountNear(300, 200, 60, kGreen), 1000);
    EXPECT_EQ(CountNear(100, 200, 60, kGreen) + CountNear(300, 200, 60, kRed), 0);
}

}  // namespace
