#include "brushes/TextureStageSetup.h"

#include "base/CurrentDevice.h"

void ApplyTextureStage(DWORD stage, const TextureStageSetup& setup) {
    IDirect3DDevice9* d = CurrentDevice;
    d->SetTextureStageState(stage, D3DTSS_COLOROP, setup.colourOp);
    d->SetTextureStageState(stage, D3DTSS_COLORARG1, setup.colourArg1);
    d->SetTextureStageState(stage, D3DTSS_COLORARG2, setup.colourArg2);
    d->SetTextureStageState(stage, D3DTSS_ALPHAOP, setup.alphaOp);
    d->SetTextureStageState(stage, D3DTSS_ALPHAARG1, setup.alphaArg1);
    d->SetTextureStageState(stage, D3DTSS_ALPHAARG2, setup.alphaArg2);
}
