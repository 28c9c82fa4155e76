#pragma once
// One emitted particle and the rules that move, grow, fade and spin it at every step.
#include <d3dx9math.h>

#include <array>
#include <cstddef>

struct Particle;

// One rule with its parameters, applied with the step's dt (seconds).
struct ParticleModifier {
    enum class Kind {
        Motion,   // position += v dt + a dt²/2, then v += a dt
        Growth,   // size += p0 dt
        FadeIn,   // while p1 < life: alpha += p0 dt
        FadeOut,  // while p1 > life: alpha −= p0 dt
        Spin,     // both axes turn about z by p0 dt degrees
    };
    Kind kind = Kind::Motion;
    float p0 = 0.0f;
    float p1 = 0.0f;

    void Apply(Particle& particle, float dt) const;
};

struct Particle {
    // The smoke's five rules. They live in the particle, so emitting allocates nothing.
    static constexpr size_t kMaxModifiers = 5;

    float life = -1.0f;  // seconds left
    D3DXVECTOR3 position{0.0f, 0.0f, 0.0f};
    D3DXVECTOR3 velocity{0.0f, -200.0f, 0.0f};
    D3DXVECTOR3 acceleration{0.0f, 0.0f, 0.0f};
    D3DXVECTOR3 axis1{0.0f, 0.0f, 0.0f};  // the quad's half-axis directions
    D3DXVECTOR3 axis2{0.0f, 0.0f, 0.0f};
    float size = 100.0f;
    float alpha = 1.0f;  // neither alpha nor size is clamped
    std::array<ParticleModifier, kMaxModifiers> modifiers{};
    size_t modifierCount = 0;

    // A rule beyond kMaxModifiers is not kept.
    void AddModifier(const ParticleModifier& modifier);
    // life −= dt, then every rule in order with the same dt; false once life is below 0.
    bool Step(float dt);
};
