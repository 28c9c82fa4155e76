#include "brushes/WaterSurfaceGrid.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "base/CurrentDevice.h"
#include "document/SharedRandom.h"

namespace {

constexpr unsigned kMaxSide = WaterSurfaceGrid::kMaxCells / WaterSurfaceGrid::kMinSide;
// Rays start below the surface and meet a sphere of radius 35 about the origin.
constexpr float kSphereRadiusSquared = 35.0f * 35.0f;

std::array<RefractionEntry, 256>& SharedTable() {
    static std::array<RefractionEntry, 256> table;
    return table;
}

// 128 × factor cells, even, within the sides the grid allows.
unsigned EvenSide(double cells) {
    const double bounded = std::clamp(std::trunc(cells), double(WaterSurfaceGrid::kMinSide), double(kMaxSide));
    return unsigned(bounded) & ~1u;
}

int Wrap(int value, unsigned size) { return value < 0 ? value + int(size) : value >= int(size) ? value - int(size) : value; }

// The table's row for a cosine; a normal turned away from the eye (or a surface gone to NaN)
// takes the first.
int TableIndex(float cosine) {
    const float scaled = 255.0f * cosine;
    if (!(scaled > 0.0f)) return 0;
    return scaled >= 255.0f ? 255 : int(std::lrintf(scaled));
}

}  // namespace

RefractionEntry ComputeRefractionEntry(int i) {
    const float a = float(i) / 256.0f;
    const float s1 = std::sin(std::acos(a));
    const float s2 = s1 / 1.333f;
    const float offset = (s1 / s2) * std::cos(std::asin(s2)) - a;
    const float slope = -s2 / s1;
    const unsigned left = unsigned(255 - i);
    return {offset, slope, D3DCOLOR((left * left * left / 65536) << 24)};
}

void WaterSurfaceGrid::BuildRefractionTable() {
    if (table_) return;
    std::array<RefractionEntry, 256>& table = SharedTable();
    for (int i = 0; i < 256; ++i) table[i] = ComputeRefractionEntry(i);
    table_ = table.data();
}

HRESULT WaterSurfaceGrid::Resize(float width, float height, float rowFactor, float columnFactor) {
    SetSize(width, height, rowFactor, columnFactor);
    return CreateBuffers();
}

void WaterSurfaceGrid::SetSize(float width, float height, float rowFactor, float columnFactor) {
    const double across = std::trunc(128.0 * double(columnFactor));
    columns_ = EvenSide(across);
    rows_ = EvenSide(across * (double(height) / double(width)) * double(rowFactor));
    if (columns_ * rows_ > kMaxCells) columns_ = (kMaxCells / rows_) & ~1u;
    width_ = width;
    height_ = height;
    invWidth_ = 1.0f / width;
    invHeight_ = 1.0f / height;
    mean_ = 0.0f;
    cells_.assign(CellCount(), WaterCell{});
    ReleaseBuffers();
}

void WaterSurfaceGrid::ReleaseBuffers() {
    indexBuffer_.Reset();
    vertexBuffer_.Reset();
}

HRESULT WaterSurfaceGrid::CreateBuffers() {
    IDirect3DDevice9* d = CurrentDevice;
    if (!d) return E_FAIL;
    HRESULT hr = d->CreateIndexBuffer(IndexCount() * sizeof(uint16_t), 0, D3DFMT_INDEX16, D3DPOOL_DEFAULT,
                                      indexBuffer_.Receive(), nullptr);
    if (FAILED(hr)) return hr;
    void* indices = nullptr;
    hr = indexBuffer_->Lock(0, 0, &indices, 0);
    if (FAILED(hr)) {
        indexBuffer_.Reset();
        return hr;
    }
    WriteSpiral(static_cast<uint16_t*>(indices));
    indexBuffer_->Unlock();
    return d->CreateVertexBuffer(VertexCount() * sizeof(SurfaceVertex), D3DUSAGE_DYNAMIC, SurfaceVertex::kFvf,
                                 D3DPOOL_DEFAULT, vertexBuffer_.Receive(), nullptr);
}

// One triangle strip that walks the grid's rings inward: along the top, down the right, back
// along the bottom and up the left, two rows or columns at a time.
void WaterSurfaceGrid::WriteSpiral(uint16_t* indices) const {
    const unsigned total = IndexCount();
    unsigned written = 0;
    auto put = [&](int row, int column) {
        if (written == total) return;
        const int index = row * int(columns_) + column;
        indices[written++] = index >= 0 && index < int(VertexCount()) ? uint16_t(index) : 0;
    };
    int left = 0, top = 0, n = int(columns_), m = int(rows_);
    while (written < total && n > 0 && m > 0) {
        for (int x = left; x <= left + n - 1; ++x) put(top, x), put(top + 1, x);
        if (m > 1)
            for (int y = top + 1; y <= top + m - 1; ++y) put(y, left + n - 1), put(y, left + n - 2);
        if (n > 1)
            for (int x = left + n - 2; x >= left; --x) put(top + m - 1, x), put(top + m - 2, x);
        if (m > 2)
            for (int y = top + m - 2; y >= top + 1; --y) put(y, left), put(y, left + 1);
        ++left, ++top, n -= 2, m -= 2;
    }
    while (written < total) indices[written++] = 0;
}

void WaterSurfaceGrid::Drop() {
    const unsigned column = unsigned(SharedRandom::Next()) % (columns_ - 2) + 1;
    const unsigned row = unsigned(SharedRandom::Next()) % (rows_ - 2) + 1;
    const float s = dropStrength;
    At(row, column).velocity -= s / 4;
    for (auto [dy, dx] : {std::pair{0, -1}, {0, 1}, {-1, 0}, {1, 0}}) At(row + dy, column + dx).velocity -= s / 8;
    for (auto [dy, dx] : {std::pair{-1, -1}, {-1, 1}, {1, -1}, {1, 1}}) At(row + dy, column + dx).velocity -= s / 16;
}

void WaterSurfaceGrid::SubStep() {
    mean_ = 0.0f;
    const unsigned columns = columns_;
    auto h = [&](unsigned y, unsigned x) { return cells_[y * columns + x].height; };
    for (unsigned y = 0; y < rows_; ++y) {
        for (unsigned x = 0; x < columns; ++x) {
            WaterCell& cell = cells_[y * columns + x];
            float neighbours = 0.0f;
            if (y == 0 || y == rows_ - 1 || x == 0 || x == columns - 1) {
                cell = WaterCell{};
            } else {
                neighbours = (h(y - 1, x) + h(y + 1, x) + h(y, x - 1) + h(y, x + 1)) / 6.0f +
                             (h(y - 1, x - 1) + h(y - 1, x + 1) + h(y + 1, x - 1) + h(y + 1, x + 1)) / 12.0f;
            }
            cell.velocity = damping * cell.velocity + 0.25f * (neighbours - cell.height);
            mean_ += cell.height + cell.velocity;
        }
    }
    mean_ /= float(CellCount());
    for (WaterCell& cell : cells_) cell.height = cell.height + heightFactor * cell.velocity - mean_;
}

HRESULT WaterSurfaceGrid::Step(const D3DXVECTOR3& eye) {
    for (int i = 0; i < 4; ++i) SubStep();
    if (!vertexBuffer_) return E_FAIL;
    void* vertices = nullptr;
    const HRESULT hr = vertexBuffer_->Lock(0, 0, &vertices, D3DLOCK_DISCARD);
    if (FAILED(hr)) return hr;
    WriteVertices(static_cast<SurfaceVertex*>(vertices), eye);
    vertexBuffer_->Unlock();
    return S_OK;
}

float WaterSurfaceGrid::HeightAt(int row, int column) const {
    return cells_[unsigned(Wrap(row, rows_)) * columns_ + unsigned(Wrap(column, columns_))].height;
}

SurfaceVertex WaterSurfaceGrid::MakeVertex(int y, int x, const D3DXVECTOR3& eye) const {
    auto H = [&](int dy, int dx) { return HeightAt(y + dy, x + dx); };
    const float h = H(0, 0);
    const D3DXVECTOR3 p(-width_ / 2 + float(x) * width_ / float(columns_ - 1), h,
                        -height_ / 2 + float(y) * height_ / float(rows_ - 1));
    const float a = H(-1, -1) - H(1, 1), b = H(-1, 0) - H(1, 0), c = H(-1, 1) - H(1, -1), d = H(0, -1) - H(0, 1);
    D3DXVECTOR3 normal(a - c + d, 1.0f, a + b + c), toEye = eye - p;
    D3DXVec3Normalize(&normal, &normal);
    D3DXVec3Normalize(&toEye, &toEye);
    const RefractionEntry& entry = table_[TableIndex(D3DXVec3Dot(&normal, &toEye))];
    const D3DXVECTOR3 ray = entry.slope * (entry.offset * normal + toEye);
    const D3DXVECTOR3 origin(p.x, h - 20.0f, p.z);
    const float twiceAlong = 2.0f * D3DXVec3Dot(&ray, &origin);
    // On pictures wider than about 1.63:1 the outer rays start beyond the sphere and meet it
    // behind their start, shifting back a little; from about 2.56:1 the outermost miss it and
    // are taken to their nearest approach rather than into NaN.
    const float beyond = D3DXVec3LengthSq(&origin) - kSphereRadiusSquared;
    const float discriminant = std::max(twiceAlong * twiceAlong - 4.0f * beyond, 0.0f);
    const float t = (-twiceAlong + std::sqrt(discriminant)) / 2.0f;
    const float k = t * textureFactor, m = 1.0f - 0.05f * textureFactor;
    return {p.x,
            p.y,
            p.z,
            normal.x,
            normal.y,
            normal.z,
            entry.alpha,
            m * (p.x + ray.x * k) * invWidth_ + 0.5f,
            m * (p.z + ray.z * k) * invHeight_ + 0.5f};
}

void WaterSurfaceGrid::WriteVertices(SurfaceVertex* out, const D3DXVECTOR3& eye) const {
    if (!table_) return;
    for (unsigned y = 0; y < rows_; ++y)
        for (unsigned x = 0; x < columns_; ++x) *out++ = MakeVertex(int(y), int(x), eye);
}

HRESULT WaterSurfaceGrid::Draw() const {
    if (!CanDraw()) return E_FAIL;
    IDirect3DDevice9* d = CurrentDevice;
    d->SetVertexShader(nullptr);
    d->SetFVF(SurfaceVertex::kFvf);
    d->SetStreamSource(0, vertexBuffer_.Get(), 0, sizeof(SurfaceVertex));
    d->SetIndices(indexBuffer_.Get());
    return d->DrawIndexedPrimitive(D3DPT_TRIANGLESTRIP, 0, 0, VertexCount(), 0, IndexCount() - 2);
}
