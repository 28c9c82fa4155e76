#include "ShowSlide.h"

using namespace scenewriter;

ShowSlide MakeShowSlide(const SlideRecord& slide, const LayerRecord& layer) {
    const SlideRecord pictureOnly{.version = slide.version,
                                  .fadeIn = slide.fadeIn,
                                  .fadeOut = slide.fadeOut,
                                  .showTime = slide.showTime,
                                  .reserved = slide.reserved,
                                  .name = slide.name,
                                  .reservedCount = slide.reservedCount,
                                  .layer = MakeLayer(layer)};
    return {MakeSlide(slide), MakeSlide(pictureOnly), layer.picture};
}
