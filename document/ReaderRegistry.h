#pragma once
// Class readers and the three registries that map a stored class tag to its reader.
#include <cstdint>
#include <map>
#include <string>
#include <type_traits>

#include "document/QV_IOF_Virtual.h"

class QV_ABObj_Constructor;
class QV_2D_Light;
class QV_SlideContainer;

// Every registered class has one static reader for the whole run; `registered` makes a
// registering initialiser that runs twice register only once.
struct SceneReaderBase {
    bool registered = false;
};

// Reader of the scene-object registry.
class IOF_Virtual_Reader : public SceneReaderBase {
public:
    virtual QV_ABObj_Constructor* Create(QV_IOF_Virtual& archive, uint32_t version) = 0;

protected:
    ~IOF_Virtual_Reader() = default;
};

// Makes a T and reads its own fields for `version`, then its base sections.
template <class T>
class IOF_Virtual_ReaderT final : public IOF_Virtual_Reader {
public:
    QV_ABObj_Constructor* Create(QV_IOF_Virtual& archive, uint32_t version) override {
        T* object = new T;
        object->Load(archive, version);
        return object;
    }
};

// Reader of the background-layer and slide registries, returning a B.
template <class B>
class IOF_Virtual_ReaderII : public SceneReaderBase {
public:
    virtual B* Create(QV_IOF_Virtual& archive, uint32_t version) = 0;

protected:
    ~IOF_Virtual_ReaderII() = default;
};

template <class T, class B>
class IOF_Virtual_ReaderT_II final : public IOF_Virtual_ReaderII<B> {
public:
    B* Create(QV_IOF_Virtual& archive, uint32_t version) override {
        T* object = new T;
        object->Load(archive, version);
        return object;
    }
};

// Ordered by tag, code unit by code unit.
template <class Reader>
using ReaderRegistry = std::map<std::wstring, Reader*>;

ReaderRegistry<IOF_Virtual_ReaderII<QV_2D_Light>>& GetLightReaderRegistry();
ReaderRegistry<IOF_Virtual_ReaderII<QV_SlideContainer>>& GetSlideReaderRegistry();
ReaderRegistry<IOF_Virtual_Reader>& GetObjectReaderRegistry();
// Records of the authoring tool's own classes that the player does not show, found in scene
// object lists: their readers read them to their end and give null, so the list reads on.
ReaderRegistry<IOF_Virtual_Reader>& GetForeignRecordRegistry();

template <class Reader>
void RegisterSceneReader(ReaderRegistry<Reader>& registry, const wchar_t* tag,
                         std::type_identity_t<Reader>& reader) {
    if (reader.registered) return;
    registry[tag] = &reader;
    reader.registered = true;
}

// The dispatchers: tag and version, then the registered reader's Create. An unknown tag
// returns null having consumed exactly the tag and the version; since records carry no
// length, what follows cannot be stepped over, so the archive is marked failed. Object lists
// also step over the foreign records.
QV_2D_Light* ReadTaggedLight(QV_IOF_Virtual& archive);
QV_SlideContainer* ReadTaggedSlide(QV_IOF_Virtual& archive);
QV_ABObj_Constructor* ReadTaggedObject(QV_IOF_Virtual& archive);
