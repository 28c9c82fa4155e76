#pragma once
// Base of the brushes that push the picture one way (move, waterfall): a strength and a
// direction angle with its unit vector, kept current through an observer of the angle.
#include <d3dx9math.h>

#include "brushes/QV_FX_Constructor.h"
#include "document/ParamObserverList.h"

class QV_DirectionBased : public QV_FX_Constructor {
public:
    static constexpr int32_t kRecordVersion = 1;

    QV_DirectionBased();
    QV_DirectionBased(const QV_DirectionBased&) = default;

    // Load: strength (notified), angle (silently: a loaded prototype keeps the direction of its
    // constructor, its clone derives it), then the brush base section.
    void Save(QV_IOF_Virtual& archive) override;
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    // (1, 0) turned by the angle: (1, 0) for 0, (0, -1) for 90.
    void UpdateDirection();

    UINTSclaleTo<float> strength;
    MediaParamT<unsigned int> angle;
    D3DXVECTOR4 direction{1.0f, 0.0f, 0.0f, 0.0f};

private:
    void ObserveAngle();

    // Declared last: a copied list binds the copy to its own angle,
    // so a copy derives its own direction.
    ParamObserverList<QV_DirectionBased> observers_{&QV_DirectionBased::ObserveAngle};
};
