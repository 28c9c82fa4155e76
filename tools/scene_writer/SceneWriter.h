#pragma once
// Writes scene-document bytes value by value, as the stored layout defines them. It knows
// nothing of the player's readers, so fixtures made with it check the readers independently.
// Portable C++: built for the host (scene generators) and for Windows (test fixtures).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace scenewriter {

// A stored point or vector: three floats.
struct Point3 {
    float x = 0, y = 0, z = 0;
};

// How a string's length is stored: the shortest form that holds it, or a forced one.
enum class LengthForm { Shortest, Byte, Word, DoubleWord };

class SceneWriter {
public:
    SceneWriter& Int(int32_t value);
    SceneWriter& UInt(uint32_t value);
    SceneWriter& Long(int32_t value) { return Int(value); }
    SceneWriter& Float(float value);
    SceneWriter& Byte(uint8_t value);
    SceneWriter& Bool(bool value) { return Byte(value ? 1 : 0); }
    SceneWriter& Int64(int64_t value);
    SceneWriter& Point(int32_t x, int32_t y) { return Int(x).Int(y); }
    SceneWriter& Vector(const Point3& p) { return Float(p.x).Float(p.y).Float(p.z); }

    SceneWriter& String(std::u16string_view text, LengthForm form = LengthForm::Shortest);
    SceneWriter& String(std::string_view ascii, LengthForm form = LengthForm::Shortest);
    // uint32 size, bytes, name.
    SceneWriter& Blob(const std::vector<uint8_t>& bytes, std::string_view name);
    // int32 id, module, uint32 size, bytes, name.
    SceneWriter& EmbeddedFile(int32_t resourceId, std::string_view module,
                              const std::vector<uint8_t>& bytes, std::string_view name);
    // Tag string and version: the head of every section.
    SceneWriter& Section(std::string_view tag, int32_t version) { return String(tag).Int(version); }
    SceneWriter& Raw(const std::vector<uint8_t>& bytes);
    SceneWriter& Append(const SceneWriter& other) { return Raw(other.bytes_); }

    const std::vector<uint8_t>& Bytes() const { return bytes_; }
    size_t Size() const { return bytes_.size(); }

private:
    void Put(const void* data, size_t size);
    std::vector<uint8_t> bytes_;
};

std::u16string Widen(std::string_view ascii);

// A stored colour (COLORREF): red in the low byte, then green, then blue.
constexpr int32_t Rgb(int r, int g, int b) { return r | g << 8 | b << 16; }

}  // namespace scenewriter
