// Particles, their rules and the emitter, with the shared generator seeded: steps and
// deaths, the emission debt, the smoke's puffs, its wind and its warm-up. No device is made,
// so the layers stay without buffers; only the simulation runs.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "base/CurrentDevice.h"
#include "document/QV_DocResManager.h"
#include "document/SharedRandom.h"
#include "objects/QV_ParticlesObj.h"
#include "objects/QV_Smoke.h"

namespace {

using Kind = ParticleModifier::Kind;

class ParticleEmission : public testing::Test {
protected:
    void SetUp() override {
        CurrentDevice = nullptr;
        CurrentDocResManager = nullptr;
        SharedRandom::Seed(1);
    }
};

// A smoke with the given stored lifetime (1/25 s) and rate, visible at all times.
std::unique_ptr<QV_Smoke> Smoke(unsigned lifetime, unsigned rate) {
    auto smoke = std::make_unique<QV_Smoke>();
    smoke->lifetime.Assign(lifetime, nullptr);
    smoke->rate.SetSilently(rate);
    smoke->direction.SetSilently(90);
    smoke->origin.SetSilently(D3DXVECTOR3(100, 200, 0));
    return smoke;
}

// Opacity 0: windows mode without a window.
void Hide(QV_ABObj_Constructor& description) {
    description.TimeLine().Mode().Assign(QV_TimeLineControl::kTimeWindows, nullptr);
}

void Show(QV_ABObj_Constructor& description) {
    description.TimeLine().Mode().Assign(QV_TimeLineControl::kAlwaysVisible, nullptr);
}

bool Finite(const D3DXVECTOR3& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

TEST_F(ParticleEmission, TestThatEachRuleChangesTheParticleAsItsKindSays) {
    struct Case {
        const char* rule;
        ParticleModifier modifier;
        float dt;
        D3DXVECTOR3 position, velocity, axis1;
        float size, alpha;
    };
    // From life 1, at (0, 0), velocity (10, −20), acceleration (4, 0), size 2, alpha 0.5.
    const Case cases[] = {
        {"motion", {Kind::Motion}, 0.5f, {5.5f, -10, 0}, {12, -20, 0}, {1, 0, 0}, 2, 0.5f},
        {"growth", {Kind::Growth, 2}, 0.25f, {0, 0, 0}, {10, -20, 0}, {1, 0, 0}, 2.5f, 0.5f},
        {"fade in while p1 < life", {Kind::FadeIn, 4, 0.25f}, 0.25f, {0, 0, 0}, {10, -20, 0}, {1, 0, 0}, 2, 1.5f},
        {"no fade in once p1 ≥ life", {Kind::FadeIn, 4, 0.75f}, 0.25f, {0, 0, 0}, {10, -20, 0}, {1, 0, 0}, 2, 0.5f},
        {"fade out while p1 > life", {Kind::FadeOut, 1, 1.0f}, 0.25f, {0, 0, 0}, {10, -20, 0}, {1, 0, 0}, 2, 0.25f},
        {"no fade out while p1 ≤ life", {Kind::FadeOut, 1, 0.5f}, 0.25f, {0, 0, 0}, {10, -20, 0}, {1, 0, 0}, 2, 0.5f},
        {"spin", {Kind::Spin, 90}, 1.0f, {0, 0, 0}, {10, -20, 0}, {0, 1, 0}, 2, 0.5f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        Particle particle{.life = 1, .position = {0, 0, 0}, .velocity = {10, -20, 0}, .acceleration = {4, 0, 0},
                          .axis1 = {1, 0, 0}, .axis2 = {0, 1, 0}, .size = 2, .alpha = 0.5f};
        particle.AddModifier(c.modifier);
        EXPECT_TRUE(particle.Step(c.dt));
        EXPECT_FLOAT_EQ(particle.life, 1 - c.dt);
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(particle.position[i], c.position[i], 1e-5f);
            EXPECT_NEAR(particle.velocity[i], c.velocity[i], 1e-5f);
            EXPECT_NEAR(particle.axis1[i], c.axis1[i], 1e-6f);
        }
        EXPECT_FLOAT_EQ(particle.size, c.size);
        EXPECT_FLOAT_EQ(particle.alpha, c.alpha);
    }
}

TEST_F(ParticleEmission, TestThatAParticleAtLifeExactlyZeroSurvivesItsStepAndGoesAtTheNext) {
    auto smoke = Smoke(25, 1);  // a second of life, one a second
    ASSERT_EQ(smoke->lifetime.Result(), 1.0f);
    for (int i = 0; i < 3; ++i) smoke->SimulateAndEmit(0.5f);  // the first is owed after 1.5 s
    ASSERT_EQ(smoke->Particles().size(), 1u);
    smoke->SimulateAndEmit(0.5f);
    smoke->SimulateAndEmit(0.5f);
    ASSERT_EQ(smoke->Particles().size(), 2u);
    EXPECT_EQ(smoke->Particles()[0].life, 0.0f);
    smoke->SimulateAndEmit(0.5f);
    ASSERT_EQ(smoke->Particles().size(), 1u);
    EXPECT_EQ(smoke->Particles()[0].life, 0.5f);
}

TEST_F(ParticleEmission, TestThatALifetimeOfZeroMakesAParticleSteppedOnceThenRemovedThatStaysFinite) {
    auto smoke = Smoke(0, 1);
    smoke->SimulateAndEmit(1.5f);
    ASSERT_EQ(smoke->Particles().size(), 1u);
    EXPECT_EQ(smoke->Particles()[0].life, 0.0f);
    // A step of no time keeps it; its growth over a lifetime of 0 must not become 0 × ∞.
    smoke->SimulateAndEmit(0.0f);
    ASSERT_EQ(smoke->Particles().size(), 1u);
    const Particle& puff = smoke->Particles()[0];
    EXPECT_TRUE(std::isfinite(puff.size) && std::isfinite(puff.alpha));
    EXPECT_TRUE(Finite(puff.position) && Finite(puff.axis1) && Finite(puff.axis2));
    smoke->SimulateAndEmit(0.25f);
    EXPECT_TRUE(smoke->Particles().empty());
}

TEST_F(ParticleEmission, TestThatARateOrOpacityOfZeroEmitsNothingAndTheDebtComesOutAtOnce) {
    struct Case {
        const char* paused;
        void (*pause)(QV_Smoke&);
        void (*resume)(QV_Smoke&);
    } cases[] = {
        {"rate 0", [](QV_Smoke& s) { s.rate.SetSilently(0); }, [](QV_Smoke& s) { s.rate.SetSilently(4); }},
        {"opacity 0", [](QV_Smoke& s) { Hide(s); }, [](QV_Smoke& s) { Show(s); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.paused);
        auto smoke = Smoke(250, 4);
        c.pause(*smoke);
        for (int i = 0; i < 8; ++i) smoke->SimulateAndEmit(0.25f);
        EXPECT_TRUE(smoke->Particles().empty());
        EXPECT_EQ(smoke->Accumulator(), 2.0f);
        c.resume(*smoke);
        // Owed while 1/4 s is strictly less than what has accumulated.
        smoke->SimulateAndEmit(0.0f);
        EXPECT_EQ(smoke->Particles().size(), 7u);
        EXPECT_EQ(smoke->Accumulator(), 0.25f);
    }
}

TEST_F(ParticleEmission, TestThatADebtBeyondWhatALayerHoldsIsDroppedInsteadOfEmitted) {
    auto smoke = Smoke(250, 100);
    Hide(*smoke);
    smoke->SimulateAndEmit(10000.0f);  // a million particles owed
    Show(*smoke);
    smoke->SimulateAndEmit(0.0f);
    EXPECT_EQ(smoke->Particles().size(), QV_ParticleOriginGenerator::kMaxParticles);
    EXPECT_LT(smoke->Accumulator(), 0.01f);
    // Once the burst has died, only the time since is owed, not the rest of the million.
    smoke->SimulateAndEmit(11.0f);
    EXPECT_LE(smoke->Particles().size(), 1101u);
}

// The runtime object works on a copy: it takes the parameters and the debt owed, not the
// particles in the air, and its scaled values follow its own parameters only.
TEST_F(ParticleEmission, TestThatACopyTakesTheDebtButNoParticlesAndScalesItsOwnValues) {
    auto smoke = Smoke(250, 4);
    for (int i = 0; i < 5; ++i) smoke->SimulateAndEmit(0.3f);
    ASSERT_FALSE(smoke->Particles().empty());
    QV_Smoke copy(*smoke);
    EXPECT_TRUE(copy.Particles().empty());
    EXPECT_EQ(copy.Accumulator(), smoke->Accumulator());
    EXPECT_EQ(copy.rate.Value(), 4u);
    EXPECT_EQ(copy.origin.Value(), D3DXVECTOR3(100, 200, 0));
    copy.lifetime.Assign(50, nullptr);
    EXPECT_FLOAT_EQ(copy.lifetime.Result(), 2.0f);
    EXPECT_FLOAT_EQ(smoke->lifetime.Result(), 10.0f);
    EXPECT_FALSE(smoke->Particles().empty());
}

TEST_F(ParticleEmission, TestThatTheWindBlowsThePuffsSideways) {
    struct {
        unsigned wind;
        float acceleration;
    } cases[] = {{50, 0.0f}, {0, -100.0f}, {100, 100.0f}};
    for (const auto& c : cases) {
        auto smoke = Smoke(50, 1);
        smoke->wind.Assign(c.wind, nullptr);
        const Particle puff = smoke->CreateParticle();
        EXPECT_EQ(puff.acceleration, D3DXVECTOR3(c.acceleration, 0, 0)) << c.wind;
    }
}

TEST_F(ParticleEmission, TestThatAPuffStartsSmallAndClearWithItsFiveRulesAndThreeDraws) {
    auto smoke = Smoke(50, 1);  // two seconds
    SharedRandom::Seed(99);
    uint32_t expectedSeed = 99;
    for (int i = 0; i < 3; ++i) expectedSeed = expectedSeed * 214013u + 2531011u;
    const Particle puff = smoke->CreateParticle();
    EXPECT_EQ(SharedRandom::CurrentSeed(), expectedSeed);  // direction, spin, start angle

    EXPECT_EQ(puff.life, 2.0f);
    EXPECT_EQ(puff.position, D3DXVECTOR3(100, 200, 0));
    EXPECT_NEAR(puff.velocity.x, 0.0f, 1e-4f);  // 90 degrees points up the screen
    EXPECT_NEAR(puff.velocity.y, -100.0f, 1e-4f);
    EXPECT_EQ(puff.size, 0.5f);
    EXPECT_EQ(puff.alpha, 0.0f);
    ASSERT_EQ(puff.modifierCount, 5u);
    const Kind kinds[] = {Kind::Motion, Kind::Growth, Kind::FadeIn, Kind::FadeOut, Kind::Spin};
    for (size_t i = 0; i < 5; ++i) EXPECT_EQ(puff.modifiers[i].kind, kinds[i]) << i;
    EXPECT_EQ(puff.modifiers[1].p0, 0.5f);  // from half its size to one and a half
    EXPECT_EQ(puff.modifiers[2].p0, 5.0f);  // five times the opacity of now
    EXPECT_EQ(puff.modifiers[2].p1, 1.6f);
    EXPECT_EQ(puff.modifiers[3].p0, 1.0f);
    EXPECT_EQ(puff.modifiers[3].p1, 2.0f);
    EXPECT_LE(std::abs(puff.modifiers[4].p0), 50.0f);
    EXPECT_NEAR(D3DXVec3Dot(&puff.axis1, &puff.axis2), 0.0f, 1e-6f);
    EXPECT_NEAR(D3DXVec3Length(&puff.axis1), 1.0f, 1e-6f);
}

TEST_F(ParticleEmission, TestThatTheWarmUpRunsFiveSecondsAtTheOpacityOfCreation) {
    // Visible: the puffs of the last two seconds are in the air, above the origin, oldest
    // first.
    auto visible = Smoke(50, 10);
    std::unique_ptr<QV_ABObj> object(visible->CreateObject());
    auto& warm = static_cast<QV_Smoke&>(static_cast<QV_ParticlesObj&>(*object).Generator());
    const std::vector<Particle>& puffs = warm.Particles();
    EXPECT_GE(puffs.size(), 19u);
    EXPECT_LE(puffs.size(), 21u);
    // The newest has only just left the origin; the oldest has risen for two seconds.
    EXPECT_LT(puffs.front().position.y, 50.0f);
    for (size_t i = 0; i < puffs.size(); ++i) {
        EXPECT_LE(puffs[i].position.y, 200.0f);
        EXPECT_GE(puffs[i].life, 0.0f);
        if (i > 0) {
            EXPECT_LT(puffs[i - 1].life, puffs[i].life);
        }
    }

    // Hidden: nothing comes out, and the five seconds owed come out as one burst once the
    // smoke shows.
    auto hidden = Smoke(250, 10);
    Hide(*hidden);
    object.reset(hidden->CreateObject());
    auto& owed = static_cast<QV_Smoke&>(static_cast<QV_ParticlesObj&>(*object).Generator());
    EXPECT_TRUE(owed.Particles().empty());
    EXPECT_NEAR(owed.Accumulator(), 5.0f, 1e-4f);
    Show(owed);
    owed.SimulateAndEmit(0.0f);
    EXPECT_GE(owed.Particles().size(), 49u);
    EXPECT_LE(owed.Particles().size(), 50u);
}

}  // namespace
