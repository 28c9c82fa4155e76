#pragma once
// Every picture decode this program makes while a recording runs, kept with its bytes and
// arguments so that the same decodes can be made again alone. The calls are caught in the
// program's own import table, so they are exactly the product's calls, whichever code path
// made them (document pictures, module pictures, GUID pictures, the built-in one).
#include <d3d9.h>
#include <cstdint>
#include <vector>

#include "base/ComHolder.h"

namespace bench {

class PictureDecodes {
public:
    // False when the program does not import the decoder (nothing is recorded then).
    bool StartRecording();
    void StopRecording();
    // Makes every recorded decode again on `device`, in order, into `textures`.
    void Replay(IDirect3DDevice9* device, std::vector<ComHolder<IDirect3DTexture9>>& textures) const;
    size_t Count() const { return calls_.size(); }

    struct Call {
        std::vector<uint8_t> bytes;
        UINT width, height, mipLevels;
        DWORD usage;
        D3DFORMAT format;
        D3DPOOL pool;
        DWORD filter, mipFilter;
        D3DCOLOR colourKey;
    };

private:
    std::vector<Call> calls_;
};

}  // namespace bench
