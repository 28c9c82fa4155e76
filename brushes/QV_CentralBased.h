#pragma once
// Base of the brushes that work about a point of the picture (expand, radial wave, rotation,
// bend): the centre in picture pixels, passed to the effect as fractions of the picture.
#include "brushes/QV_FX_Constructor.h"

class QV_CentralBased : public QV_FX_Constructor {
public:
    static constexpr int32_t kRecordVersion = 1;

    // The centre of the picture published at construction.
    QV_CentralBased();
    QV_CentralBased(const QV_CentralBased&) = default;

    // Load: the centre's three floats (silently), then the brush base section.
    void Save(QV_IOF_Virtual& archive) override;
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    // A description that was never placed (its enabled byte 0) is centred on the picture
    // first; loaded descriptions keep their stored centre.
    void OnCreate(ComHolder<IDirect3DTexture9>* maskHolder) override;

    // Render: ApplyCommonParams4, then "Center" = (x / W, y / H).
    void ApplyCenterParams(QV_2D_Light& layer);
    // (x / W, y / H) of the published picture; 0 on an axis without size.
    void CenterFraction(float fraction[2]) const;

    MediaParamT<D3DXVECTOR3> center;

private:
    static D3DXVECTOR3 PictureCentre();
};
