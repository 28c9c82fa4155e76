#include "objects/QV_FXObj.h"

#include "objects/QV_StatBaseFXCtrl.h"
#include "player/QV_2D_Light.h"

QV_FXObj::QV_FXObj(QV_StatBaseFXCtrl* description) : QV_ABObj(description), description_(description) {
    Bind(description);
    description->Prepare();
}

void QV_FXObj::Render(QV_2D_Light& layer) {
    if (description_->BeforeDraw(layer) && QuadsBuilt())
        layer.DrawColouredMeshWithEffect(*this, description_->effect.Get());
}

void QV_FXObj::Hook(void*, void*) {}

void QV_FXObj::OnScreenChanged() {}

void QV_FXObj::Update(float localTime) {
    ParticleGeomArray::Update(localTime);
}
