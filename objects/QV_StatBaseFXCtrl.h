#pragma once
// One sprite at a given position drawn through the description's effect, which the
// description sets up (or draws a texture for) just before each draw. Base of the explosion
// and the static text; the runtime object is a QV_FXObj.
#include <d3dx9math.h>

#include "document/MediaParamT.h"
#include "objects/QV_BaseFXCtrl.h"

class QV_2D_Light;

class QV_StatBaseFXCtrl : public QV_BaseFXCtrl {
public:
    static constexpr uint32_t kRecordVersion = 2;
    // Width and height beyond this are cut where the record is read: a text's target is
    // made at that size.
    static constexpr unsigned int kMaxExtent = 4096;

    // At the middle of the published picture.
    QV_StatBaseFXCtrl();
    QV_StatBaseFXCtrl(const QV_StatBaseFXCtrl&) = default;

    void Save(QV_IOF_Virtual& archive) override;
    // A QV_FXObj owning Clone().
    QV_ABObj* CreateObject() override;
    QV_StatBaseFXCtrl* Clone() const override = 0;
    // Just before the sprite is drawn: sets the effect up; whether the sprite can be drawn
    // (without its effect, textures or target it draws nothing).
    virtual bool BeforeDraw(QV_2D_Light& layer) = 0;

    // The section: tag, version, the position, from version 2 height and width, then the
    // single-sprite level's section.
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    MediaParamT<D3DXVECTOR3> position;  // picture pixels
    MediaParamT<unsigned int> height;   // pixels
    MediaParamT<unsigned int> width;
};
