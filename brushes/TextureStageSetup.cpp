#include "brushes/TextureStageSetup.h"

#include "player/StateList.h"

void ApplyTextureStage(DWORD stage, const TextureStageSetup& setup) {
    ApplyStates({StageState(stage, D3DTSS_COLOROP, setup.colourOp), StageState(stage, D3DTSS_COLORARG1, setup.colourArg1),
                 StageState(stage, D3DTSS_COLORARG2, setup.colourArg2), StageState(stage, D3DTSS_ALPHAOP, setup.alphaOp),
                 StageState(stage, D3DTSS_ALPHAARG1, setup.alphaArg1),
                 StageState(stage, D3DTSS_ALPHAARG2, setup.alphaArg2)});
}
