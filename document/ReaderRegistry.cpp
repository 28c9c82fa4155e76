#include "document/ReaderRegistry.h"

namespace {

template <class Reader>
auto Dispatch(ReaderRegistry<Reader>& registry, QV_IOF_Virtual& archive)
    -> decltype(registry.begin()->second->Create(archive, 0)) {
    std::wstring tag;
    archive.ReadString(tag);
    uint32_t version = archive.ReadVersion();
    if (archive.Failed()) return nullptr;
    auto found = registry.find(tag);
    if (found == registry.end()) {
        archive.MarkFailed();
        return nullptr;
    }
    return found->second->Create(archive, version);
}

}  // namespace

QV_2D_Light* ReadTaggedLight(QV_IOF_Virtual& archive) {
    return Dispatch(GetLightReaderRegistry(), archive);
}

QV_SlideContainer* ReadTaggedSlide(QV_IOF_Virtual& archive) {
    return Dispatch(GetSlideReaderRegistry(), archive);
}

QV_ABObj_Constructor* ReadTaggedObject(QV_IOF_Virtual& archive) {
    return Dispatch(GetObjectReaderRegistry(), archive);
}
