#include "PictureDecodes.h"

#include <windows.h>
#include <d3dx9.h>

#include <cstring>

namespace bench {

namespace {

using DecodeFunction = HRESULT(WINAPI*)(IDirect3DDevice9*, const void*, UINT, UINT, UINT, UINT, DWORD, D3DFORMAT,
                                        D3DPOOL, DWORD, DWORD, D3DCOLOR, D3DXIMAGE_INFO*, PALETTEENTRY*,
                                        IDirect3DTexture9**);

std::vector<PictureDecodes::Call>* recording = nullptr;
DecodeFunction original = nullptr;

HRESULT WINAPI RecordingDecode(IDirect3DDevice9* device, const void* bytes, UINT size, UINT width, UINT height,
                               UINT mipLevels, DWORD usage, D3DFORMAT format, D3DPOOL pool, DWORD filter,
                               DWORD mipFilter, D3DCOLOR colourKey, D3DXIMAGE_INFO* info, PALETTEENTRY* palette,
                               IDirect3DTexture9** texture) {
    if (recording && bytes) {
        const auto* first = static_cast<const uint8_t*>(bytes);
        recording->push_back({std::vector<uint8_t>(first, first + size), width, height, mipLevels, usage, format, pool,
                              filter, mipFilter, colourKey});
    }
    return original(device, bytes, size, width, height, mipLevels, usage, format, pool, filter, mipFilter,
                    colourKey, info, palette, texture);
}

// The slot of the program's import table that holds `target`, or null.
void** ImportSlot(const char* dll, void* target) {
    auto* base = reinterpret_cast<uint8_t*>(GetModuleHandleW(nullptr));
    const auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0) return nullptr;
    for (auto* entry = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); entry->Name;
         ++entry) {
        if (_stricmp(reinterpret_cast<const char*>(base + entry->Name), dll) != 0) continue;
        for (auto* slot = reinterpret_cast<void**>(base + entry->FirstThunk); *slot; ++slot)
            if (*slot == target) return slot;
    }
    return nullptr;
}

void Patch(void** slot, void* value) {
    DWORD protection = 0;
    VirtualProtect(slot, sizeof(void*), PAGE_READWRITE, &protection);
    *slot = value;
    VirtualProtect(slot, sizeof(void*), protection, &protection);
}

constexpr char kDecoderDll[] = "d3dx9_43.dll";

void** DecoderSlot(void* current) { return ImportSlot(kDecoderDll, current); }

}  // namespace

bool PictureDecodes::StartRecording() {
    HMODULE dll = GetModuleHandleA(kDecoderDll);
    if (!dll) return false;
    original = reinterpret_cast<DecodeFunction>(
        reinterpret_cast<void*>(GetProcAddress(dll, "D3DXCreateTextureFromFileInMemoryEx")));
    void** slot = original ? DecoderSlot(reinterpret_cast<void*>(original)) : nullptr;
    if (!slot) return false;
    calls_.clear();
    recording = &calls_;
    Patch(slot, reinterpret_cast<void*>(&RecordingDecode));
    return true;
}

void PictureDecodes::StopRecording() {
    if (void** slot = DecoderSlot(reinterpret_cast<void*>(&RecordingDecode)))
        Patch(slot, reinterpret_cast<void*>(original));
    recording = nullptr;
}

void PictureDecodes::Replay(IDirect3DDevice9* device, std::vector<ComHolder<IDirect3DTexture9>>& textures) const {
    textures.resize(calls_.size());
    for (size_t i = 0; i < calls_.size(); ++i) {
        const Call& c = calls_[i];
        D3DXIMAGE_INFO info = {};
        D3DXCreateTextureFromFileInMemoryEx(device, c.bytes.data(), UINT(c.bytes.size()), c.width, c.height,
                                            c.mipLevels, c.usage, c.format, c.pool, c.filter, c.mipFilter,
                                            c.colourKey, &info, nullptr, textures[i].Receive());
    }
}

}  // namespace bench
