// The states in force at each draw call of each drawing operation of the background layer and
// of every background derived from it, and what each operation leaves behind: read on a real
// device through a recording one, against each layer's own resting state.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "PictureBytes.h"
#include "RecordingEffect.h"
#include "SpriteTesting.h"
#include "StateRecordingDevice.h"
#include "base/CurrentDevice.h"
#include "brushes/FakeLake2D.h"
#include "brushes/FakeUndervater.h"
#include "brushes/QV_FlameLight.h"
#include "brushes/QV_GlassBallLight.h"
#include "brushes/QV_MatrixCodeLight.h"
#include "brushes/QV_WaterRingLight.h"
#include "objects/QV_SpriteArrayObj.h"
#include "objects/QV_StatObjConstructor.h"
#include "player/MeshBatch.h"
#include "player/PictureView.h"
#include "player/QV_2D_Light.h"

namespace {

constexpr UINT kWidth = 128, kHeight = 96;

class QuadSprite : public LayerSprite {
public:
    QuadSprite() {
        const float corners[20] = {0, 96, 0, 0, 1, 0, 0, 0, 0, 0, 64, 96, 0, 1, 1, 64, 0, 0, 1, 0};
        quad.CreateWithVertices(corners);
    }
    void Prepare(void*) override {}
};

// What the operations draw: buffers of the right kinds, their contents beside the point.
struct Inputs {
    Inputs() {
        colouredMesh.Create(4, 6);
        texturedMesh.Create(4, 6);
        strip.CreateVertexBuffer(4);
        strip.primitiveCount = 2;
        for (MeshBatch* batch : {&opaqueBatch, &transparentBatch, &untexturedBatch}) {
            batch->Create(4, 6);
            batch->drawList = {&frame};
        }
        transparentBatch.SetTransparent(true);
        D3DXCreateTexture(CurrentDevice, 4, 4, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, texture.Receive());
        opaqueBatch.texture = texture;
        transparentBatch.texture = texture;
        twoSided.Create(4, 6);
        twoSided.texture = texture;
        twoSided.children = {&frame};
        overlay.CreateVertexBuffer(4);
        overlay.primitiveCount = 2;
        clearOverlay.CreateVertexBuffer(4);
        blended.CreateQuadBuffer();
        blended.texture = texture;
    }
    QV_IndexedMesh<DX_V::PCT> colouredMesh;
    QV_IndexedMesh<TexVertex> texturedMesh;
    QV_SimpleMesh<TexVertex> strip;
    QV_Frame frame;
    ComHolder<IDirect3DTexture9> texture;
    MeshBatch opaqueBatch, transparentBatch, untexturedBatch;
    QV_SpriteArrayT<MeshVertex> twoSided;
    QV_SimpleMesh<ScreenColourVertex> overlay, clearOverlay;
    TexturedQuad<ScreenTexVertex> blended;
    QuadSprite sprite;
    vgtest::RecordingEffect effect;
};

using Sprites = std::unique_ptr<QV_SpriteArrayObj>;
Sprites SpritesOf(int blendMode, const wchar_t* secondImage) {
    QV_StatObjConstructor placed = spritetest::Placed(L"C:\\red.png", 32, 40, 48);
    placed.blendMode.SetSilently(blendMode);
    if (secondImage) placed.secondImage.SetSilently({secondImage, 1});
    Sprites sprites = spritetest::CreateSprites(placed);
    sprites->Update(0.05f);
    return sprites;
}

struct Operation {
    const char* name;
    std::function<void(QV_2D_Light&, Inputs&)> run;
};

const Operation kOperations[] = {
    {"background", [](QV_2D_Light& l, Inputs&) { l.DrawBackground(false); }},
    {"end of frame", [](QV_2D_Light& l, Inputs&) { l.EndRender(false); }},
    {"indexed with effect", [](QV_2D_Light& l, Inputs& in) { l.DrawIndexedWithEffect(in.texturedMesh, &in.effect); }},
    {"strip with effect", [](QV_2D_Light& l, Inputs& in) { l.DrawWithEffect(in.strip, &in.effect); }},
    {"coloured mesh", [](QV_2D_Light& l, Inputs& in) { l.DrawColouredMesh(in.colouredMesh, nullptr, 2, 0); }},
    {"coloured mesh with effect",
     [](QV_2D_Light& l, Inputs& in) { l.DrawColouredMeshWithEffect(in.colouredMesh, &in.effect); }},
    {"opaque mesh batch", [](QV_2D_Light& l, Inputs& in) { l.DrawMeshInstances(in.opaqueBatch); }},
    {"transparent mesh batch", [](QV_2D_Light& l, Inputs& in) { l.DrawMeshInstances(in.transparentBatch); }},
    {"untextured mesh batch", [](QV_2D_Light& l, Inputs& in) { l.DrawMeshInstances(in.untexturedBatch); }},
    {"blended sprites", [](QV_2D_Light& l, Inputs&) { l.DrawSpriteArray(SpritesOf(0, nullptr)->Batch()); }},
    {"additive sprites", [](QV_2D_Light& l, Inputs&) { l.DrawSpriteArray(SpritesOf(1, nullptr)->Batch()); }},
    {"blended sprites, second picture",
     [](QV_2D_Light& l, Inputs&) { l.DrawSpriteArray(SpritesOf(0, L"C:\\blue.png")->Batch()); }},
    {"additive sprites, second picture",
     [](QV_2D_Light& l, Inputs&) { l.DrawSpriteArray(SpritesOf(1, L"C:\\blue.png")->Batch()); }},
    {"two-sided meshes", [](QV_2D_Light& l, Inputs& in) { l.DrawMeshInstancesTwoSided(in.twoSided); }},
    {"sprite", [](QV_2D_Light& l, Inputs& in) { l.DrawSprite(in.sprite, nullptr); }},
    {"overlay", [](QV_2D_Light& l, Inputs& in) { l.DrawOverlay(&in.overlay); }},
    {"clear overlay", [](QV_2D_Light& l, Inputs& in) { l.DrawOverlay(&in.clearOverlay); }},
    {"blended quad", [](QV_2D_Light& l, Inputs& in) { l.DrawBlendedQuad(in.blended); }},
};

struct Layer {
    const char* name;
    std::function<std::unique_ptr<QV_2D_Light>()> make;
};

template <class T>
std::unique_ptr<QV_2D_Light> Make() {
    return std::make_unique<T>();
}

const Layer kLayers[] = {
    {"layer", Make<QV_2D_Light>},           {"water rings", Make<QV_WaterRingLight>},
    {"flame", Make<QV_FlameLight>},         {"glass ball", Make<QV_GlassBallLight>},
    {"glyph rain", Make<QV_MatrixCodeLight>}, {"lake", Make<FakeLake2D>},
    {"underwater", Make<FakeUndervater>},
};

// Each layer's resting state against a fresh device's, then for each operation the changes
// from that rest at each draw call and after the operation, one line each.
struct Expectation {
    const char* layer;
    const char* operation;  // null: the resting state
    const char* states;
};

#include "LayerDrawStates.inc"

class LayerDrawStates : public ::testing::Test {
protected:
    void SetUp() override {
        VG_REQUIRE_DEVICE(scene_.Device());
        IDirect3DDevice9* device = scene_.Device().Device();
        auto solid = [&](D3DCOLOR colour) { return vgtest::MakePicture(device, 16, 16, D3DXIFF_PNG, colour); };
        scene_.LoadPictures({{"C:\\grey.png", vgtest::MakePicture(device, kWidth, kHeight, D3DXIFF_PNG, 0xFF808080)},
                             {"C:\\red.png", solid(0xFFFF0000)},
                             {"C:\\blue.png", solid(0xFF0000FF)}});
        spritetest::PublishPicture(int(kWidth), int(kHeight));
    }
    void TearDown() override { CurrentDevice = scene_.Device().Device(); }

    // The layer made current as a slide makes it, from a fresh device's states.
    std::unique_ptr<QV_2D_Light> RestingLayer(const Layer& kind, const vgtest::StateValues& fresh) {
        recorder_.Impose(fresh);
        std::unique_ptr<QV_2D_Light> layer = kind.make();
        layer->pictureLink.SetSilently({L"C:\\grey.png", 1});
        layer->CreateDeviceObjects();
        layer->Resize(1, 1);
        layer->SetFitMode(PictureView::kFit);
        layer->Resize(int(kWidth), int(kHeight));
        layer->StartCamera();
        layer->RestoreDeviceObjects();
        return layer;
    }
    // The operation between BeginScene and EndScene, each draw and the end as lines.
    std::string StatesOf(QV_2D_Light& layer, const Operation& operation, Inputs& inputs) {
        const vgtest::StateValues rest = recorder_.StateInForce();
        recorder_.Forget();
        CurrentDevice->BeginScene();
        operation.run(layer, inputs);
        CurrentDevice->EndScene();
        std::ostringstream lines;
        for (const vgtest::DrawCall& draw : recorder_.draws)
            lines << draw.call << ": " << vgtest::StateChanges(rest, draw.state) << "\n";
        lines << "after: " << vgtest::StateChanges(rest, recorder_.StateInForce()) << "\n";
        return lines.str();
    }

    spritetest::DeviceWithPictures scene_{kWidth, kHeight};
    vgtest::StateRecordingDevice recorder_{scene_.Device().Device()};
};

const char* Expected(const char* layer, const char* operation) {
    for (const Expectation& e : kExpected)
        if (std::string(e.layer) == layer && ((!e.operation && !operation) || (e.operation && operation && std::string(e.operation) == operation)))
            return e.states;
    return "(none)";
}

TEST_F(LayerDrawStates, EachOperationOfEachLayerDrawsAndEndsInItsOwnStates) {
    const vgtest::StateValues fresh = recorder_.StateInForce();
    std::ostringstream actual;
    for (const Layer& kind : kLayers) {
        SCOPED_TRACE(kind.name);
        CurrentDevice = &recorder_;
        std::unique_ptr<QV_2D_Light> layer = RestingLayer(kind, fresh);
        Inputs inputs;
        const std::string rest = vgtest::StateChanges(fresh, recorder_.StateInForce());
        EXPECT_EQ(rest, Expected(kind.name, nullptr));
        actual << "    {\"" << kind.name << "\", nullptr, \"" << rest << "\"},\n";
        for (const Operation& operation : kOperations) {
            SCOPED_TRACE(operation.name);
            layer->RestoreDeviceObjects();
            const std::string states = StatesOf(*layer, operation, inputs);
            EXPECT_EQ(states, Expected(kind.name, operation.name));
            std::string escaped;
            for (char c : states) escaped += c == '\n' ? std::string("\\n") : std::string(1, c);
            actual << "    {\"" << kind.name << "\", \"" << operation.name << "\", \"" << escaped << "\"},\n";
        }
        layer.reset();
        GetPictureView().ReleaseDeviceObjects(&recorder_);
        CurrentDevice = scene_.Device().Device();
    }
    if (HasFailure()) std::printf("%s", actual.str().c_str());
}

}  // namespace
