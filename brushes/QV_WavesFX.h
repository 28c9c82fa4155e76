#pragma once
// Straight sine waves running across the masked region in a chosen direction.
#include <d3dx9math.h>

#include "brushes/QV_FX_Constructor.h"
#include "document/ParamObserverList.h"

class QV_WavesFX : public QV_FX_Constructor {
public:
    static constexpr int32_t kRecordVersion = 1;

    QV_WavesFX();
    QV_WavesFX(const QV_WavesFX&) = default;

    // Load: amplitude and wavelength (notified), angle and normal mode (silently: a loaded
    // prototype keeps its constructor's vectors, its clone derives them), then the base section.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void Save(QV_IOF_Virtual& archive) override;
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);
    QV_FX_Constructor* Clone() const override;

    // waveDirection: (1, 0) turned by the angle; waveNormal: (0, 1) turned likewise, or the
    // opposite of the direction when normalMode is not 0.
    void UpdateDirections();

    UINTSclaleTo<float> amplitude;
    UINTSclaleTo<float> wavelength;
    MediaParamT<unsigned int> angle;
    MediaParamT<int> normalMode;
    D3DXVECTOR4 waveDirection{1.0f, 0.0f, 0.0f, 0.0f};
    D3DXVECTOR4 waveNormal{0.0f, 1.0f, 0.0f, 0.0f};

protected:
    // "direction", "direction_n", "frequency", "amplitude" (faded with the time line),
    // "time", then ApplyCommonParams.
    void RenderEffect(QV_2D_Light& layer, ID3DXEffect& effect) override;

private:
    void ObserveVectors();

    // Declared last: a copied list binds the copy to its own angle and normal mode,
    // so a copy derives its own vectors.
    ParamObserverList<QV_WavesFX> observers_{&QV_WavesFX::ObserveVectors};
};
