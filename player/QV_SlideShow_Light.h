#pragma once
// The root of the scene document: the slides in document order and the music playlist.
#include <cstdint>
#include <vector>

#include <memory>

#include "audio/QV_AudioFile.h"
#include "base/CountedHolder.h"
#include "document/QV_IOF_Item.h"
#include "player/QV_SimpleMesh.h"
#include "player/QV_SlideContainer.h"

class FieldArchive;

class QV_SlideShow_Light : public QV_IOF_Item {
public:
    static constexpr uint32_t kRecordVersion = 1;

    QV_SlideShow_Light() = default;
    QV_SlideShow_Light(const QV_SlideShow_Light&) = delete;
    QV_SlideShow_Light& operator=(const QV_SlideShow_Light&) = delete;
    ~QV_SlideShow_Light() override;

    void Save(QV_IOF_Virtual& archive) override;
    // Draws the current slide, its borders and the fade overlay.
    virtual void Render(bool nested);
    // Before a device reset: every slide releases its layer's render targets.
    virtual void InvalidateDeviceObjects();
    // After a device reset: the current slide's layer restores its states and targets.
    virtual void RestoreDeviceObjects();
    // Advances the show to application time t (seconds): switching and fades. Returns 0.
    virtual int FrameMove(float t);

    // Activates every slide once, after loading.
    void PrepareSlides();
    void SetFitMode(int mode);
    void ActivateCurrentSlide();
    // Every slide's sounds stop, as when the slide is left.
    void StopSounds();

    // The fields after tag and version: the slides and the music files, each a count and
    // its entries.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    size_t SlideCount() const { return slides_.size(); }
    const CountedHolder<QV_SlideContainer>& SlideAt(unsigned index) const { return slides_[index]; }
    const std::vector<CountedHolder<QV_AudioFile>>& AudioFiles() const { return audioFiles_; }
    const CountedHolder<QV_SlideContainer>& CurrentSlide() const { return currentSlide_; }
    const QV_SimpleMesh<ScreenColourVertex>* Overlay() const { return overlay_.get(); }

private:
    void SlideFields(FieldArchive& ar);
    void SetOverlayOpacity(float m);

    CountedHolder<QV_SlideContainer> currentSlide_;
    std::vector<CountedHolder<QV_SlideContainer>> slides_;
    std::vector<CountedHolder<QV_AudioFile>> audioFiles_;
    float slideStartTime_ = 0.0f;
    uint32_t nextIndex_ = 1;
    std::unique_ptr<QV_SimpleMesh<ScreenColourVertex>> overlay_;
    // What the overlay's corners hold, as CornerAlpha gives it.
    D3DCOLOR overlayAlpha_ = 0;
};
