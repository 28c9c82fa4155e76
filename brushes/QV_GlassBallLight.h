#pragma once
// A background layer that shows the finished slide (picture and objects) only through a
// refracting glass ball standing before a backdrop: a vertical gradient, or a second picture
// with black bars around it. Two overlay pictures lie on the ball and a stand below it; what
// the ball shows may scroll sideways or pan to and fro. All fixed-function: a bump-mapped
// square whose second texture is the finished slide projected from camera space, and a round
// mask that paints the backdrop over the square's corners.
#include <d3d9.h>
#include <d3dx9math.h>

#include "brushes/GlassBallOptics.h"
#include "document/MediaParamT.h"
#include "document/QV_ImageFileLink.h"
#include "document/UINTSclaleTo.h"
#include "player/QV_2D_Light.h"
#include "player/QV_SimpleMesh.h"
#include "player/TexturedQuad.h"

class FieldArchive;

// A corner of the ball or stand square: a position and two texture-coordinate sets, of which
// the second is made from the camera-space position and never written.
struct BallVertex {
    static constexpr DWORD kFvf = D3DFVF_XYZ | D3DFVF_TEX2;
    float x, y, z;
    float u, v;
    float u1, v1;
};

class QV_GlassBallLight : public QV_2D_Light {
public:
    enum ScrollMode { kStill = 0, kScrollLeft = 1, kScrollRight = 2, kPan = 3 };

    // The ball scene's transforms for one pass, and stage 1's mapping of camera-space positions
    // onto the picture behind the ball.
    struct BallCamera {
        D3DXMATRIX world, view, projection, texture;
    };

    QV_GlassBallLight();

    // Load: the fields after tag and version (every version alike), then the layer's record.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    void Save(QV_IOF_Virtual& archive) override;
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);

    // Update: the camera, the backdrop's fit under it, and the scroll.
    void FrameMove(float t) override;
    // The backdrop fitted into width × height under the camera, and the ball's optics with it;
    // the shared view ends fitted to the backdrop picture.
    void Resize(int width, int height) override;
    void SetFitMode(int viewType) override;
    void PushTarget(RenderTargetPair& target, int viewType) override;
    void PopTarget() override;

    // Render: the slide goes into the targets like a plain layer's; EndRender composes the
    // screen from it. Without targets the slide is drawn flat, as a plain layer draws it.
    void DrawBackground(bool nested) override;
    void EndRender(bool nested) override;
    // Without its ball buffer the layer cannot show the slide: it then draws flat.
    bool UsesPostEffects() override { return bool(ballBuffer_.vertexBuffer); }

    void CreateDeviceObjects() override;
    // The ball's samplers and bump matrix on top of the layer's resting state.
    void RestoreLayerDeviceObjects() override;
    void InvalidateDeviceObjects() override;

    QV_ImageFileLink overlayImage1;
    QV_ImageFileLink overlayImage2;
    QV_ImageFileLink standImage;
    QV_ImageFileLink backgroundImage;
    UINTSclaleTo<float> scrollSpeed;
    MediaParamTB<POINT> ballPosition;  // ball-scene units, x right, y down
    MediaParamT<unsigned int> ballSize;  // percent
    MediaParamT<unsigned int> distortionAmount;
    MediaParamT<int> showOverlay1;
    MediaParamT<int> showOverlay2;
    MediaParamT<int> showStand;
    MediaParamT<int> showBackgroundImage;  // 1: the picture, anything else the gradient
    MediaParamT<int> scrollMode;
    MediaParamT<unsigned long> gradientTop;     // COLORREF
    MediaParamT<unsigned long> gradientBottom;  // COLORREF

    const BallRefraction& Refraction() const { return refraction_; }
    float PingPong() const { return pingPong_; }
    int BackdropFitType() const { return backdropFitType_; }
    // The refraction pass's camera, mapping onto the slide; otherwise the overlay passes',
    // whose mapping the mask pass moves onto the backdrop with BackdropMapping.
    BallCamera CameraFor(bool refraction);
    // The overlay mapping undone from the backdrop's scale and offset, so that the backdrop
    // lines up with the backdrop quad around the ball.
    D3DXMATRIX BackdropMapping(const D3DXMATRIX& overlay) const;

private:
    // The backdrop's fit type for a view type: the type itself over a picture, else fill.
    int BackdropTypeFor(int viewType) const;
    // The layer's size while a target is pushed, else the back buffer's (never zero).
    D3DXVECTOR2 DrawingSize() const;
    float LayerAspect() const;
    void UpdateRefraction();
    // The backdrop quad, the scale and offset the camera gives it, the visible fractions and
    // the bars, for the fitted backdrop q.
    void FitBackdrop(const ScreenQuad& q);
    void PlaceBars(const ScreenQuad& q, float spanX, float spanY);
    void PlaceScrollQuads(float position);
    // Where the ball stands in its scene: its position and the backdrop's offset under the
    // camera.
    D3DXVECTOR2 BallShift() const;
    // Sets CameraFor(refraction) on the device; returns its mapping.
    D3DXMATRIX SetupBallCamera(bool refraction);
    void LoadBackgroundImage();
    void ChooseBackground();
    HRESULT BuildBallBuffers();
    // A plain layer's view and layout, for the frames the ball cannot show.
    void ShowSlideFlat();
    void DrawBall(const QV_SimpleMesh<BallVertex>& square);
    void DrawRefraction(IDirect3DTexture9* slide);
    void DrawOverlaysAndMask();

    BallRefraction refraction_{-600.0f, 1.0f, 0.0f};
    float pingPong_ = 0.0f;
    float scaleX_ = 1.0f, scaleY_ = 1.0f;
    float offsetX_ = 0.0f, offsetY_ = 0.0f;
    float visibleFractionX_ = 1.0f, visibleFractionY_ = 1.0f;
    int backdropFitType_ = 1;
    int savedFitType_ = 1;
    int savedWidth_ = 0, savedHeight_ = 0;
    bool useLayerSize_ = false;

    ComHolder<IDirect3DTexture9> overlay1Texture_, overlay2Texture_, standTexture_;
    TextureEntry backgroundEntry_;
    ComHolder<IDirect3DTexture9> bumpTexture_, maskTexture_, gradientTexture_;
    QV_SimpleMesh<BallVertex> ballBuffer_, standBuffer_;
    TexturedQuad<ScreenTexVertex> backgroundQuad_, scrollQuadA_, scrollQuadB_;
    QV_SimpleMesh<ScreenColourVertex> bars_[4];  // left, right, top, bottom
};
