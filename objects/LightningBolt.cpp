#include "objects/LightningBolt.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "document/SharedRandom.h"
#include "objects/ParticleQuad.h"

namespace {

// Smoothing cuts every segment at a third and two thirds.
constexpr float kSmoothing = 0.67f;
constexpr float kMinBranchScale = 0.5f;

// −1 for an odd draw, else +1.
float RandomSign() { return (SharedRandom::Next() & 1) ? -1.0f : 1.0f; }

// Points of a chain built with p passes.
size_t ChainPoints(uint32_t passes) { return size_t(2) << passes; }

// The nodes, by index, grouped by parent (ascending, each group in index order), and where
// each of the parents' groups starts (parents + 1 entries).
void GroupByParent(const std::vector<LightningBranchNode>& nodes, size_t parents, std::vector<uint32_t>& start,
                   std::vector<uint32_t>& grouped) {
    start.assign(parents + 1, 0);
    for (const LightningBranchNode& node : nodes) ++start[node.parent + 1];
    std::partial_sum(start.begin(), start.end(), start.begin());
    grouped.resize(nodes.size());
    // Each parent's start walks to its end while its nodes are placed, then moves back.
    for (uint32_t i = 0; i < nodes.size(); ++i) grouped[start[nodes[i].parent]++] = i;
    for (size_t p = parents; p > 0; --p) start[p] = start[p - 1];
    start[0] = 0;
}

}  // namespace

void LightningBolt::Build(const LightningShape& shape) {
    shape_ = shape;
    points_.clear();
    claims_.clear();
    chains_.clear();
    quads_ = 0;
    Reserve();
    MakeBranchTree();
    const NodeList trunkNodes{0, grouped_[0].data(), grouped_[0].size()};
    BuildChain(shape_.start, shape_.end, shape_.passes, 1.0f, trunkNodes, 1.0f);
}

size_t LightningBolt::CountSegments() const {
    size_t segments = 0;
    for (const LightningChain& chain : chains_) segments += chain.count - 1;
    return segments;
}

size_t LightningBolt::CountChainEnds() const { return 2 * chains_.size(); }

void LightningBolt::Reserve() {
    // The most points the tree can make, so that later builds allocate nothing.
    size_t points = ChainPoints(shape_.passes);
    size_t chains = 1;
    for (uint32_t level = 1; level <= 3; ++level) {
        const uint32_t passes = shape_.passes > level ? shape_.passes - level : 0;
        points += size_t(shape_.branchCounts[level - 1]) * ChainPoints(passes);
        chains += shape_.branchCounts[level - 1];
    }
    points = std::min(points, kMaxQuads);
    points_.reserve(points);
    claims_.reserve(points);
    chains_.reserve(std::min(chains, kMaxQuads / 3));
    scratch_.reserve((size_t(1) << shape_.passes) + 1);
}

void LightningBolt::MakeBranchTree() {
    const auto [first, second, third] = shape_.branchCounts;
    for (auto& level : nodes_) level.clear();
    if (first != 0) {
        nodes_[0].resize(first);
        nodes_[1].resize(second);
        // Without a second level the third has nowhere to hang.
        if (second != 0) {
            nodes_[2].resize(third);
            for (LightningBranchNode& node : nodes_[2]) node.parent = uint32_t(SharedRandom::Next()) % second;
        }
        for (LightningBranchNode& node : nodes_[1]) node.parent = uint32_t(SharedRandom::Next()) % first;
    }
    grouped_[0].resize(nodes_[0].size());
    std::iota(grouped_[0].begin(), grouped_[0].end(), 0u);
    GroupByParent(nodes_[1], nodes_[0].size(), groupStart_[0], grouped_[1]);
    GroupByParent(nodes_[2], nodes_[1].size(), groupStart_[1], grouped_[2]);
}

LightningBolt::NodeList LightningBolt::Children(const NodeList& list, uint32_t node) const {
    if (list.level + 1 >= nodes_.size()) return NodeList{list.level + 1};
    const std::vector<uint32_t>& start = groupStart_[list.level];
    return NodeList{list.level + 1, grouped_[list.level + 1].data() + start[node], start[node + 1] - start[node]};
}

size_t LightningBolt::BuildChain(const D3DXVECTOR3& s, const D3DXVECTOR3& e, uint32_t passes, float width,
                                 const NodeList& nodes, float phase) {
    Subdivide(s, e, passes);
    const size_t first = points_.size();
    AppendSmoothed(width);
    const size_t chain = chains_.size();
    chains_.push_back({first, points_.size() - first});
    quads_ += chains_.back().count + 1;
    claims_.resize(points_.size(), -1);
    ChooseBranchPoints(chains_.back(), nodes);
    ShapeAndBranch(chain, s, e, passes, width, nodes, phase);
    return chain;
}

void LightningBolt::Subdivide(const D3DXVECTOR3& s, const D3DXVECTOR3& e, uint32_t passes) {
    const size_t segments = size_t(1) << passes;
    scratch_.resize(segments + 1);
    scratch_.front() = s;
    scratch_.back() = e;
    // Each pass halves the stride: every neighbour pair of the pass gets its midpoint, in
    // order from the start, offset along the pair's unnormalised normal.
    for (size_t stride = segments; stride > 1; stride /= 2)
        for (size_t i = 0; i < segments; i += stride) {
            const D3DXVECTOR3 p = scratch_[i], q = scratch_[i + stride];
            const D3DXVECTOR3 d = q - p;
            const D3DXVECTOR3 normal(d.y, -d.x, 0.0f);
            const float magnitude = SharedRandom::NextUnit() * shape_.displacement;
            const float sign = RandomSign();
            scratch_[i + stride / 2] = (p + q) * 0.5f + normal * sign * magnitude;
        }
}

void LightningBolt::AppendSmoothed(float width) {
    // The first point stays; every later one moves two thirds of the way from its
    // predecessor, and a point a third of the way on is put before the next: n points
    // become 2n − 2.
    const size_t n = scratch_.size();
    points_.push_back({scratch_[0], width});
    for (size_t k = 1; k < n; ++k) {
        const D3DXVECTOR3& previous = scratch_[k - 1];
        const D3DXVECTOR3& point = scratch_[k];
        points_.push_back({previous + (point - previous) * kSmoothing, width});
        if (k + 1 < n) points_.push_back({scratch_[k + 1] + (point - scratch_[k + 1]) * kSmoothing, 1.0f});
    }
}

void LightningBolt::ChooseBranchPoints(const LightningChain& chain, const NodeList& nodes) {
    for (size_t i = 0; i < nodes.count; ++i) {
        const uint32_t node = nodes.nodes[i];
        const int at = int(uint32_t(SharedRandom::Next()) % chain.count);
        nodes_[nodes.level][node].pointIndex = at;
        // The first node on a point makes its branch; the others make none.
        int& claim = claims_[chain.first + size_t(at)];
        if (claim < 0) claim = int(node);
    }
}

void LightningBolt::ShapeAndBranch(size_t chain, const D3DXVECTOR3& s, const D3DXVECTOR3& e, uint32_t passes,
                                   float width, const NodeList& nodes, float phase) {
    // From the end back to the start the width grows from taper × width towards 1, and the
    // phase from 0 to the chain's own.
    const LightningChain range = chains_[chain];
    const size_t n = range.count;
    const D3DXVECTOR3 back = NormalizedOrZero(s - e);
    float w = shape_.taper * width;
    for (size_t i = 0; i < n; ++i) {
        const size_t at = range.first + n - 1 - i;
        points_[at].width = w;
        points_[at].phase = phase * float(i) / float(n - 1);
        if (claims_[at] >= 0)
            points_[at].branch = MakeBranch(at, e, back, passes, Children(nodes, uint32_t(claims_[at])));
        w = std::min(1.0f, w + width * (1.0f - shape_.taper) / float(n));
    }
}

int LightningBolt::MakeBranch(size_t at, const D3DXVECTOR3& e, const D3DXVECTOR3& back, uint32_t passes,
                              const NodeList& children) {
    // A branch has a pass fewer than its trunk, and none below none.
    const uint32_t branchPasses = passes > 0 ? passes - 1 : 0;
    if (quads_ + ChainPoints(branchPasses) + 1 > kMaxQuads) return -1;
    const LightningPoint point = points_[at];
    const D3DXVECTOR3 towardsEnd = e - point.position;
    const float length = D3DXVec3Length(&towardsEnd);
    const D3DXVECTOR3 side = D3DXVECTOR3(back.y, -back.x, 0.0f) * RandomSign() * length;
    const D3DXVECTOR3 direction =
        towardsEnd * std::cos(shape_.branchAngle) + side * std::sin(shape_.branchAngle);
    const float scale = SharedRandom::NextUnit() * kMinBranchScale + kMinBranchScale;
    const D3DXVECTOR3 target = point.position + direction * shape_.branchLength * scale;
    return int(BuildChain(point.position, target, branchPasses, point.width, children, point.phase));
}
