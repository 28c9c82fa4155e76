#pragma once
// Shows the background moved by a shift in picture pixels inside the mask; a set flag adds a
// whole picture to the offset on its axis, which the effect's mirrored addressing turns into
// a mirrored copy (a reflection).
#include "brushes/QV_FX_Constructor.h"
#include "document/MediaRectangle.h"

class QV_BackgroundCopy : public QV_FX_Constructor {
public:
    static constexpr int32_t kRecordVersion = 1;

    QV_BackgroundCopy();
    QV_BackgroundCopy(const QV_BackgroundCopy&) = default;

    // Load: the rectangle's six values, wrapY, wrapX (silently), then the brush base section.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void Save(QV_IOF_Virtual& archive) override;
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);
    QV_FX_Constructor* Clone() const override;

    // "offset": (shiftX / w + wrapX, shiftY / h + wrapY); a picture without size moves nothing.
    static void CopyOffset(int shiftX, int shiftY, bool wrapX, bool wrapY, uint32_t width, uint32_t height,
                           float out[2]);

    // Only the rectangle's two further values are used: the horizontal and vertical shift.
    MediaRectangle rect;
    MediaParamT<int> wrapY;
    MediaParamT<int> wrapX;

protected:
    void RenderEffect(QV_2D_Light& layer, ID3DXEffect& effect) override;
};
