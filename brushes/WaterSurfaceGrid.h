#pragma once
// A height field of water: drops push cells down, waves spread from them, reflect at the
// borders and die down. Each step writes the lit surface's vertices, whose texture
// coordinates follow the rays the water refracts, into a dynamic buffer drawn as one strip.
#include <d3d9.h>
#include <d3dx9math.h>

#include <cstdint>
#include <vector>

#include "base/ComHolder.h"

// One entry of the refraction table, by the cosine between surface normal and eye direction.
struct RefractionEntry {
    float offset;
    float slope;
    D3DCOLOR alpha;  // only the alpha byte is set
};

// The surface's vertex (36 bytes): position, normal, a colour whose alpha comes from the
// refraction table, and the refracted texture coordinate.
struct SurfaceVertex {
    static constexpr DWORD kFvf = D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_DIFFUSE | D3DFVF_TEX1;
    float x, y, z;
    float nx, ny, nz;
    D3DCOLOR diffuse;
    float u, v;
};

struct WaterCell {
    float height;
    float velocity;
};

// Entry i of the refraction table (i / 256 the cosine), in single precision.
RefractionEntry ComputeRefractionEntry(int i);

class WaterSurfaceGrid {
public:
    // 16-bit indices reach every vertex; drops fall on interior cells, so each side has 4.
    static constexpr unsigned kMaxCells = 65536;
    static constexpr unsigned kMinSide = 4;

    // Takes the process-wide table and fills it, the first time only.
    void BuildRefractionTable();
    // A flat surface of width × height world units, 128 × columnFactor cells across and rows
    // in proportion times rowFactor (both even, each at least 4, at most 65536 cells in
    // all), without buffers. The cells are reused when they fit.
    void SetSize(float width, float height, float rowFactor, float columnFactor);
    // The index and vertex buffers for the current size, in the default pool of CurrentDevice.
    HRESULT CreateBuffers();
    // SetSize, then new buffers.
    HRESULT Resize(float width, float height, float rowFactor, float columnFactor);
    // A drop on a random interior cell: its velocity and its neighbours' are lowered.
    void Drop();
    // Four sub-steps, then the vertices as seen from `eye` into the vertex buffer.
    HRESULT Step(const D3DXVECTOR3& eye);
    // One sub-step of the waves: borders cleared as the walk reaches them, velocities from
    // the neighbours, heights moved and the mean taken out.
    void SubStep();
    // The surface's VertexCount() vertices as seen from `eye`; nothing before the table.
    void WriteVertices(SurfaceVertex* out, const D3DXVECTOR3& eye) const;
    HRESULT Draw() const;
    void ReleaseBuffers();
    bool CanDraw() const { return vertexBuffer_ && indexBuffer_; }

    unsigned Columns() const { return columns_; }
    unsigned Rows() const { return rows_; }
    unsigned CellCount() const { return columns_ * rows_; }
    unsigned VertexCount() const { return CellCount(); }
    unsigned IndexCount() const { return 2 * CellCount(); }
    float Width() const { return width_; }
    float Height() const { return height_; }
    float Mean() const { return mean_; }
    const std::vector<WaterCell>& Cells() const { return cells_; }
    WaterCell& At(unsigned row, unsigned column) { return cells_[row * columns_ + column]; }
    IDirect3DIndexBuffer9* IndexBuffer() const { return indexBuffer_.Get(); }
    IDirect3DVertexBuffer9* VertexBuffer() const { return vertexBuffer_.Get(); }

    float heightFactor = 1.0f;   // how far a velocity moves the height per sub-step
    float dropStrength = 0.5f;   // depth of a drop
    float damping = 0.99f;       // velocity kept per sub-step
    float textureFactor = 0.2f;  // strength of the refraction in the texture coordinates

private:
    void WriteSpiral(uint16_t* indices) const;
    float HeightAt(int row, int column) const;
    SurfaceVertex MakeVertex(int row, int column, const D3DXVECTOR3& eye) const;

    float width_ = 0.0f, height_ = 0.0f;
    float invWidth_ = 1.0f, invHeight_ = 1.0f;
    float mean_ = 0.0f;
    std::vector<WaterCell> cells_ = std::vector<WaterCell>(16, WaterCell{});
    const RefractionEntry* table_ = nullptr;
    unsigned columns_ = 4, rows_ = 4;
    ComHolder<IDirect3DIndexBuffer9> indexBuffer_;
    ComHolder<IDirect3DVertexBuffer9> vertexBuffer_;
};
