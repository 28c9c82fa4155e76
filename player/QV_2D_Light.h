#pragma once
// A slide's background layer and the render surface of everything on the slide: it draws the
// picture, lets every runtime object draw through its operations (switching render targets
// for the objects that need what lies beneath them), and draws the borders.
#include <d3d9.h>
#include <d3dx9effect.h>

#include <algorithm>
#include <vector>

#include "base/ComHolder.h"
#include "base/CountedHolder.h"
#include "document/ParamObserverList.h"
#include "document/QV_ABObj.h"
#include "document/QV_IOF_Item.h"
#include "document/QV_ImageFileLink.h"
#include "player/LayerSprite.h"
#include "player/MeshBatch.h"
#include "player/QVT_Camera.h"
#include "player/QV_IndexedMesh.h"
#include "player/QuadCoverage.h"
#include "base/RenderTargetPair.h"
#include "player/SpriteBatch.h"
#include "player/StateList.h"
#include "player/TexturedQuad.h"

class FieldArchive;

// Stands between the stored item and the layers; it adds nothing.
class QV_ABRender : public QV_IOF_Item {};

class QV_2D_Light : public QV_ABRender {
public:
    // The fill budget: the quads of sprite systems, shader sprites and particle layers and
    // the instances of 3D objects that one frame's objects draw cover at most so many screens
    // in all, and those of one object at most so many; a draw past it leaves out the rest of
    // its quads or instances, as the 16,384-quad cap leaves out counts. The default scene's
    // slides cover at most 2.3 screens a frame and 2.1 for one object (bench_frames --slides),
    // so the budgets leave them room several times over.
    static constexpr double kFrameBudgetScreens = 16;
    static constexpr double kObjectBudgetScreens = 8;

    static constexpr uint32_t kRecordVersion = 3;

    QV_2D_Light();
    QV_2D_Light(const QV_2D_Light&) = delete;
    QV_2D_Light& operator=(const QV_2D_Light&) = delete;
    ~QV_2D_Light() override;

    void Save(QV_IOF_Virtual& archive) override;
    virtual void PushTarget(RenderTargetPair& target, int viewType);
    virtual void PopTarget();
    virtual void DrawIndexedWithEffect(QV_IndexedMesh<TexVertex>& mesh, ID3DXEffect* effect);
    virtual void DrawWithEffect(QV_SimpleMesh<TexVertex>& mesh, ID3DXEffect* effect);
    virtual void DrawColouredMesh(QV_IndexedMesh<DX_V::PCT>& mesh, ID3DXEffect* effect, UINT triangles, float unused);
    virtual void DrawColouredMeshWithEffect(QV_IndexedMesh<DX_V::PCT>& mesh, ID3DXEffect* effect);
    // The batch's mesh at every frame of its draw list, culled by each frame's winding; a
    // transparent batch blended and with both windings. A batch without buffers draws nothing.
    virtual void DrawMeshInstances(MeshBatch& batch);
    // The sprite quads of a sprite system, alpha-blended or additive, and a second pass
    // with its second picture. Without a picture frame nothing is drawn.
    virtual void DrawSpriteArray(const SpriteBatch& batch);
    // One textured mesh at every child frame of its own frame, both windings; nothing
    // without buffers.
    virtual void DrawMeshInstancesTwoSided(QV_SpriteArrayT<MeshVertex>& mesh);
    // The sprite prepared for the argument, then its quad blended with the texture factor;
    // nothing of this system calls it, the lake wraps it.
    virtual void DrawSprite(LayerSprite& sprite, void* argument);
    virtual ComHolder<IDirect3DTexture9>& GetSceneTexture();
    virtual PictureQuad& GetPictureQuad();
    virtual uint32_t GetPictureWidth();
    virtual uint32_t GetPictureHeight();
    virtual void CreateDeviceObjects();
    virtual void RestoreDeviceObjects();
    virtual void InvalidateDeviceObjects();
    virtual void EndRender(bool nested);
    virtual void DrawBackground(bool nested);
    virtual void FrameMove(float t);
    virtual void Resize(int width, int height);
    virtual void SetFitMode(int viewType);
    virtual int EditorHook1(void*, void*, void*) { return 0; }
    virtual int EditorHook2(void*) { return 0; }
    virtual bool EditorHook3() { return false; }
    virtual bool EditorHook4() { return true; }
    virtual bool IsCameraRunning();
    // The quad blended over the frame in its vertices' colours; one without triangles draws
    // nothing and leaves the same states behind; null does nothing.
    virtual void DrawOverlay(QV_SimpleMesh<ScreenColourVertex>* quad);
    virtual void DrawBlendedQuad(TexturedQuad<ScreenTexVertex>& quad);
    virtual void RenderObjects(std::vector<CountedHolder<QV_ABObj>>& objects, int passes);
    virtual void PrepareTargets();
    virtual ComHolder<IDirect3DTexture9> GetTargetTexture();
    virtual RenderTargetPair& BeginTargetPass(bool clear);
    virtual bool UsesPostEffects() { return false; }

    // The record's fields after tag and version; version 2 adds the picture link, 3 the camera.
    void Load(QV_IOF_Virtual& archive, uint32_t version);
    // Tag and version first, for the layers that extend this record.
    void TaggedFields(FieldArchive outer);
    void Fields(FieldArchive ar);
    bool StartCamera();
    // The picture again, then the size; layers that derive from the picture override it.
    virtual void Reload();
    // For an object handed a copy of the scene that cannot draw itself: the copy is drawn
    // back over the picture, opaque, so the frame goes on with the scene as it was.
    void PassSceneThrough();

    QV_ImageFileLink pictureLink;
    QVT_Camera camera;
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Nested() const { return nested_; }
    int FitMode() const { return fitMode_; }
    RenderTargetPair& Targets() { return targets_; }
    // Pixels that the last object walk's budgeted quads and instances covered, in all and
    // the most of one object.
    double FrameCover() const { return frameCover_; }
    double LargestObjectCover() const { return largestObjectCover_; }

protected:
    // Whether this frame is being drawn into the render-target pair: a layer that uses post
    // effects finishes the frame from the pair only then (without target textures the slide
    // is already on the back buffer).
    bool TargetsActive() const { return targetsActive_; }
    // The manager's effects, fonts and GUID targets, then the pair sized to the back buffer:
    // the part of a restore every layer needs, whatever device states it sets.
    void RestoreSharedDeviceObjects();
    // What a layer restores of its own between its resting states and the shared part.
    virtual void RestoreLayerDeviceObjects() {}

    // The lists set before and after each object-drawing operation's own states and draws.
    struct DrawStates {
        OperationStates colouredMesh;
        OperationStates meshInstances;
        OperationStates spriteArray;
        OperationStates meshInstancesTwoSided;
        OperationStates sprite;
        OperationStates overlay;
        OperationStates blendedQuad;
    };
    // The states a restore sets first; a layer with a resting state of its own replaces it.
    StateList restingStates_;
    DrawStates drawStates_;

private:
    void CameraFields(FieldArchive& ar);
    void HookImageLink();
    void OnImageLinkChanged() { Reload(); }
    // Sets up the shared view with this layer's picture and the given size and type.
    void SetupView(int width, int height, int viewType, bool nested);
    // The operations' own states and draws, inside their lists.
    void DrawColouredMeshQuads(QV_IndexedMesh<DX_V::PCT>& mesh, ID3DXEffect* effect, UINT triangles);
    void DrawBatchFrames(MeshBatch& batch);
    void DrawSpriteQuads(const SpriteBatch& batch);
    void DrawChildFramesTwoSided(QV_SpriteArrayT<MeshVertex>& mesh);
    // The picture quad under the view, showing `texture`.
    void DrawPictureQuad(IDirect3DTexture9* texture);
    // How many of the mesh's first quads the budget still allows, each drawn `passes` times,
    // and what they cover charged; how many of the frames the mesh is drawn at, likewise.
    UINT QuadsInBudget(const QV_IndexedMesh<DX_V::PCT>& mesh, UINT quads, int passes);
    size_t FramesInBudget(const QV_Frame& mesh, const std::vector<QV_Frame*>& frames, int passes);
    // From a mesh's own coordinates under `world` to the pixels of the surface.
    TargetMapping MappingOf(const D3DXMATRIX& world) const;
    // The budget left to the object being drawn: its own, or the frame's when that is less.
    double Allowance() const { return std::min(objectBudget_, frameBudget_); }
    void Charge(double pixels);

    PictureQuad pictureQuad_;
    ComHolder<IDirect3DTexture9> sceneTexture_;
    int fitMode_ = 1;
    int savedFitMode_ = 1;
    RenderTargetPair targets_;
    ParamObserverList<QV_2D_Light> imageHooks_;
    int width_ = 0;
    int height_ = 0;
    bool nested_ = false;
    // Whether PrepareTargets made the pair the render target (it cannot without textures).
    bool targetsActive_ = false;
    // Pixels left to the frame and to the object being drawn; only the object walk is held
    // to a budget.
    double frameBudget_ = kUnlimited;
    double objectBudget_ = kUnlimited;
    double frameCover_ = 0;
    double objectCover_ = 0;
    double largestObjectCover_ = 0;
    static constexpr double kUnlimited = 1e300;
};
