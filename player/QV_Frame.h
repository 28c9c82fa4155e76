#pragma once
// A transform node: local and world matrices, an optional animation, and child frames.
#include <d3dx9math.h>

#include <memory>
#include <vector>

class QV_AnimationBase;

class QV_Frame {
public:
    QV_Frame();
    // Copies share the animation and the child list; the animation goes with the last frame
    // that holds it, so copies never delete it twice.
    QV_Frame(const QV_Frame& other) = default;
    QV_Frame& operator=(const QV_Frame& other) = default;

    // world := the animation's result (or local), times the parent's world when given; then
    // every child in order.
    void UpdateWorld(const D3DXMATRIX* parent);

    float radius = 0.0f;
    float centre[3] = {0.0f, 0.0f, 0.0f};
    D3DXMATRIX world;
    D3DXMATRIX local;
    std::shared_ptr<QV_AnimationBase> animation;
    unsigned char counterClockwise = 1;  // 1 draws the frame's mesh with CCW culling, 0 with CW
    std::vector<QV_Frame*> children;     // not owned
};

// Deletes a frame with every frame below it, for owners of whole trees (the child lists
// themselves own nothing).
struct FrameTreeDeleter {
    void operator()(QV_Frame* root) const;
};
using OwnedFrameTree = std::unique_ptr<QV_Frame, FrameTreeDeleter>;
