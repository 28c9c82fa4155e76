#pragma once
// The runtime object of a single-sprite shader effect: the description's clone and its sprite,
// drawn through the description's effect once the description has set it up.
#include <windows.h>

#include "document/QV_ABObj.h"
#include "objects/ParticleGeomArray.h"

class QV_StatBaseFXCtrl;

class QV_FXObj : public QV_ABObj, public ParticleGeomArray {
public:
    // Takes ownership of the clone; its sprite is made and its device resources bound.
    explicit QV_FXObj(QV_StatBaseFXCtrl* description);

    // The description's set-up, then the sprite through the effect.
    void Render(QV_2D_Light& layer) override;
    void Hook(void* first, void* second) override;
    void OnScreenChanged() override;
    // The description's clocks and sprite, then its quad.
    void Update(float localTime) override;

private:
    QV_StatBaseFXCtrl* description_;
};
