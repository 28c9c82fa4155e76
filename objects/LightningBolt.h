#pragma once
// A lightning bolt: a chain of points from a start to an end, made by midpoint displacement
// and smoothing, with up to three levels of side branches, each a chain of its own. Chains
// and branch nodes are kept flat in vectors, so a bolt built again reuses their storage.
#include <d3dx9math.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "objects/QV_ParticlesObj.h"

struct LightningPoint {
    D3DXVECTOR3 position{0.0f, 0.0f, 0.0f};
    float width = 1.0f;  // a factor of the core and glow widths
    float phase = 0.0f;  // place in the appearing order: the bolt's start 1, its end 0
    int branch = -1;     // the chain of the branch that leaves this point
};

// A chain: a range of the bolt's points, from its start to its end.
struct LightningChain {
    size_t first = 0;
    size_t count = 0;
};

// A branch of the tree the bolt is built from: the point it falls on, drawn when its chain
// is built, and its node in the level above (the second and third levels hang below).
struct LightningBranchNode {
    int pointIndex = -1;
    uint32_t parent = 0;
};

struct LightningShape {
    D3DXVECTOR3 start{0.0f, 0.0f, 0.0f};
    D3DXVECTOR3 end{0.0f, 0.0f, 0.0f};
    uint32_t passes = 0;         // subdivision passes of the main chain
    float displacement = 0.0f;   // of a midpoint, per unit of its segment's normal
    float branchLength = 0.0f;   // of the branch direction, which is as long as the way to the end
    float branchAngle = 0.0f;    // radians
    float taper = 1.0f;          // width at a chain's end, as a part of its start's
    std::array<uint32_t, 3> branchCounts{};  // first, second and third level
};

class LightningBolt {
public:
    // Callers keep passes and counts within these: 12 passes make a main chain of 8192
    // points, and no chain has more points than that for its nodes to fall on.
    static constexpr uint32_t kMaxPasses = 12;
    static constexpr uint32_t kMaxBranchCount = 8192;
    // Every chain is drawn as a quad per segment and two caps, in one layer: a branch that
    // would not fit in it is not made.
    static constexpr size_t kMaxQuads = QV_ParticlesObj::kMaxLayerQuads;

    // Builds the bolt anew, drawing from the shared random sequence: one number for each
    // third- and second-level node while the tree is made, then two for every midpoint
    // (magnitude, sign), one for every node's point and two for every branch (side, length),
    // in the order of the walk, a branch's own numbers in the middle of its trunk's walk.
    void Build(const LightningShape& shape);

    // Points − 1 of every chain, and 2 for every chain.
    size_t CountSegments() const;
    size_t CountChainEnds() const;
    // Chain 0 is the main chain.
    const std::vector<LightningChain>& Chains() const { return chains_; }
    const LightningPoint& Point(const LightningChain& chain, size_t k) const { return points_[chain.first + k]; }

private:
    // Nodes of one level, by their index in it.
    struct NodeList {
        size_t level = 0;
        const uint32_t* nodes = nullptr;
        size_t count = 0;
    };

    void Reserve();
    void MakeBranchTree();
    // The chain from s to e; returns its index.
    size_t BuildChain(const D3DXVECTOR3& s, const D3DXVECTOR3& e, uint32_t passes, float width,
                      const NodeList& nodes, float phase);
    void Subdivide(const D3DXVECTOR3& s, const D3DXVECTOR3& e, uint32_t passes);
    void AppendSmoothed(float width);
    void ChooseBranchPoints(const LightningChain& chain, const NodeList& nodes);
    void ShapeAndBranch(size_t chain, const D3DXVECTOR3& s, const D3DXVECTOR3& e, uint32_t passes,
                        float width, const NodeList& nodes, float phase);
    // The branch leaving point `at` towards e; −1 when it would not fit.
    int MakeBranch(size_t at, const D3DXVECTOR3& e, const D3DXVECTOR3& back, uint32_t passes, const NodeList& children);
    NodeList Children(const NodeList& list, uint32_t node) const;

    LightningShape shape_;
    std::vector<LightningPoint> points_;
    std::vector<int> claims_;  // per point while building: the first node that drew it
    std::vector<LightningChain> chains_;
    std::vector<D3DXVECTOR3> scratch_;  // the chain being subdivided
    std::array<std::vector<LightningBranchNode>, 3> nodes_;
    // Per level, the nodes grouped by their parent, and where each parent's group starts.
    std::array<std::vector<uint32_t>, 3> grouped_;
    std::array<std::vector<uint32_t>, 2> groupStart_;
    size_t quads_ = 0;
};
