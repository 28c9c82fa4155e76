#include "MaskRegions.h"

#include "PictureEncoder.h"
#include "ProceduralPictures.h"
#include "document/BuiltinResources.h"

using namespace scenewriter;

namespace {

const int kMaskWidth = 256, kMaskHeight = 192;

}  // namespace

GuidImage MaskPicture(const MaskRegion& region) {
    return GuidImage{region.guid, "", 1,
                     pictures::EncodePng(pictures::EllipseMask(kMaskWidth, kMaskHeight, region.cx, region.cy,
                                                               region.rx, region.ry, 0.3)),
                     ""};
}

FxBaseRecord MaskedFx(const MaskRegion& region, int32_t effect, uint32_t speed, int32_t fxMode) {
    FxBaseRecord fx;
    fx.maskGuid = region.guid;
    fx.effect = {builtin::kModuleName, effect};
    fx.speed = speed;
    fx.fxMode = fxMode;
    return fx;
}
