#include "document/QV_DocResManager.h"

#include <cstring>
#include <cwchar>
#include <set>
#include <string>

#include "base/CurrentDevice.h"
#include "document/ArchiveValues.h"
#include "document/FieldArchive.h"
#include "document/ModuleResource.h"
#include "document/PictureHeader.h"
#include "document/QV_IOF_R.h"
#include "document/QV_IOF_Virtual.h"
#include "base/RenderTargetPair.h"

QV_DocResManager* CurrentDocResManager = nullptr;
DocResourceCache* CurrentResourceCache = nullptr;

ComHolder<IDirect3DTexture9> CurrentFrameOfLink(const FileKey& link) {
    if (!CurrentDocResManager) return {};
    return CurrentDocResManager->GetTextures(link).CurrentFrame();
}

ComHolder<ID3DXEffect> CurrentEffectOfLink(const FileKey& link) {
    if (!CurrentDocResManager) return {};
    return CurrentDocResManager->GetEffect(link);
}

namespace {

// Path string, stamp and a count: the head of every keyed entry.
constexpr uint32_t kMinKeyedEntryBytes = ArchiveSize::kString + 8 + 4;
// GUID string, name string, flag and an empty blob with its name.
constexpr uint32_t kMinGuidImageBytes = 3 * ArchiveSize::kString + 1 + 4;
// What Load reports for a section the archive could not read; the document is refused.
constexpr HRESULT kSectionUnreadable = HRESULT_FROM_WIN32(ERROR_INVALID_DATA);

// An effect from the record's bytes; a failure leaves the link, the code and D3DX's own
// reason in the debug trace, as an empty effect otherwise leaves no sign of why.
void CreateEffect(const FileKey& link, const EmbeddedFile& record, ComHolder<ID3DXEffect>& effect) {
    ComHolder<ID3DXBuffer> errors;
    const HRESULT hr = D3DXCreateEffect(CurrentDevice, record.Bytes(), record.Size(), nullptr, nullptr, 0, nullptr,
                                        effect.Receive(), errors.Receive());
    if (SUCCEEDED(hr)) return;
    wchar_t code[16];
    swprintf(code, 16, L"0x%08lX", static_cast<unsigned long>(hr));
    std::wstring trace = L"Velmora Glow: effect " + link.path + L" " + std::to_wstring(link.stamp) +
                         L" was not made (" + code + L")";
    if (errors && errors->GetBufferSize() > 0) {
        const char* text = static_cast<const char*>(errors->GetBufferPointer());
        const auto* bytes = reinterpret_cast<const unsigned char*>(text);
        trace += L": " + std::wstring(bytes, bytes + strnlen(text, errors->GetBufferSize()));
    }
    OutputDebugStringW((trace + L"\n").c_str());
}

// A link's key: path, then stamp.
void KeyFields(FieldArchive& ar, FileKey& key) {
    ar.Value(key.path);
    ar.Value(key.stamp);
}

// A counted list of records; reading keeps those read whole, so what a list holds never
// outgrows what the stream really had.
void RecordFields(FieldArchive& ar, std::vector<EmbeddedFile>& files) {
    ar.List(files, ArchiveSize::kEmbeddedFile, [&ar](EmbeddedFile& file) { ar.Value(file); });
}

void DurationFields(FieldArchive& ar, std::vector<float>& seconds) {
    ar.List(seconds, 4, [&ar](float& value) { ar.Value(value); });
}

// A section of entries each under its key. Reading keeps the first entry of a key repeated
// within the section.
template <class Section, class KeyFieldsOf, class EntryFields>
void KeyedSection(FieldArchive& ar, Section& section, uint32_t minEntryBytes, KeyFieldsOf keyFields,
                  EntryFields entryFields) {
    const uint32_t entries = ar.Count(section.size(), minEntryBytes);
    if (!ar.Reading()) {
        for (auto& [stored, value] : section) {
            typename Section::key_type key = stored;
            keyFields(ar, key);
            entryFields(ar, value);
        }
        return;
    }
    for (uint32_t i = 0; i < entries && !ar.Archive().Failed(); ++i) {
        typename Section::key_type key;
        keyFields(ar, key);
        typename Section::mapped_type value;
        entryFields(ar, value);
        section.emplace(std::move(key), std::move(value));
    }
}

// Lets go of every texture bound to the effect's parameters: their owners bind them again
// each frame, and a render target still held by an effect keeps a device reset from
// succeeding.
void UnbindTextures(ID3DXEffect& effect) {
    D3DXEFFECT_DESC desc;
    if (FAILED(effect.GetDesc(&desc))) return;
    for (UINT i = 0; i < desc.Parameters; ++i) {
        D3DXHANDLE parameter = effect.GetParameter(nullptr, i);
        D3DXPARAMETER_DESC about;
        if (parameter && SUCCEEDED(effect.GetParameterDesc(parameter, &about)) && about.Type >= D3DXPT_TEXTURE &&
            about.Type <= D3DXPT_TEXTURECUBE)
            effect.SetTexture(parameter, nullptr);
    }
}

// The size a picture's header declares, as a decode of the same bytes reports it: nothing
// for bytes the decoder would refuse.
TextureEntry DeclaredSize(const void* bytes, uint32_t size) {
    TextureEntry entry;
    PictureHeader header;
    if (!bytes || !PictureWithinBudget(bytes, size) ||
        !PictureHeader::Read(static_cast<const uint8_t*>(bytes), size, header))
        return entry;
    entry.width = uint32_t(header.width);
    entry.height = uint32_t(header.height);
    entry.ratio = float(entry.height) / float(entry.width);
    return entry;
}

}  // namespace

QV_DocResManager::QV_DocResManager() : cache_(std::make_unique<DocResourceCache>()) {
    CurrentResourceCache = cache_.get();
}

QV_DocResManager::~QV_DocResManager() {
    OnLostDevice();
    // No global is left pointing at what goes now.
    if (CurrentResourceCache == cache_.get()) CurrentResourceCache = nullptr;
    if (CurrentDocResManager == this) CurrentDocResManager = nullptr;
}

HRESULT QV_DocResManager::Load(QV_IOF_Virtual& archive, uint32_t version) {
    Fields(FieldArchive::Reader(archive, version));
    return archive.Failed() ? kSectionUnreadable : S_OK;
}

void QV_DocResManager::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_DocResManager::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_DocResManager", kRecordVersion)); }

void QV_DocResManager::Fields(FieldArchive ar) {
    KeyedSection(ar, storage_.images, kMinKeyedEntryBytes, KeyFields, RecordFields);
    KeyedSection(ar, storage_.frameDurations, kMinKeyedEntryBytes, KeyFields, DurationFields);
    // A section that cannot be read refuses the document: nothing of it is decoded.
    if (ar.Reading() && !ar.Archive().Failed()) DecodeImages();
    if (ar.Version() == 1) return;
    KeyedSection(ar, storage_.buffers, kMinKeyedEntryBytes, KeyFields, RecordFields);
    if (ar.Reading() && !ar.Archive().Failed()) StoreBuffers();
    if (ar.Version() == 2) return;
    // Each picture under its GUID key, its bytes as a blob.
    KeyedSection(
        ar, storage_.guidImages, kMinGuidImageBytes, [](FieldArchive& entry, GuidKey& key) { entry.Key(key); },
        [](FieldArchive& entry, DataBlob& blob) { entry.Value(blob); });
    if (ar.Reading() && !ar.Archive().Failed()) DecodeGuidImages();
}

void QV_DocResManager::DecodeImages() {
    // The manager's own cache: what it decodes belongs to this document's device.
    for (auto& [key, files] : storage_.images) {
        TextureSet& set = textureSets_[key];
        set.frames.resize(files.size());
        for (size_t i = 0; i < files.size(); ++i) set.SetFrame(i, cache_->GetTexture(files[i]));
        if (files.size() > 1) {
            auto durations = storage_.frameDurations.find(key);
            set.durations = durations == storage_.frameDurations.end() ? std::vector<float>()
                                                                        : durations->second;
        }
        // The images are emptied below, so their records move to the store.
        storage_.store[key] = std::move(files);
    }
    storage_.images.clear();
}

void QV_DocResManager::StoreBuffers() {
    // An image's records stay when a buffer entry has the same key.
    for (const auto& [key, files] : storage_.buffers) storage_.store.emplace(key, files);
}

void QV_DocResManager::DecodeGuidImages() {
    for (const auto& [key, blob] : storage_.guidImages)
        guidTextures_[key] = LoadTextureFromMemory(blob.Bytes(), blob.Size()).texture;
    storage_.guidImages.clear();
}

std::vector<EmbeddedFile>& QV_DocResManager::EnsureStoreEntry(const FileKey& link) {
    return storage_.store[link];
}

TextureSet& QV_DocResManager::GetTextures(const FileKey& link) {
    TextureSet& set = textureSets_[link];
    if (!set.frames.empty()) return set;
    if (IsModuleLink(link) || link.path.empty())
        LoadTextureFromModule(set, link);
    else
        EnsureStoreEntry(link);
    return set;
}

std::vector<TextureSet> QV_DocResManager::GetTextureSets(const std::vector<FileKey>& links) {
    std::vector<TextureSet> sets;
    sets.reserve(links.size());
    for (const FileKey& link : links) sets.push_back(GetTextures(link));
    return sets;
}

void QV_DocResManager::LoadTextureFromModule(TextureSet& set, const FileKey& link) {
    EmbeddedFile record(int32_t(link.stamp), link.path);
    std::vector<EmbeddedFile>& stored = EnsureStoreEntry(link);
    if (stored.empty()) stored.push_back(record);
    // One frame, with or without a texture: the set is not filled again.
    set.frames.resize(1);
    set.SetFrame(0, cache_->GetTexture(record));
}

TextureSet& QV_DocResManager::LoadFrameSetFromModule(const FileKey& link) {
    TextureSet& set = textureSets_[link];
    if (!set.frames.empty()) return set;
    ModuleLookup module = cache_->GetModule(link.path);
    if (!module.found) return set;
    ModuleResource resource = FindModuleResource(module.handle, int(link.stamp), L"KDV");
    if (!resource.bytes) return set;

    ResourceBuffer buffer(resource.bytes, resource.size);
    QV_IOF_R<ResourceBuffer> archive(&buffer);
    FieldArchive ar = FieldArchive::Reader(archive, 0);
    std::vector<float> durations;
    DurationFields(ar, durations);
    std::vector<EmbeddedFile> records;
    RecordFields(ar, records);
    // A damaged frame set gives no frames rather than some of them.
    if (archive.Failed()) return set;

    set.durations = durations;
    storage_.store[link] = records;
    set.frames.resize(records.size());
    for (size_t i = 0; i < records.size(); ++i) set.SetFrame(i, cache_->GetTexture(records[i]));
    return set;
}

TextureEntry QV_DocResManager::GetPictureSize(const FileKey& link) {
    auto decoded = textureSets_.find(link);
    const bool undecoded = decoded == textureSets_.end() || decoded->second.frames.empty();
    const ModuleLookup module = undecoded && IsModuleLink(link) ? cache_->GetModule(link.path) : ModuleLookup{};
    if (module.found) {
        const ModuleResource resource = FindModuleResource(module.handle, int(link.stamp), L"KDV");
        return DeclaredSize(resource.bytes, resource.size);
    }
    TextureEntry entry = TextureEntry::FromTextureSet(GetTextures(link));
    entry.texture.Reset();
    return entry;
}

std::vector<EmbeddedFile>& QV_DocResManager::StoreEntryFilledFromModule(const FileKey& link) {
    std::vector<EmbeddedFile>& stored = EnsureStoreEntry(link);
    if (stored.empty()) {
        EmbeddedFile record(int32_t(link.stamp), link.path);
        record.LoadFromModule();
        stored.push_back(record);
    }
    return stored;
}

const EmbeddedFile* QV_DocResManager::GetEmbeddedFile(const FileKey& link) {
    std::vector<EmbeddedFile>& stored =
        IsModuleLink(link) ? StoreEntryFilledFromModule(link) : EnsureStoreEntry(link);
    return stored.empty() ? nullptr : &stored.front();
}

MeshEntry& QV_DocResManager::GetMesh(const FileKey& link, uint32_t vertexSize) {
    MeshEntry& mesh = meshes_[link];
    if (mesh.Loaded()) return mesh;
    const EmbeddedFile& first = StoreEntryFilledFromModule(link).front();
    mesh = LoadMeshFromMemory(first.Bytes(), first.Size(), vertexSize);
    return mesh;
}

ComHolder<ID3DXEffect> QV_DocResManager::GetEffect(const FileKey& link) {
    ComHolder<ID3DXEffect>& held = effects_[link];
    if (!held) {
        std::vector<EmbeddedFile>& stored = EnsureStoreEntry(link);
        if (stored.empty()) {
            stored.emplace_back(int32_t(link.stamp), link.path);
            ModuleLookup module = cache_->GetModule(link.path);
            ModuleResource resource;
            if (module.found) resource = FindModuleResource(module.handle, int(link.stamp), RT_RCDATA);
            if (resource.bytes) stored.back().SetBytes(resource.size, resource.bytes);
        }
        const EmbeddedFile& last = stored.back();
        if (CurrentDevice && last.Bytes()) CreateEffect(link, last, held);
    }
    return held;
}

void QV_DocResManager::HoldEffect(const FileKey& link, ID3DXEffect* effect) {
    effect->AddRef();
    effects_[link].Attach(effect);
}

std::vector<IUnknown*> QV_DocResManager::HeldDeviceObjects() const {
    std::set<IUnknown*> held;
    for (const auto& [key, effect] : effects_) held.insert(effect.Get());
    for (const auto& [key, set] : textureSets_)
        for (const ComHolder<IDirect3DTexture9>& frame : set.frames) held.insert(frame.Get());
    for (const auto& [key, mesh] : meshes_) {
        held.insert(mesh.vertices.Get());
        held.insert(mesh.indices.Get());
    }
    for (const auto& [key, texture] : guidTextures_) held.insert(texture.Get());
    held.erase(nullptr);
    return {held.begin(), held.end()};
}

ID3DXFont* QV_DocResManager::GetFont(const GuidKey& key, const FontMediaParam& font) {
    ComHolder<ID3DXFont>& held = fonts_[key];
    held.Reset();
    if (CurrentDevice)
        D3DXCreateFontW(CurrentDevice, font.height, 0, font.weight, 1, font.italic != 0, DEFAULT_CHARSET,
                        OUT_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                        font.face.c_str(), held.Receive());
    if (held) held->AddRef();
    return held.Get();
}

// Makes the pair's textures at the given size, with the key's GUID picture in them.
void QV_DocResManager::MakeGuidTargets(const GuidKey& key, RenderTargetPair& pair, uint32_t width,
                                       uint32_t height) {
    auto texture = guidTextures_.find(key);
    if (texture != guidTextures_.end() && texture->second)
        pair.CopyFrom(texture->second.Get(), width, height);
    else
        pair.Resize(width, height);
}

RenderTargetPair& QV_DocResManager::GetGuidImage(const GuidKey& key) {
    std::unique_ptr<RenderTargetPair>& pair = guidTargets_[key];
    if (!pair) {
        pair = std::make_unique<RenderTargetPair>();
        MakeGuidTargets(key, *pair, 512, 512);
    }
    return *pair;
}

ComHolder<IDirect3DTexture9>& QV_DocResManager::GetGuidTexture(const GuidKey& key) {
    return guidTextures_[key];
}

FileKey QV_DocResManager::AddImageFromBuffer(const EmbeddedFile& record) {
    const FileKey link = record.MakeFileLink();
    std::vector<EmbeddedFile>& stored = EnsureStoreEntry(link);
    if (stored.empty()) stored.push_back(record);
    TextureSet& set = textureSets_[link];
    set.frames.resize(1);
    set.SetFrame(0, cache_->GetTexture(record));
    return link;
}

FileKey QV_DocResManager::AddImageFromFrames(const std::vector<EmbeddedFile>& records,
                                             const std::vector<float>& durations) {
    if (records.empty()) return FileKey();
    const FileKey link = records.front().MakeFileLink();
    TextureSet& set = textureSets_[link];
    if (!set.frames.empty()) return link;
    std::vector<EmbeddedFile>& stored = EnsureStoreEntry(link);
    for (const EmbeddedFile& record : records) {
        set.frames.emplace_back();
        set.SetFrame(set.frames.size() - 1, cache_->GetTexture(record));
        stored.push_back(record);
    }
    set.durations = durations;
    return link;
}

void QV_DocResManager::OnLostDevice() {
    for (auto& [key, effect] : effects_) {
        if (!effect) continue;
        effect->OnLostDevice();
        UnbindTextures(*effect.Get());
    }
    for (auto& [key, pair] : guidTargets_) pair->ReleaseTextures();
    for (auto& [key, font] : fonts_)
        if (font) font->OnLostDevice();
}

void QV_DocResManager::OnResetDevice() {
    for (auto& [key, effect] : effects_)
        if (effect) effect->OnResetDevice();
    for (auto& [key, pair] : guidTargets_) MakeGuidTargets(key, *pair, pair->Width(), pair->Height());
    for (auto& [key, font] : fonts_)
        if (font) font->OnResetDevice();
}
