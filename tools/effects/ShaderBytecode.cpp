#include "ShaderBytecode.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "EffectError.h"

namespace fx {

namespace {

constexpr uint32_t kPs20 = 0xFFFF0200, kPs2x = 0xFFFF0201, kVs20 = 0xFFFE0200;
constexpr uint32_t kEndToken = 0x0000FFFF;
constexpr uint32_t kCommentOpcode = 0xFFFE;
constexpr uint32_t kCtabTag = 0x42415443;  // 'CTAB'
constexpr uint32_t kIdentitySwizzle = 0xE4;
constexpr int kCtabHeaderBytes = 28, kCtabConstantBytes = 20, kCtabTargetField = 24;

// How an instruction reads the lanes of its sources.
enum class Lanes {
    PerComponent,  // the lanes the destination writes
    Xy, Xyz, Xyzw,
    Scalar,        // one lane: the swizzle must be a replicate
    TexCoord,      // as many lanes as the sampler's texture has dimensions
    Sampler,       // a sampler register: no swizzle at all
};

struct Opcode {
    uint32_t code;
    const char* name;
    std::array<Lanes, 3> sources;
    int sourceCount;
    int arithmeticSlots;
    int textureSlots;
};

using L = Lanes;
// The pixel-shader instructions of ps_2_0 that the writer knows how to check.
constexpr Opcode kOpcodes[] = {
    {0x01, "mov", {L::PerComponent}, 1, 1, 0},
    {0x02, "add", {L::PerComponent, L::PerComponent}, 2, 1, 0},
    {0x03, "sub", {L::PerComponent, L::PerComponent}, 2, 1, 0},
    {0x04, "mad", {L::PerComponent, L::PerComponent, L::PerComponent}, 3, 1, 0},
    {0x05, "mul", {L::PerComponent, L::PerComponent}, 2, 1, 0},
    {0x06, "rcp", {L::Scalar}, 1, 1, 0},
    {0x07, "rsq", {L::Scalar}, 1, 1, 0},
    {0x08, "dp3", {L::Xyz, L::Xyz}, 2, 1, 0},
    {0x09, "dp4", {L::Xyzw, L::Xyzw}, 2, 1, 0},
    {0x0A, "min", {L::PerComponent, L::PerComponent}, 2, 1, 0},
    {0x0B, "max", {L::PerComponent, L::PerComponent}, 2, 1, 0},
    {0x0E, "exp", {L::Scalar}, 1, 1, 0},
    {0x0F, "log", {L::Scalar}, 1, 1, 0},
    {0x12, "lrp", {L::PerComponent, L::PerComponent, L::PerComponent}, 3, 2, 0},
    {0x13, "frc", {L::PerComponent}, 1, 1, 0},
    {0x20, "pow", {L::Scalar, L::Scalar}, 2, 3, 0},
    {0x21, "crs", {L::Xyz, L::Xyz}, 2, 2, 0},
    {0x23, "abs", {L::PerComponent}, 1, 1, 0},
    {0x24, "nrm", {L::Xyz}, 1, 3, 0},
    {0x25, "sincos", {L::Scalar, L::Xyzw, L::Xyzw}, 3, 8, 0},
    {0x41, "texkill", {}, 0, 0, 1},
    {0x42, "texld", {L::TexCoord, L::Sampler}, 2, 0, 1},
    {0x58, "cmp", {L::PerComponent, L::PerComponent, L::PerComponent}, 3, 1, 0},
    {0x5A, "dp2add", {L::Xy, L::Xy, L::Scalar}, 3, 1, 0},
};
constexpr uint32_t kDcl = 0x1F, kDef = 0x51;

// Register types and the number of registers of each that ps_2_0 and ps_2_a have.
enum RegisterType : uint32_t {
    kTemp = 0, kInput = 1, kConst = 2, kTexture = 3, kColorOut = 8, kDepthOut = 9, kSampler = 10,
};
struct RegisterLimit {
    uint32_t type;
    const char* name;
    uint32_t ps20, ps2a;
};
constexpr RegisterLimit kRegisterLimits[] = {
    {kTemp, "r", 12, 22}, {kInput, "v", 2, 2}, {kConst, "c", 32, 32}, {kTexture, "t", 8, 8},
    {kColorOut, "oC", 4, 4}, {kDepthOut, "oDepth", 1, 1}, {kSampler, "s", 16, 16},
};
struct Limits {
    int arithmetic, texture, total;
};
constexpr Limits kPs20Limits{64, 32, 96}, kPs2aLimits{512, 512, 512};

uint32_t RegisterTypeOf(uint32_t token) { return ((token >> 28) & 7) | ((token >> 8) & 0x18); }
uint32_t RegisterNumberOf(uint32_t token) { return token & 0x7FF; }
uint32_t LaneOf(uint32_t swizzle, int lane) { return (swizzle >> (2 * lane)) & 3; }

class ShaderWords {
public:
    ShaderWords(const std::vector<uint8_t>& bytes, const std::string& name) : name_(name) {
        if (bytes.size() < 8 || bytes.size() % 4 != 0) Fail("is not shader bytecode (size " + std::to_string(bytes.size()) + ")");
        words_.resize(bytes.size() / 4);
        std::memcpy(words_.data(), bytes.data(), bytes.size());
    }

    [[noreturn]] void Fail(const std::string& reason) const { throw EffectError(name_, 0, reason); }
    std::vector<uint32_t>& Words() { return words_; }
    const std::vector<uint32_t>& Words() const { return words_; }
    uint32_t Version() const { return words_[0]; }

    std::vector<uint8_t> Bytes() const {
        std::vector<uint8_t> bytes(words_.size() * 4);
        std::memcpy(bytes.data(), words_.data(), bytes.size());
        return bytes;
    }

    // Calls visit(position, opcode token, parameter count) for every instruction, comments
    // aside, after checking that each lies within the words and that the end token closes them.
    template <typename Visit>
    void ForEachInstruction(Visit visit) const {
        size_t i = 1;
        while (i < words_.size()) {
            uint32_t token = words_[i];
            if (token == kEndToken) {
                if (i + 1 != words_.size()) Fail("has words after its end token");
                return;
            }
            size_t length = (token & 0xFFFF) == kCommentOpcode ? (token >> 16) & 0x7FFF : (token >> 24) & 0xF;
            if (i + 1 + length > words_.size()) Fail("has an instruction that runs past its end");
            if ((token & 0xFFFF) != kCommentOpcode) visit(i, token, length);
            i += 1 + length;
        }
        Fail("has no end token");
    }

    // The word position of the constant table's comment token, or 0 when there is none.
    size_t CtabComment() const {
        size_t i = 1;
        while (i < words_.size() && words_[i] != kEndToken) {
            uint32_t token = words_[i];
            bool comment = (token & 0xFFFF) == kCommentOpcode;
            size_t length = comment ? (token >> 16) & 0x7FFF : (token >> 24) & 0xF;
            if (comment && length * 4 >= kCtabHeaderBytes + 4 && i + 1 + length <= words_.size() &&
                words_[i + 1] == kCtabTag)
                return i;
            i += 1 + length;
        }
        return 0;
    }

private:
    std::string name_;
    std::vector<uint32_t> words_;
};

// The constant table's bytes (after its tag) as a bounded view.
struct CtabView {
    const uint8_t* bytes = nullptr;
    size_t size = 0;

    uint32_t Word(size_t offset) const {
        uint32_t word = 0;
        if (offset + 4 <= size) std::memcpy(&word, bytes + offset, 4);
        return word;
    }
    // Empty when the string does not end inside the table.
    std::string String(size_t offset) const {
        if (offset >= size) return {};
        const void* end = std::memchr(bytes + offset, 0, size - offset);
        return end ? std::string(reinterpret_cast<const char*>(bytes + offset)) : std::string();
    }
};

CtabView ViewCtab(const ShaderWords& shader) {
    size_t comment = shader.CtabComment();
    if (comment == 0) shader.Fail("has no constant table");
    size_t length = (shader.Words()[comment] >> 16) & 0x7FFF;
    return {reinterpret_cast<const uint8_t*>(&shader.Words()[comment + 2]), (length - 1) * 4};
}

// Points the constant table's target at `target` (appended to the table) and its version at
// the shader's version.
void FillTarget(ShaderWords& shader, const std::string& target) {
    size_t comment = shader.CtabComment();
    if (comment == 0) shader.Fail("has no constant table");
    std::vector<uint32_t>& words = shader.Words();
    size_t length = (words[comment] >> 16) & 0x7FFF;
    size_t tableBytes = (length - 1) * 4;
    size_t targetWords = (target.size() + 1 + 3) / 4;
    std::vector<uint32_t> text(targetWords, 0);
    std::copy(target.begin(), target.end(), reinterpret_cast<char*>(text.data()));
    words.insert(words.begin() + long(comment + 1 + length), text.begin(), text.end());
    words[comment] = (words[comment] & 0x8000FFFF) | uint32_t((length + targetWords) << 16);
    words[comment + 2 + kCtabTargetField / 4] = uint32_t(tableBytes);
    words[comment + 2 + 8 / 4] = words[0];
}

bool IsPs20Swizzle(uint32_t swizzle) { return swizzle == kIdentitySwizzle || swizzle % 0x55 == 0; }

// A swizzle made the identity or a replicate where the lanes read allow it (one that is either
// already stays); `arbitrary` tells when neither fits.
uint32_t NormalisedSwizzle(uint32_t swizzle, uint32_t readLanes, bool& arbitrary) {
    arbitrary = false;
    if (IsPs20Swizzle(swizzle)) return swizzle;
    bool identity = true, replicate = true;
    int first = -1;
    for (int lane = 0; lane < 4; ++lane) {
        if (!(readLanes & (1u << lane))) continue;
        uint32_t from = LaneOf(swizzle, lane);
        identity &= from == uint32_t(lane);
        if (first < 0) first = int(from);
        replicate &= from == uint32_t(first);
    }
    arbitrary = !identity && !replicate;
    if (identity) return kIdentitySwizzle;
    if (replicate) return uint32_t(first) * 0x55;
    return swizzle;
}

class PixelShaderCheck {
public:
    PixelShaderCheck(ShaderWords& shader) : shader_(shader) {}

    // True when the shader needs version 2.1.
    bool Run() {
        shader_.ForEachInstruction([&](size_t at, uint32_t token, size_t length) { Instruction(at, token, length); });
        bool ps2x = arbitrarySwizzle_ || !Fits(kPs20Limits, false);
        if (ps2x && !Fits(kPs2aLimits, true)) shader_.Fail(limitReason_);
        return ps2x;
    }

private:
    void Instruction(size_t at, uint32_t token, size_t length) {
        uint32_t code = token & 0xFFFF;
        std::vector<uint32_t>& words = shader_.Words();
        if (token & (1u << 28)) shader_.Fail("uses predication");
        if (code == kDcl) return Declaration(words, at, length);
        if (code == kDef) {
            if (length != 5) shader_.Fail("has a malformed def");
            return Register(words[at + 1]);
        }
        const Opcode* opcode = Find(code);
        if (!opcode) shader_.Fail("uses instruction " + std::to_string(code) + ", which ps_2_0 does not have");
        // Every one has a destination first (texkill's one operand is written as one).
        if (length != size_t(opcode->sourceCount) + 1)
            shader_.Fail(std::string("has a malformed ") + opcode->name);
        arithmetic_ += opcode->arithmeticSlots;
        texture_ += opcode->textureSlots;
        uint32_t dest = words[at + 1];
        Destination(dest, *opcode);
        uint32_t control = (token >> 16) & 0xFF;
        uint32_t sampler = opcode->sources[1] == Lanes::Sampler ? words[at + 3] : 0;
        for (int s = 0; s < opcode->sourceCount; ++s)
            Source(words[at + 2 + s], *opcode, opcode->sources[s], dest, control, sampler);
    }

    static const Opcode* Find(uint32_t code) {
        for (const Opcode& opcode : kOpcodes)
            if (opcode.code == code) return &opcode;
        return nullptr;
    }

    void Declaration(const std::vector<uint32_t>& words, size_t at, size_t length) {
        if (length != 2) shader_.Fail("has a malformed dcl");
        uint32_t reg = words[at + 2];
        Register(reg);
        if (RegisterTypeOf(reg) == kSampler) samplerKinds_[RegisterNumberOf(reg) & 15] = (words[at + 1] >> 27) & 0xF;
    }

    void Destination(uint32_t dest, const Opcode& opcode) {
        Register(dest);
        if (dest & (1u << 13)) shader_.Fail("uses relative addressing");
        if ((dest >> 24) & 0xF) shader_.Fail(std::string("uses a result shift on ") + opcode.name);
        if ((dest >> 20) & 0xC) shader_.Fail(std::string("uses a result modifier ps_2_0 does not have on ") + opcode.name);
    }

    // `sampler` is texld's sampler operand, whose texture kind tells the coordinate's lanes.
    void Source(uint32_t& source, const Opcode& opcode, Lanes lanes, uint32_t dest, uint32_t control, uint32_t sampler) {
        Register(source);
        if (source & (1u << 13)) shader_.Fail("uses relative addressing");
        uint32_t modifier = (source >> 24) & 0xF;
        if (modifier > 1) shader_.Fail(std::string("uses a source modifier ps_2_0 does not have on ") + opcode.name);
        uint32_t swizzle = (source >> 16) & 0xFF;
        if (lanes == Lanes::Sampler) {
            if (swizzle != kIdentitySwizzle) shader_.Fail("swizzles a sampler");
            return;
        }
        if (lanes == Lanes::Scalar) {
            if (swizzle % 0x55 != 0) shader_.Fail(std::string(opcode.name) + " needs a replicate swizzle");
            return;
        }
        bool arbitrary = false;
        uint32_t normalised = NormalisedSwizzle(swizzle, ReadLanes(lanes, dest, control, sampler), arbitrary);
        // texld takes its coordinate unswizzled in ps_2_0.
        arbitrarySwizzle_ |= arbitrary || (lanes == Lanes::TexCoord && normalised != kIdentitySwizzle);
        source = (source & ~(0xFFu << 16)) | (normalised << 16);
    }

    uint32_t ReadLanes(Lanes lanes, uint32_t dest, uint32_t control, uint32_t sampler) const {
        switch (lanes) {
            case Lanes::PerComponent: return (dest >> 16) & 0xF;
            case Lanes::Xy: return 0x3;
            case Lanes::Xyz: return 0x7;
            case Lanes::TexCoord: {
                uint32_t kind = samplerKinds_[RegisterNumberOf(sampler) & 15];
                uint32_t lanes2d = kind == 2 ? 0x3 : 0x7;  // 2 = 2D; cube and volume read xyz
                return control == 0 ? lanes2d : lanes2d | 0x8;  // texldp and texldb read w
            }
            default: return 0xF;
        }
    }

    void Register(uint32_t token) {
        uint32_t type = RegisterTypeOf(token);
        for (const RegisterLimit& limit : kRegisterLimits)
            if (limit.type == type) {
                uint32_t& used = used_[type];
                used = std::max(used, RegisterNumberOf(token) + 1);
                if (used > limit.ps2a)
                    shader_.Fail(std::string("uses register ") + limit.name + std::to_string(used - 1) + ", beyond ps_2_x");
                return;
            }
        shader_.Fail("uses register type " + std::to_string(type) + ", which pixel shaders do not have");
    }

    bool Fits(const Limits& limits, bool ps2a) {
        for (const RegisterLimit& limit : kRegisterLimits)
            if (used_[limit.type] > (ps2a ? limit.ps2a : limit.ps20)) return false;
        if (arithmetic_ > limits.arithmetic || texture_ > limits.texture || arithmetic_ + texture_ > limits.total) {
            limitReason_ = "needs " + std::to_string(arithmetic_ + texture_) + " instruction slots, more than ps_2_x has";
            return false;
        }
        return true;
    }

    ShaderWords& shader_;
    std::array<uint32_t, 16> samplerKinds_{};
    std::array<uint32_t, 32> used_{};
    int arithmetic_ = 0, texture_ = 0;
    bool arbitrarySwizzle_ = false;
    std::string limitReason_;
};

}  // namespace

PreparedShader PreparePixelShader(const std::vector<uint8_t>& bytes, const std::string& name) {
    ShaderWords shader(bytes, name);
    if (shader.Version() != kPs20) shader.Fail("is not ps_2_0 bytecode");
    bool ps2x = PixelShaderCheck(shader).Run();
    if (ps2x) shader.Words()[0] = kPs2x;
    PreparedShader prepared{{}, ps2x ? "ps_2_a" : "ps_2_0"};
    FillTarget(shader, prepared.target);
    prepared.bytes = shader.Bytes();
    return prepared;
}

PreparedShader PrepareVertexShader(const std::vector<uint8_t>& bytes, const std::string& name) {
    ShaderWords shader(bytes, name);
    if (shader.Version() != kVs20) shader.Fail("is not vs_2_0 bytecode");
    shader.ForEachInstruction([](size_t, uint32_t, size_t) {});
    PreparedShader prepared{{}, "vs_2_0"};
    FillTarget(shader, prepared.target);
    prepared.bytes = shader.Bytes();
    return prepared;
}

std::vector<std::string> ShaderConstantNames(const std::vector<uint8_t>& bytes, const std::string& name) {
    ShaderWords shader(bytes, name);
    CtabView table = ViewCtab(shader);
    uint32_t count = table.Word(12), info = table.Word(16);
    if (info > table.size || count > (table.size - info) / kCtabConstantBytes)
        shader.Fail("has a constant table that runs past its end");
    std::vector<std::string> names;
    for (uint32_t i = 0; i < count; ++i) {
        std::string constant = table.String(table.Word(info + i * kCtabConstantBytes));
        if (constant.empty()) shader.Fail("has a constant without a name");
        names.push_back(constant);
    }
    return names;
}

}  // namespace fx
