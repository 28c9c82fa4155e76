// What a quad covers on its target, and how many of a mesh's quads a budget of covered pixels
// allows: the measure behind the fill budget of a frame.
#include <gtest/gtest.h>

#include <d3dx9math.h>

#include <limits>

#include "player/QuadCoverage.h"

namespace {

constexpr float kWidth = 100, kHeight = 80, kScreen = kWidth * kHeight;

struct Point {
    float x, y;
};

// The picture view's kind of projection: the mesh's x and y are the target's pixels.
TargetMapping PixelMapping() {
    D3DXMATRIX projection;
    D3DXMatrixOrthoOffCenterLH(&projection, 0, kWidth, kHeight, 0, -1, 1);
    return TargetMapping(projection, kWidth, kHeight);
}

// The corners as a sprite's quad is written: bottom left, top left, bottom right, top right.
void RecordBox(QuadCoverage& coverage, unsigned q, float left, float top, float right, float bottom) {
    const Point quad[4] = {{left, bottom}, {left, top}, {right, bottom}, {right, top}};
    coverage.Record(q, quad);
}

double CoverOf(const Point (&quad)[4]) {
    QuadCoverage coverage;
    coverage.Resize(1);
    coverage.Record(0, quad);
    double budget = 1e12;
    coverage.QuadsWithin(1, PixelMapping(), 1, budget);
    return 1e12 - budget;
}

TEST(QuadCoverage, AQuadCoversItsAreaOnTheTargetAndNothingOffIt) {
    constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
    struct Case {
        const char* what;
        Point quad[4];
        double cover;
    };
    const Case cases[] = {
        {"inside", {{10, 20}, {10, 10}, {30, 20}, {30, 10}}, 200},
        {"half off the left", {{-10, 10}, {-10, 0}, {10, 10}, {10, 0}}, 100},
        {"wholly off", {{200, 20}, {200, 10}, {300, 20}, {300, 10}}, 0},
        {"past every side", {{-1e10f, 1e10f}, {-1e10f, -1e10f}, {1e10f, 1e10f}, {1e10f, -1e10f}}, kScreen},
        {"a diamond: its area, not its box", {{40, 40}, {50, 30}, {50, 50}, {60, 40}}, 200},
        {"no numbers", {{kNaN, 0}, {0, kNaN}, {kNaN, kNaN}, {1, 1}}, 0},
        {"a line", {{10, 10}, {10, 10}, {30, 10}, {30, 10}}, 0},
    };
    for (const Case& c : cases) EXPECT_NEAR(CoverOf(c.quad), c.cover, 0.01) << c.what;
}

TEST(QuadCoverage, TheBudgetAllowsTheFirstQuadsThatFitAndChargesWhatTheyCover) {
    QuadCoverage coverage;
    coverage.Resize(5);
    for (unsigned q = 0; q < 5; ++q) RecordBox(coverage, q, -10, -10, 200, 200);  // a screen each
    struct Case {
        double budget;
        int passes;
        unsigned allowed;
        double left;
    };
    const Case cases[] = {
        {3 * kScreen, 1, 3, 0},
        {3.5 * kScreen, 1, 3, 0.5 * kScreen},
        {3 * kScreen, 2, 1, kScreen},
        {10 * kScreen, 1, 5, 5 * kScreen},
        {0.5 * kScreen, 1, 0, 0.5 * kScreen},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.budget / kScreen << " screens, " << c.passes << " passes");
        double budget = c.budget;
        EXPECT_EQ(coverage.QuadsWithin(5, PixelMapping(), c.passes, budget), c.allowed);
        EXPECT_NEAR(budget, c.left, 0.01);
    }
}

TEST(QuadCoverage, QuadsNeverRecordedCoverNothing) {
    QuadCoverage coverage;
    coverage.Resize(4);
    RecordBox(coverage, 0, 0, 0, 100, 80);
    double budget = kScreen;
    // Quads 1 to 3 were made but never written; quads past the four were never made.
    EXPECT_EQ(coverage.QuadsWithin(10, PixelMapping(), 1, budget), 10u);
    EXPECT_NEAR(budget, 0, 0.01);
}

TEST(QuadCoverage, ASphereCoversTheBoxOfItsOutlineOnTheTarget) {
    const TargetMapping mapping = PixelMapping();
    const float inside[3] = {50, 40, 0}, corner[3] = {0, 0, 0}, away[3] = {500, 40, 0};
    EXPECT_NEAR(mapping.SphereCover(inside, 10), 400, 0.01);
    EXPECT_NEAR(mapping.SphereCover(corner, 10), 100, 0.01);
    EXPECT_NEAR(mapping.SphereCover(away, 10), 0, 0.01);
    EXPECT_NEAR(mapping.SphereCover(inside, 1e10f), kScreen, 0.01);
}

}  // namespace
