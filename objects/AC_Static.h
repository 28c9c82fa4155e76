#pragma once
// Places a clock's dial: scaled by the description's size and moved to its rectangle's
// centre. It keeps the rectangle a square of side size around that centre.
#include <d3dx9math.h>

#include "document/ParamObserverList.h"
#include "player/QV_AnimationBase.h"

class QV_ClockConstructor;

class AC_Static : public QV_AnimationBase {
public:
    explicit AC_Static(QV_ClockConstructor& description);

    // world := scale × local × translation.
    void Animate(QV_Frame& frame) override;
    void OnSizeChanged(unsigned int size);
    void OnPositionChanged();

private:
    // The rectangle's sides around its centre, stored without telling anyone.
    void SquareAroundCentre(unsigned int size);
    void MoveToCentre();

    QV_ClockConstructor* description_;
    ParamObserverList<AC_Static> observers_;
    D3DXMATRIX scale_;
    D3DXMATRIX translation_;
};
