#pragma once
// Fills the masked region with a tiled pattern picture: scaled, turned, possibly mirrored,
// moved by an offset, and stepping through its frames when it has several.
#include <optional>

#include "brushes/QV_FX_Constructor.h"
#include "document/QV_ImageFileLink.h"
#include "document/TextureEntry.h"

class QV_PatternBrush : public QV_FX_Constructor {
public:
    static constexpr int32_t kRecordVersion = 1;

    QV_PatternBrush();
    // Everything, the frames sharing their textures.
    QV_PatternBrush(const QV_PatternBrush&) = default;

    // Load: the fields after the tag and version, then the brush base section.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void Save(QV_IOF_Virtual& archive) override;
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);
    QV_FX_Constructor* Clone() const override;
    // The base's effect and mask, then LoadFrames.
    void OnCreate(ComHolder<IDirect3DTexture9>* maskHolder) override;
    // The frames of imageLink: a module link (".dll") names a frame-set resource.
    void LoadFrames();

    // Update: the phase, then at most one frame step once the frame's duration has passed.
    void Update(float time) override;

    // Whether there is a pattern to draw: a picture shown, a size and a scale.
    bool PatternShows() const;
    // The two rows of Scaling(a, b) x RotationZ(angle) that turn picture coordinates into
    // tile coordinates: a and b tiles across the picture, negated when mirrored.
    static void CoordTransform(float a, float b, int angleDegrees, float out[4]);

    QV_ImageFileLink imageLink;
    MediaParamT<int> flipV;
    MediaParamT<int> flipH;
    MediaParamT<unsigned int> angle;
    UINTSclaleTo<float> patternScale;
    UINTSclaleTo<float> offsetX;
    UINTSclaleTo<float> offsetY;
    TextureSet frames;
    unsigned int frameIndex = 0;
    float lastSwitch = 0.0f;
    // The last frame that had its picture: a frame whose picture is missing keeps showing it.
    std::optional<unsigned int> shownFrame;

protected:
    // "mix_color", "Pattern", "scale", "offset", "coord_transf", then ApplyCommonParams. A
    // pattern that cannot show draws nothing over the picture; as a post effect it still passes
    // the background through, with the pattern left out.
    void RenderEffect(QV_2D_Light& layer, ID3DXEffect& effect) override;

private:
    // Makes `index` the current frame, and the one shown when its picture is there.
    void GoToFrame(unsigned int index);
    IDirect3DTexture9* ShownPicture() const;
    void SetPatternParams(QV_2D_Light& layer, ID3DXEffect& effect);
};
