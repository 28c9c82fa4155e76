#pragma once
// Decodes single stored records into textures and meshes, and remembers what it decoded from
// modules, files and the program's own resources. Each resource manager owns one, so what it
// remembers belongs to that manager's device.
#include <windows.h>
#include <d3d9.h>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "base/ComHolder.h"
#include "document/EmbeddedFile.h"
#include "document/MeshEntry.h"
#include "document/TextureEntry.h"

struct ModuleLookup {
    bool found = false;
    HMODULE handle = nullptr;
};

class DocResourceCache {
public:
    // By the record's fields: with bytes and a name or no module (decoded, not remembered),
    // named without bytes (a file), or otherwise a module resource (remembered by module and
    // id; an empty module name without bytes is the program's own module).
    TextureEntry GetTexture(const EmbeddedFile& record);
    // An empty name is the program's own module; any other is loaded as data, once per
    // process (LoadResourceModule). Failures are not remembered.
    ModuleLookup GetModule(const std::wstring& name);
    TextureEntry LoadTextureFromFile(const std::wstring& path);
    // Own resource 2 with a full mip chain, made once.
    ComHolder<IDirect3DTexture9> GetBuiltinTexture();
    // A record with bytes and no module is decoded (not remembered); otherwise by resource id
    // from the record's module (remembered), or from its bytes or its file.
    MeshEntry GetMesh(const EmbeddedFile& record, uint32_t vertexSize);

private:
    std::map<int, ComHolder<IDirect3DTexture9>> ownTextures_;
    std::map<std::wstring, TextureEntry> fileTextures_;
    std::map<std::pair<HMODULE, int>, TextureEntry> moduleTextures_;
    std::map<std::pair<std::wstring, int>, TextureEntry> namedModuleTextures_;
    std::map<int, std::vector<MeshEntry>> meshLists_;
};

// Managed textures of one level from picture bytes; a failed decode gives an entry without
// texture, 0 x 0, ratio 1.
TextureEntry LoadTextureFromMemory(const void* bytes, uint32_t size);
// The same decode on a module's "KDV" resource, or on given bytes; a negative result when no
// texture was made, and `entry` then keeps the size it was given.
HRESULT LoadTextureFromModuleResource(HMODULE module, int id, TextureEntry& entry);
HRESULT CreateTextureFromMemory(const void* bytes, uint32_t size, TextureEntry& entry);
// A "KDV" picture of the program's own module, with a full mip chain when asked.
HRESULT LoadTextureFromResource(int id, bool fullChain, ComHolder<IDirect3DTexture9>& texture);
