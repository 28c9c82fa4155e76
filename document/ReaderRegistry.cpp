#include "document/ReaderRegistry.h"

namespace {

// `foreign` readers step over records that make no object.
template <class Reader>
auto Dispatch(ReaderRegistry<Reader>& registry, QV_IOF_Virtual& archive,
              ReaderRegistry<Reader>* foreign = nullptr)
    -> decltype(registry.begin()->second->Create(archive, 0)) {
    std::wstring tag;
    archive.ReadString(tag);
    uint32_t version = archive.ReadVersion();
    if (archive.Failed()) return nullptr;
    auto found = registry.find(tag);
    if (found != registry.end()) return found->second->Create(archive, version);
    if (foreign) {
        auto stepped = foreign->find(tag);
        if (stepped != foreign->end()) return stepped->second->Create(archive, version);
    }
    archive.MarkFailed();
    return nullptr;
}

}  // namespace

// Function-local statics: each registry exists from its first registration on.
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

ReaderRegistry<IOF_Virtual_Reader>& GetForeignRecordRegistry() {
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
    return Dispatch(GetObjectReaderRegistry(), archive, &GetForeignRecordRegistry());
}
