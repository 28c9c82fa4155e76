// The resource manager's lookups and device objects, on a real device.
#include <gtest/gtest.h>

#include <d3dx9.h>

#include <memory>

#include "ArchiveOver.h"
#include "DebugTraceCapture.h"
#include "DocumentRecords.h"
#include "PictureBytes.h"
#include "RecordingEffect.h"
#include "TestDevice.h"
#include "base/CurrentDevice.h"
#include "document/BuiltinResources.h"
#include "document/ModuleResource.h"
#include "document/QV_DocResManager.h"
#include "base/RenderTargetPair.h"

using namespace scenewriter;

namespace {

ULONG References(IUnknown* object) {
    object->AddRef();
    return object->Release();
}

const char kCube[] =
    "xof 0303txt 0032\n"
    "Mesh {\n 8;\n"
    " -1.0;-1.0;-1.0;, 1.0;-1.0;-1.0;, 1.0;1.0;-1.0;, -1.0;1.0;-1.0;,\n"
    " -1.0;-1.0;1.0;, 1.0;-1.0;1.0;, 1.0;1.0;1.0;, -1.0;1.0;1.0;;\n"
    " 12;\n"
    " 3;0,2,1;, 3;0,3,2;, 3;4,5,6;, 3;4,6,7;, 3;0,1,5;, 3;0,5,4;,\n"
    " 3;2,3,7;, 3;2,7,6;, 3;1,2,6;, 3;1,6,5;, 3;0,4,7;, 3;0,7,3;;\n"
    "}\n";

class DocResManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(device_.Device(), nullptr) << "no Direct3D 9 device";
        CurrentDevice = device_.Device();
    }
    void TearDown() override {
        manager_.reset();
        CurrentDevice = nullptr;
    }

    // Reads a writer-made resource section into a new manager.
    QV_DocResManager& LoadSection(const ResourceSection& section) {
        SceneWriter out;
        WriteResourceSection(out, section);
        vgtest::ArchiveOver in(out.Bytes());
        std::wstring tag;
        in.Archive().ReadString(tag);
        uint32_t version = in.Archive().ReadVersion();
        manager_ = std::make_unique<QV_DocResManager>();
        EXPECT_EQ(manager_->Load(in.Archive(), version), S_OK);
        EXPECT_FALSE(in.Failed());
        return *manager_;
    }

    std::vector<uint8_t> Png(UINT w, UINT h) {
        return vgtest::MakePicture(device_.Device(), w, h, D3DXIFF_PNG, 0xFF336699);
    }

    vgtest::TestDevice device_{64, 64};
    std::unique_ptr<QV_DocResManager> manager_;
};

TEST_F(DocResManagerTest, LoadDecodesPicturesAndFrameLists) {
    ResourceSection section;
    const auto jpeg = vgtest::MakePicture(device_.Device(), 40, 30, D3DXIFF_JPG, 0xFF808080);
    ASSERT_FALSE(jpeg.empty());
    section.images = {
        {"a.png", 1, {StoredFile{0, "", Png(64, 32), "a.png"}}},
        {"b.jpg", 2, {StoredFile{0, "", jpeg, "b.jpg"}}},
        {"anim.gif", 3, {StoredFile{0, "", Png(8, 8), "f1"}, StoredFile{0, "", Png(8, 8), "f2"},
                         StoredFile{0, "", Png(16, 8), "f3"}}},
        {"bad.png", 4, {StoredFile{0, "", {1, 2, 3, 4}, "bad.png"}}},
        {"noDurations.gif", 5, {StoredFile{0, "", Png(4, 4), "x"}, StoredFile{0, "", Png(4, 4), "y"}}},
    };
    section.durations = {{"a.png", 1, {0.5f}}, {"anim.gif", 3, {0.1f, 0.2f}}};
    QV_DocResManager& m = LoadSection(section);

    struct {
        FileKey key;
        size_t frames;
        uint32_t width, height;
        float ratio;
        std::vector<float> durations;
        bool textured;
    } cases[] = {
        {{L"a.png", 1}, 1, 64, 32, 0.5f, {}, true},  // one record: no durations
        {{L"b.jpg", 2}, 1, 40, 30, 0.75f, {}, true},
        {{L"anim.gif", 3}, 3, 16, 8, 0.5f, {0.1f, 0.2f}, true},  // size of the last frame
        {{L"bad.png", 4}, 1, 0, 0, 1.0f, {}, false},
        {{L"noDurations.gif", 5}, 2, 4, 4, 1.0f, {}, true},
    };
    for (const auto& c : cases) {
        TextureSet& set = m.GetTextures(c.key);
        ASSERT_EQ(set.frames.size(), c.frames) << c.key.path.c_str();
        EXPECT_EQ(set.width, c.width);
        EXPECT_EQ(set.height, c.height);
        EXPECT_FLOAT_EQ(set.ratio, c.ratio);
        EXPECT_EQ(set.durations, c.durations);
        EXPECT_EQ(bool(set.frames.back()), c.textured);
    }
    EXPECT_TRUE(m.Storage().images.empty());
    EXPECT_EQ(m.Storage().frameDurations.size(), 2u);
}

// Resource 3000 of this binary: a small PNG that declares 16384 x 16384 pixels.
std::vector<uint8_t> LargePng() {
    const ModuleResource resource = FindModuleResource(GetModuleHandleW(nullptr), 3000, L"KDV");
    const auto* bytes = static_cast<const uint8_t*>(resource.bytes);
    return std::vector<uint8_t>(bytes, bytes + resource.size);
}

std::wstring TempFileWith(const wchar_t* name, const std::vector<uint8_t>& bytes) {
    wchar_t folder[MAX_PATH + 1] = L"";
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + name + std::to_wstring(GetCurrentProcessId());
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return path;
}

// Such a picture would take the decoder seconds and gigabytes; it is refused from its header.
TEST_F(DocResManagerTest, PicturesBeyondThePixelBudgetAreMissingPictures) {
    const std::vector<uint8_t> large = LargePng();
    ASSERT_GT(large.size(), 0u);
    ResourceSection section;
    section.images = {{"C:\\pics\\huge.png", 1, {StoredFile{0, "", large, "C:\\pics\\huge.png"}}}};
    section.guidImages = {{"{00000001-0002-0003-0405-060708090A0B}", "", 1, large, ""}};
    QV_DocResManager& m = LoadSection(section);
    TextureSet& set = m.GetTextures({L"C:\\pics\\huge.png", 1});
    ASSERT_EQ(set.frames.size(), 1u);
    EXPECT_FALSE(set.frames[0]);
    EXPECT_EQ(set.width, 0u);
    GuidKey mask;
    CLSIDFromString(L"{00000001-0002-0003-0405-060708090A0B}", &mask.id);
    mask.flag = 1;
    EXPECT_FALSE(m.GetGuidTexture(mask));

    // Pictures a record names by path are read from their file within the same bounds.
    const std::wstring huge = TempFileWith(L"vg-huge-", large);
    const std::wstring small = TempFileWith(L"vg-small-", Png(12, 6));
    EXPECT_FALSE(m.Cache().GetTexture(EmbeddedFile(huge)).texture);
    const TextureEntry fromFile = m.Cache().GetTexture(EmbeddedFile(small));
    EXPECT_TRUE(fromFile.texture);
    EXPECT_EQ(fromFile.width, 12u);
    EXPECT_FALSE(m.Cache().GetTexture(EmbeddedFile(L"NUL")).texture);
    DeleteFileW(huge.c_str());
    DeleteFileW(small.c_str());
}

TEST_F(DocResManagerTest, TextureLookupsWithoutStoredBytes) {
    QV_DocResManager& m = LoadSection({});
    // A module that is not there: one frame without texture at the stand-in size.
    const FileKey absent(L"absent_module.dll", 99);
    TextureSet& missing = m.GetTextures(absent);
    ASSERT_EQ(missing.frames.size(), 1u);
    EXPECT_FALSE(missing.frames[0]);
    EXPECT_EQ(missing.width, 800u);
    EXPECT_EQ(missing.height, 600u);
    EXPECT_FLOAT_EQ(missing.ratio, 0.75f);
    EXPECT_EQ(&m.GetTextures(absent), &missing);
    EXPECT_EQ(m.Storage().store.at(absent).size(), 1u);

    // The module is there but lacks the resource: no texture, no size.
    TextureSet& lacking = m.GetTextures({L"common_res.dll", 99});
    ASSERT_EQ(lacking.frames.size(), 1u);
    EXPECT_FALSE(lacking.frames[0]);
    EXPECT_EQ(lacking.width, 0u);

    // A picture path the document does not embed: empty at every call, an empty store entry.
    for (int call = 0; call < 2; ++call) {
        EXPECT_TRUE(m.GetTextures({L"C:\\nowhere\\x.png", 5}).frames.empty());
        EXPECT_TRUE(m.Storage().store.at({L"C:\\nowhere\\x.png", 5}).empty());
    }
    EXPECT_FALSE(TextureEntry::FromTextureSet(TextureSet()).texture);
}

TEST_F(DocResManagerTest, InlinePicturesBecomeLinkedSets) {
    QV_DocResManager& m = LoadSection({});
    EmbeddedFile single(L"inline");
    const auto png = Png(8, 4);
    single.SetBytes(uint32_t(png.size()), png.data());
    const FileKey first = m.AddImageFromBuffer(single);
    const FileKey second = m.AddImageFromBuffer(single);
    EXPECT_NE(first, second);  // unnamed-id records get a fresh key each time
    EXPECT_EQ(m.GetTextures(first).width, 8u);
    EXPECT_EQ(m.Storage().store.at(first).size(), 1u);

    const FileKey frames = m.AddImageFromFrames({single, single, single}, {0.1f, 0.2f});
    TextureSet& set = m.GetTextures(frames);
    EXPECT_EQ(set.frames.size(), 3u);
    EXPECT_EQ(set.durations, (std::vector<float>{0.1f, 0.2f}));
    EXPECT_EQ(m.AddImageFromFrames({}, {}), FileKey());
}

TEST_F(DocResManagerTest, BuiltinModulePicturesComeFromCommonRes) {
    QV_DocResManager& m = LoadSection({});
    TextureSet& background = m.GetTextures({L"COMMON_RES.DLL", 5});  // any case of ".dll"
    ASSERT_EQ(background.frames.size(), 1u);
    ASSERT_TRUE(background.frames[0]);
    EXPECT_EQ(background.width, 1024u);
    EXPECT_EQ(background.height, 768u);
    EXPECT_FLOAT_EQ(background.ratio, 0.75f);
    EXPECT_TRUE(m.GetTextures(builtin::Link(builtin::kBorderPicture)).frames[0]);
}

// Each manager's device objects belong to the device it was drawn with.
TEST_F(DocResManagerTest, EveryManagerMakesItsTexturesOnItsOwnDevice) {
    vgtest::TestDevice other(32, 32);
    ASSERT_NE(other.Device(), nullptr);
    QV_DocResManager first;
    IDirect3DTexture9* firstTexture = first.GetTextures(builtin::Link(builtin::kBorderPicture)).frames[0].Get();
    CurrentDevice = other.Device();
    {
        QV_DocResManager second;
        IDirect3DTexture9* secondTexture = second.GetTextures(builtin::Link(builtin::kBorderPicture)).frames[0].Get();
        ASSERT_NE(firstTexture, nullptr);
        ASSERT_NE(secondTexture, nullptr);
        ComHolder<IDirect3DDevice9> firstDevice, secondDevice;
        firstTexture->GetDevice(firstDevice.Receive());
        secondTexture->GetDevice(secondDevice.Receive());
        EXPECT_EQ(firstDevice.Get(), device_.Device());
        EXPECT_EQ(secondDevice.Get(), other.Device());
    }
    CurrentDevice = device_.Device();
}

TEST_F(DocResManagerTest, EffectsFromModulesThatNothingEmbedsAreNull) {
    QV_DocResManager& m = LoadSection({});
    const FileKey key(L"common_res.dll", 4242);
    EXPECT_EQ(m.GetEffect(key).Get(), nullptr);
    EXPECT_EQ(m.GetEffect(key).Get(), nullptr);
    ASSERT_EQ(m.Storage().store.at(key).size(), 1u);
    EXPECT_EQ(m.Storage().store.at(key)[0].Bytes(), nullptr);
    EXPECT_EQ(m.GetEmbeddedFile({L"C:\\sound.wav", 1}), nullptr);
}

TEST_F(DocResManagerTest, HeldEffectsAreSharedAndToldOfDeviceLoss) {
    vgtest::RecordingEffect effect;
    {
        QV_DocResManager& m = LoadSection({});
        const FileKey key = builtin::Link(builtin::kLightEffect);
        m.HoldEffect(key, &effect);
        EXPECT_EQ(effect.references, 2u);
        ComHolder<ID3DXEffect> got = m.GetEffect(key);
        EXPECT_EQ(got.Get(), &effect);
        EXPECT_EQ(effect.references, 3u);  // one more for the caller
        got.Reset();
        m.OnLostDevice();
        m.OnResetDevice();
        EXPECT_EQ(effect.lostDevice, 1);
        EXPECT_EQ(effect.resetDevice, 1);
        manager_.reset();
    }
    EXPECT_EQ(effect.references, 1u);
    EXPECT_EQ(effect.lostDevice, 2);  // destruction tells the effect too
}

TEST_F(DocResManagerTest, EffectTextThatDoesNotCompileGivesNullEveryTime) {
    ResourceSection section;
    section.version = 2;
    const std::string text = "this is not an effect";
    section.buffers = {{"common_res.dll", 116,
                        {StoredFile{116, "common_res.dll", std::vector<uint8_t>(text.begin(), text.end()), ""}}}};
    QV_DocResManager& m = LoadSection(section);
    EXPECT_EQ(m.GetEffect({L"common_res.dll", 116}).Get(), nullptr);
    EXPECT_EQ(m.GetEffect({L"common_res.dll", 116}).Get(), nullptr);
    EXPECT_EQ(m.Storage().store.at({L"common_res.dll", 116}).size(), 1u);
}

TEST_F(DocResManagerTest, AnEffectD3DXRefusesLeavesItsLinkAndReasonInTheDebugTrace) {
    ResourceSection section;
    section.version = 2;
    const std::string text = "technique T { pass P { CullMode = ; } }";
    section.buffers = {{"C:\\effects\\broken.fx", 7,
                        {StoredFile{0, "", std::vector<uint8_t>(text.begin(), text.end()), "C:\\effects\\broken.fx"}}}};
    QV_DocResManager& m = LoadSection(section);
    vgtest::DebugTraceCapture trace;
    EXPECT_EQ(m.GetEffect({L"C:\\effects\\broken.fx", 7}).Get(), nullptr);
    ASSERT_EQ(trace.Lines().size(), 1u);
    const std::wstring& line = trace.Lines()[0];
    EXPECT_NE(line.find(L"effect C:\\effects\\broken.fx 7 was not made (0x"), std::wstring::npos) << line;
    // D3DX's reason follows the code.
    EXPECT_NE(line.find(L"): "), std::wstring::npos) << line;
    EXPECT_GT(line.size(), line.find(L"): ") + 3) << line;
}

TEST_F(DocResManagerTest, MeshesLoadFromXBytesAndFailSafelyOnOthers) {
    ResourceSection section;
    section.version = 2;
    section.buffers = {
        {"cube.x", 1, {StoredFile{0, "", std::vector<uint8_t>(kCube, kCube + sizeof kCube - 1), "cube.x"}}},
        {"junk.x", 2, {StoredFile{0, "", {'n', 'o', 't', ' ', 'x'}, "junk.x"}}},
    };
    QV_DocResManager& m = LoadSection(section);
    MeshEntry& cube = m.GetMesh({L"cube.x", 1}, 32);
    ASSERT_TRUE(cube.Loaded());
    EXPECT_EQ(cube.faceCount, 12u);
    EXPECT_GE(cube.vertexCount, 8u);
    EXPECT_NEAR(cube.radius, 1.732f, 0.01f);
    EXPECT_NEAR(cube.centre[0], 0.0f, 1e-4f);
    ASSERT_TRUE(cube.vertices);
    D3DVERTEXBUFFER_DESC desc;
    cube.vertices->GetDesc(&desc);
    EXPECT_EQ(desc.Size, cube.vertexCount * 32);
    EXPECT_EQ(desc.Pool, D3DPOOL_MANAGED);

    MeshEntry& junk = m.GetMesh({L"junk.x", 2}, 32);
    EXPECT_FALSE(junk.Loaded());
    EXPECT_FALSE(junk.vertices);
}

// A mesh named by path is read like a picture so named: from an ordinary file of bounded size.
TEST_F(DocResManagerTest, MeshesNamedByPathComeOnlyFromOrdinaryFilesOfBoundedSize) {
    const std::vector<uint8_t> cube(kCube, kCube + sizeof kCube - 1);
    std::vector<uint8_t> oversized = cube;
    oversized.resize((16u << 20) + 1, ' ');  // the cube still, then spaces
    const std::wstring small = TempFileWith(L"vg-cube-", cube);
    const std::wstring large = TempFileWith(L"vg-large-cube-", oversized);
    wchar_t folder[MAX_PATH + 1] = L"";
    GetTempPathW(MAX_PATH, folder);
    QV_DocResManager& m = LoadSection({});
    struct Case {
        std::wstring path;
        bool loads;
    };
    const Case cases[] = {
        {.path = small, .loads = true},
        {.path = large, .loads = false},
        {.path = folder, .loads = false},
        {.path = L"NUL", .loads = false},
        {.path = L"CONIN$", .loads = false},
    };
    for (const Case& c : cases) {
        // The file is the fallback of a record whose module is not there.
        EmbeddedFile record(c.path);
        record.SetModule(L"absent.dll");
        EXPECT_EQ(m.Cache().GetMesh(record, 32).Loaded(), c.loads) << c.path;
    }
    DeleteFileW(small.c_str());
    DeleteFileW(large.c_str());
}

TEST_F(DocResManagerTest, FontsAreMadeAnewAndTheOldOneReleased) {
    QV_DocResManager& m = LoadSection({});
    GuidKey key;
    key.id.Data1 = 7;
    const FontMediaParam request(24, FW_BOLD, 0, L"Tahoma");
    ID3DXFont* first = m.GetFont(key, request);
    ASSERT_NE(first, nullptr);
    ID3DXFont* second = m.GetFont(key, request);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(first->Release(), 0u);  // only the caller's reference was left
    second->Release();
}

TEST_F(DocResManagerTest, GuidPairsSurviveADeviceResetAtTheirSize) {
    QV_DocResManager& m = LoadSection({});
    GuidKey key;
    key.id.Data1 = 9;
    RenderTargetPair& pair = m.GetGuidImage(key);
    EXPECT_EQ(pair.Width(), 512u);
    EXPECT_EQ(pair.Height(), 512u);
    pair.Resize(300, 40);
    EXPECT_EQ(&m.GetGuidImage(key), &pair);

    m.OnLostDevice();
    EXPECT_FALSE(pair.Texture(0));
    // Nothing of the default pool is alive, so a real reset goes through.
    ASSERT_EQ(device_.Reset(), D3D_OK);
    m.OnResetDevice();
    EXPECT_EQ(pair.Width(), 300u);
    EXPECT_EQ(pair.Height(), 40u);
    ASSERT_TRUE(pair.Current());
}

TEST_F(DocResManagerTest, GuidPicturesBecomeTexturesCopiedIntoTheirPairs) {
    ResourceSection section;
    section.guidImages = {{"{00000001-0002-0003-0405-060708090A0B}", "", 1, Png(32, 32), ""}};
    QV_DocResManager& m = LoadSection(section);
    GuidKey key;
    CLSIDFromString(L"{00000001-0002-0003-0405-060708090A0B}", &key.id);
    EXPECT_TRUE(m.GetGuidTexture(key));
    RenderTargetPair& pair = m.GetGuidImage(key);
    EXPECT_EQ(pair.Width(), 512u);
    ASSERT_TRUE(pair.Current());

    GuidKey absent;
    absent.id.Data1 = 1234;
    EXPECT_FALSE(m.GetGuidTexture(absent));
}

TEST_F(DocResManagerTest, DestroyingTheManagerReleasesEverythingItMade) {
    const ULONG before = References(device_.Device());
    {
        ResourceSection section;
        section.images = {{"a.png", 1, {StoredFile{0, "", Png(16, 16), "a.png"}}}};
        section.guidImages = {{"{00000001-0002-0003-0405-060708090A0B}", "", 1, Png(8, 8), ""}};
        QV_DocResManager& m = LoadSection(section);
        GuidKey key;
        key.id.Data1 = 3;
        m.GetGuidImage(key);
        m.GetFont(key, FontMediaParam(12, FW_NORMAL, 0, L"Tahoma"))->Release();
        EXPECT_GT(References(device_.Device()), before);
        manager_.reset();
    }
    EXPECT_EQ(References(device_.Device()), before);
}

}  // namespace
