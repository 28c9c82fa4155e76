#include "document/QV_ABObj.h"

#include "document/AnimationStateCycle.h"
#include "document/QV_ABObj_Constructor.h"

QV_ABObj::~QV_ABObj() { delete description_; }

void QV_ABObj::SetEnabled(unsigned char enabled) { enabled_ = enabled; }

bool QV_ABObj::NeedsBackground() { return false; }

int QV_ABObj::GetKind() { return kSceneObject; }

bool QV_ABObj::HitTest(POINT) { return false; }

int QV_ABObj::NotifyDescription() { return description_->QueryRuntimeObject(this); }

void QV_ABObj::UpdateByTimeLine(float t) {
    QV_TimeLineControl& timeLine = description_->TimeLine();
    Update(AnimationStateCycle::LocalTime(timeLine, timeLine.Cycle(), t));
}
