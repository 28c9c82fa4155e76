#pragma once
// Meshes as .x files in text form, the form D3DX's loader reads from memory. Portable C++:
// built for the host (the module's and the default scene's meshes) and for Windows (tests).
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace meshes {

struct MeshVertex {
    float x, y, z;
    float u, v;
};

struct MeshData {
    std::vector<MeshVertex> vertices;
    std::vector<std::array<uint16_t, 3>> faces;
};

// "xof 0303txt 0032", one Mesh with its faces and MeshTextureCoords.
std::string XFileText(const MeshData& mesh);
std::vector<uint8_t> XFileBytes(const MeshData& mesh);

}  // namespace meshes
