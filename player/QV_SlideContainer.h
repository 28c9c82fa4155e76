#pragma once
// One slide: its timing, its background layer, the descriptions of its objects and sounds as
// read, and once activated the runtime objects made from them.
#include <memory>
#include <string>
#include <vector>

#include "base/CountedHolder.h"
#include "document/MediaParamT.h"
#include "document/QV_ABObj.h"
#include "document/QV_ABObj_Constructor.h"
#include "document/QV_IOF_Item.h"
#include "player/QV_2D_Light.h"

class FieldArchive;

class QV_SlideContainer : public QV_IOF_Item {
public:
    static constexpr uint32_t kRecordVersion = 3;
    using Descriptions = std::vector<std::unique_ptr<QV_ABObj_Constructor>>;

    QV_SlideContainer();
    QV_SlideContainer(const QV_SlideContainer&) = delete;
    QV_SlideContainer& operator=(const QV_SlideContainer&) = delete;
    ~QV_SlideContainer() override;

    void Save(QV_IOF_Virtual& archive) override;
    virtual void InvalidateDeviceObjects();

    // The fields after tag and version: version 2 adds the sound list, 3 the reserved count.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    // Device objects for the layer and the runtime objects from the descriptions, once.
    void Activate();
    void Render(bool nested);
    void EndRender(bool nested);
    void FrameMove(float t);
    // Each time the slide becomes current: object time lines reset, layer states restored.
    void StartObjects();
    void SetSoundsActive(bool active);
    void Resize(int width, int height);
    void SetFitMode(int mode);
    CountedHolder<QV_2D_Light> GetLight() const { return layer_; }

    uint32_t FadeIn() const { return fadeIn.Value(); }
    uint32_t FadeOut() const { return fadeOut.Value(); }
    uint32_t ShowTime() const { return showTime.Value(); }
    const std::vector<CountedHolder<QV_ABObj>>& RuntimeObjects() const { return objects_; }
    const std::vector<CountedHolder<QV_ABObj>>& RuntimeSounds() const { return sounds_; }
    size_t PendingDescriptions() const { return objectDescriptions_.size() + soundDescriptions_.size(); }
    // The descriptions as read, until Activate makes runtime objects of them.
    const Descriptions& ObjectDescriptions() const { return objectDescriptions_; }
    const Descriptions& SoundDescriptions() const { return soundDescriptions_; }

    MediaParamT<unsigned int> fadeIn;
    MediaParamT<unsigned int> fadeOut;
    MediaParamT<unsigned int> showTime;
    MediaParamT<int> reserved;
    MediaParamTB<std::wstring> name;
    MediaParamT<unsigned int> reservedCount;

private:
    static void DescriptionFields(FieldArchive& ar, Descriptions& descriptions,
                                  const std::vector<CountedHolder<QV_ABObj>>& runtime);
    static void CreateObjects(Descriptions& from, std::vector<CountedHolder<QV_ABObj>>& into);

    CountedHolder<QV_2D_Light> layer_;
    std::vector<CountedHolder<QV_ABObj>> objects_;
    std::vector<CountedHolder<QV_ABObj>> sounds_;
    Descriptions objectDescriptions_;
    Descriptions soundDescriptions_;
};
