#include "player/QV_SlideShow_Light.h"

#include <algorithm>

#include "document/FieldArchive.h"
#include "document/QV_IOF_Virtual.h"
#include "document/ReaderRegistry.h"
#include "player/ColouredQuads.h"
#include "base/RenderTargetPair.h"

namespace {
// Tag, version, file name and an empty blob with its name.
constexpr uint32_t kMinAudioFileBytes = ArchiveSize::kSectionHead + ArchiveSize::kString + 4 +
                                        ArchiveSize::kString;
}  // namespace

QV_SlideShow_Light::~QV_SlideShow_Light() {
    overlay_.reset();
    for (auto& file : audioFiles_) file.Release();
    for (auto& slide : slides_) slide.Release();
    currentSlide_.Release();
}

void QV_SlideShow_Light::Load(QV_IOF_Virtual& archive, uint32_t version) {
    Fields(FieldArchive::Reader(archive, version));
}

void QV_SlideShow_Light::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }

void QV_SlideShow_Light::TaggedFields(FieldArchive outer) {
    Fields(outer.Section(L"QV_SlideShow_Light", kRecordVersion));
}

void QV_SlideShow_Light::Fields(FieldArchive ar) {
    SlideFields(ar);
    ar.List(audioFiles_, kMinAudioFileBytes, [&ar](CountedHolder<QV_AudioFile>& file) {
        if (ar.Reading()) file = CountedHolder<QV_AudioFile>(new QV_AudioFile);
        file->TaggedFields(ar);
    });
}

// Each slide its own tagged record, read through the slide registry; a slide of a class
// the registry does not know fails the read.
void QV_SlideShow_Light::SlideFields(FieldArchive& ar) {
    const auto known = [](const CountedHolder<QV_SlideContainer>& slide) { return bool(slide); };
    const uint32_t count = ar.Count(size_t(std::count_if(slides_.begin(), slides_.end(), known)),
                                    ArchiveSize::kSectionHead);
    if (!ar.Reading()) {
        for (auto& slide : slides_)
            if (slide) slide->Save(ar.Archive());
        return;
    }
    for (uint32_t i = 0; i < count && !ar.Archive().Failed(); ++i) slides_.emplace_back(ReadTaggedSlide(ar.Archive()));
}

int QV_SlideShow_Light::FrameMove(float t) {
    if (!currentSlide_ || !overlay_) {
        // An empty entry is never made current: a show without a first slide stays idle.
        if (slides_.empty() || !slides_[0]) return 0;
        currentSlide_ = slides_[0];
        slideStartTime_ = t - float(currentSlide_->FadeIn());
        ActivateCurrentSlide();
        overlay_ = std::make_unique<QV_SimpleMesh<ScreenColourVertex>>();
        BuildColouredScreenQuad(*overlay_, 0x00000000, ScreenQuad::FitBackBuffer());
        overlayAlpha_ = 0;
        SetOverlayOpacity(0.0f);
    } else if (slides_.size() >= 2) {
        const uint32_t fadeIn = currentSlide_->FadeIn();
        const uint32_t fadeOut = currentSlide_->FadeOut();
        const uint32_t show = currentSlide_->ShowTime();
        float a = t - slideStartTime_;
        const float total = float(fadeIn + fadeOut + show);
        if (a > total && slides_[nextIndex_]) {
            currentSlide_->SetSoundsActive(false);
            // Its targets are made again when it next starts: kept, every slide shown would
            // hold two screen-sized render targets until the next device reset.
            currentSlide_->InvalidateDeviceObjects();
            currentSlide_ = slides_[nextIndex_];
            slideStartTime_ = t;
            nextIndex_ = nextIndex_ + 1 < slides_.size() ? nextIndex_ + 1 : 0;
            ActivateCurrentSlide();
            a = 0;
        }
        float m = 0;
        if (a < float(fadeIn))
            m = (float(fadeIn) - a) / float(fadeIn);
        else if (a > float(fadeIn) + float(show))
            m = (a - float(fadeIn) - float(show)) / float(fadeOut);
        SetOverlayOpacity(m);
    }
    currentSlide_->FrameMove(t);
    return 0;
}

// Rewriting a buffer the device may still be drawing from makes the frame wait for the
// device, so the corners are written only when their alpha changes; and a clear overlay
// changes no pixel, so it keeps no triangles to draw while it is clear.
void QV_SlideShow_Light::SetOverlayOpacity(float m) {
    const D3DCOLOR alpha = CornerAlpha(m);
    if (alpha != overlayAlpha_) {
        SetScreenQuadCornerAlphas(*overlay_, m, m, m, m);
        overlayAlpha_ = alpha;
    }
    overlay_->primitiveCount = alpha != 0 ? 2 : 0;
}

void QV_SlideShow_Light::ActivateCurrentSlide() {
    const D3DSURFACE_DESC backBuffer = GetBackBufferDesc();
    if (backBuffer.Width != 0) currentSlide_->Resize(int(backBuffer.Width), int(backBuffer.Height));
    CountedHolder<QV_2D_Light> layer = currentSlide_->GetLight();
    if (layer) layer->StartCamera();
    currentSlide_->StartObjects();
    currentSlide_->SetSoundsActive(true);
}

void QV_SlideShow_Light::StopSounds() {
    for (auto& slide : slides_)
        if (slide) slide->SetSoundsActive(false);
}

void QV_SlideShow_Light::Render(bool nested) {
    if (!currentSlide_) return;
    currentSlide_->Render(nested);
    currentSlide_->EndRender(nested);
    CountedHolder<QV_2D_Light> layer = currentSlide_->GetLight();
    if (overlay_ && layer) layer->DrawOverlay(overlay_.get());
}

void QV_SlideShow_Light::InvalidateDeviceObjects() {
    for (auto& slide : slides_)
        if (slide) slide->InvalidateDeviceObjects();
}

void QV_SlideShow_Light::RestoreDeviceObjects() {
    if (!currentSlide_) return;
    CountedHolder<QV_2D_Light> layer = currentSlide_->GetLight();
    if (layer) layer->RestoreDeviceObjects();
}

void QV_SlideShow_Light::PrepareSlides() {
    for (auto& slide : slides_)
        if (slide) slide->Activate();
}

void QV_SlideShow_Light::SetFitMode(int mode) {
    for (auto& slide : slides_)
        if (slide) slide->SetFitMode(mode);
}
