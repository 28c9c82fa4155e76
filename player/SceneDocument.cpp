#include "player/SceneDocument.h"

#include <string>

#include "document/ArchiveValues.h"
#include "document/QV_DocResManager.h"
#include "document/QV_IOF_R.h"
#include "document/ResourceBuffer.h"
#include "player/QV_SlideShow_Light.h"

QV_SlideShow_Light* ReadTopSlideShow(QV_IOF_Virtual& archive) {
    const uint32_t version = archive.ReadSectionHead();
    auto* show = new QV_SlideShow_Light;
    show->Load(archive, version);
    return show;
}

QV_DocResManager* ReadDocResManager(QV_IOF_Virtual& archive) {
    uint32_t version = archive.ReadSectionHead();
    auto* manager = new QV_DocResManager;
    manager->Load(archive, version);
    return manager;
}

void DeleteArchive(QV_IOF_Virtual* archive) { delete archive; }

HRESULT LoadSceneDocument(QV_SlideShow_Light** show) {
    ResourceBuffer buffer;
    // The locked resource stays mapped for the life of the process.
    if (!buffer.OpenResource(GetModuleHandleW(nullptr), kSceneDocumentResourceId)) {
        *show = nullptr;
        return kSceneDocumentFailure;
    }
    return LoadSceneDocument(buffer, show);
}

HRESULT LoadSceneDocument(ResourceBuffer& buffer, QV_SlideShow_Light** show) {
    *show = nullptr;
    if (!buffer.HasSource()) return kSceneDocumentFailure;
    std::wstring head;  // "QRN v 4.0.0"; not compared
    ParseWideString(buffer, head);

    DocResourceCache* previousCache = CurrentResourceCache;
    QV_IOF_Virtual* archive = new QV_IOF_R<ResourceBuffer>(&buffer);
    QV_SlideShow_Light* slideShow = ReadTopSlideShow(*archive);
    QV_DocResManager* manager = ReadDocResManager(*archive);
    const bool failed = archive->Failed();
    DeleteArchive(archive);
    if (failed) {
        delete manager;
        delete slideShow;
        CurrentResourceCache = previousCache;
        return kSceneDocumentFailure;
    }
    CurrentDocResManager = manager;
    *show = slideShow;
    return S_OK;
}
