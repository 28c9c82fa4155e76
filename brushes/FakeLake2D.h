#pragma once
// A background layer whose lower part is a lake: the band above the shoreline mirrored into
// the band below it through a bump-mapped mesh whose bump matrix turns over time, tinted with
// a colour that fades towards the shore.
#include <array>

#include "document/GuidKey.h"
#include "document/MediaSpeedParam.h"
#include "document/UINTSclaleTo.h"
#include "player/QV_2D_Light.h"
#include "document/ScreenQuad.h"

class FieldArchive;

// Position, then the bump map's and the mirrored picture's texture coordinates.
struct LakeVertex {
    static constexpr DWORD kFvf = D3DFVF_XYZ | D3DFVF_TEX2;
    float x, y, z;
    float bumpU, bumpV;
    float mirrorU, mirrorV;
};

class FakeLake2D : public QV_2D_Light {
public:
    static constexpr int32_t kRecordVersion = 2;
    // The mirror copy is at most 128 x 2^4 = 2048 texels square; a document's exponent is
    // brought into [0, kMaxMirrorExponent] where it is read.
    static constexpr int kMaxMirrorExponent = 4;

    FakeLake2D();

    // Load: from version 2 the six scaled values (notified) and the four plain ones; always
    // the normal map's key; then the layer record.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void Save(QV_IOF_Virtual& archive) override;
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);
    // As the base; lake mesh, tint and shore quads, mirror copy and the signed normal map.
    void CreateDeviceObjects() override;
    // The world reset and the bump stages, then the picture's stages, between the resting
    // states and what every restore resets (effects, GUID targets, targets).
    void RestoreLayerDeviceObjects() override;
    // The camera, then the ripple clock turning the bump matrix.
    void FrameMove(float t) override;
    // The picture, the mirrored lake, then the tint and shore quads.
    void DrawBackground(bool nested) override;
    // The base's, the mirror copy again, the lake placed again.
    void Reload() override;

    // The water level x as a fraction of the picture's height, within [0, 0.5].
    float LakeFraction() const;
    // The quad folded at water level x: the lower x of it shows the band above mirrored.
    static ScreenQuad FoldQuad(const ScreenQuad& quad, float x);
    // How far above the shore the shore strip reaches (negative y); 0 for a lake without height.
    static float ShoreOffset(float lakeHeight, float pictureHeight, unsigned int shoreBlend, float x);
    // The bump-environment matrix (11, 12, 21, 22) at ripple time T.
    static void RippleMatrix(float time, float out[4]);
    // du, dv stored as unsigned bytes (128 is 0) in red and green, as a V8U8 texture; none
    // without a source or where the device has no such format.
    static ComHolder<IDirect3DTexture9> SignedBumpMap(const ComHolder<IDirect3DTexture9>& source);

    MediaSpeedParam RippleSpeed;
    UINTSclaleTo<float> BumpTiling;
    UINTSclaleTo<float> WaterLevel;
    UINTSclaleTo<float> WashAlpha;
    UINTSclaleTo<float> TintAlpha;
    UINTSclaleTo<float> TintFade;
    MediaParamT<unsigned int> BumpAmplitude;
    MediaParamT<unsigned int> ShoreBlend;
    MediaParamT<int> MirrorSizeExponent;
    MediaParamT<unsigned long> TintColour;  // red in the low byte
    ComHolder<IDirect3DTexture9> MirrorTexture;
    QV_SimpleMesh<ColourVertex> TintQuad;
    QV_SimpleMesh<ColourVertex> ShoreQuad;
    D3DXMATRIX BumpMatrix;
    QV_SimpleMesh<LakeVertex> LakeMesh;
    GuidKey NormalMapKey;
    ComHolder<IDirect3DTexture9> NormalMap;

private:
    void SetBumpStates();
    void PlaceLake();
    void SetBumpCoordinates(float s);
    void WriteLakeMesh();
    D3DCOLOR TintRgb() const;

    // What the write-only lake buffer holds, so that one texture set can change alone.
    std::array<LakeVertex, 6> lakeVertices_{};
};
