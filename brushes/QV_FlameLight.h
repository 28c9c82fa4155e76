#pragma once
// A background layer that burns: moving flames along the bottom of its picture and, when the
// distortion is on, the whole finished slide redrawn through a heat shimmer.
#include "brushes/BumpDistortion.h"
#include "brushes/QV_FireFX.h"
#include "player/QV_2D_Light.h"

class QV_FlameLight : public QV_2D_Light {
public:
    static constexpr int32_t kRecordVersion = 2;
    // The flame band is this share of the picture's height; FireHeight lowers it by 0.5 % of
    // the height per unit.
    static constexpr float kBandHeight = 0.65f;

    QV_FlameLight();

    // Load: the switches and FireHeight (silently); version 1 the fire speed; the bump and
    // effect links; the distortion's speed, strength and scale (notified); from version 2
    // the fire's section; then the layer record.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void Save(QV_IOF_Virtual& archive) override;
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);
    // As the base; the flame band and the distortion (switched off for good without its
    // effect); Reload; the fire's effect, textures and mesh.
    void CreateDeviceObjects() override;
    // The world reset and the flame band placed again, between the resting states and what
    // every restore resets (effects, GUID targets, targets).
    void RestoreLayerDeviceObjects() override;
    // The fire's clock, the camera, the distortion's clock and parameters.
    void FrameMove(float t) override;
    // The picture, then the flames over it ("AsEffect").
    void DrawBackground(bool nested) override;
    // With the distortion: back on the saved target, the finished slide through the shimmer.
    // Always: the borders unless nested.
    void EndRender(bool nested) override;
    bool UsesPostEffects() override { return DistortionOn.Value() == 1; }
    // The base's, then the distortion's quad and the flame band over the picture.
    void Reload() override;
    // The lower edge of the flame band on a picture h high.
    static float FlameBandBottom(float height, unsigned int fireHeight) {
        return height * (1.0f + 0.005f * float(fireHeight));
    }

    MediaParamT<int> FireOn;
    MediaParamT<int> DistortionOn;
    MediaParamT<unsigned int> FireHeight;
    QV_FireFX Fire;
    BumpDistortion Distortion;
    TexturedQuad<TexVertex> FireQuad;
};
