#pragma once
// The falling glyphs' simulation: a grid of cells over the picture, one drop per column.
// Drops write random glyphs down their column (or scroll the whole column), erasing drops
// clear it again; new glyphs show the head colour for a frame or two, some cells flicker,
// and random settled glyphs sparkle. All randomness comes from the shared generator, in a
// fixed order.
#include <d3d9.h>
#include <d3dx9math.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "document/PictureHeader.h"

// What the layer's parameters give the grid, each already within its range.
struct GlyphGridParams {
    int32_t cellSize = 16;  // picture pixels per cell side, at least 1
    int32_t density = 20;   // 1..100: how often free columns start a drop
    int32_t flickerCount = 50;  // cells that flicker, plus one
    int32_t sparkle = 0;
    int32_t rainMode = 2;   // 0 scroll the column, 1 start inside it, else either at random
    int32_t glyphCount = 1;  // glyphs in the strip, 1..255
};

struct GlyphDrop {
    int32_t length = 0;  // glyphs still to write; 0 or less erases
    int32_t delay = 0;   // steps to wait
    int32_t head = 0;    // row written next; -1 scrolls the whole column
};

class GlyphGrid;

// Where the walk over the cells stands, and the glyphs it found this pass and the last.
struct GlyphCursor {
    GlyphGrid* grid = nullptr;
    int32_t column = 0;
    int32_t row = 0;
    int32_t previousCount = 0;
    int32_t count = 0;
};

// One glyph to draw, as the walk fills it.
struct GlyphSprite {
    float left = 0.0f, top = 0.0f;  // the fitted picture's top-left corner on screen
    float halfX = 0.0f, halfY = 0.0f;  // half a cell on screen
    D3DXVECTOR3 centre{0.0f, 0.0f, 0.0f};
    int colourClass = 0;  // 2 head colour, 1 trail, 0 fading trail
    float v0 = 0.0f, v1 = 0.0f;  // the glyph's band in the strip
    D3DCOLOR mask = 0;  // opaque, or without alpha once the glyphs are exhausted
    int32_t column = 0, row = 0;
};

class GlyphGrid {
public:
    // Bits of a cell: the glyph number, a signed countdown (frames of head colour left; 0 a
    // settled glyph; -1 one that goes on its next visit), changed and flickering flags.
    static constexpr uint32_t kGlyphMask = 0xFF;
    static constexpr int kCountdownShift = 8;
    static constexpr uint32_t kChanged = 1u << 16;
    static constexpr uint32_t kFlickers = 1u << 17;
    static constexpr int kSparkleFactor = 10;
    // One sprite a cell. The largest square picture the decoder accepts keeps cells of this
    // size and more as the document sets them, and so does every usual shape within the pixel
    // limit; the cells that takes bound every grid (about 400 MiB of sprites), and a finer
    // cell, or a picture of an extreme shape, grows the cell just enough to fit.
    static constexpr int32_t kFinestKeptCell = 4;
    static constexpr int32_t kMaxSquareSide = 4096;
    static_assert(uint64_t(kMaxSquareSide) * kMaxSquareSide == kMaxPicturePixels);
    static constexpr int32_t kMaxCells =
        (kMaxSquareSide / kFinestKeptCell + 1) * (kMaxSquareSide / kFinestKeptCell + 1);

    // The cell size actually used over a picture: at least 1, and large enough for kMaxCells.
    static int32_t CellSizeFor(int32_t cellSize, int32_t pictureWidth, int32_t pictureHeight);
    static int32_t CellCountFor(int32_t cellSize, int32_t pictureWidth, int32_t pictureHeight);

    // Cells of cellSize picture pixels over a picture of width × height: width / cell + 1
    // columns and height / cell + 1 rows, empty, with the flickering cells chosen.
    static std::unique_ptr<GlyphGrid> Create(const GlyphGridParams& params, int32_t pictureWidth,
                                             int32_t pictureHeight);
    // 1 in this many: the chance per frame that a free column starts a drop.
    static int SpawnChance(int density);

    void ReseedFlicker();
    // Writes a glyph (0 empties) at a row of a column above its last; row -1 first scrolls the
    // column down. Any other row writes nothing and draws nothing.
    void SetCell(int32_t row, int32_t glyph, int32_t column);
    // Every drop waits or writes its next glyph; `full` writes blanks instead.
    void Step(bool full);
    // Sparkles, new drops in free columns, and now and then new flickering cells.
    void Spawn();
    // The next glyph from the cursor on, ageing the cells it passes; false when the cells are
    // exhausted (the sprite's mask then has no alpha).
    bool NextSprite(GlyphCursor& cursor, GlyphSprite& sprite);

    int32_t Columns() const { return columns_; }
    int32_t Rows() const { return rows_; }
    uint32_t Cell(int32_t row, int32_t column) const { return cells_[size_t(row) * size_t(columns_) + size_t(column)]; }
    GlyphDrop& Drop(int32_t column) { return drops_[size_t(column)]; }
    static int32_t GlyphOf(uint32_t cell) { return int32_t(cell & kGlyphMask); }
    static int32_t CountdownOf(uint32_t cell) { return int32_t(int8_t((cell >> kCountdownShift) & 0xFF)); }

private:
    uint32_t& At(int32_t row, int32_t column) { return cells_[size_t(row) * size_t(columns_) + size_t(column)]; }
    static void SetCountdown(uint32_t& cell, int32_t countdown);
    void ScrollColumn(int32_t column);
    void Sparkle();
    void StartDrop(GlyphDrop& drop);
    void Age(uint32_t& cell);

    int32_t columns_ = 1, rows_ = 1;
    std::vector<uint32_t> cells_;
    std::vector<GlyphDrop> drops_;
    int32_t density_ = 20;
    int32_t flickerCount_ = 50;
    int32_t sparkle_ = 0;
    bool startsInside_ = false;  // drops may start inside the column ...
    bool startChosenAtRandom_ = true;  // ... decided per drop
    int32_t glyphCount_ = 1;
};
