// Writes the background pictures of the default scene's slides into a folder, under their
// stored file names, so that another slide show can show the same pictures; then prints the
// seconds of one round of the show, the span the whole-process benchmark measures.
//   bench_pictures FOLDER
#include <cstdio>
#include <set>
#include <string>

#include "RunningScene.h"
#include "TestDevice.h"
#include "base/CurrentDevice.h"
#include "player/PictureView.h"

namespace {

// The text after the last backslash of a stored path.
std::wstring FileName(const std::wstring& path) {
    const size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

bool WriteBytes(const std::wstring& path, const EmbeddedFile& file) {
    FILE* out = _wfopen(path.c_str(), L"wb");
    if (!out) return false;
    const bool written = std::fwrite(file.Bytes(), 1, file.Size(), out) == file.Size();
    return std::fclose(out) == 0 && written;
}

// Each picture once, however many slides show it.
bool WriteSlidePictures(vgtest::RunningScene& scene, const std::wstring& folder) {
    std::set<std::wstring> written;
    QV_SlideShow_Light& show = *scene.Show();
    for (unsigned i = 0; i < show.SlideCount(); ++i) {
        if (!show.SlideAt(i)) continue;
        CountedHolder<QV_2D_Light> layer = show.SlideAt(i)->GetLight();
        const EmbeddedFile* file = layer ? scene.Manager()->GetEmbeddedFile(layer->pictureLink.Value()) : nullptr;
        if (!file || !file->Bytes()) continue;
        const std::wstring name = FileName(file->Name());
        if (!written.insert(name).second) continue;
        if (!WriteBytes(folder + L"\\" + name, *file)) {
            std::fprintf(stderr, "cannot write %ls\n", name.c_str());
            return false;
        }
    }
    return !written.empty();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_pictures FOLDER\n");
        return 2;
    }
    vgtest::TestDevice device(64, 64);
    if (!device.Device()) return 1;
    CurrentDevice = device.Device();
    int status = 1;
    {
        vgtest::RunningScene scene;
        if (SUCCEEDED(scene.OpenOwnDocument()) && WriteSlidePictures(scene, argv[1])) {
            std::printf("round_seconds %.0f\n", scene.RoundSeconds());
            status = 0;
        }
    }
    GetPictureView().ReleaseDeviceObjects(device.Device());
    CurrentDevice = nullptr;
    return status;
}
