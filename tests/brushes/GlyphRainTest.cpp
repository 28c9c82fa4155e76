// The falling glyphs: the grid and its drops, the bounds that keep odd settings safe, the
// picture's luminance, and glyphs falling on a real device.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "EffectLayerRecords.h"
#include "EffectLayerScene.h"
#include "brushes/GlyphGrid.h"
#include "brushes/QV_MatrixCodeLight.h"
#include "document/SharedRandom.h"

namespace {

using namespace scenewriter;

TEST(GlyphGrid, TheChanceOfANewDropByDensity) {
    struct Case {
        int density, chance;
    } cases[] = {{0, 85},  {9, 85},  {10, 60}, {14, 60}, {15, 45}, {20, 25}, {25, 20}, {29, 20}, {30, 15},
                 {35, 10}, {44, 10}, {45, 8},  {50, 7},  {55, 5},  {64, 5},  {65, 3},  {79, 3},  {80, 2},
                 {89, 2},  {90, 1},  {100, 1}};
    for (const Case& c : cases) EXPECT_EQ(GlyphGrid::SpawnChance(c.density), c.chance) << c.density;
}

TEST(GlyphGrid, CellsCoverThePictureAndStayBounded) {
    struct Case {
        int32_t cell, width, height;
        int32_t columns, rows;
    } cases[] = {
        {16, 800, 600, 51, 38},     // 1938 cells
        {16, 0, 0, 1, 1},           // no picture
        {1000, 64, 48, 1, 1},       // a cell larger than the picture
        {1, 4096, 4096, 1025, 1025},  // a cell per pixel would be 16 million sprites: cells of 4
        // Pictures the decoder accepts keep cells of 4 and more.
        {4, 4096, 4096, 1025, 1025},
        {4, 5120, 2880, 1281, 721},
        {16, 8192, 2048, 513, 129},
        // Shapes beyond what the largest square takes grow their cells just enough.
        {4, 8192, 2048, 1639, 410},  // cells of 5
        {4, 16777216, 1, 1048577, 1},  // cells of 16
        {4, 1, 16777216, 1, 1048577},
        // Finer cells are kept as far as that bound allows.
        {1, 800, 600, 801, 601},
        {3, 4096, 4096, 1025, 1025},
        {2, 16777216, 1, 1048577, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cell << " on " << c.width << " x " << c.height);
        auto grid = GlyphGrid::Create({.cellSize = c.cell}, c.width, c.height);
        EXPECT_EQ(grid->Columns(), c.columns);
        EXPECT_EQ(grid->Rows(), c.rows);
        EXPECT_EQ(GlyphGrid::CellCountFor(c.cell, c.width, c.height), c.columns * c.rows);
        EXPECT_LE(c.columns * c.rows, GlyphGrid::kMaxCells);
    }
}

// A head writes down to the row above the last; at the last row and beyond it writes nothing
// and draws nothing from the generator that every later object shares.
TEST(GlyphGrid, AHeadAtOrBeyondTheLastRowWritesNothing) {
    struct Case {
        int32_t row;
        int32_t writtenRow;  // -1 for none
        uint32_t draws;      // the head-colour countdown of a glyph written at a row
    } cases[] = {{-1, 0, 0}, {0, 0, 1}, {3, 3, 1}, {4, -1, 0}, {5, -1, 0}, {-2, -1, 0}};
    const uint32_t seed = SharedRandom::CurrentSeed();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        auto grid = GlyphGrid::Create({.flickerCount = 1, .glyphCount = 3}, 64, 64);  // 5 × 5
        SharedRandom::Seed(2024);
        grid->SetCell(c.row, 2, 1);
        const uint32_t after = SharedRandom::CurrentSeed();
        SharedRandom::Seed(2024);
        SharedRandom::Skip(c.draws);
        EXPECT_EQ(after, SharedRandom::CurrentSeed());
        for (int32_t row = 0; row < grid->Rows(); ++row)
            for (int32_t column = 0; column < grid->Columns(); ++column)
                EXPECT_EQ(GlyphGrid::GlyphOf(grid->Cell(row, column)), row == c.writtenRow && column == 1 ? 2 : 0)
                    << row << "," << column;
    }
    SharedRandom::Seed(seed);
}

TEST(GlyphGrid, GlyphsInAStripOfEveryShape) {
    struct Case {
        uint32_t width, height;
        int32_t glyphs;
    } cases[] = {{32, 448, 16}, {64, 32, 2}, {0, 448, 1}, {1, 100000, 255}};
    for (const Case& c : cases) EXPECT_EQ(GlyphCountFor(c.width, c.height), c.glyphs) << c.width << " x " << c.height;
}

// Density 100 starts a drop in every free column at once: where it starts shows the rain mode.
TEST(GlyphGrid, RainModesChooseWhereDropsStart) {
    struct Case {
        int32_t rainMode;
        bool scrolls, starts;  // drops scroll the column; drops start inside it
    } cases[] = {{0, true, false}, {1, false, true}, {2, true, true}, {7, true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rainMode);
        auto grid = GlyphGrid::Create({.density = 100, .rainMode = c.rainMode, .glyphCount = 4}, 800, 600);
        grid->Spawn();
        bool scrolled = false, inside = false;
        for (int32_t column = 0; column < grid->Columns(); ++column) {
            const GlyphDrop& drop = grid->Drop(column);
            scrolled |= drop.head == -1;
            inside |= drop.head >= 0;
            EXPECT_LT(drop.head, grid->Rows() / 2);
            EXPECT_TRUE(drop.length == 0 || (drop.length >= 3 && drop.length < grid->Rows() + 3));
        }
        EXPECT_EQ(scrolled, c.scrolls);
        EXPECT_EQ(inside, c.starts);
    }
}

// A glyph written at a row shows the head colour for its countdown of 1 or 2 frames, then
// the trail colour; a scrolled column's glyphs settle at once.
TEST(GlyphGrid, NewGlyphsShowTheHeadColourForTheirCountdown) {
    auto grid = GlyphGrid::Create({.flickerCount = 1, .glyphCount = 3}, 64, 64);  // 5 × 5
    grid->SetCell(2, 3, 1);
    grid->SetCell(-1, 2, 4);
    const int32_t countdown = GlyphGrid::CountdownOf(grid->Cell(2, 1));
    ASSERT_TRUE(countdown == 1 || countdown == 2);
    for (int frame = 0; frame < 4; ++frame) {
        SCOPED_TRACE(frame);
        GlyphCursor cursor{grid.get()};
        GlyphSprite sprite{.halfX = 8, .halfY = 8};
        std::vector<GlyphSprite> found;
        while (grid->NextSprite(cursor, sprite)) found.push_back(sprite);
        ASSERT_EQ(found.size(), 2u);
        EXPECT_EQ(cursor.count, 2);
        EXPECT_EQ(sprite.mask, 0x00FFFFFFu);  // past the last glyph: transparent
        EXPECT_EQ(found[0].column, 4);  // the scrolled glyph in the top row comes first
        EXPECT_EQ(found[0].colourClass, 1);
        EXPECT_EQ(found[1].colourClass, frame < countdown ? 2 : 1);
        EXPECT_FLOAT_EQ(found[1].centre.x, 8.0f * 3);  // column 1
        EXPECT_FLOAT_EQ(found[1].centre.y, 8.0f * 5);  // row 2
        EXPECT_FLOAT_EQ(found[1].v0, 2.0f / 3);        // glyph 3 of 3: the strip's last band
        EXPECT_FLOAT_EQ(found[1].v1, 1.0f);
    }
}

// A grid of one column and one row gives the sparkles and drops' starts nothing to divide by.
TEST(GlyphGrid, AOneCellGridRunsWithoutDividingByZero) {
    for (int32_t rainMode : {0, 1, 2}) {
        auto grid = GlyphGrid::Create(
            {.cellSize = 100, .density = 100, .flickerCount = 3, .sparkle = 1, .rainMode = rainMode, .glyphCount = 5},
            64, 48);
        ASSERT_EQ(grid->Columns() * grid->Rows(), 1);
        for (int frame = 0; frame < 200; ++frame) {
            grid->Step(false);
            grid->Spawn();
            GlyphCursor cursor{grid.get()};
            GlyphSprite sprite;
            while (grid->NextSprite(cursor, sprite)) {
            }
        }
        EXPECT_LE(grid->Drop(0).head, 1);
    }
}

constexpr uint32_t kBlack = 0xFF000000, kTrail = 0xFF00FF00, kHead = 0xFFFF0000;

class GlyphRainScene : public vgtest::EffectLayerScene {
protected:
    // Glyphs from a plain white strip of 3, over a black picture of 160 × 120 (cells of 16
    // become 32 screen pixels).
    void OpenGlyphs(GlyphRainRecord glyphs, std::vector<uint8_t> picture = {}) {
        if (picture.empty()) picture = vgtest::MakePicture(device.Device(), 160, 120, D3DXIFF_PNG, kBlack);
        glyphs.layer.picture = {"C:\\night.png", 1};
        glyphs.glyphs = {"C:\\strip.png", 2};
        Open(vgtest::OneSlideDocument(
            MakeGlyphRain(glyphs),
            {vgtest::StoredPicture("C:\\night.png", 1, std::move(picture)),
             vgtest::StoredPicture("C:\\strip.png", 2, vgtest::MakePicture(device.Device(), 8, 8, D3DXIFF_PNG,
                                                                           0xFFFFFFFF))}));
    }
    QV_MatrixCodeLight& Glyphs() { return *Layer<QV_MatrixCodeLight>(); }
};

TEST_F(GlyphRainScene, SettingsOutOfRangeAreBoundedWhereTheGridIsMade) {
    struct Case {
        uint32_t cellSize, density;
        int32_t cell, usedDensity;
    } cases[] = {{16, 0, 16, 1}, {16, 150, 16, 100}, {0, 20, 1, 20}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cellSize << " " << c.density);
        OpenGlyphs({.cellSize = c.cellSize, .density = c.density});
        EXPECT_EQ(Glyphs().Params().cellSize, c.cell);
        EXPECT_EQ(Glyphs().Params().density, c.usedDensity);
        EXPECT_EQ(Glyphs().Params().glyphCount, 3);
        scene.Close();
    }
}

TEST_F(GlyphRainScene, APictureOf800By600AtCell16HasOneChunkOf1938Sprites) {
    OpenGlyphs({}, vgtest::MakePicture(device.Device(), 800, 600, D3DXIFF_PNG, kBlack));
    EXPECT_EQ(Glyphs().Grid()->Columns(), 51);
    EXPECT_EQ(Glyphs().Grid()->Rows(), 38);
    EXPECT_EQ(Glyphs().Sprites().QuadCount(), 1938u);
    ASSERT_EQ(Glyphs().Sprites().Chunks().size(), 1u);
    EXPECT_EQ(Glyphs().Sprites().Chunks()[0].vertexCount, 4u * 1938);
}

// Over black, the glyphs take their opacity from a 32-bit copy of the picture's luminance.
TEST_F(GlyphRainScene, TheLuminanceTableComesFromThePicture) {
    const auto halves = vgtest::MakePatternPicture(device.Device(), 64, 64, D3DXIFF_PNG,
                                                   [](UINT, UINT y) { return y < 32 ? 0xFFFFFFFFu : 0xFFFF0000u; });
    OpenGlyphs({.backgroundMode = QV_MatrixCodeLight::kLuminance}, halves);
    const std::vector<float>& table = Glyphs().LuminanceTable();
    ASSERT_EQ(table.size(), 256u * 256u);
    EXPECT_NEAR(table[10 * 256 + 10], 1.0f, 0.02f);
    EXPECT_NEAR(table[245 * 256 + 200], 0.299f, 0.02f);
}

// Without a picture over black there is no luminance to read and no area to rain on: the
// layer shows black.
TEST_F(GlyphRainScene, OverBlackWithoutAPictureTheLayerShowsBlack) {
    GlyphRainRecord glyphs{.density = 100, .backgroundMode = QV_MatrixCodeLight::kLuminance, .rainMode = 1,
                           .trailColour = Rgb(0, 255, 0), .headColour = Rgb(255, 0, 0)};
    glyphs.layer.picture = {"C:\\nowhere.png", 9};
    glyphs.glyphs = {"C:\\strip.png", 2};
    Open(vgtest::OneSlideDocument(
        MakeGlyphRain(glyphs),
        {vgtest::StoredPicture("C:\\strip.png", 2, vgtest::MakePicture(device.Device(), 8, 8, D3DXIFF_PNG, 0xFFFFFFFF))}));
    EXPECT_TRUE(Glyphs().LuminanceTable().empty());
    for (int frame = 0; frame < 10; ++frame) DrawFrame(0.1f * float(frame));
    EXPECT_EQ(PixelsNear(kBlack, 8), 320 * 240);
}

// A fade of 100 hides every glyph; beyond it the opacity would turn negative and wrap into a
// visible alpha.
TEST_F(GlyphRainScene, AFadeOf100OrMoreHidesEveryGlyph) {
    for (uint32_t fade : {100u, 150u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(fade);
        OpenGlyphs({.density = 100, .rainMode = 1, .trailColour = Rgb(0, 255, 0), .headColour = Rgb(255, 0, 0),
                    .fade = fade});
        for (int frame = 0; frame < 10; ++frame) DrawFrame(0.1f * float(frame));
        EXPECT_EQ(PixelsNear(kBlack, 8), 320 * 240);
        scene.Close();
    }
}

// Beneath the glyphs each background mode shows its own: the picture, black, or (any other
// mode) nothing at all, so what the target held before the frame stays between the glyphs.
TEST_F(GlyphRainScene, BeneathTheGlyphsEachBackgroundModeShowsItsOwn) {
    constexpr uint32_t kWhite = 0xFFFFFFFF, kBefore = 0xFFFF00FF;
    struct Case {
        int32_t mode;
        uint32_t beneath;
    } cases[] = {{0, kWhite}, {1, kBlack}, {2, kBefore}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        OpenGlyphs({.density = 100, .backgroundMode = c.mode, .rainMode = 1, .trailColour = Rgb(0, 255, 0),
                    .headColour = Rgb(255, 0, 0)},
                   vgtest::MakePicture(device.Device(), 160, 120, D3DXIFF_PNG, kWhite));
        for (int frame = 0; frame < 10; ++frame) {
            device.Device()->Clear(0, nullptr, D3DCLEAR_TARGET, kBefore, 1.0f, 0);
            DrawFrame(0.1f * float(frame));
        }
        EXPECT_GT(PixelsNear(kTrail, 8) + PixelsNear(kHead, 8), 1000);  // a whole glyph at least
        for (uint32_t shown : {kWhite, kBlack, kBefore}) {
            if (shown == c.beneath)
                EXPECT_GT(PixelsNear(shown, 8), 10000) << std::hex << shown;
            else
                EXPECT_EQ(PixelsNear(shown, 8), 0) << std::hex << shown;
        }
        scene.Close();
    }
}

// One drop down column 3, every other drop held below the grid: each new glyph shows the head
// colour as it is written, then the trail colour, and nothing shows outside the column.
TEST_F(GlyphRainScene, ADropWritesItsGlyphsDownItsColumn) {
    OpenGlyphs({.density = 1, .flickerCount = 1, .rainMode = 1, .trailColour = Rgb(0, 255, 0),
                .headColour = Rgb(255, 0, 0)});
    DrawFrame(0.0f);
    GlyphGrid& grid = *Glyphs().Grid();
    ASSERT_EQ(grid.Columns(), 11);
    ASSERT_EQ(grid.Rows(), 8);
    for (int32_t column = 0; column < grid.Columns(); ++column) {
        grid.Drop(column) = {.length = 1000000, .delay = 0, .head = 100};
        for (int32_t row = 0; row < grid.Rows(); ++row) grid.SetCell(row, 0, column);
    }
    grid.Drop(3) = {.length = 4, .delay = 0, .head = 0};
    std::set<int> shownAsHead;
    int written = 0;
    for (int frame = 1; frame < 100 && (written < 4 || grid.Drop(3).length > 0); ++frame) {
        DrawFrame(0.1f * float(frame));
        const std::vector<uint32_t> pixels = device.ReadBack();
        auto cellColour = [&](int column, int row) { return pixels[size_t(32 * row + 16) * 320 + size_t(32 * column + 16)] | 0xFF000000u; };
        int run = 0;
        // The centres on screen: the last row's and column's lie beyond it.
        for (int row = 0; row < grid.Rows() - 1; ++row)
            for (int column = 0; column < 10; ++column) {
                const uint32_t colour = cellColour(column, row);
                const bool glyph = colour != kBlack;
                if (column != 3) {
                    EXPECT_FALSE(glyph) << frame << ": " << column << "," << row;
                    continue;
                }
                if (!glyph) continue;
                EXPECT_EQ(row, run) << frame << ": the column fills from the top";
                ++run;
                EXPECT_TRUE(colour == kTrail || colour == kHead) << std::hex << colour;
                if (colour == kHead) shownAsHead.insert(row);
            }
        EXPECT_GE(run, written);
        written = run;
        // Only the newest two glyphs can still be in the head colour.
        for (int row : shownAsHead) EXPECT_TRUE(row >= written - 2 || cellColour(3, row) == kTrail) << row;
    }
    EXPECT_EQ(written, 4);
    EXPECT_EQ(shownAsHead, (std::set<int>{0, 1, 2, 3}));
}

}  // namespace
