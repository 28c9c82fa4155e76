// The water rings: the surface's grid and waves, the rays it refracts on pictures of every
// shape, and what the layer shows on a real device.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "EffectLayerRecords.h"
#include "EffectLayerScene.h"
#include "RecordingEffect.h"
#include "base/CurrentDevice.h"
#include "brushes/QV_WaterRingLight.h"
#include "brushes/WaterSurfaceGrid.h"
#include "document/BuiltinResources.h"
#include "document/QV_DocResManager.h"
#include "document/SharedRandom.h"

namespace {

using namespace scenewriter;

const D3DXVECTOR3 kEye(0.0f, 120.0f, 0.0f);

TEST(WaterSurfaceGrid, ItsSizeFollowsThePictureAndTheDensities) {
    struct Case {
        float width, height, rowFactor, columnFactor;
        unsigned columns, rows;
    } cases[] = {
        {40, 30, 1, 1, 128, 96},           // 4:3 at the defaults
        {40, 30, 1, 2, 256, 192},          // column density 100
        {30, 30, 1, 2, 256, 256},          // 1:1: 65536 cells, the most without reduction
        {30, 30, 1, 3, 170, 384},          // more: the columns give way
        {40, 30, 1.5f, 1, 128, 144},       // row density 50
        {1200, 30, 1, 1, 128, 4},          // 40:1 would give 2 rows; drops need an interior
        {0.15f, 30, 1, 1, 4, 16384},       // 1:200 would give no columns at all
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << " " << c.rowFactor << " "
                                        << c.columnFactor);
        WaterSurfaceGrid grid;
        grid.Resize(c.width, c.height, c.rowFactor, c.columnFactor);  // no device: no buffers
        EXPECT_EQ(grid.Columns(), c.columns);
        EXPECT_EQ(grid.Rows(), c.rows);
        EXPECT_EQ(grid.Cells().size(), size_t(c.columns) * c.rows);
        EXPECT_FALSE(grid.CanDraw());
    }
}

TEST(WaterSurfaceGrid, AFreshGridIsFlatWithOneInteriorDrop) {
    WaterSurfaceGrid grid;
    grid.dropStrength = 0.8f;
    for (int drop = 0; drop < 50; ++drop) {  // the smallest grid, where a border drop is likeliest
        grid.Resize(30, 30, 0.03f, 0.03f);
        ASSERT_EQ(grid.Columns(), 4u);
        grid.Drop();
        const auto& cells = grid.Cells();
        const auto deepest = std::min_element(cells.begin(), cells.end(), [](const WaterCell& a, const WaterCell& b) {
            return a.velocity < b.velocity;
        });
        const unsigned row = unsigned(deepest - cells.begin()) / 4, column = unsigned(deepest - cells.begin()) % 4;
        ASSERT_TRUE(row >= 1 && row <= 2 && column >= 1 && column <= 2) << row << "," << column;
        float total = 0;
        for (unsigned y = 0; y < 4; ++y)
            for (unsigned x = 0; x < 4; ++x) {
                const WaterCell& cell = grid.At(y, x);
                EXPECT_EQ(cell.height, 0.0f);
                const unsigned away = std::max(y > row ? y - row : row - y, x > column ? x - column : column - x);
                const unsigned axes = (y != row) + (x != column);
                const float expected = away > 1 ? 0.0f : axes == 0 ? -0.2f : axes == 1 ? -0.1f : -0.05f;
                EXPECT_FLOAT_EQ(cell.velocity, expected) << y << "," << x;
                total += cell.velocity;
            }
        EXPECT_FLOAT_EQ(total, -0.8f);  // the whole strength, spread over the 3 × 3 cells
    }
}

TEST(WaterSurfaceGrid, AfterASubStepEveryBorderCellRestsAtMinusTheMean) {
    WaterSurfaceGrid grid;
    grid.Resize(40, 30, 0.2f, 0.2f);  // 24 × 18
    for (int i = 0; i < 5; ++i) grid.Drop();
    for (int step = 0; step < 3; ++step) {
        grid.SubStep();
        EXPECT_NE(grid.Mean(), 0.0f);
        for (unsigned y = 0; y < grid.Rows(); ++y)
            for (unsigned x = 0; x < grid.Columns(); ++x) {
                if (y != 0 && y != grid.Rows() - 1 && x != 0 && x != grid.Columns() - 1) continue;
                EXPECT_EQ(grid.At(y, x).velocity, 0.0f) << y << "," << x;
                EXPECT_FLOAT_EQ(grid.At(y, x).height, -grid.Mean()) << y << "," << x;
            }
    }
}

TEST(WaterSurfaceGrid, DampingByLevel) {
    struct Case {
        unsigned level;
        float damping;
    } cases[] = {{0, 0.9f},       {49, 0.9882f},   {50, 0.99f},     {100, 0.999f},
                 {105, 0.9999f},  {106, 0.9999f},  {1000, 0.9999f}, {0xFFFFFFFFu, 0.9999f}};
    for (const Case& c : cases) EXPECT_NEAR(DampingForLevel(c.level), c.damping, 1e-6f) << c.level;
}

// A damping above 1 would make every ripple grow without bound.
TEST(WaterSurfaceGrid, RipplesDieDownAtTheHighestDampingLevels) {
    for (unsigned level : {105u, 1000u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(level);
        WaterSurfaceGrid grid;
        grid.damping = DampingForLevel(level);
        grid.Resize(40, 30, 0.2f, 0.2f);  // 24 × 18
        for (int i = 0; i < 5; ++i) grid.Drop();
        // The fastest cell; a velocity gone to infinity or NaN counts as infinite.
        auto fastest = [&] {
            float most = 0.0f;
            for (const WaterCell& cell : grid.Cells())
                most = std::isfinite(cell.velocity) ? std::max(most, std::fabs(cell.velocity)) : INFINITY;
            return most;
        };
        const float start = fastest();
        for (int i = 0; i < 4000; ++i) grid.SubStep();
        EXPECT_LT(fastest(), start);
    }
}

TEST(WaterSurfaceGrid, TheRefractionTableFadesTheGrazingView) {
    struct Case {
        int index;
        D3DCOLOR alpha;
    } cases[] = {{0, 253u << 24}, {100, 56u << 24}, {214, 1u << 24}, {215, 0}, {255, 0}};
    for (const Case& c : cases) {
        const RefractionEntry entry = ComputeRefractionEntry(c.index);
        EXPECT_EQ(entry.alpha, c.alpha) << c.index;
        EXPECT_LT(entry.slope, 0.0f) << c.index;
        EXPECT_TRUE(std::isfinite(entry.offset)) << c.index;
    }
    EXPECT_NEAR(ComputeRefractionEntry(0).offset, 0.8814f, 1e-3f);
    EXPECT_NEAR(ComputeRefractionEntry(0).slope, -1.0f / 1.333f, 1e-6f);
}

std::vector<SurfaceVertex> Vertices(const WaterSurfaceGrid& grid) {
    std::vector<SurfaceVertex> vertices(grid.VertexCount());
    grid.WriteVertices(vertices.data(), kEye);
    return vertices;
}

// On wide pictures the outer rays start beyond the refraction sphere (16:9) and then miss it
// (32:9); every shape must still map the picture once across, in order.
TEST(WaterSurfaceGrid, EveryPictureShapeMapsThePictureAcrossInOrder) {
    for (float ratio : {4.0f / 3.0f, 16.0f / 9.0f, 21.0f / 9.0f, 32.0f / 9.0f}) {
        SCOPED_TRACE(ratio);
        WaterSurfaceGrid grid;
        grid.BuildRefractionTable();
        grid.Resize(30 * ratio, 30, 1, 1);
        const std::vector<SurfaceVertex> flat = Vertices(grid);
        const unsigned columns = grid.Columns(), rows = grid.Rows();
        for (unsigned y : {0u, rows / 2, rows - 1}) {
            const SurfaceVertex* row = &flat[y * columns];
            EXPECT_NEAR(row[0].u, 0.0f, 0.1f);
            EXPECT_NEAR(row[columns - 1].u, 1.0f, 0.1f);
            for (unsigned x = 1; x < columns; ++x) ASSERT_GT(row[x].u, row[x - 1].u) << y << "," << x;
        }
        for (unsigned x : {0u, columns / 2, columns - 1})
            for (unsigned y = 1; y < rows; ++y) ASSERT_GT(flat[y * columns + x].v, flat[(y - 1) * columns + x].v);

        // Waves move the coordinates a little, never out of sense.
        for (int i = 0; i < 6; ++i) grid.Drop();
        for (int i = 0; i < 10; ++i) grid.SubStep();
        for (const SurfaceVertex& v : Vertices(grid)) {
            ASSERT_TRUE(std::isfinite(v.u) && std::isfinite(v.v));
            ASSERT_TRUE(v.u > -0.2f && v.u < 1.2f && v.v > -0.2f && v.v < 1.2f) << v.u << "," << v.v;
        }
    }
}

// A flat surface's texture coordinates at a corner and at the middle of the right edge. Rays
// that start beyond the refraction sphere meet it behind their start (16:9, 21:9); rays that
// miss it (32:9) are taken to their nearest approach.
TEST(WaterSurfaceGrid, TheFlatSurfaceRefractsEachPictureShapeByItsRays) {
    struct Case {
        const char* shape;
        float ratio;
        float cornerU, cornerV, edgeU, edgeV;
    } cases[] = {
        {"4:3", 4.0f / 3.0f, 0.997371f, 0.997371f, 0.999922f, 0.505262f},
        {"16:10", 16.0f / 10.0f, 0.995291f, 0.995291f, 0.997934f, 0.506303f},
        {"16:9", 16.0f / 9.0f, 0.993623f, 0.993623f, 0.996364f, 0.506991f},
        {"21:9", 21.0f / 9.0f, 0.986016f, 0.986016f, 0.989710f, 0.509240f},
        {"32:9", 32.0f / 9.0f, 0.974539f, 0.974539f, 0.975027f, 0.513572f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shape);
        WaterSurfaceGrid grid;
        grid.BuildRefractionTable();
        grid.Resize(30 * c.ratio, 30, 1, 1);
        const std::vector<SurfaceVertex> flat = Vertices(grid);
        const unsigned last = grid.Columns() - 1;
        const SurfaceVertex& corner = flat[(grid.Rows() - 1) * grid.Columns() + last];
        const SurfaceVertex& edge = flat[grid.Rows() / 2 * grid.Columns() + last];
        EXPECT_NEAR(corner.u, c.cornerU, 1e-5f);
        EXPECT_NEAR(corner.v, c.cornerV, 1e-5f);
        EXPECT_NEAR(edge.u, c.edgeU, 1e-5f);
        EXPECT_NEAR(edge.v, c.edgeV, 1e-5f);
    }
}

// Waves steep enough to turn a normal away from the eye take the table's first entry rather
// than an index below it.
TEST(WaterSurfaceGrid, ANormalTurnedAwayFromTheEyeTakesTheFirstEntry) {
    WaterSurfaceGrid grid;
    grid.BuildRefractionTable();
    grid.Resize(40, 30, 0.2f, 0.2f);
    for (unsigned y = 0; y < grid.Rows(); ++y)
        for (unsigned x = 0; x < grid.Columns(); ++x) grid.At(y, x).height = 20.0f * float(x);
    int grazing = 0;
    for (const SurfaceVertex& v : Vertices(grid)) {
        ASSERT_TRUE(std::isfinite(v.u) && std::isfinite(v.v));
        grazing += v.diffuse == ComputeRefractionEntry(0).alpha;
    }
    EXPECT_GT(grazing, 0);
}

// A drop draws its cell from the shared generator, so the seed moving tells that one fell.
TEST(WaterRingLight, AnIntervalOfExactlyOneOverTheRateDoesNotYetDrop) {
    struct Case {
        uint32_t rateValue;  // sixtieths of a drop a second
        float t;
        bool drops;
    } cases[] = {{30, 1.99f, false}, {30, 2.0f, false}, {30, 2.01f, true}, {60, 1.01f, true}, {0, 500.0f, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rateValue << " at " << c.t);
        QV_WaterRingLight water;
        water.dropRate.Assign(c.rateValue, nullptr);
        water.FrameMove(0.0f);
        const uint32_t seed = SharedRandom::CurrentSeed();
        water.FrameMove(c.t);
        EXPECT_EQ(SharedRandom::CurrentSeed() != seed, c.drops);
    }
}

constexpr uint32_t kDark = 0xFF102030, kLight = 0xFFE0D0B0;

class WaterRingsScene : public vgtest::EffectLayerScene {
protected:
    // Stripes of `stripe` picture pixels (twice as many on screen): narrow ones show any shift
    // of the texture coordinates.
    void OpenWater(WaterRingsRecord water, UINT stripe = 4) {
        water.layer.picture = {"C:\\stripes.png", 1};
        const auto stripes = vgtest::MakePatternPicture(
            device.Device(), 160, 120, D3DXIFF_PNG, [=](UINT x, UINT) { return (x / stripe) % 2 ? kDark : kLight; });
        Open(vgtest::OneSlideDocument(MakeWaterRings(water), {vgtest::StoredPicture("C:\\stripes.png", 1, stripes)}));
        DrawFrame(0.0f);
    }
    QV_WaterRingLight& Water() { return *Layer<QV_WaterRingLight>(); }
    // Starts the surface again flat, as a device restore does, without its drop.
    void Flatten() { Water().Grid().Resize(40, 30, 1, 1); }
    std::vector<uint32_t> Frame(float t) {
        DrawFrame(t);
        return device.ReadBack();
    }
};

// The changed pixels' farthest distance from a point, against a frame of the flat surface.
float Reach(const std::vector<uint32_t>& flat, const std::vector<uint32_t>& rippled, float x0, float y0) {
    float reach = 0;
    for (size_t i = 0; i < flat.size(); ++i)
        if (vgtest::ChannelDistance(flat[i], rippled[i]) > 40)
            reach = std::max(reach, std::hypot(float(i % 320) - x0, float(i / 320) - y0));
    return reach;
}

TEST_F(WaterRingsScene, RingsSpreadFromADrop) {
    OpenWater({.dropSize = 100, .refractionShift = 60, .dropRate = 0});  // no drops but the test's
    Flatten();
    const std::vector<uint32_t> flat = Frame(0.1f);
    WaterSurfaceGrid& grid = Water().Grid();
    grid.Drop();
    const auto& cells = grid.Cells();
    const size_t deepest = size_t(std::min_element(cells.begin(), cells.end(), [](const WaterCell& a, const WaterCell& b) {
                                      return a.velocity < b.velocity;
                                  }) - cells.begin());
    // The 40 × 30 surface fills the 320 × 240 screen.
    const float x0 = float(deepest % grid.Columns()) * 320.0f / float(grid.Columns() - 1);
    const float y0 = float(deepest / grid.Columns()) * 240.0f / float(grid.Rows() - 1);
    // After 2, 6 and 10 frames (about 3 pixels a frame here).
    float reach[3] = {};
    for (int i = 0; i < 3; ++i) {
        std::vector<uint32_t> rippled;
        for (int frame = 0; frame < (i == 0 ? 2 : 4); ++frame) rippled = Frame(0.2f);
        reach[i] = Reach(flat, rippled, x0, y0);
    }
    EXPECT_GT(reach[0], 4.0f);
    EXPECT_GT(reach[1], reach[0] + 6.0f);
    EXPECT_GT(reach[2], reach[1] + 6.0f);
}

// On a flat surface, the finished slide under the rings looks as the picture does under them.
TEST_F(WaterRingsScene, InModeOneTheSurfaceCarriesTheFinishedSlide) {
    std::vector<uint32_t> frames[2];
    for (int mode : {0, 1}) {
        OpenWater({.dropRate = 0, .mode = mode}, 40);
        EXPECT_EQ(Water().UsesPostEffects(), mode == 1);
        Flatten();
        frames[mode] = Frame(0.1f);
        scene.Close();
    }
    int differing = 0;
    for (size_t i = 0; i < frames[0].size(); ++i) differing += vgtest::ChannelDistance(frames[0][i], frames[1][i]) > 60;
    EXPECT_LT(differing, int(frames[0].size() / 50));
    EXPECT_GT(PixelsNear(kLight), 20000);
}

// The surface's buffers gone (a reset before the layer's restore): the flat picture, never a
// stale screen.
TEST_F(WaterRingsScene, WithoutItsBuffersTheLayerShowsThePictureFlat) {
    for (int mode : {0, 1}) {
        SCOPED_TRACE(mode);
        OpenWater({.mode = mode});
        scene.Show()->SlideAt(0)->InvalidateDeviceObjects();
        EXPECT_FALSE(Water().UsesPostEffects());
        device.Device()->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFFFF00FF, 1.0f, 0);
        DrawFrame(0.5f);
        EXPECT_EQ(PixelsNear(0xFFFF00FF), 0);
        EXPECT_GT(PixelsNear(kLight), 30000);
        EXPECT_GT(PixelsNear(kDark), 30000);
        scene.Close();
    }
}

// Restoring the layer also restores what the resource manager holds for the device.
TEST_F(WaterRingsScene, RestoringResetsTheManagersDeviceObjects) {
    OpenWater({});
    vgtest::RecordingEffect effect;
    scene.Manager()->HoldEffect(builtin::Link(builtin::kHeatShimmerEffect), &effect);
    CurrentDocResManager = scene.Manager();
    Water().RestoreDeviceObjects();
    EXPECT_EQ(effect.resetDevice, 1);
    scene.Close();  // the manager lets the effect go before it does
}

// The light's highlight shows where the surface tilts the light's reflection towards the eye,
// and not on the flat surface: the surface's stage must keep the specular sum, which Wine adds
// only when a stage reads the lit diffuse colour.
TEST_F(WaterRingsScene, ATiltedSurfaceShowsTheLightsHighlight) {
    WaterRingsRecord water{.dropRate = 0};
    water.layer.picture = {"C:\\dark.png", 1};
    Open(vgtest::OneSlideDocument(MakeWaterRings(water), {vgtest::StoredPicture("C:\\dark.png", 1,
                                                          vgtest::MakePicture(device.Device(), 160, 120, D3DXIFF_PNG, kDark))}));
    WaterSurfaceGrid& grid = Water().Grid();
    // The brightest pixel in the middle of the screen for a surface of constant slope (height
    // per cell across and down); interior cells of such a surface keep their slope.
    auto brightest = [&](float across, float down) {
        for (unsigned y = 0; y < grid.Rows(); ++y)
            for (unsigned x = 0; x < grid.Columns(); ++x) grid.At(y, x) = {across * float(x) + down * float(y), 0.0f};
        DrawFrame(0.1f);
        const std::vector<uint32_t> pixels = device.ReadBack();
        int most = 0;
        for (size_t y = 80; y < 160; ++y)
            for (size_t x = 100; x < 220; ++x) {
                const uint32_t pixel = pixels[y * 320 + x];
                most = std::max(most, int(pixel & 0xFF) + int((pixel >> 8) & 0xFF) + int((pixel >> 16) & 0xFF));
            }
        return most;
    };
    const int dark = 0x10 + 0x20 + 0x30;
    EXPECT_LT(brightest(0.0f, 0.0f), dark + 60);
    int highlight = 0;
    for (float across = -0.2f; across <= 0.2f; across += 0.05f)
        for (float down = -0.2f; down <= 0.2f; down += 0.05f) highlight = std::max(highlight, brightest(across, down));
    EXPECT_GT(highlight, dark + 300);
}

// One strip over every cell: indices within the vertices, each vertex reached.
TEST_F(WaterRingsScene, TheStripReachesEveryCell) {
    OpenWater({.rowDensity = 0, .columnDensity = 0});
    const WaterSurfaceGrid& grid = Water().Grid();
    ASSERT_TRUE(grid.CanDraw());
    void* data = nullptr;
    ASSERT_EQ(grid.IndexBuffer()->Lock(0, 0, &data, D3DLOCK_READONLY), D3D_OK);
    const auto* indices = static_cast<const uint16_t*>(data);
    std::vector<bool> reached(grid.VertexCount());
    for (unsigned i = 0; i < grid.IndexCount(); ++i) {
        ASSERT_LT(indices[i], grid.VertexCount());
        reached[indices[i]] = true;
    }
    grid.IndexBuffer()->Unlock();
    EXPECT_EQ(std::count(reached.begin(), reached.end(), false), 0);
}

}  // namespace
