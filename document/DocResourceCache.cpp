#include "document/DocResourceCache.h"

#include <d3dx9.h>

#include "base/CurrentDevice.h"
#include "document/ModuleResource.h"
#include "document/OrdinaryFile.h"
#include "document/PictureHeader.h"

namespace {

constexpr int kBuiltinTextureId = 2;

HRESULT Decode(const void* bytes, uint32_t size, UINT mipLevels, DWORD filter, DWORD mipFilter,
               D3DXIMAGE_INFO* info, ComHolder<IDirect3DTexture9>& texture) {
    if (!CurrentDevice || !bytes || size == 0) return E_FAIL;
    // The decoder builds the whole picture before anything else: its size is checked first.
    if (!PictureWithinBudget(bytes, size)) return E_FAIL;
    HRESULT hr = D3DXCreateTextureFromFileInMemoryEx(
        CurrentDevice, bytes, size, D3DX_DEFAULT, D3DX_DEFAULT, mipLevels, 0, D3DFMT_UNKNOWN,
        D3DPOOL_MANAGED, filter, mipFilter, 0, info, nullptr, texture.Receive());
    return SUCCEEDED(hr) && texture ? S_OK : E_FAIL;
}

// No picture within the pixel budget takes a larger file.
constexpr uint64_t kMaxPictureFileBytes = 128ull << 20;

// Decodes into `entry`, whose size stays as given when nothing decodes.
HRESULT DecodeInto(const void* bytes, uint32_t size, TextureEntry& entry) {
    D3DXIMAGE_INFO info = {};
    ComHolder<IDirect3DTexture9> texture;
    if (FAILED(Decode(bytes, size, 1, D3DX_FILTER_TRIANGLE, D3DX_FILTER_NONE, &info, texture)))
        return E_FAIL;
    entry.Assign(info, texture);
    return S_OK;
}

// A record the document embeds with its own bytes and no module: an empty module name names
// no module here, or every such record would meet the program's own resource 0 and share
// whatever was remembered under it.
bool EmbedsItsBytes(const EmbeddedFile& record) { return record.Module().empty() && record.Bytes(); }

}  // namespace

TextureEntry LoadTextureFromMemory(const void* bytes, uint32_t size) {
    TextureEntry entry;
    DecodeInto(bytes, size, entry);
    return entry;
}

HRESULT CreateTextureFromMemory(const void* bytes, uint32_t size, TextureEntry& entry) {
    return DecodeInto(bytes, size, entry);
}

HRESULT LoadTextureFromModuleResource(HMODULE module, int id, TextureEntry& entry) {
    ModuleResource resource = FindModuleResource(module, id, L"KDV");
    return DecodeInto(resource.bytes, resource.size, entry);
}

HRESULT LoadTextureFromResource(int id, bool fullChain, ComHolder<IDirect3DTexture9>& texture) {
    ModuleResource resource = FindModuleResource(GetModuleHandleW(nullptr), id, L"KDV");
    return Decode(resource.bytes, resource.size, fullChain ? D3DX_DEFAULT : 1, D3DX_FILTER_NONE,
                  fullChain ? D3DX_DEFAULT : D3DX_FILTER_NONE, nullptr, texture);
}

TextureEntry DocResourceCache::GetTexture(const EmbeddedFile& record) {
    if (EmbedsItsBytes(record) || (!record.Name().empty() && record.Bytes()))
        return LoadTextureFromMemory(record.Bytes(), record.Size());
    if (!record.Name().empty()) return LoadTextureFromFile(record.Name());
    ModuleLookup module = GetModule(record.Module());
    if (module.found) {
        auto key = std::make_pair(module.handle, record.ResourceId());
        auto found = moduleTextures_.find(key);
        if (found != moduleTextures_.end()) return found->second;
        TextureEntry entry;
        if (FAILED(LoadTextureFromModuleResource(module.handle, record.ResourceId(), entry)))
            CreateTextureFromMemory(record.Bytes(), record.Size(), entry);
        return moduleTextures_[key] = entry;
    }
    auto key = std::make_pair(record.Module(), record.ResourceId());
    auto found = namedModuleTextures_.find(key);
    if (found != namedModuleTextures_.end()) return found->second;
    // Without the module the picture's size is unknown; 800 x 600 stands in.
    TextureEntry entry;
    entry.width = 800;
    entry.height = 600;
    entry.ratio = 0.75f;
    CreateTextureFromMemory(record.Bytes(), record.Size(), entry);
    return namedModuleTextures_[key] = entry;
}

ModuleLookup DocResourceCache::GetModule(const std::wstring& name) {
    if (name.empty()) return {true, GetModuleHandleW(nullptr)};
    HMODULE handle = LoadResourceModule(name);
    if (!handle) return {};
    return {true, handle};
}

TextureEntry DocResourceCache::LoadTextureFromFile(const std::wstring& path) {
    auto found = fileTextures_.find(path);
    if (found != fileTextures_.end()) return found->second;
    const std::vector<BYTE> bytes = ReadOrdinaryFile(path, kMaxPictureFileBytes);
    TextureEntry entry = LoadTextureFromMemory(bytes.data(), uint32_t(bytes.size()));
    if (entry.texture) fileTextures_[path] = entry;
    return entry;
}

ComHolder<IDirect3DTexture9> DocResourceCache::GetBuiltinTexture() {
    ComHolder<IDirect3DTexture9>& held = ownTextures_[kBuiltinTextureId];
    if (!held) LoadTextureFromResource(kBuiltinTextureId, true, held);
    return held;
}

MeshEntry DocResourceCache::GetMesh(const EmbeddedFile& record, uint32_t vertexSize) {
    if (EmbedsItsBytes(record)) return LoadMeshFromMemory(record.Bytes(), record.Size(), vertexSize);
    std::vector<MeshEntry>& list = meshLists_[record.ResourceId()];
    if (list.size() == 1) return list.front();
    ModuleLookup module = GetModule(record.Module());
    if (module.found) {
        list.push_back(LoadMeshFromResource(module.handle, record.ResourceId(), vertexSize));
        return list.back();
    }
    if (record.Bytes()) return LoadMeshFromMemory(record.Bytes(), record.Size(), vertexSize);
    return LoadMeshFromFile(record.Name(), vertexSize);
}
