#include "player/QV_SlideShow_Light.h"

#include "document/QV_IOF_Virtual.h"
#include "document/ReaderRegistry.h"

namespace {
// Tag, version, file name and an empty blob with its name.
constexpr uint32_t kMinAudioFileBytes = ArchiveSize::kSectionHead + ArchiveSize::kString + 4 +
                                        ArchiveSize::kString;
}  // namespace

QV_SlideShow_Light::~QV_SlideShow_Light() {
    for (auto& file : audioFiles_) file.Release();
    for (auto& slide : slides_) slide.Release();
    currentSlide_.Release();
}

void QV_SlideShow_Light::Save(QV_IOF_Virtual& archive) {
    std::wstring tag = L"QV_SlideShow_Light";
    int32_t version = 1;
    archive.WriteString(tag);
    archive.WriteInt(version);
    int32_t slideCount = int32_t(slides_.size());
    archive.WriteInt(slideCount);
    for (auto& slide : slides_)
        if (slide) slide->Save(archive);
    int32_t audioCount = int32_t(audioFiles_.size());
    archive.WriteInt(audioCount);
    for (auto& file : audioFiles_) file->Save(archive);
}

void QV_SlideShow_Light::ReadSlides(QV_IOF_Virtual& archive) {
    uint32_t count = archive.ReadCount(ArchiveSize::kSectionHead);
    for (uint32_t i = 0; i < count && !archive.Failed(); ++i)
        slides_.emplace_back(ReadTaggedSlide(archive));
}

void QV_SlideShow_Light::ReadAudioFiles(QV_IOF_Virtual& archive) {
    uint32_t count = archive.ReadCount(kMinAudioFileBytes);
    for (uint32_t i = 0; i < count && !archive.Failed(); ++i) {
        std::wstring tag;
        archive.ReadString(tag);
        archive.ReadVersion();
        auto* file = new QV_AudioFile;
        file->Load(archive);
        audioFiles_.emplace_back(file);
    }
}
