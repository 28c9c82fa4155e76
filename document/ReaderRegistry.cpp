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

// Function-local statics: each registry exists from its first registration on, whatever the
// order of the static initialisers across files.
ReaderRegistry<IOF_Virtual_ReaderII<QV_2D_Light>>& GetLightReaderRegistry() {
    static ReaderRegistry<IOF_Virtual_ReaderII<QV_2D_Light>> registry;
    return registry;
}

ReaderRegistry<IOF_Virtual_ReaderII<QV_SlideContainer>>& GetSlideReaderRegistry() {
    static ReaderRegistry<IOF_Virtual_ReaderII<QV_SlideContainer>> registry;
    return registry;
}

ReaderRegistry<IOF_Virtual_Reader>& GetObjectReaderRegistry() {
    static ReaderRegistry<IOF_Virtual_Reader> registry;
    return registry;
}

QV_2D_Light* ReadTaggedLight(QV_IOF_Virtual& archive) {
    return Dispatch(GetLightReaderRegistry(), archive);
}

QV_SlideContainer* ReadTaggedSlide(QV_IOF_Virtual& archive) {
    return Dispatch(GetSlideReaderRegistry(), archive);
}

QV_ABObj_Constructor* ReadTaggedObject(QV_IOF_Virtual& archive) {
    return Dispatch(GetObjectReaderRegistry(), archive);
}
