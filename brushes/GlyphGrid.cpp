#include "brushes/GlyphGrid.h"

#include <algorithm>
#include <cmath>

#include "document/SharedRandom.h"

namespace {

int Random() { return SharedRandom::Next(); }

// rand() mod n for the divisors the grid's sizes give; a divisor of 0 (a grid of one column
// or row) draws nothing and gives 0.
int RandomBelow(int n) { return n > 0 ? Random() % n : 0; }

}  // namespace

int32_t GlyphGrid::CellCountFor(int32_t cellSize, int32_t pictureWidth, int32_t pictureHeight) {
    const int32_t cell = CellSizeFor(cellSize, pictureWidth, pictureHeight);
    return (std::max(pictureWidth, 0) / cell + 1) * (std::max(pictureHeight, 0) / cell + 1);
}

int32_t GlyphGrid::CellSizeFor(int32_t cellSize, int32_t pictureWidth, int32_t pictureHeight) {
    const int64_t w = std::max(pictureWidth, 0), h = std::max(pictureHeight, 0);
    // No finer than the square root of the area over the limit, then up to the first that fits.
    int64_t cell = std::max<int64_t>({cellSize, 1, int64_t(std::sqrt(double(w) * double(h) / kMaxCells))});
    while ((w / cell + 1) * (h / cell + 1) > kMaxCells) ++cell;
    return int32_t(cell);
}

std::unique_ptr<GlyphGrid> GlyphGrid::Create(const GlyphGridParams& params, int32_t pictureWidth,
                                             int32_t pictureHeight) {
    auto grid = std::make_unique<GlyphGrid>();
    const int32_t cell = CellSizeFor(params.cellSize, pictureWidth, pictureHeight);
    grid->columns_ = std::max(pictureWidth, 0) / cell + 1;
    grid->rows_ = std::max(pictureHeight, 0) / cell + 1;
    grid->cells_.assign(size_t(grid->columns_) * size_t(grid->rows_), 0u);
    grid->drops_.assign(size_t(grid->columns_), GlyphDrop{});
    grid->density_ = params.density;
    grid->flickerCount_ = params.flickerCount;
    grid->sparkle_ = params.sparkle;
    grid->startsInside_ = params.rainMode == 1;
    grid->startChosenAtRandom_ = params.rainMode != 0 && params.rainMode != 1;
    grid->glyphCount_ = params.glyphCount > 0 ? params.glyphCount : 1;
    grid->ReseedFlicker();
    return grid;
}

int GlyphGrid::SpawnChance(int density) {
    struct Band {
        int below;
        int chance;
    };
    static constexpr Band kBands[] = {{10, 85}, {15, 60}, {20, 45}, {25, 25}, {30, 20}, {35, 15},
                                      {45, 10}, {50, 8},  {55, 7},  {65, 5},  {80, 3},  {90, 2}};
    for (const Band& band : kBands)
        if (density < band.below) return band.chance;
    return 1;
}

void GlyphGrid::ReseedFlicker() {
    for (uint32_t& cell : cells_) cell &= ~kFlickers;
    for (int32_t i = 0; i < flickerCount_ - 1; ++i) {
        const int32_t column = Random() % columns_;
        const int32_t row = Random() % rows_;
        At(row, column) |= kFlickers;
    }
}

void GlyphGrid::SetCountdown(uint32_t& cell, int32_t countdown) {
    cell = (cell & ~(0xFFu << kCountdownShift)) | (uint32_t(uint8_t(int8_t(countdown))) << kCountdownShift);
}

// Each cell takes the glyph and countdown of the one above; a glyph left without one above
// stays to disappear on its next visit.
void GlyphGrid::ScrollColumn(int32_t column) {
    constexpr uint32_t kMoved = kGlyphMask | (0xFFu << kCountdownShift);
    for (int32_t row = rows_ - 1; row >= 1; --row) {
        uint32_t& cell = At(row, column);
        const uint32_t above = At(row - 1, column);
        if (GlyphOf(cell) != 0 && GlyphOf(above) == 0)
            SetCountdown(cell, -1);
        else
            cell = (cell & ~kMoved) | (above & kMoved);
        cell |= kChanged;
    }
}

void GlyphGrid::SetCell(int32_t row, int32_t glyph, int32_t column) {
    // Heads never write the last row: only a scroll fills it.
    if (row >= rows_ - 1 || row < -1 || column < 0 || column >= columns_) return;
    const bool scrolled = row == -1;
    if (scrolled) ScrollColumn(column);
    uint32_t& cell = At(scrolled ? 0 : row, column);
    cell = (cell & ~kGlyphMask) | (uint32_t(glyph) & kGlyphMask) | kChanged;
    if (glyph != 0) SetCountdown(cell, scrolled ? 0 : 1 + (Random() & 1));
}

void GlyphGrid::Step(bool full) {
    for (int32_t column = 0; column < columns_; ++column) {
        GlyphDrop& drop = drops_[size_t(column)];
        if (drop.delay > 0) {
            --drop.delay;
        } else {
            if (drop.length <= 0) {
                SetCell(drop.head, 0, column);
            } else {
                const int32_t glyph = full ? 0 : Random() % glyphCount_ + 1;
                SetCell(drop.head, glyph, column);
                --drop.length;
            }
            if (drop.head >= 0) ++drop.head;
        }
        if (Random() % 10 == 0) {
            const int32_t first = Random() % 5;
            drop.delay = first + Random() % 5;
        }
    }
}

void GlyphGrid::Sparkle() {
    const int32_t sparkles = RandomBelow(columns_ / 2 * kSparkleFactor) / kSparkleFactor - 1;
    for (int32_t i = 0; i < sparkles; ++i) {
        const int32_t column = Random() % columns_;
        const int32_t row = Random() % rows_;
        uint32_t& cell = At(row, column);
        if (GlyphOf(cell) == 0 || CountdownOf(cell) != 0) continue;
        SetCountdown(cell, Random() % 20);
        cell |= kChanged;
    }
}

void GlyphGrid::StartDrop(GlyphDrop& drop) {
    drop.length = Random() % rows_ + 3;
    const int32_t first = Random() % 5;
    drop.delay = first + Random() % 5;
    if (Random() % 4 != 0) drop.length = 0;  // three drops in four erase
    const bool inside = startsInside_ || (startChosenAtRandom_ && (Random() & 1) == 1);
    drop.head = inside ? RandomBelow(rows_ / 2) : -1;
}

void GlyphGrid::Spawn() {
    if (sparkle_ != 0) Sparkle();
    const int chance = SpawnChance(density_);
    for (GlyphDrop& drop : drops_)
        if (drop.length <= 0 && Random() % chance == 0) StartDrop(drop);
    if (Random() % 500 == 0) ReseedFlicker();
}

void GlyphGrid::Age(uint32_t& cell) {
    if (cell & kChanged) {
        cell &= ~kChanged;
        const int32_t countdown = CountdownOf(cell);
        if (countdown > 0) {
            SetCountdown(cell, countdown - 1);
            cell |= kChanged;
        } else if (countdown < 0) {
            SetCountdown(cell, countdown + 1);
            if (countdown == -1) cell &= ~kGlyphMask;
            cell |= kChanged;
        }
    }
    if ((cell & kFlickers) && GlyphOf(cell) != 0)
        cell = (cell & ~kGlyphMask) | uint32_t(Random() % glyphCount_) | kChanged;
}

bool GlyphGrid::NextSprite(GlyphCursor& cursor, GlyphSprite& sprite) {
    while (cursor.row < rows_) {
        const int32_t column = cursor.column, row = cursor.row;
        if (++cursor.column >= columns_) cursor.column = 0, ++cursor.row;
        uint32_t& cell = At(row, column);
        const int32_t glyph = GlyphOf(cell);
        if (glyph != 0) {
            ++cursor.count;
            const int32_t countdown = CountdownOf(cell);
            sprite.centre = D3DXVECTOR3(sprite.left + sprite.halfX * float(2 * column + 1),
                                        sprite.top + sprite.halfY * float(2 * row + 1), 0.0f);
            sprite.colourClass = countdown > 0 || (cell & kFlickers) ? 2 : countdown == 0 ? 1 : 0;
            sprite.v0 = float(glyph - 1) / float(glyphCount_);
            sprite.v1 = float(glyph) / float(glyphCount_);
            sprite.mask = 0xFFFFFFFF;
            sprite.column = column;
            sprite.row = row;
        }
        Age(cell);
        if (glyph != 0) return true;
    }
    sprite.mask = 0x00FFFFFF;
    return false;
}
