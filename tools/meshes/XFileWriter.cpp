#include "XFileWriter.h"

#include <cstdio>

namespace meshes {

namespace {

std::string Number(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.5f", value);
    return text;
}

// Items separated by ",\n" and the list closed by ";": the text form's list syntax.
template <class Item, class Write>
void WriteList(std::string& out, const std::vector<Item>& items, Write write) {
    out += " " + std::to_string(items.size()) + ";\n";
    for (size_t i = 0; i < items.size(); ++i) {
        out += " ";
        write(items[i]);
        out += i + 1 < items.size() ? ",\n" : ";\n";
    }
}

}  // namespace

std::string XFileText(const MeshData& mesh) {
    std::string out = "xof 0303txt 0032\nMesh {\n";
    WriteList(out, mesh.vertices, [&](const MeshVertex& v) {
        out += Number(v.x) + ";" + Number(v.y) + ";" + Number(v.z) + ";";
    });
    WriteList(out, mesh.faces, [&](const std::array<uint16_t, 3>& f) {
        out += "3;" + std::to_string(f[0]) + "," + std::to_string(f[1]) + "," + std::to_string(f[2]) + ";";
    });
    out += " MeshTextureCoords {\n";
    WriteList(out, mesh.vertices, [&](const MeshVertex& v) { out += Number(v.u) + ";" + Number(v.v) + ";"; });
    out += " }\n}\n";
    return out;
}

std::vector<uint8_t> XFileBytes(const MeshData& mesh) {
    const std::string text = XFileText(mesh);
    return std::vector<uint8_t>(text.begin(), text.end());
}

}  // namespace meshes
